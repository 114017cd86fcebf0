// Writes the program's help files into a data folder at build time:
//   Readme.html             the readme, from its template and the editor's key table
//   tags/*.html             one page per tag of the HTML highlighter, and an index page
//   tags/tags.hhc, .hhk     the contents and the index of the compiled reference
//   tags/tags.hhp           the project that the help compiler turns into tags.chm
// Usage: varlo_helpgen DATA_FOLDER README_TEMPLATE
// A tag of the highlighter without a page, or a key binding without a description, fails the
// build, so the help never drifts from the code.

#include "editor/base/Cp1251.h"
#include "editor/commands/TSynKeyStrokes.h"
#include "editor/highlight/HtmlTagTable.h"
#include "viewing/help/KeyNames.h"
#include "viewing/help/TagPages.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace varlo;
using varlo::help::TagPage;

namespace {

constexpr std::string_view kKeysMark = "<!-- editor keys -->";
constexpr std::string_view kReferenceTitle = "Справочник по тегам";

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The page's file name: the tag in lower case without "!".
std::string pageFile(std::string_view tag) {
    std::string out;
    for (char c : tag)
        if (c != '!')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out + ".html";
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        out.push_back(text.substr(0, nl));
        if (nl == std::string_view::npos)
            break;
        text.remove_prefix(nl + 1);
    }
    return out;
}

void write(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

std::string head(std::string_view title) {
    return "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           std::string(title) +
           "</title>\n<style>\nbody { font-family: sans-serif; margin: 1em 2em; }\n"
           "pre { background: #f0f4fa; border: 1px solid #a6caf0; padding: 0.5em; }\n"
           "dt { font-weight: bold; font-family: monospace; }\n</style>\n</head>\n<body>\n";
}

std::string tagPage(const TagPage& page) {
    const std::string title = "&lt;" + std::string(page.name) + "&gt;";
    std::string html = head(title);
    html += "<p><a href=\"index.html\">" + std::string(kReferenceTitle) + "</a></p>\n";
    html += "<h1>" + title + "</h1>\n<p>" + std::string(page.description) + "</p>\n";
    if (!page.attributes.empty()) {
        html += "<h2>Основные атрибуты</h2>\n<dl>\n";
        for (std::string_view line : lines(page.attributes)) {
            const auto colon = line.find(": ");
            html += "<dt>" + escaped(line.substr(0, colon)) + "</dt><dd>" +
                    escaped(line.substr(colon + 2)) + "</dd>\n";
        }
        html += "</dl>\n";
    }
    html += "<h2>Пример</h2>\n<pre>" + escaped(page.example) + "</pre>\n</body>\n</html>\n";
    return html;
}

// The tags the reference must cover: the opening names of the highlighter's tag list.
std::vector<std::string_view> highlighterTags() {
    std::vector<std::string_view> tags;
    for (const auto& row : HtmlTagTable::rows())
        if (!row.name.starts_with('/'))
            tags.push_back(row.name);
    std::sort(tags.begin(), tags.end());
    return tags;
}

std::vector<const TagPage*> checkedPages() {
    std::vector<const TagPage*> pages;
    std::set<std::string_view> written;
    for (const TagPage& p : help::tagPages()) {
        pages.push_back(&p);
        written.insert(p.name);
    }
    bool complete = true;
    for (std::string_view tag : highlighterTags()) {
        if (!written.count(tag)) {
            std::cerr << "varlo_helpgen: the tag " << tag << " has no reference page\n";
            complete = false;
        }
    }
    if (!complete)
        throw std::runtime_error("the tag reference is incomplete");
    std::sort(pages.begin(), pages.end(),
              [](const TagPage* a, const TagPage* b) { return a->name < b->name; });
    return pages;
}

// The contents and index files are read in the reference's code page.
std::string inCodePage(std::string_view utf8) {
    const auto bytes = cp1251::fromUtf8(utf8);
    if (!bytes)
        throw std::runtime_error("text outside Windows-1251 in the help project");
    return *bytes;
}

std::string sitemapItem(const std::string& name, const std::string& file) {
    return "<LI><OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"" + name +
           "\">\n<param name=\"Local\" value=\"" + file + "\">\n</OBJECT>\n";
}

void writeReference(const fs::path& folder) {
    const std::vector<const TagPage*> pages = checkedPages();
    fs::create_directories(folder);

    std::string index = head(kReferenceTitle);
    index += "<h1>" + std::string(kReferenceTitle) +
             "</h1>\n<p>Теги, которые знает подсветка HTML: что делает каждый, его основные "
             "атрибуты и пример.</p>\n<ul>\n";
    std::string items;
    for (const TagPage* p : pages) {
        const std::string file = pageFile(p->name);
        write(folder / file, tagPage(*p));
        index += "<li><a href=\"" + file + "\">&lt;" + std::string(p->name) + "&gt;</a></li>\n";
        items += sitemapItem("&lt;" + std::string(p->name) + "&gt;", file);
    }
    index += "</ul>\n</body>\n</html>\n";
    write(folder / "index.html", index);

    const std::string sitemapHead =
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML>\n<HEAD></HEAD>\n<BODY>\n"
        "<OBJECT type=\"text/site properties\">\n</OBJECT>\n<UL>\n";
    write(folder / "tags.hhc",
          inCodePage(sitemapHead + sitemapItem(std::string(kReferenceTitle), "index.html") +
                     "<UL>\n" + items + "</UL>\n</UL>\n</BODY>\n</HTML>\n"));
    write(folder / "tags.hhk", sitemapHead + items + "</UL>\n</BODY>\n</HTML>\n");

    std::string project = "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=tags.chm\n"
                          "Contents file=tags.hhc\nIndex file=tags.hhk\n"
                          "Default topic=index.html\nDisplay compile progress=No\n"
                          "Language=0x419 Russian\nTitle=" +
                          std::string(kReferenceTitle) + "\n\n[FILES]\nindex.html\n";
    for (const TagPage* p : pages)
        project += pageFile(p->name) + "\n";
    write(folder / "tags.hhp", inCodePage(project));
}

std::string keyTable() {
    std::string rows;
    const TSynKeyStrokes strokes;
    bool complete = true;
    for (const TSynKeyStroke& s : strokes.rows()) {
        const auto what = help::commandDescription(s.command);
        if (!what) {
            std::cerr << "varlo_helpgen: the command " << s.command << " (" << help::strokeName(s)
                      << ") has no description\n";
            complete = false;
            continue;
        }
        rows += "<tr><td><kbd>" + escaped(help::strokeName(s)) + "</kbd></td><td>" +
                std::string(*what) + "</td></tr>\n";
    }
    if (!complete)
        throw std::runtime_error("the key table has undescribed commands");
    return "<table>\n<tr><th>Клавиши</th><th>Действие</th></tr>\n" + rows + "</table>";
}

void writeReadme(const fs::path& folder, const fs::path& templatePath) {
    std::ifstream in(templatePath, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + templatePath.string());
    std::ostringstream text;
    text << in.rdbuf();
    std::string readme = text.str();
    const auto mark = readme.find(kKeysMark);
    if (mark == std::string::npos)
        throw std::runtime_error("the readme template has no place for the key table");
    readme.replace(mark, kKeysMark.size(), keyTable());
    write(folder / "Readme.html", readme);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: varlo_helpgen DATA_FOLDER README_TEMPLATE\n";
        return 2;
    }
    try {
        const fs::path folder(argv[1]);
        fs::create_directories(folder);
        writeReadme(folder, argv[2]);
        writeReference(folder / "tags");
    } catch (const std::exception& e) {
        std::cerr << "varlo_helpgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
