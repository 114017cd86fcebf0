#pragma once

// The searching behind the find and replace windows, over the whole text of an editor. Offsets
// are Text offsets (a line break counts two), the same as SelectionStart's. The text is read in
// growing windows from the search's start, so a search costs time in proportion to the distance
// it covers, never to the whole document, and replace-all is linear in the text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varlo {
class EditorModel;
}

namespace FindReplace {

// What the user asked for: the search text F, the replacement R, match case.
struct Query {
    std::string_view find = {};
    std::string_view replace = {};
    bool matchCase = false;
};

// The first occurrence of `find` in Text at offsets `from` and later. An empty search text is
// never found.
std::optional<std::int64_t> searchDown(const varlo::EditorModel& editor, std::string_view find,
                                       std::int64_t from, bool matchCase);
// The occurrence that starts last among those lying wholly in the first `before` characters.
std::optional<std::int64_t> searchUp(const varlo::EditorModel& editor, std::string_view find,
                                     std::int64_t before, bool matchCase);

// The find window's find-next: searching down starts at the end of the selection, up at its
// start; a hit becomes the selection. False when nothing was found (searching down, the caret
// is then at the end of the former selection with nothing selected).
bool findStep(varlo::EditorModel& editor, const Query& query, bool down);

enum class Outcome {
    Found,       // find-next selected the next occurrence
    NotFound,    // find-next found none
    ReplacedAll, // replace-all replaced every occurrence after the caret (maybe none)
};

// The replace window's search: find-next from the end of the selection, or (replaceAll)
// replacing every occurrence from the selection's start to the end, left to right; replaced
// text is never searched again.
Outcome replaceSearchStep(varlo::EditorModel& editor, const Query& query, bool replaceAll);

// The replace and replace-all buttons: a non-empty selection is replaced by R whatever it holds;
// replace-all then runs replaceSearchStep. Nothing when only the replace button was pressed.
std::optional<Outcome> replaceStep(varlo::EditorModel& editor, const Query& query, bool replaceAll);

// The messages, in Windows-1251.
std::string findNotFoundMessage(std::string_view find);    // the find window's
std::string replaceNotFoundMessage(std::string_view find); // the replace window's find-next
std::string replacedAllMessage(std::string_view find, std::string_view replace);

} // namespace FindReplace
