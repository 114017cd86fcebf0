#include "editor/highlight/TSynIniSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"

namespace varlo {

namespace {
enum Kind : std::size_t { kComment, kText, kSection, kKey, kNumber, kSpace, kString, kSymbol };
}

TSynIniSyn::TSynIniSyn()
    : TSynScanner("INI", "INI Files (*.ini)|*.ini"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      TextAttri(addKind("TextAttri", "Text", clNone)),
      SectionAttri(addKind("SectionAttri", "Section", palette::kVariable, fsBold)),
      KeyAttri(addKind("KeyAttri", "Key", palette::kKeyword)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone, fsBold)) {
    setRoles(CommentAttri, KeyAttri, SectionAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynIniSyn::lineStarted() {
    afterEquals_ = false;
}

void TSynIniSyn::scanToken() {
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (afterEquals_)
        return scanValue();
    const bool first = onlyBlanksBefore(run_);
    if (first && (c == ';' || c == '#'))
        return token(line_.size(), kComment);
    if (c == '[' && first)
        return token(run_ + 1, kSymbol);
    if (c == ']')
        return token(run_ + 1, kSymbol);
    if (c == '=') {
        afterEquals_ = true;
        return token(run_ + 1, kSymbol);
    }
    // The name between "[" and "]" is the section, the text before "=" the key; a line with
    // neither is plain text.
    const bool inSection = skipBlanks(0) < line_.size() && line_[skipBlanks(0)] == '[';
    if (inSection) {
        const std::size_t close = line_.find(']', run_);
        return token(close == std::string_view::npos ? line_.size() : close, kSection);
    }
    const std::size_t eq = line_.find('=', run_);
    if (eq == std::string_view::npos)
        return token(line_.size(), kText);
    // The key ends before the blanks in front of "=".
    std::size_t end = eq;
    while (end > run_ && chars::isBlank(at(end - 1)))
        --end;
    return token(end, kKey);
}

void TSynIniSyn::scanValue() {
    const unsigned char c = at(run_);
    if (c == '"' || c == '\'') {
        const std::size_t close = line_.find(static_cast<char>(c), run_ + 1);
        return token(close == std::string_view::npos ? line_.size() : close + 1, kString);
    }
    // A value that is a whole number, possibly signed or a decimal fraction, is a number; any
    // other value is text up to the end of the line, blanks and all.
    std::size_t i = run_;
    if (c == '-' || c == '+')
        ++i;
    const bool hex = at(i) == '0' && (at(i + 1) | 0x20) == 'x' && chars::isHexDigit(at(i + 2));
    const std::size_t digitsEnd =
        hex ? runWhile(i + 2, chars::isHexDigit)
            : runWhile(i, [](unsigned char d) { return chars::isDigit(d) || d == '.'; });
    const std::size_t rest = skipBlanks(digitsEnd);
    if (digitsEnd > i && rest == line_.size())
        return token(digitsEnd, kNumber);
    std::size_t end = line_.size();
    while (end > run_ && chars::isBlank(at(end - 1)))
        --end;
    return token(end > run_ ? end : line_.size(), kText);
}

} // namespace varlo
