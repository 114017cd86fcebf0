#include "dialogs/DialogLook.h"

#include "editor/widget/SystemColors.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace DialogLook {

namespace {

QString cssColor(varlo::TColor c) {
    return varlo::toQColor(c).name(QColor::HexRgb);
}

QIcon drawGlyph(const QColor& colour, bool tick) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (tick) {
        QPainterPath path;
        path.moveTo(2.5, 8.5);
        path.lineTo(6.5, 12.5);
        path.lineTo(13.5, 3.5);
        p.drawPath(path);
    } else {
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return QIcon(pm);
}

} // namespace

QFont dialogFont() {
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

QFont labelFont() {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(16);
    return f;
}

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setFont(labelFont());
    if (buddy) {
        l->setBuddy(buddy);
        buddy->setAccessibleName(text.trimmed());
    }
    return l;
}

void makeFlat(QWidget* field, bool shaded) {
    const QString frame = cssColor(varlo::clActiveCaption);
    const QString hover = cssColor(varlo::clHighlight);
    const QString kind = QString::fromLatin1(field->metaObject()->className());
    QString css = QStringLiteral("%1 { border: 1px solid %2; padding: 1px 2px; }"
                                 "%1:hover { border: 1px solid %3; }"
                                 "%1:disabled { border: 1px solid palette(mid); }")
                      .arg(kind, frame, hover);
    if (shaded)
        css += QStringLiteral("%1 { background: %2; color: white; }"
                              "%1:focus { background: %3; color: black; }"
                              "%1:disabled { background: palette(button); color: palette(mid); }")
                   .arg(kind, cssColor(varlo::clInactiveCaptionText), kFocusColor.name());
    field->setStyleSheet(css);
}

void nameControl(QWidget* control, const QString& objectName, const QString& accessibleName,
                 const QString& toolTip) {
    control->setObjectName(objectName);
    if (!accessibleName.isEmpty())
        control->setAccessibleName(accessibleName.trimmed());
    if (!toolTip.isEmpty())
        control->setToolTip(toolTip);
}

QIcon insertGlyph() {
    return drawGlyph(QColor(0x00, 0x99, 0x00), true);
}

QIcon cancelGlyph() {
    return drawGlyph(QColor(0xCC, 0x00, 0x00), false);
}

GradientLine::GradientLine(QWidget* parent) : QWidget(parent) {
    setFixedHeight(2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void GradientLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, varlo::toQColor(varlo::clActiveCaption));
    g.setColorAt(1, varlo::toQColor(varlo::clBtnFace));
    p.fillRect(rect(), g);
}

QWidget* sectionHeading(const QString& text, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!text.isEmpty()) {
        auto* l = label(text, nullptr, row);
        l->setObjectName(QStringLiteral("heading"));
        layout->addWidget(l);
    }
    layout->addWidget(new GradientLine(row), 1, Qt::AlignVCenter);
    return row;
}

} // namespace DialogLook
