#include "editor/widget/Podsvetka.h"

#include "editor/widget/SystemColors.h"

#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace varlo {

namespace {

constexpr QSize kClientSize(184, 158);
constexpr int kItemHeight = 13;

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                    QPoint at) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setGeometry(at.x(), at.y(), 76, 25);
    return b;
}

} // namespace

TPodsvet::TPodsvet(QWidget* owner, const QStringList& captions)
    : QDialog(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Podsvet"));
    setWindowTitle(QStringLiteral("   Настройки подсветки"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(kClientSize);
    setModal(true);

    RzListBox1 = new QListWidget(this);
    RzListBox1->setObjectName(QStringLiteral("RzListBox1"));
    RzListBox1->setAccessibleName(QStringLiteral("Подсветка"));
    RzListBox1->setGeometry(16, 16, 153, 95);
    RzListBox1->setUniformItemSizes(true);
    RzListBox1->setStyleSheet(QStringLiteral("QListWidget { border: 1px solid %1; }"
                                             "QListWidget::item { height: %2px; }")
                                  .arg(toQColor(clActiveCaption).name())
                                  .arg(kItemHeight));
    for (const QString& c : captions)
        RzListBox1->addItem(c);
    RzListBox1->setCurrentRow(-1); // nothing is selected before the first choice

    RzBitBtn1 = button(this, "RzBitBtn1", QStringLiteral("Ок"), QStringLiteral("Изменить"),
                       QPoint(11, 124));
    RzBitBtn2 = button(this, "RzBitBtn2", QStringLiteral("Отмена"),
                       QStringLiteral("Не чего не изменять"), QPoint(99, 124));
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RzBitBtn1Click(); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
}

int TPodsvet::selectedIndex() const {
    const QList<QListWidgetItem*> selected = RzListBox1->selectedItems();
    return selected.isEmpty() ? -1 : RzListBox1->row(selected.first());
}

void TPodsvet::RzBitBtn1Click() {
    const int row = selectedIndex();
    if (row >= 0 && row < RzListBox1->count() && OnChoose)
        OnChoose(row);
    accept();
}

void TPodsvet::RzBitBtn2Click() {
    reject();
}

void TPodsvet::showEvent(QShowEvent* e) {
    // Centred over the owner every time it opens.
    if (QWidget* o = parentWidget()) {
        const QRect frame = o->frameGeometry();
        move(frame.x() + (frame.width() - width()) / 2,
             frame.y() + (frame.height() - height()) / 2);
    }
    QDialog::showEvent(e);
}

} // namespace varlo
