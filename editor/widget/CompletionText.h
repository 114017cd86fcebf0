#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varlo {

// The text side of the completion popup, free of any window: the token being typed, the
// entries that match it, and the pretty-text form of the display entries.

struct CompletionToken {
    int start = 1;       // column (1-based) of the token's first character
    std::string current; // what the user has typed since the token start
};

// Walks left from the caret over characters above 32 that are not end-of-token characters.
// A caret beyond the line end has an empty token that starts at the caret.
CompletionToken completionTokenAt(std::string_view line, int caretColumn,
                                  std::string_view endOfTokenChars);

// Indexes, in list order, of the entries that begin with `current` without regard to ASCII
// letter case.
std::vector<int> matchingEntries(const std::vector<std::string>& entries, std::string_view current);

// A display entry in pretty-text form: "\style{+B}" switches bold on, "\style{-B}" off (likewise
// I and U); the commands themselves are not shown.
struct PrettyRun {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};
std::vector<PrettyRun> prettyRuns(std::string_view pretty);
std::string prettyPlainText(std::string_view pretty);

} // namespace varlo
