#include "editor/base/Cp1251.h"

#include <gtest/gtest.h>

using namespace varlo;

TEST(Cp1251, EveryByteRoundTripsThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const char16_t u = cp1251::toUnicode(static_cast<unsigned char>(b));
        EXPECT_EQ(cp1251::fromUnicode(u), b) << "byte " << b;
    }
}

TEST(Cp1251, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const auto back = cp1251::fromUtf8(cp1251::toUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1251, CyrillicCasePairs) {
    // А..Я and а..я are 0xC0..0xDF and 0xE0..0xFF; Ё/ё and the other Slavic letters pair too.
    for (int b = 0xC0; b <= 0xDF; ++b)
        EXPECT_EQ(cp1251::toLower(static_cast<unsigned char>(b)), b + 0x20);
    for (int b = 0xE0; b <= 0xFF; ++b)
        EXPECT_EQ(cp1251::toLower(static_cast<unsigned char>(b)), b);
    const std::pair<int, int> pairs[] = {{0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A},
                                         {0x8C, 0x9C}, {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F},
                                         {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4}, {0xAA, 0xBA},
                                         {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}, {'Q', 'q'}};
    for (auto [upper, lower] : pairs) {
        EXPECT_EQ(cp1251::toLower(static_cast<unsigned char>(upper)), lower) << upper;
        EXPECT_EQ(cp1251::toLower(static_cast<unsigned char>(lower)), lower) << lower;
    }
    EXPECT_EQ(cp1251::toLower(static_cast<unsigned char>(0xB9)), 0xB9); // № has no case
}

TEST(Cp1251, LiteralsBecomeWindows1251AtCompileTime) {
    constexpr std::string_view file = "Файл"_w;
    static_assert(file.size() == 4);
    EXPECT_EQ(file, "\xD4\xE0\xE9\xEB");
    EXPECT_EQ("Ёё №"_w, "\xA8\xB8\x20\xB9");
    EXPECT_EQ("plain"_w, "plain");
}

TEST(Cp1251, UnmappableCharacterIsRefused) {
    EXPECT_FALSE(cp1251::fromUtf8("日本").has_value());
    EXPECT_FALSE(cp1251::fromUtf8("a\xCE\xB1").has_value()); // Greek alpha
    EXPECT_EQ(cp1251::fromUnicode(0x20AC), 0x88);            // the euro sign is there
    EXPECT_EQ(cp1251::fromUnicode(0x3B1), -1);
}
