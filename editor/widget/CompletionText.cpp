#include "editor/widget/CompletionText.h"

#include <algorithm>

namespace varlo {

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

CompletionToken completionTokenAt(std::string_view line, int caretColumn,
                                  std::string_view endOfTokenChars) {
    const int caretIndex = caretColumn - 1;
    if (caretIndex < 0 || caretIndex > static_cast<int>(line.size()))
        return {std::max(1, caretColumn), {}};
    int i = caretIndex;
    while (i > 0) {
        const char c = line[static_cast<std::size_t>(i - 1)];
        if (static_cast<unsigned char>(c) <= 32 ||
            endOfTokenChars.find(c) != std::string_view::npos)
            break;
        --i;
    }
    return {i + 1, std::string(line.substr(static_cast<std::size_t>(i),
                                           static_cast<std::size_t>(caretIndex - i)))};
}

std::vector<int> matchingEntries(const std::vector<std::string>& entries,
                                 std::string_view current) {
    std::vector<int> found;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& e = entries[i];
        if (e.size() < current.size())
            continue;
        bool match = true;
        for (std::size_t k = 0; k < current.size() && match; ++k)
            match = asciiLower(e[k]) == asciiLower(current[k]);
        if (match)
            found.push_back(static_cast<int>(i));
    }
    return found;
}

std::vector<PrettyRun> prettyRuns(std::string_view pretty) {
    static constexpr std::string_view kCommand = "\\style{";
    std::vector<PrettyRun> runs;
    PrettyRun run;
    std::size_t i = 0;
    auto flush = [&] {
        if (!run.text.empty())
            runs.push_back(run);
        run.text.clear();
    };
    while (i < pretty.size()) {
        if (pretty.substr(i, kCommand.size()) == kCommand) {
            const std::size_t close = pretty.find('}', i + kCommand.size());
            if (close != std::string_view::npos) {
                flush();
                const std::string_view args =
                    pretty.substr(i + kCommand.size(), close - i - kCommand.size());
                bool on = true;
                for (char c : args) {
                    if (c == '+' || c == '-')
                        on = c == '+';
                    else if (c == 'B')
                        run.bold = on;
                    else if (c == 'I')
                        run.italic = on;
                    else if (c == 'U')
                        run.underline = on;
                }
                i = close + 1;
                continue;
            }
        }
        run.text += pretty[i++];
    }
    flush();
    return runs;
}

std::string prettyPlainText(std::string_view pretty) {
    std::string plain;
    for (const PrettyRun& r : prettyRuns(pretty))
        plain += r.text;
    return plain;
}

} // namespace varlo
