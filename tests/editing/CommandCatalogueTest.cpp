#include "editing/CommandCatalogue.h"
#include "EditorFixture.h"
#include "editing/CatalogueInsert.h"
#include "editor/base/Cp1251.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace varlo;
using namespace CommandCatalogue;

namespace {

std::vector<std::span<const CommandRow>> allMenus() {
    return {htmlMenu(), insertMenu(), editMenu(), popupMenu()};
}

std::string withCrLf(std::string_view s) {
    std::string out;
    for (char c : s) {
        out += c;
        if (c == '\r')
            out += '\n';
    }
    return out;
}

TEST(CommandCatalogue, NamesAreUniqueAndEverySubmenuIsDeclaredBeforeItsItemsAndHasSome) {
    std::set<std::string_view> names;
    for (auto menu : allMenus()) {
        std::map<std::string_view, int> itemsOf;
        for (const CommandRow& row : menu) {
            if (row.action != Action::Separator) {
                EXPECT_FALSE(row.name.empty());
                EXPECT_TRUE(names.insert(row.name).second) << row.name;
                EXPECT_FALSE(row.caption.empty()) << row.name;
            }
            if (!row.parent.empty()) {
                ASSERT_TRUE(itemsOf.count(row.parent)) << row.name << " in " << row.parent;
                ++itemsOf[row.parent];
            }
            if (row.action == Action::Submenu)
                itemsOf[row.name] = 0;
        }
        for (const auto& [submenu, count] : itemsOf)
            EXPECT_GT(count, 0) << submenu;
    }
    for (const ToolButtonRow& b : toolButtons())
        EXPECT_TRUE(names.insert(b.name).second) << b.name;
}

TEST(CommandCatalogue, HtmlMenuOrderAndEntitySubmenus) {
    std::vector<std::string> top;
    for (const CommandRow& row : htmlMenu())
        if (row.parent.empty())
            top.push_back(cp1251::toUtf8(row.caption));
    const std::vector<std::string> expected = {"Тело документа",
                                               "Гиперсылка",
                                               "Графика",
                                               "Таблица",
                                               "Работа с текстом",
                                               "Списки",
                                               "Звук",
                                               "Выравнивание",
                                               "Элементы управления",
                                               "Различные символы",
                                               "Другое",
                                               "Фреймы",
                                               "Вставить цвет...                "};
    EXPECT_EQ(top, expected);

    // "Различные символы": six entity submenus, then the Greek palette.
    std::vector<std::string_view> symbols;
    int entities = 0;
    for (const CommandRow& row : htmlMenu()) {
        if (row.parent == "N87")
            symbols.push_back(row.name);
        if (row.parent.size() > 0 && findRow(row.parent)->parent == "N87") {
            ++entities;
            EXPECT_EQ(row.action, Action::Plain) << row.name;
            EXPECT_TRUE(row.shortcut.empty()) << row.name;
            EXPECT_EQ(row.text.front(), '&') << row.name;
        }
    }
    EXPECT_EQ(symbols, (std::vector<std::string_view>{"N88", "N120", "N123", "N121", "N124", "N125",
                                                      "N122"}));
    EXPECT_EQ(entities, 19 + 13 + 16 + 5 + 6 + 4);
}

TEST(CommandCatalogue, LongSnippetsKeepTheirSizeAndLines) {
    struct Case {
        std::string_view name;
        std::size_t length;
        int lines;
    };
    for (const Case& c : {Case{"N43", 427, 6}, Case{"G1", 521, 15}, Case{"G3", 791, 18}}) {
        const CommandRow* row = findRow(c.name);
        ASSERT_TRUE(row);
        EXPECT_EQ(row->text.size(), c.length) << c.name;
        EXPECT_EQ(std::count(row->text.begin(), row->text.end(), '\r') + 1, c.lines) << c.name;
        EXPECT_EQ(row->text.find('\n'), std::string_view::npos);
        EXPECT_NE(row->text.back(), '\r');
    }
    const std::string_view meta = findRow("N43")->text;
    EXPECT_NE(meta.find("content=\"Varlo\""), std::string_view::npos);
    EXPECT_NE(meta.find("CHARSET=Windows-1251"), std::string_view::npos);
}

TEST(CommandCatalogue, SharedItemsRunTheSameCommand) {
    struct Case {
        std::string_view item, same;
    };
    const Case cases[] = {{"N169", "N73"},  {"N169", "G2"},  {"N170", "BR1"}, {"N176", "N127"},
                          {"N165", "N127"}, {"N159", "N51"}, {"N158", "N48"}, {"J2", "J1"},
                          {"N167", "N18"},  {"N164", "N122"}};
    for (const Case& c : cases) {
        const CommandRow& a = resolve(*findRow(c.item));
        const CommandRow& b = resolve(*findRow(c.same));
        EXPECT_EQ(a.action, b.action) << c.item;
        EXPECT_EQ(a.text, b.text) << c.item;
        EXPECT_EQ(a.dialog, b.dialog) << c.item;
    }
    for (auto menu : allMenus())
        for (const CommandRow& row : menu)
            EXPECT_NE(resolve(row).action, Action::SameAs) << row.name;
    for (const ToolButtonRow& b : toolButtons())
        EXPECT_TRUE(findRow(b.command)) << b.name;
}

// The tag commands that select their placeholder; every other tag command leaves the caret in
// front of its closing tag with nothing selected.
const std::map<std::string_view, std::string_view> kPlaceholders = {
    {"N41", "Заголовок, не больше 40 символов"_w},
    {"N45", "Текст ссылки"_w},
    {"N47", "Текст ссылки"_w},
    {"web1", "Текст ссылки"_w},
    {"captioncaption1", "Заголовок, вставляеться сразу после table"_w},
    {"thth1", "Заголовок столбца"_w},
    {"FIELDSETFIELDSET1", "\r\n"},
};

std::vector<const CommandRow*> insertingRows() {
    std::vector<const CommandRow*> rows;
    for (auto menu : allMenus())
        for (const CommandRow& row : menu)
            if (insertsText(row))
                rows.push_back(&row);
    return rows;
}

class CatalogueRow : public ::testing::TestWithParam<const CommandRow*> {};

TEST_P(CatalogueRow, ReplacesTheSelectionAndPlacesTheCaret) {
    const CommandRow& row = *GetParam();
    const CommandRow& r = resolve(row);
    const std::string before = "xx\r\nAB";
    EditorFixture e(before + std::string("слово CD"_w), 6, 5);
    insertRow(*e, row);

    std::string expected = withCrLf(r.text);
    if (r.action == Action::OrderedList || r.action == Action::UnorderedList)
        expected = withCrLf(
            std::string(r.action == Action::OrderedList ? "<OL" : "<UL") +
            " type=" + std::string(r.text) +
            std::string(" title=\"подсказка\">\r  <LI>вашь текст\r  <LI>вашь текст\r</"_w) +
            (r.action == Action::OrderedList ? "OL>" : "UL>"));
    ASSERT_EQ(e->text(), before + expected + " CD");
    EXPECT_EQ(e.changes, 1);

    const auto start = static_cast<std::int64_t>(before.size());
    if (r.action != Action::Tag) {
        EXPECT_EQ(e->selectionStart(), start + static_cast<std::int64_t>(expected.size()));
        EXPECT_EQ(e->selectionLength(), 0);
        return;
    }
    const auto placeholder = kPlaceholders.find(r.name);
    if (placeholder != kPlaceholders.end()) {
        EXPECT_EQ(e->selectedText(), std::string(placeholder->second));
        EXPECT_EQ(e.caretOffset(), e->selectionStart() + e->selectionLength());
    } else {
        EXPECT_EQ(e->selectionLength(), 0);
        EXPECT_EQ(e->selectionStart(), start + static_cast<std::int64_t>(expected.rfind("</")));
    }
    EXPECT_EQ(e->text().compare(static_cast<std::size_t>(e.caretOffset()), 2, "</"), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryInsertingItem, CatalogueRow, ::testing::ValuesIn(insertingRows()),
                         [](const auto& info) { return std::string(info.param->name); });

TEST(CommandCatalogue, ChosenItemsInsertExactlyTheseBytes) {
    struct Case {
        std::string_view name;
        std::string_view bytes;
    };
    const Case cases[] = {
        {"N157", "&#9675"},
        {"N137", "&#8597;"},
        {"N146", "&#8240;"},
        {"N66", "align=\"left\""},
        {"option1", "<option> Строка"_w},
        {"N84", R"(<input type="reset" style=width:80; title="подсказка">)"_w},
        {"N47", R"(<a href="mailto:адресс мыла" >Текст ссылки</a>)"_w},
        {"MARQUEEMARQUEE1", "<marquee></marquee>"},
        {"N173", "<Map name=\"\"></Map>"},
        {"N62", "<UL type=square title=\"подсказка\">\r\n  <LI>вашь текст\r\n  <LI>вашь "
                "текст\r\n</UL>"_w},
        {"IFRAMEIFRAME1",
         "<IFRAME SRC=\"адрес странички\" WIDTH=\"ширина\" HEIGHT=\"высота\" NAME=\"имя\"\r\n "
         "SCROLLING=\"auto\" FRAMEBORDER=\"рамка вокруг фрейма\"></IFRAME>"_w},
    };
    for (const Case& c : cases) {
        EditorFixture e;
        insertRow(*e, *findRow(c.name));
        EXPECT_EQ(e->text(), c.bytes) << c.name;
    }
    // Captions keep their trailing blanks and the Latin C.
    EXPECT_EQ(findRow("N68")->caption, "По центру "_w);
    EXPECT_EQ(findRow("N141")->caption, "Бубны        "_w);
    EXPECT_EQ(findRow("N161")->caption.front(), 'C');
    EXPECT_EQ(findRow("N127")->caption, "Вставить цвет...                "_w);
}

} // namespace
