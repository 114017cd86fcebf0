#pragma once

// The find and replace steps exactly as the window handlers describe them, reading the whole
// Text again for every search: the reference the fast engine is compared with.

#include "editing/FindReplace.h"
#include "editor/base/Cp1251.h"
#include "editor/document/EditorModel.h"

#include <optional>
#include <string>

namespace NaiveFindReplace {

inline std::string lowered(std::string s, bool matchCase) {
    if (!matchCase)
        for (char& c : s)
            c = static_cast<char>(varlo::cp1251::toLower(static_cast<unsigned char>(c)));
    return s;
}

// Position of the first occurrence at `from` or later, as a 0-based offset; an empty needle is
// never found.
inline std::optional<std::int64_t> posFrom(const std::string& t, const std::string& f,
                                           std::int64_t from) {
    if (f.empty() || from < 0 || from > static_cast<std::int64_t>(t.size()))
        return std::nullopt;
    const auto hit = t.find(f, static_cast<std::size_t>(from));
    if (hit == std::string::npos)
        return std::nullopt;
    return static_cast<std::int64_t>(hit);
}

inline bool findStep(varlo::EditorModel& e, const FindReplace::Query& q, bool down) {
    if (down)
        e.setSelectionStart(e.selectionStart() + e.selectionLength());
    const std::int64_t p = e.selectionStart();
    const std::string t = lowered(e.text(), q.matchCase);
    const std::string f = lowered(std::string(q.find), q.matchCase);
    std::optional<std::int64_t> m;
    if (down) {
        m = posFrom(t, f, p);
    } else if (!f.empty()) {
        const auto flen = static_cast<std::int64_t>(f.size());
        for (std::int64_t s = p - flen; s >= 0; --s)
            if (t.compare(static_cast<std::size_t>(s), f.size(), f) == 0) {
                m = s;
                break;
            }
    }
    if (!m)
        return false;
    e.setSelectionStart(*m);
    e.setSelectionLength(static_cast<std::int64_t>(f.size()));
    return true;
}

inline FindReplace::Outcome replaceSearchStep(varlo::EditorModel& e, const FindReplace::Query& q,
                                              bool replaceAll) {
    std::int64_t searchFrom = e.selectionStart();
    if (!replaceAll)
        searchFrom = e.selectionStart() + e.selectionLength();
    for (;;) {
        const std::string t = lowered(e.text(), q.matchCase);
        const std::string f = lowered(std::string(q.find), q.matchCase);
        const auto m = posFrom(t, f, searchFrom);
        if (!m)
            return replaceAll ? FindReplace::Outcome::ReplacedAll : FindReplace::Outcome::NotFound;
        e.setSelectionStart(*m);
        e.setSelectionLength(static_cast<std::int64_t>(f.size()));
        if (!replaceAll)
            return FindReplace::Outcome::Found;
        e.setSelectedText(q.replace);
        searchFrom = e.selectionStart() + e.selectionLength();
    }
}

inline std::optional<FindReplace::Outcome>
replaceStep(varlo::EditorModel& e, const FindReplace::Query& q, bool replaceAll) {
    if (!e.selectedText().empty())
        e.setSelectedText(q.replace);
    if (!replaceAll)
        return std::nullopt;
    return NaiveFindReplace::replaceSearchStep(e, q, true);
}

} // namespace NaiveFindReplace
