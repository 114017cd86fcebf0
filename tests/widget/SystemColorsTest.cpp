#include "editor/widget/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

using namespace varlo;

namespace {

TEST(SystemColors, RolesComeFromThePalette) {
    const QPalette pal = QGuiApplication::palette();
    const struct {
        TColor color;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    } rows[] = {
        {clWindow, QPalette::Active, QPalette::Base},
        {clWindowText, QPalette::Active, QPalette::Text},
        {clBtnFace, QPalette::Active, QPalette::Button},
        {clHighlight, QPalette::Active, QPalette::Highlight},
        {clHighlightText, QPalette::Active, QPalette::HighlightedText},
        {clMenuHighlight, QPalette::Active, QPalette::Highlight},
        {clInfoBk, QPalette::Active, QPalette::ToolTipBase},
        {clGrayText, QPalette::Disabled, QPalette::Text},
    };
    for (const auto& r : rows) {
        QColor expected = pal.color(r.group, r.role);
        expected.setAlpha(255);
        EXPECT_EQ(toQColor(r.color), expected) << systemColorIndex(r.color);
        EXPECT_EQ(resolveColor(r.color), fromQColor(expected));
    }
}

TEST(SystemColors, PlainValuesAndNoColour) {
    EXPECT_EQ(toQColor(rgb(0xA6, 0xCA, 0xF0)), QColor(0xA6, 0xCA, 0xF0));
    EXPECT_EQ(resolveColor(clSkyBlue), clSkyBlue);
    EXPECT_FALSE(toQColor(clNone).isValid());
    EXPECT_EQ(resolveColor(clNone), clNone);
    // Caption colours have no palette role: they keep the designed value.
    EXPECT_EQ(toQColor(clInactiveCaptionText), QColor(0x43, 0x4E, 0x54));
}

} // namespace
