#include "editing/FindReplace.h"

#include "editor/base/Cp1251.h"
#include "editor/document/EditorModel.h"

#include <algorithm>

namespace FindReplace {
namespace {

using namespace varlo;

constexpr std::int64_t kFirstWindow = 256;
constexpr std::int64_t kLargestWindow = 1 << 20;

// Text[from, from + n), cut at the end of the text, read line by line from the store.
std::string readText(const EditorModel& editor, std::int64_t from, std::int64_t n) {
    std::string out;
    const std::int64_t total = editor.textLength();
    if (from < 0)
        from = 0;
    n = std::min(n, total - from);
    if (n <= 0)
        return out;
    out.reserve(static_cast<std::size_t>(n));
    // The line holding `from`; the column may point into the line break after it.
    const Position p = editor.textOffsetToPosition(from);
    int line = p.line - 1;
    std::int64_t col = p.column - 1;
    const int lines = editor.lineCount();
    while (static_cast<std::int64_t>(out.size()) < n && line < lines) {
        const std::int64_t len = editor.lineLength(line);
        const std::int64_t want = n - static_cast<std::int64_t>(out.size());
        if (col < len) {
            const std::int64_t take = std::min(want, len - col);
            out += editor.linePart(line, static_cast<int>(col), static_cast<int>(take));
            col += take;
            continue;
        }
        if (line + 1 < lines) {
            // The line break: col - len of its two characters are already behind us.
            const std::string_view brk =
                std::string_view("\r\n").substr(static_cast<std::size_t>(col - len));
            out += brk.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(
                                     want, static_cast<std::int64_t>(brk.size()))));
        }
        ++line;
        col = 0;
    }
    return out;
}

void lowerInPlace(std::string& s) {
    for (char& c : s)
        c = static_cast<char>(cp1251::toLower(static_cast<unsigned char>(c)));
}

std::string prepared(std::string_view s, bool matchCase) {
    std::string out(s);
    if (!matchCase)
        lowerInPlace(out);
    return out;
}

std::string quoted(std::string_view s) {
    std::string out("\"");
    out += s;
    out += '"';
    return out;
}

} // namespace

std::optional<std::int64_t> searchDown(const EditorModel& editor, std::string_view find,
                                       std::int64_t from, bool matchCase) {
    if (find.empty())
        return std::nullopt;
    const std::string f = prepared(find, matchCase);
    const auto flen = static_cast<std::int64_t>(f.size());
    const std::int64_t total = editor.textLength();
    std::int64_t window = std::max(kFirstWindow, 2 * flen);
    for (std::int64_t start = std::max<std::int64_t>(from, 0); start + flen <= total;) {
        std::string chunk = readText(editor, start, window);
        if (!matchCase)
            lowerInPlace(chunk);
        const std::size_t hit = chunk.find(f);
        if (hit != std::string::npos)
            return start + static_cast<std::int64_t>(hit);
        if (start + static_cast<std::int64_t>(chunk.size()) >= total)
            break;
        // The next window overlaps this one by flen - 1 so that no straddling hit is missed.
        start += static_cast<std::int64_t>(chunk.size()) - (flen - 1);
        window = std::min(window * 2, std::max(kLargestWindow, 2 * flen));
    }
    return std::nullopt;
}

std::optional<std::int64_t> searchUp(const EditorModel& editor, std::string_view find,
                                     std::int64_t before, bool matchCase) {
    if (find.empty())
        return std::nullopt;
    const std::string f = prepared(find, matchCase);
    const auto flen = static_cast<std::int64_t>(f.size());
    std::int64_t end = std::min(before, editor.textLength());
    std::int64_t window = std::max(kFirstWindow, 2 * flen);
    while (end >= flen) {
        const std::int64_t start = std::max<std::int64_t>(0, end - window);
        std::string chunk = readText(editor, start, end - start);
        if (!matchCase)
            lowerInPlace(chunk);
        const std::size_t hit = chunk.rfind(f);
        if (hit != std::string::npos)
            return start + static_cast<std::int64_t>(hit);
        if (start == 0)
            break;
        end = start + flen - 1;
        window = std::min(window * 2, std::max(kLargestWindow, 2 * flen));
    }
    return std::nullopt;
}

bool findStep(EditorModel& editor, const Query& query, bool down) {
    if (down)
        editor.setSelectionStart(editor.selectionStart() + editor.selectionLength());
    const std::int64_t p = editor.selectionStart();
    const auto hit = down ? searchDown(editor, query.find, p, query.matchCase)
                          : searchUp(editor, query.find, p, query.matchCase);
    if (!hit)
        return false;
    editor.setSelectionStart(*hit);
    editor.setSelectionLength(static_cast<std::int64_t>(query.find.size()));
    return true;
}

namespace {

// Every occurrence from `from` on, left to right, as one edit: the span from the first hit to the
// end of the last is rewritten with the hits replaced, exactly as replacing them one by one and
// searching on after each replacement would leave it (the replaced text is never searched again),
// and the caret ends after the last replacement. False, with nothing changed, when the span holds
// a line break character inside a line, which a rewrite would turn into a line end of its own.
bool replaceAllAtOnce(EditorModel& editor, const Query& query, std::int64_t from) {
    const auto first = searchDown(editor, query.find, from, query.matchCase);
    if (!first)
        return true;
    const std::string text = editor.textBetween(*first, editor.textLength());
    std::string haystack = query.matchCase ? std::string() : text;
    if (!query.matchCase)
        lowerInPlace(haystack);
    const std::string_view hay = query.matchCase ? std::string_view(text) : haystack;
    const std::string f = prepared(query.find, query.matchCase);
    std::string out;
    out.reserve(text.size());
    std::size_t end = 0;
    for (std::size_t hit = hay.find(f); hit != std::string_view::npos; hit = hay.find(f, end)) {
        out.append(text, end, hit - end);
        out += query.replace;
        end = hit + f.size();
    }
    const std::string_view span = std::string_view(text).substr(0, end);
    const Position b = editor.textOffsetToPosition(*first);
    const Position e = editor.textOffsetToPosition(*first + static_cast<std::int64_t>(end));
    const auto breaks =
        std::count(span.begin(), span.end(), '\r') + std::count(span.begin(), span.end(), '\n');
    if (breaks != 2 * static_cast<std::ptrdiff_t>(e.line - b.line))
        return false;
    editor.setCaretAndSelection(e, b, e);
    editor.setSelectedText(out);
    return true;
}

} // namespace

Outcome replaceSearchStep(EditorModel& editor, const Query& query, bool replaceAll) {
    std::int64_t searchFrom = editor.selectionStart();
    if (!replaceAll)
        searchFrom += editor.selectionLength();
    // A search text without line break characters lies within one line each time it is found;
    // the hits are then stream selections, as in the normal mode.
    const bool oneLine = query.find.find_first_of("\r\n") == std::string_view::npos;
    if (replaceAll && oneLine && editor.activeSelectionMode() == SelectionMode::smNormal &&
        replaceAllAtOnce(editor, query, searchFrom))
        return Outcome::ReplacedAll;
    const auto flen = static_cast<std::int64_t>(query.find.size());
    for (;;) {
        const auto hit = searchDown(editor, query.find, searchFrom, query.matchCase);
        if (!hit)
            return replaceAll ? Outcome::ReplacedAll : Outcome::NotFound;
        editor.setSelectionStart(*hit);
        editor.setSelectionLength(flen);
        if (!replaceAll)
            return Outcome::Found;
        editor.setSelectedText(query.replace);
        searchFrom = editor.selectionStart() + editor.selectionLength();
    }
}

std::optional<Outcome> replaceStep(EditorModel& editor, const Query& query, bool replaceAll) {
    // Replace-all, with the selection it replaces first, is one undo step.
    std::optional<UndoBlock> block;
    if (replaceAll)
        block.emplace(editor);
    if (!editor.selectedText().empty())
        editor.setSelectedText(query.replace);
    if (!replaceAll)
        return std::nullopt;
    return replaceSearchStep(editor, query, true);
}

std::string findNotFoundMessage(std::string_view find) {
    return std::string("Текст "_w) + quoted(find) + std::string(" не найден."_w);
}

std::string replaceNotFoundMessage(std::string_view find) {
    return std::string("Текст "_w) + quoted(find) + std::string(" не найден"_w);
}

std::string replacedAllMessage(std::string_view find, std::string_view replace) {
    return std::string("Замена "_w) + quoted(find) + std::string(" на "_w) + quoted(replace) +
           std::string(" закончена"_w);
}

} // namespace FindReplace
