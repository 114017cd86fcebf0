#include "editing/Vspom.h"

#include "editor/base/Cp1251.h"
#include "editor/document/EditorModel.h"

#include "editor/widget/SystemColors.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace Vspom {
namespace {

using namespace varlo;

// Length of a piece of inserted text in document offsets: a line break (CR LF, a lone CR or a
// lone LF) counts two, as the editor counts it.
std::int64_t offsetWeight(std::string_view s) {
    std::int64_t w = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            ++i, w += 2;
        else if (s[i] == '\r' || s[i] == '\n')
            w += 2;
        else
            ++w;
    }
    return w;
}

void insertTagUnguarded(EditorModel& editor, std::string_view snippet) {
    // n: the last "<" that has a ">" somewhere before it, and a: the last ">" before that "<";
    // when no "<" has a ">" before it, n is the first "<" and a is 0 (1-based positions).
    const std::size_t lastOpen = snippet.rfind('<');
    std::size_t n = 0;
    std::size_t a = 0;
    if (lastOpen != std::string_view::npos) {
        const std::size_t close =
            lastOpen == 0 ? std::string_view::npos : snippet.rfind('>', lastOpen - 1);
        if (close != std::string_view::npos) {
            n = lastOpen + 1;
            a = close + 1;
        } else {
            n = snippet.find('<') + 1;
        }
    }
    editor.setSelectedText(snippet);
    // A snippet without any "<" has no tag to stand in front of: the caret stays after it.
    if (n == 0)
        return;
    const std::int64_t end = editor.selectionStart();
    const std::int64_t caret = end - offsetWeight(snippet.substr(n - 1));
    editor.setSelectionStart(caret);
    if (n - a == 1)
        return;
    const std::int64_t placeholder = offsetWeight(snippet.substr(a, n - a - 1));
    editor.setSelectionStart(caret - placeholder);
    editor.setSelectionLength(placeholder);
}

std::string listText(std::string_view open, std::string_view type, std::string_view close) {
    std::string s(open);
    s += type;
    s += " title=\"подсказка\">\r  <LI>вашь текст\r  <LI>вашь текст\r"_w;
    s += close;
    return s;
}

} // namespace

void InsertTag(varlo::EditorModel& editor, std::string_view snippet) {
    try {
        insertTagUnguarded(editor, snippet);
    } catch (...) {
        ReportError();
    }
}

void InsertOrderedList(varlo::EditorModel& editor, std::string_view type) {
    editor.setSelectedText(listText("<OL type=", type, "</OL>"));
}

void InsertUnorderedList(varlo::EditorModel& editor, std::string_view type) {
    editor.setSelectedText(listText("<UL type=", type, "</UL>"));
}

std::string ColorToHtml(varlo::TColor color) {
    // A negative value names a system colour: its current RGB value is written.
    if (color < 0)
        color = varlo::resolveColor(color);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%.2X%.2X%.2X", varlo::redOf(color), varlo::greenOf(color),
                  varlo::blueOf(color));
    return buf;
}

} // namespace Vspom
