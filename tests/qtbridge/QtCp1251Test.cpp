#include "editor/qtbridge/QtCp1251.h"
#include "editor/base/Cp1251.h"

#include <gtest/gtest.h>

using namespace varlo;

namespace {

TEST(QtCp1251, EveryByteSurvivesTheTripThroughQString) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = fromBytes(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toBytes(text), all);
    EXPECT_EQ(toBytesExactly(text), all);
    EXPECT_EQ(fromBytes("Привет, мир"_w), QStringLiteral("Привет, мир"));
}

TEST(QtCp1251, CharactersTheCodePageCannotHold) {
    struct Row {
        QString text;
        std::string question;
        std::string skipped;
        std::optional<std::string> exactly;
    };
    const Row rows[] = {
        {QStringLiteral("Ёж №5 €"), std::string("Ёж №5 €"_w), std::string("Ёж №5 €"_w),
         std::string("Ёж №5 €"_w)},
        {QStringLiteral("a\u56feb"), "a?b", "ab", std::nullopt},
        // A character outside the basic plane is one character, not two halves.
        {QStringLiteral("x\U0001F600y"), "x?y", "xy", std::nullopt},
        {QStringLiteral("\u56fe"), "?", "", std::nullopt},
        {QString(), "", "", std::string()},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(toBytes(r.text), r.question) << r.text.toStdString();
        EXPECT_EQ(toBytes(r.text, Unheld::Skip), r.skipped) << r.text.toStdString();
        EXPECT_EQ(toBytesExactly(r.text), r.exactly) << r.text.toStdString();
    }
}

} // namespace
