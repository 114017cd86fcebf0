#include "editor/highlight/HtmlEntityTable.h"
#include "editor/highlight/HtmlTagTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace varlo;

namespace {

TEST(HtmlTagTable, HoldsEveryNameOnceInTheBucketOfItsOwnHash) {
    const auto& rows = HtmlTagTable::rows();
    std::set<std::string_view> seen;
    std::size_t closing = 0;
    for (const auto& row : rows) {
        EXPECT_TRUE(seen.insert(row.name).second) << row.name;
        EXPECT_EQ(row.hash, HtmlTagTable::hashOf(row.name)) << row.name;
        EXPECT_LE(row.hash, 250) << row.name;
        closing += row.name.front() == '/';
    }
    EXPECT_EQ(rows.size() - closing, 111u);
    EXPECT_EQ(closing, 91u);
}

TEST(HtmlTagTable, EmptyElementsHaveNoClosingName) {
    for (std::string_view name :
         {"!DOCTYPE", "AREA",   "BASE",  "BASEFONT",  "BGSOUND", "BR",     "COL",
          "FRAME",    "HR",     "IMG",   "INPUT",     "ISINDEX", "KEYGEN", "LINK",
          "META",     "NEXTID", "PARAM", "PLAINTEXT", "SPACER",  "WBR"}) {
        const std::string closingName = "/" + std::string(name);
        EXPECT_EQ(HtmlTagTable::classify(name, HtmlTagTable::hashOf(name)),
                  HtmlTagTable::Kind::Key);
        EXPECT_NE(HtmlTagTable::classify(closingName, HtmlTagTable::hashOf(closingName)),
                  HtmlTagTable::Kind::Key)
            << closingName;
    }
}

TEST(HtmlTagTable, ClassifiesWithoutRegardToCaseAndByHashRange) {
    struct Case {
        std::string_view name;
        HtmlTagTable::Kind kind;
    };
    const Case cases[] = {
        {"b", HtmlTagTable::Kind::Key},
        {"TaBlE", HtmlTagTable::Kind::Key},
        {"/Optgroup", HtmlTagTable::Kind::Key},
        {"h6", HtmlTagTable::Kind::Key},
        {"h7", HtmlTagTable::Kind::UndefinedKey}, // its bucket is empty
        {"1", HtmlTagTable::Kind::UndefinedKey},  // bucket of "A", but not "A"
        {"invalid", HtmlTagTable::Kind::UndefinedKey},
        {"zzzzzzzzzz", HtmlTagTable::Kind::Identifier}, // hash 260
        {"/zzzzzz", HtmlTagTable::Kind::Identifier},    // 122 + 156
    };
    for (const auto& c : cases)
        EXPECT_EQ(HtmlTagTable::classify(c.name, HtmlTagTable::hashOf(c.name)), c.kind) << c.name;
    EXPECT_EQ(HtmlTagTable::hashOf("zzzzzzzzzz"), 260);
    EXPECT_EQ(HtmlTagTable::hashOf("H1"), 9);
}

TEST(HtmlEntityTable, Holds249DistinctNamesWithoutTheSixLeftOut) {
    const auto& names = HtmlEntityTable::names();
    EXPECT_EQ(names.size(), 249u);
    const std::set<std::string_view> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
    for (std::string_view name : names) {
        EXPECT_EQ(name.front(), '&') << name;
        EXPECT_EQ(name.back(), ';') << name;
        EXPECT_EQ(HtmlEntityTable::match(name), name.size()) << name;
    }
    for (std::string_view left : {"&Yuml;", "&lrm;", "&rlm;", "&tilde;", "&zwj;", "&zwnj;"}) {
        EXPECT_EQ(unique.count(left), 0u) << left;
        EXPECT_EQ(HtmlEntityTable::match(left), 0u) << left;
    }
    for (std::string_view extra : {"&brkbar;", "&die;", "&hibar;", "&yuml;", "&euro;"})
        EXPECT_EQ(unique.count(extra), 1u) << extra;
}

TEST(HtmlEntityTable, MatchesOnlyTheExactNameWithItsSemicolon) {
    EXPECT_EQ(HtmlEntityTable::match("&amp;rest"), 5u);
    EXPECT_EQ(HtmlEntityTable::match("&sup2;"), 6u);
    EXPECT_EQ(HtmlEntityTable::match("&sup;"), 5u);
    EXPECT_EQ(HtmlEntityTable::match("&AMP;"), 0u);
    EXPECT_EQ(HtmlEntityTable::match("&amp"), 0u);
    EXPECT_EQ(HtmlEntityTable::match("&am"), 0u);
    EXPECT_EQ(HtmlEntityTable::match("&"), 0u);
}

} // namespace
