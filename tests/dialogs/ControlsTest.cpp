#include "QuietDialogs.h"

#include "dialogs/ButtonEdit.h"
#include "dialogs/ColorBox.h"
#include "dialogs/FontListBox.h"
#include "dialogs/SpinEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using varlo::rgb;

namespace {

void loseFocus(QWidget* w) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
}

struct SpinCase {
    const char* typed;
    int min, max;
    const char* shown;
};

class SpinEditClamp : public ::testing::TestWithParam<SpinCase> {};

TEST_P(SpinEditClamp, LeavingTheFieldReadsAndClampsTheText) {
    const SpinCase& c = GetParam();
    SpinEdit spin(c.min, c.max);
    spin.Field()->clear();
    spin.Field()->insert(QString::fromUtf8(c.typed));
    // Typing is not held back by the range.
    EXPECT_EQ(spin.Field()->text(), QString::fromUtf8(c.typed));
    loseFocus(&spin);
    EXPECT_EQ(spin.Field()->text(), QString::fromLatin1(c.shown));
    EXPECT_EQ(spin.Text(), QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Cases, SpinEditClamp,
                         ::testing::Values(SpinCase{"9", 1, 7, "7"}, SpinCase{"0", 1, 7, "1"},
                                           SpinCase{"", 1, 7, "1"}, SpinCase{"abc", 0, 100, "0"},
                                           SpinCase{"-5", 1, 25, "1"},
                                           SpinCase{"99999999999999999999", 1, 50, "1"},
                                           SpinCase{"12", 0, 100, "12"}, SpinCase{"٣", 1, 7, "1"}));

TEST(SpinEdit, StepsStopAtTheEndsAndReadTheTypedText) {
    SpinEdit spin(1, 7);
    spin.setValue(6);
    spin.stepBy(5);
    EXPECT_EQ(spin.Text(), QStringLiteral("7"));
    spin.Field()->setText(QStringLiteral("x"));
    // An unreadable text counts as Min before the step.
    spin.stepBy(1);
    EXPECT_EQ(spin.Text(), QStringLiteral("2"));
    spin.setValue(-3);
    EXPECT_EQ(spin.Value(), 1);
}

TEST(ColorBox, ListsTheStandardColoursAfterTheOptionalDefault) {
    ColorBox plain(ColorBox::DefaultSwatch::None);
    ColorBox withDefault(ColorBox::DefaultSwatch::Black);
    EXPECT_EQ(plain.count(), 17);
    EXPECT_EQ(withDefault.count(), 18);
    plain.setCurrentIndex(9);
    EXPECT_EQ(plain.Selected(), rgb(0xFF, 0, 0));
    withDefault.setCurrentIndex(10);
    EXPECT_EQ(withDefault.Selected(), rgb(0xFF, 0, 0));
    withDefault.setCurrentIndex(0);
    EXPECT_EQ(withDefault.Selected(), rgb(0, 0, 0));
    // Every swatch has a name for screen readers although none is shown.
    for (int i = 0; i < withDefault.count(); ++i) {
        EXPECT_TRUE(withDefault.itemText(i).isEmpty());
        EXPECT_FALSE(withDefault.itemData(i, Qt::AccessibleTextRole).toString().isEmpty());
    }
}

TEST(ColorBox, ColourNotInTheListBecomesTheCustomColour) {
    ColorBox box(ColorBox::DefaultSwatch::None);
    box.setSelected(rgb(0x80, 0x80, 0x80));
    EXPECT_EQ(box.currentIndex(), 7);
    box.setSelected(rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(box.currentIndex(), box.CustomIndex());
    EXPECT_EQ(box.Selected(), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(box.CustomColor(), rgb(0x12, 0x34, 0x56));
}

TEST(ColorBox, CustomSwatchTakesTheColourPickedAndCancelKeepsTheOldChoice) {
    QuietDialogs dialogs;
    ColorBox box(ColorBox::DefaultSwatch::Black);
    box.setSelected(rgb(0, 0x80, 0));
    const int green = box.currentIndex();

    dialogs.colours.push_back(QColor(0x11, 0x22, 0x33));
    box.setCurrentIndex(box.CustomIndex());
    emit box.activated(box.CustomIndex());
    EXPECT_EQ(dialogs.colourRequests, 1);
    EXPECT_EQ(box.Selected(), rgb(0x11, 0x22, 0x33));
    // Choosing the custom swatch again and cancelling keeps it chosen.
    emit box.activated(box.CustomIndex());
    EXPECT_EQ(box.currentIndex(), box.CustomIndex());
    EXPECT_EQ(box.Selected(), rgb(0x11, 0x22, 0x33));

    box.setCurrentIndex(green);
    emit box.activated(green);
    box.setCurrentIndex(box.CustomIndex());
    emit box.activated(box.CustomIndex()); // cancelled
    EXPECT_EQ(box.currentIndex(), green);
    EXPECT_EQ(box.CustomColor(), rgb(0x11, 0x22, 0x33));
}

TEST(ButtonEdit, F4AndTheButtonBrowseAndOtherKeysType) {
    ButtonEdit edit;
    edit.setButtonHint(QStringLiteral("Обзор"));
    edit.resize(200, 24);
    QSignalSpy browse(&edit, &ButtonEdit::browse);
    QTest::keyClick(&edit, Qt::Key_F4);
    EXPECT_EQ(browse.count(), 1);
    QTest::keyClick(&edit, Qt::Key_F4, Qt::ShiftModifier);
    QTest::keyClicks(&edit, QStringLiteral("a.mid"));
    EXPECT_EQ(browse.count(), 1);
    EXPECT_EQ(edit.text(), QStringLiteral("a.mid"));
    edit.Button()->click();
    EXPECT_EQ(browse.count(), 2);
    EXPECT_EQ(edit.Button()->width(), ButtonEdit::kButtonWidth);
    EXPECT_EQ(edit.Button()->toolTip(), QStringLiteral("Обзор"));
    EXPECT_EQ(edit.Button()->accessibleName(), QStringLiteral("Обзор"));
}

TEST(FontListBox, EachFamilyInItsOwnTypefaceAndEmptyWhenNothingIsSelected) {
    FontListBox list;
    list.setFamilies({QStringLiteral("Alpha Sans"), QStringLiteral("Beta Serif")});
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->font().family(), QStringLiteral("Beta Serif"));
    EXPECT_TRUE(list.SelectedName().isEmpty());
    QSignalSpy chosen(&list, &FontListBox::fontChosen);
    list.setSelectedName(QStringLiteral("Beta Serif"));
    EXPECT_EQ(list.SelectedName(), QStringLiteral("Beta Serif"));
    EXPECT_EQ(chosen.count(), 1);
    list.setSelectedName(QStringLiteral("Gamma"));
    EXPECT_TRUE(list.SelectedName().isEmpty());
}

} // namespace
