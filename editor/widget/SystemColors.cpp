#include "editor/widget/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace varlo {

namespace {

// How each system colour is found. A row with a fixed value stands for a role that the palette
// has no counterpart for: caption colours belong to the window manager, not to the toolkit, so
// they keep the values the program was designed with.
struct SystemColorRow {
    TColor color;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    TColor fixed; // clNone: take the palette's value
};

constexpr SystemColorRow kRows[] = {
    {clScrollBar, QPalette::Active, QPalette::Button, clNone},
    {clBackground, QPalette::Active, QPalette::Dark, clNone},
    {clActiveCaption, QPalette::Active, QPalette::Highlight, clNone},
    {clInactiveCaption, QPalette::Active, QPalette::Mid, clNone},
    {clMenu, QPalette::Active, QPalette::Window, clNone},
    {clWindow, QPalette::Active, QPalette::Base, clNone},
    {clWindowFrame, QPalette::Active, QPalette::Shadow, clNone},
    {clMenuText, QPalette::Active, QPalette::WindowText, clNone},
    {clWindowText, QPalette::Active, QPalette::Text, clNone},
    {clCaptionText, QPalette::Active, QPalette::HighlightedText, clNone},
    {clActiveBorder, QPalette::Active, QPalette::Window, clNone},
    {clInactiveBorder, QPalette::Active, QPalette::Window, clNone},
    {clAppWorkSpace, QPalette::Active, QPalette::Dark, clNone},
    {clHighlight, QPalette::Active, QPalette::Highlight, clNone},
    {clHighlightText, QPalette::Active, QPalette::HighlightedText, clNone},
    {clBtnFace, QPalette::Active, QPalette::Button, clNone},
    {clBtnShadow, QPalette::Active, QPalette::Dark, clNone},
    {clGrayText, QPalette::Disabled, QPalette::Text, clNone},
    {clBtnText, QPalette::Active, QPalette::ButtonText, clNone},
    // The dark slate of inactive captions; the gutter gradient starts from it.
    {clInactiveCaptionText, QPalette::Active, QPalette::NoRole, rgb(0x43, 0x4E, 0x54)},
    {clBtnHighlight, QPalette::Active, QPalette::Light, clNone},
    {clInfoText, QPalette::Active, QPalette::ToolTipText, clNone},
    {clInfoBk, QPalette::Active, QPalette::ToolTipBase, clNone},
    {clHotLight, QPalette::Active, QPalette::Link, clNone},
    {clGradientActiveCaption, QPalette::Active, QPalette::NoRole, rgb(0xB9, 0xD1, 0xEA)},
    {clGradientInactiveCaption, QPalette::Active, QPalette::NoRole, rgb(0xD7, 0xE4, 0xF2)},
    {clMenuHighlight, QPalette::Active, QPalette::Highlight, clNone},
    {clMenuBar, QPalette::Active, QPalette::Window, clNone},
};

QColor fromRgb(TColor c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace

QColor toQColor(TColor color) {
    if (color == clNone || color == clDefault)
        return {};
    if (!isSystemColor(color))
        return fromRgb(color);
    for (const auto& row : kRows) {
        if (row.color != color)
            continue;
        if (row.fixed != clNone)
            return fromRgb(row.fixed);
        QColor c = QGuiApplication::palette().color(row.group, row.role);
        c.setAlpha(255);
        return c;
    }
    return QColor(Qt::black); // an unknown system index draws black, as the toolkit does
}

TColor resolveColor(TColor color) {
    if (color == clNone || color == clDefault || !isSystemColor(color))
        return color;
    return fromQColor(toQColor(color));
}

TColor fromQColor(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace varlo
