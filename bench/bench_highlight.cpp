// HTML highlighting throughput over a large generated page, scanned line by line the way the
// editor does it, against a memchr pass over the same bytes measured in the same run.

#include "editor/base/Cp1251.h"
#include "editor/highlight/TSynHTMLSyn.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace varlo;

namespace {

// A page as people write them by hand: nested tags with attributes, quoted and unquoted values,
// entities, comments, Russian text, now and then a value or a comment that spans lines.
std::vector<std::string> makePage(std::size_t targetBytes) {
    std::mt19937 rng(20261210);
    auto pick = [&](auto const& list) -> decltype(auto) { return list[rng() % std::size(list)]; };
    const std::string words[] = {std::string("Привет"_w),
                                 std::string("страница"_w),
                                 std::string("текст"_w),
                                 std::string("таблица"_w),
                                 std::string("ссылка"_w),
                                 std::string("картинка"_w),
                                 std::string("и"_w),
                                 std::string("на"_w),
                                 "HTML",
                                 "web",
                                 std::string("Москва"_w),
                                 std::string("новости"_w)};
    const char* entities[] = {"&nbsp;",  "&copy;",  "&laquo;", "&raquo;", "&amp;",
                              "&#8212;", "&mdash;", "&lt;",    "&gt;",    "&#xA9;"};
    const char* openers[] = {
        "<p align=\"center\">",
        "<td width=\"50%\" bgcolor=#FFFFCC>",
        "<font face=\"Arial\" size=\"2\" color=\"#FF0000\">",
        "<a href=\"http://example.com/page.html\" target=_blank>",
        "<div class='content'>",
        "<li>",
        "<b>",
        "<i>",
        "<span style=\"color: #336699\">",
        "<img src=\"images/pic.gif\" width=100 height=50 alt=\"Картинка\" border=0>"};
    const char* closers[] = {"</p>",  "</td>", "</font>", "</a>",    "</div>",
                             "</li>", "</b>",  "</i>",    "</span>", "<br>"};
    std::vector<std::string> lines;
    std::size_t total = 0;
    auto push = [&](std::string line) {
        total += line.size() + 2;
        lines.push_back(std::move(line));
    };
    while (total < targetBytes) {
        push("<table border=1 cellpadding=\"2\" cellspacing=\"0\" width=\"100%\">");
        for (int row = 0; row < 4; ++row) {
            std::string line = "\t<tr>";
            for (int cell = 0; cell < 3; ++cell) {
                const std::size_t k = rng() % std::size(openers);
                line += openers[k];
                const int n = 3 + static_cast<int>(rng() % 8);
                for (int w = 0; w < n; ++w) {
                    line += pick(words);
                    line += (rng() % 7 == 0) ? std::string(" ") + pick(entities) + " " : " ";
                }
                line += closers[k];
            }
            line += "</tr>";
            push(line);
        }
        push("</table>");
        if (rng() % 4 == 0) {
            push("<!-- " + pick(words) + " " + pick(words));
            push("   " + pick(words) + " -->");
        }
        if (rng() % 5 == 0) {
            push("<input type=\"text\" name=\"q\" value=\"" + pick(words));
            push(pick(words) + "\" size=40>");
        }
        std::string para = "<p>";
        for (int w = 0; w < 40; ++w) {
            para += pick(words);
            para += (rng() % 9 == 0) ? pick(entities) : " ";
        }
        para += "</p>";
        push(para);
    }
    return lines;
}

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main() {
    const std::vector<std::string> lines = makePage(50u << 20);
    std::size_t bytes = 0;
    for (const auto& l : lines)
        bytes += l.size();
    const double mb = static_cast<double>(bytes) / (1024.0 * 1024.0);

    TSynHTMLSyn hl;
    TSynHTMLSyn::applyProgramColours(hl);

    double bestHighlight = 1e9;
    double bestMemchr = 1e9;
    std::uint64_t check = 0;
    for (int round = 0; round < 5; ++round) {
        auto t0 = std::chrono::steady_clock::now();
        std::size_t tokens = 0;
        int range = 0;
        hl.resetRange();
        for (std::size_t n = 0; n < lines.size(); ++n) {
            if (n > 0)
                hl.setRange(range);
            hl.setLine(lines[n], static_cast<int>(n));
            while (!hl.getEol()) {
                const std::string_view token = hl.getToken();
                const TSynHighlighterAttributes* a = hl.getTokenAttribute();
                check += token.size() + static_cast<std::uint64_t>(a->foreground() & 0xFF);
                ++tokens;
                hl.next();
            }
            range = hl.getRange();
        }
        auto t1 = std::chrono::steady_clock::now();
        std::size_t found = 0;
        for (const auto& l : lines) {
            const char* p = l.data();
            const char* end = p + l.size();
            while ((p = static_cast<const char*>(std::memchr(p, '<', end - p))) != nullptr) {
                ++found;
                ++p;
            }
        }
        auto t2 = std::chrono::steady_clock::now();
        check += found + tokens;
        bestHighlight = std::min(bestHighlight, seconds(t1 - t0));
        bestMemchr = std::min(bestMemchr, seconds(t2 - t1));
        if (round == 0)
            std::printf("page: %.1f MB in %zu lines, %zu tokens, %zu tags\n", mb, lines.size(),
                        tokens, found);
    }
    const double hlSpeed = mb / bestHighlight;
    const double memchrSpeed = mb / bestMemchr;
    std::printf("HTML highlighter: %8.1f MB/s (best of 5)\n", hlSpeed);
    std::printf("memchr baseline:  %8.1f MB/s (best of 5)\n", memchrSpeed);
    std::printf("ratio highlighter / memchr: %.3f\n", hlSpeed / memchrSpeed);
    std::printf("target 150 MB/s: %s   (checksum %llu)\n", hlSpeed >= 150.0 ? "met" : "MISSED",
                static_cast<unsigned long long>(check));
    return 0;
}
