#include "editor/highlight/TSynJavaSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

namespace varlo {

namespace {

enum Kind : std::size_t {
    kComment,
    kDocumentation,
    kIdentifier,
    kInvalid,
    kReserved,
    kNumber,
    kSpace,
    kString,
    kSymbol
};

enum Range { kCode, kBlockComment, kDocComment, kTextBlock };

constexpr const char* kKeywords =
    "abstract assert boolean break byte case catch char class const continue default do double "
    "else enum extends final finally float for goto if implements import instanceof int "
    "interface long native new package private protected public return short static strictfp "
    "super switch synchronized this throw throws transient try void volatile while true false "
    "null var yield record sealed permits non-sealed";

constexpr auto isIdentStart = [](unsigned char c) { return chars::isWordStart(c) || c == '$'; };
constexpr auto isIdent = [](unsigned char c) { return chars::isWord(c) || c == '$'; };

} // namespace

TSynJavaSyn::TSynJavaSyn()
    : TSynScanner("Java", "Java Files (*.java)|*.java", "$"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      DocumentAttri(addKind("DocumentAttri", "Documentation", palette::kDocumentation, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      InvalidAttri(addKind("InvalidAttri", "Invalid Symbol", palette::kError, fsBold)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      keywords_(KeywordTable::Case::Sensitive) {
    keywords_.add(kKeywords);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynJavaSyn::scanToken() {
    switch (range_) {
    case kBlockComment:
        return blockComment(run_, "*/", kComment, kBlockComment, kCode);
    case kDocComment:
        return blockComment(run_, "*/", kDocumentation, kDocComment, kCode);
    case kTextBlock: {
        // A text block ends at the first """ that is not escaped.
        for (std::size_t i = run_; i < line_.size(); ++i) {
            if (line_[i] == '\\') {
                ++i;
                continue;
            }
            if (startsWith(i, "\"\"\"")) {
                range_ = kCode;
                return token(i + 3, kString);
            }
        }
        return token(line_.size(), kString);
    }
    default:
        break;
    }
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    // "/**" opens documentation, but "/**/" is an empty ordinary comment.
    if (startsWith(run_, "/**") && at(run_ + 3) != '/')
        return blockComment(run_ + 3, "*/", kDocumentation, kDocComment, kCode);
    if (slashComment(kComment, kBlockComment, kCode))
        return;
    if (startsWith(run_, "\"\"\"")) {
        range_ = kTextBlock;
        return token(line_.size(), kString); // the opening """ ends its line
    }
    if (c == '"' || c == '\'') {
        bool closed = false;
        return token(quotedEnd(run_ + 1, static_cast<char>(c), true, closed), kString);
    }
    if (chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1)))) {
        NumberSyntax java;
        java.separator = '_';
        java.binaryPrefix = true;
        java.suffixes = "lfd";
        return token(scanNumber(line_, run_, java).end, kNumber);
    }
    if (isIdentStart(c)) {
        std::size_t end = runWhile(run_, isIdent);
        if (line_.substr(run_, end - run_) == "non" && startsWith(end, "-sealed"))
            end += 7;
        return token(end,
                     keywords_.contains(line_.substr(run_, end - run_)) ? kReserved : kIdentifier);
    }
    if (c == '#' || c == '`' || c == '\\' || c >= 127)
        return token(run_ + 1, kInvalid);
    return symbolRun(kSymbol);
}

} // namespace varlo
