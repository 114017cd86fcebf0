#include "WorkedExamples.h"

#include "dialogs/FontMarkup.h"
#include "dialogs/ListMarkup.h"
#include "dialogs/SelectMarkup.h"
#include "dialogs/TableMarkup.h"
#include "editor/base/Cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using varlo::operator""_w;
using varlo::rgb;

namespace {

// The expected texts are written in UTF-8 for reading; the builders produce Windows-1251.
std::string lines(const std::vector<std::string_view>& l) {
    std::string out;
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (i)
            out += '\r';
        out += l[i];
    }
    return w(out);
}

std::size_t count(const std::string& s, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1))
        ++n;
    return n;
}

struct TableCase {
    const char* name;
    TableSettings settings;
    std::string expected;
};

std::vector<TableCase> tableCases() {
    std::vector<TableCase> cases;
    cases.push_back({"OneByOneDefault",
                     {},
                     lines({"<table border=\"1\">", "  <TR>", "     <TD>Яч. ст.1, ряд1</TD>",
                            "  </TR>", "</table>"})});
    cases.push_back({"WorkedExample", workedTableExample(),
                     lines({"<table border=\"1\" bgcolor=\"#FFFFFF\" cellspacing=\"0\" "
                            "cellpadding=\"5\" align=\"center\">",
                            "<caption>Заголовок таблицы</caption>", "  <TR>",
                            "     <TH>Заг. ст. 1</TH><TH>Заг. ст. 2</TH>", "  </TR>  <TR>",
                            "     <TD>Яч. ст.1, ряд1</TD>", "     <TD>Яч. ст.2, ряд1</TD>",
                            "  </TR>", "  <TR>", "     <TD>Яч. ст.1, ряд2</TD>",
                            "     <TD>Яч. ст.2, ряд2</TD>", "  </TR>", "</table>"})});
    TableSettings both;
    both.border = 0;
    both.background = rgb(0x80, 0, 0);
    both.lineColor = rgb(0, 0, 0xFF);
    both.defaultCells = false;
    both.spacing = 3;
    both.position = TableSettings::Position::Right;
    cases.push_back({"BothColoursBeforeCellsBorderZero", both,
                     lines({"<table border=\"0\" bgcolor=\"#800000\" bordercolor=\"#0000FF\" "
                            "cellspacing=\"3\" cellpadding=\"0\" align=\"right\">",
                            "  <TR>", "     <TD>Яч. ст.1, ряд1</TD>", "  </TR>", "</table>"})});
    TableSettings emptyCaption;
    emptyCaption.caption = std::string();
    emptyCaption.position = TableSettings::Position::Left;
    cases.push_back({"EmptyCaption", emptyCaption,
                     lines({"<table border=\"1\" align=\"left\">", "<caption></caption>", "  <TR>",
                            "     <TD>Яч. ст.1, ряд1</TD>", "  </TR>", "</table>"})});
    TableSettings quote;
    quote.title = w("Цены \"до\" скидки");
    quote.lineColor = rgb(0, 0x80, 0);
    cases.push_back({"TooltipWithQuoteAsTyped", quote,
                     lines({"<table border=\"1\" bordercolor=\"#008000\" title=\"Цены \"до\" "
                            "скидки\">",
                            "  <TR>", "     <TD>Яч. ст.1, ряд1</TD>", "  </TR>", "</table>"})});
    return cases;
}

class TableMarkupTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(TableMarkupTest, BuildsTheTableText) {
    EXPECT_EQ(BuildTable(GetParam().settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TableMarkupTest, ::testing::ValuesIn(tableCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableMarkup, LargestTableHasEveryCellOnItsOwnLine) {
    TableSettings s;
    s.columns = 25;
    s.rows = 25;
    s.columnHeaders = true;
    const std::string t = BuildTable(s);
    EXPECT_EQ(count(t, "<TD>"), 625u);
    EXPECT_EQ(count(t, "<TH>"), 25u);
    EXPECT_EQ(count(t, "  <TR>\r"), 26u);
    EXPECT_NE(t.find(w("<TD>Яч. ст.25, ряд25</TD>\r  </TR>\r</table>")), std::string::npos);
    EXPECT_EQ(t.find('\n'), std::string::npos);
    EXPECT_EQ(t.back(), '>');
}

struct FontCase {
    const char* name;
    FontSettings settings;
    std::string expected;
};

class FontMarkupTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontMarkupTest, BuildsTheElement) {
    EXPECT_EQ(BuildFont(GetParam().settings), GetParam().expected);
}

FontSettings font(std::optional<std::string> face, std::optional<int> size,
                  std::optional<varlo::TColor> color) {
    FontSettings s;
    s.face = std::move(face);
    s.size = size;
    s.color = color;
    return s;
}

std::vector<FontCase> fontCases() {
    return {
        {"Bare", {}, "<font></font>"},
        {"WorkedExample", font("Arial", 3, rgb(0xFF, 0, 0)),
         "<font face=\"Arial\" size=\"3\" color=\"#FF0000\"></font>"},
        {"EmptyFace", font("", {}, {}), "<font face=\"\"></font>"},
        {"ColourAlone", font({}, {}, rgb(0xFF, 0xFF, 0xFF)), "<font color=\"#FFFFFF\"></font>"},
        {"SizeAndColourKeepTheirOrder", font({}, 7, rgb(0x12, 0xAB, 0x0C)),
         "<font size=\"7\" color=\"#12AB0C\"></font>"},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, FontMarkupTest, ::testing::ValuesIn(fontCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct ListCase {
    const char* name;
    ListSettings settings;
    std::string expected;
};

class ListMarkupTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListMarkupTest, BuildsTheList) {
    EXPECT_EQ(BuildList(GetParam().settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListMarkupTest,
    ::testing::Values(
        ListCase{"Default", {}, lines({"<OL type=1 title=\"\">", "  <LI>вашь текст", "</OL>"})},
        ListCase{"BulletsWithTooltip",
                 {false, 2, 3, w("Меню")},
                 lines({"<UL type=square title=\"Меню\">", "  <LI>вашь текст", "  <LI>вашь текст",
                        "  <LI>вашь текст", "</UL>"})},
        ListCase{
            "RomanTwoItems",
            {true, 1, 2, ""},
            lines({"<OL type=I title=\"\">", "  <LI>вашь текст", "  <LI>вашь текст", "</OL>"})},
        ListCase{"LowerLetters",
                 {true, 3, 1, ""},
                 lines({"<OL type=a title=\"\">", "  <LI>вашь текст", "</OL>"})},
        ListCase{"MarkerOutsideItsKindFallsBackToTheFirst",
                 {false, 3, 1, ""},
                 lines({"<UL type=disc title=\"\">", "  <LI>вашь текст", "</UL>"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListMarkup, FiftyItemsAndTheMarkerTables) {
    const std::string l = BuildList({true, 0, 50, ""});
    EXPECT_EQ(count(l, w("\r  <LI>вашь текст")), 50u);
    ASSERT_EQ(ListMarkers(true).size(), 4u);
    ASSERT_EQ(ListMarkers(false).size(), 3u);
    EXPECT_EQ(ListMarkers(true)[2].type, "A");
    EXPECT_EQ(ListMarkers(false)[1].type, "circle");
}

TEST(SelectMarkup, DropDownScrollingAndFiftyRows) {
    EXPECT_EQ(BuildSelect({true, 1}), lines({"<select size=1>", "  <option>Строка", "</select>"}));
    EXPECT_EQ(BuildSelect({false, 3}),
              lines({"<select size=3>", "  <option>Строка", "  <option>Строка", "  <option>Строка",
                     "</select>"}));
    const std::string fifty = BuildSelect({true, 50});
    EXPECT_EQ(count(fifty, w("\r  <option>Строка")), 50u);
    EXPECT_EQ(fifty.find(w("Строка1")), std::string::npos); // options are not numbered
}

} // namespace
