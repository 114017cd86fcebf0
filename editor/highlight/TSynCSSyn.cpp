#include "editor/highlight/TSynCSSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

#include <algorithm>

namespace varlo {

namespace {

enum Kind : std::size_t {
    kAsm,
    kComment,
    kIdentifier,
    kIllegal,
    kReserved,
    kNumber,
    kSpace,
    kString,
    kSymbol,
    kPreprocessor
};

enum Range { kCode, kBlockComment, kVerbatim, kRaw };
constexpr int kPlaceMask = 3;
constexpr int kQuoteShift = 2;

constexpr const char* kKeywords =
    "abstract as base bool break byte case catch char checked class const continue decimal "
    "default delegate do double else enum event explicit extern false finally fixed float for "
    "foreach goto if implicit in int interface internal is lock long namespace new null object "
    "operator out override params private protected public readonly ref return sbyte sealed "
    "short sizeof stackalloc static string struct switch this throw true try typeof uint ulong "
    "unchecked unsafe ushort using virtual void volatile while add alias and ascending async "
    "await by descending dynamic equals file from get global group init into join let managed "
    "nameof nint not notnull nuint on or orderby partial record remove required scoped select "
    "set unmanaged value var when where with yield";

// The run of quotes at i.
std::size_t quoteRun(std::string_view s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && s[i + n] == '"')
        ++n;
    return n;
}

} // namespace

TSynCSSyn::TSynCSSyn()
    : TSynScanner("C#", "C# Files (*.cs)|*.cs", "@"),
      AsmAttri(addKind("AsmAttri", "Assembler", palette::kEmbedded)),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      InvalidAttri(addKind("InvalidAttri", "Illegal Char", palette::kError, fsBold)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      DirecAttri(addKind("DirecAttri", "Preprocessor", palette::kDirective)),
      keywords_(KeywordTable::Case::Sensitive) {
    keywords_.add(kKeywords);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynCSSyn::scanToken() {
    switch (range_ & kPlaceMask) {
    case kBlockComment:
        return blockComment(run_, "*/", kComment, kBlockComment, kCode);
    case kVerbatim:
        // In a verbatim string "" is a quote; the first lone " ends it.
        for (std::size_t i = run_; i < line_.size(); ++i) {
            if (line_[i] != '"')
                continue;
            if (at(i + 1) == '"') {
                ++i;
                continue;
            }
            range_ = kCode;
            return token(i + 1, kString);
        }
        return token(line_.size(), kString);
    case kRaw: {
        // A raw string ends at a run of at least as many quotes as opened it.
        const std::size_t quotes = static_cast<std::size_t>(range_ >> kQuoteShift);
        for (std::size_t i = run_; i < line_.size(); ++i) {
            const std::size_t n = quoteRun(line_, i);
            if (n >= quotes) {
                range_ = kCode;
                return token(i + n, kString);
            }
            i += n;
        }
        return token(line_.size(), kString);
    }
    default:
        break;
    }
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (slashComment(kComment, kBlockComment, kCode))
        return;
    if (c == '#' && onlyBlanksBefore(run_)) {
        const std::size_t comment = line_.find("//", run_);
        return token(comment == std::string_view::npos ? line_.size() : comment, kPreprocessor);
    }
    // String prefixes: $ (interpolated), @ (verbatim), in either order.
    std::size_t quote = run_;
    while (quote < run_ + 2 && (at(quote) == '$' || at(quote) == '@'))
        ++quote;
    if (at(quote) == '"')
        return scanString(quote);
    if (c == '@' && chars::isWordStart(at(run_ + 1)))
        return token(runWhile(run_ + 1, chars::isWord), kIdentifier); // @class is a name
    if (c == '\'') {
        bool closed = false;
        return token(quotedEnd(run_ + 1, '\'', true, closed), kString);
    }
    if (chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1)))) {
        NumberSyntax cs;
        cs.separator = '_';
        cs.binaryPrefix = true;
        cs.trailingDot = false;
        cs.suffixes = "ulfdm";
        return token(scanNumber(line_, run_, cs).end, kNumber);
    }
    if (chars::isWordStart(c)) {
        const std::size_t end = runWhile(run_, chars::isWord);
        return token(end,
                     keywords_.contains(line_.substr(run_, end - run_)) ? kReserved : kIdentifier);
    }
    if (c == '`' || c == '\\' || c == '$' || c == '@' || c >= 127)
        return token(run_ + 1, kIllegal);
    return symbolRun(kSymbol);
}

void TSynCSSyn::scanString(std::size_t quote) {
    const bool verbatim = line_.substr(run_, quote - run_).find('@') != std::string_view::npos;
    const std::size_t quotes = quoteRun(line_, quote);
    if (quotes >= 3) {
        // A raw string literal: closed on this line by as many quotes, or it goes on.
        for (std::size_t i = quote + quotes; i < line_.size(); ++i) {
            const std::size_t n = quoteRun(line_, i);
            if (n >= quotes)
                return token(i + n, kString);
            i += n;
        }
        range_ = kRaw | static_cast<int>(std::min<std::size_t>(quotes, 63) << kQuoteShift);
        return token(line_.size(), kString);
    }
    if (!verbatim) {
        bool closed = false;
        return token(quotedEnd(quote + 1, '"', true, closed), kString);
    }
    for (std::size_t i = quote + 1; i < line_.size(); ++i) {
        if (line_[i] != '"')
            continue;
        if (at(i + 1) != '"')
            return token(i + 1, kString);
        ++i; // "" stands for one quote
    }
    range_ = kVerbatim;
    token(line_.size(), kString);
}

} // namespace varlo
