#include "dialogs/ColorBox.h"

#include "editing/DialogService.h"
#include "editor/widget/SystemColors.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr QSize kSwatch{48, 12};
constexpr int kColorRole = Qt::UserRole;

QIcon swatchIcon(varlo::TColor color) {
    QPixmap pm(kSwatch);
    pm.fill(varlo::toQColor(color));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(0, 0, kSwatch.width() - 1, kSwatch.height() - 1);
    return QIcon(pm);
}

} // namespace

using varlo::rgb;

const ColorBox::Swatch ColorBox::kStandard[16] = {
    {rgb(0x00, 0x00, 0x00), "чёрный"},        {rgb(0x80, 0x00, 0x00), "бордовый"},
    {rgb(0x00, 0x80, 0x00), "зелёный"},       {rgb(0x80, 0x80, 0x00), "оливковый"},
    {rgb(0x00, 0x00, 0x80), "тёмно-синий"},   {rgb(0x80, 0x00, 0x80), "пурпурный"},
    {rgb(0x00, 0x80, 0x80), "морской волны"}, {rgb(0x80, 0x80, 0x80), "серый"},
    {rgb(0xC0, 0xC0, 0xC0), "серебристый"},   {rgb(0xFF, 0x00, 0x00), "красный"},
    {rgb(0x00, 0xFF, 0x00), "салатовый"},     {rgb(0xFF, 0xFF, 0x00), "жёлтый"},
    {rgb(0x00, 0x00, 0xFF), "синий"},         {rgb(0xFF, 0x00, 0xFF), "фуксия"},
    {rgb(0x00, 0xFF, 0xFF), "голубой"},       {rgb(0xFF, 0xFF, 0xFF), "белый"},
};

ColorBox::ColorBox(DefaultSwatch withDefault, QWidget* parent) : QComboBox(parent) {
    setIconSize(kSwatch);
    auto add = [this](varlo::TColor c, const QString& name) {
        addItem(swatchIcon(c), QString(), QVariant::fromValue<int>(c));
        setItemData(count() - 1, name, Qt::AccessibleTextRole);
        setItemData(count() - 1, name, Qt::ToolTipRole);
    };
    if (withDefault == DefaultSwatch::Black)
        add(rgb(0, 0, 0), QStringLiteral("по умолчанию (чёрный)"));
    for (const Swatch& s : kStandard)
        add(s.color, QString::fromUtf8(s.name));
    add(custom_, QStringLiteral("другой цвет..."));
    connect(this, &QComboBox::activated, this, &ColorBox::onActivated);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        previous_ = current_;
        current_ = i;
        emit colorChanged(Selected());
    });
}

varlo::TColor ColorBox::Selected() const {
    return currentIndex() < 0 ? rgb(0, 0, 0) : itemData(currentIndex(), kColorRole).toInt();
}

void ColorBox::setSelected(varlo::TColor color) {
    const varlo::TColor c = varlo::resolveColor(color);
    for (int i = 0; i < CustomIndex(); ++i)
        if (itemData(i, kColorRole).toInt() == c) {
            setCurrentIndex(i);
            return;
        }
    setCustom(c);
    setCurrentIndex(CustomIndex());
}

void ColorBox::setCustom(varlo::TColor color) {
    custom_ = color;
    setItemIcon(CustomIndex(), swatchIcon(color));
    setItemData(CustomIndex(), QVariant::fromValue<int>(color), kColorRole);
}

void ColorBox::onActivated(int index) {
    const int before = previous_;
    previous_ = index;
    if (index != CustomIndex())
        return;
    const auto chosen =
        varlo::DialogService::instance().chooseColor(window(), varlo::toQColor(custom_));
    if (!chosen) {
        // Cancelled: the swatch chosen before stays chosen.
        setCurrentIndex(before);
        return;
    }
    setCustom(varlo::fromQColor(*chosen));
    emit colorChanged(Selected());
}
