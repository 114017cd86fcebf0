#include "editor/highlight/TSynPHPSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

#include <algorithm>

namespace varlo {

namespace {

enum Kind : std::size_t {
    kComment,
    kIdentifier,
    kReserved,
    kNumber,
    kSpace,
    kString,
    kSymbol,
    kVariable
};

enum Place { kPage, kCode, kBlockComment, kDoubleString, kSingleString, kHeredoc, kCommand };
constexpr int kPlaceMask = 7;
constexpr int kInterpolateBit = 8;
constexpr int kLabelShift = 4;

constexpr const char* kKeywords =
    "abstract and array as break callable case catch class clone const continue declare "
    "default do echo else elseif empty enddeclare endfor endforeach endif endswitch endwhile "
    "enum eval exit die extends final finally fn for foreach function global goto if "
    "implements include include_once instanceof insteadof interface isset list match "
    "namespace new or print private protected public readonly require require_once return "
    "static switch throw trait try unset use var while xor yield true false null self parent "
    "int float bool string void mixed never object iterable __CLASS__ __DIR__ __FILE__ "
    "__FUNCTION__ __LINE__ __METHOD__ __NAMESPACE__ __TRAIT__";

constexpr auto isIdentStart = [](unsigned char c) { return chars::isWordStart(c) || c >= 128; };
constexpr auto isIdent = [](unsigned char c) { return chars::isWord(c) || c >= 128; };

} // namespace

TSynPHPSyn::TSynPHPSyn()
    : TSynScanner("PHP", "PHP Files (*.php;*.php3;*.phtml;*.inc)|*.php;*.php3;*.phtml;*.inc", "$"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      VariableAttri(addKind("VariableAttri", "Variable", palette::kVariable)),
      keywords_(KeywordTable::Case::Insensitive) {
    keywords_.add(kKeywords);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynPHPSyn::lineStarted() {
    pendingHeredoc_ = -1;
}

void TSynPHPSyn::lineEnded() {
    if (pendingHeredoc_ >= 0 && (range_ & kPlaceMask) == kCode)
        range_ = pendingHeredoc_;
}

bool TSynPHPSyn::variableAt(std::size_t i) const {
    return at(i) == '$' && (isIdentStart(at(i + 1)) || at(i + 1) == '$' || at(i + 1) == '{');
}

void TSynPHPSyn::scanToken() {
    switch (range_ & kPlaceMask) {
    case kPage:
        return scanPage();
    case kBlockComment:
        return blockComment(run_, "*/", kComment, kBlockComment, kCode);
    case kDoubleString:
        return stringPiece('"', true);
    case kSingleString:
        return stringPiece('\'', false);
    case kCommand:
        return stringPiece('`', true);
    case kHeredoc: {
        // The terminator is the label as the first word of a line; the code goes on after it.
        if (run_ == 0) {
            const std::size_t start = skipBlanks(0);
            const std::size_t end = runWhile(start, isIdent);
            if (end > start &&
                labelHash(line_.substr(start, end - start)) == (range_ >> kLabelShift)) {
                if (start > 0)
                    return token(start, kSpace);
            }
        }
        const std::size_t labelEnd = runWhile(run_, isIdent);
        if (onlyBlanksBefore(run_) && labelEnd > run_ &&
            labelHash(line_.substr(run_, labelEnd - run_)) == (range_ >> kLabelShift)) {
            range_ = kCode;
            return token(labelEnd, kString);
        }
        return stringPiece('\0', (range_ & kInterpolateBit) != 0);
    }
    default:
        return scanCode();
    }
}

void TSynPHPSyn::scanPage() {
    // The page's own text runs to the next "<?php", "<?=" or "<?".
    const std::size_t open = line_.find("<?", run_);
    if (open == run_) {
        range_ = kCode;
        std::size_t end = run_ + 2;
        if (at(end) == '=')
            ++end;
        else if (line_.substr(end, 3) == "php" || line_.substr(end, 3) == "PHP")
            end += 3;
        return token(end, kSymbol);
    }
    token(open == std::string_view::npos ? line_.size() : open, kIdentifier);
}

void TSynPHPSyn::stringPiece(char close, bool interpolate) {
    if (interpolate && variableAt(run_)) {
        std::size_t i = run_ + 1;
        while (at(i) == '$')
            ++i;
        if (at(i) == '{') {
            const std::size_t brace = line_.find('}', i);
            return token(brace == std::string_view::npos ? line_.size() : brace + 1, kVariable);
        }
        std::size_t end = runWhile(i, isIdent);
        // "$this->name" takes the property along, as PHP does inside strings.
        if (at(end) == '-' && at(end + 1) == '>' && isIdentStart(at(end + 2)))
            end = runWhile(end + 2, isIdent);
        return token(end, kVariable);
    }
    // {$expr} is a variable as a whole.
    if (interpolate && at(run_) == '{' && at(run_ + 1) == '$') {
        const std::size_t brace = line_.find('}', run_);
        return token(brace == std::string_view::npos ? line_.size() : brace + 1, kVariable);
    }
    std::size_t i = run_;
    while (i < line_.size()) {
        const char c = line_[i];
        if (c == '\\') {
            i += 2;
            continue;
        }
        if (close != '\0' && c == close) {
            range_ = kCode;
            return token(i + 1, kString);
        }
        if (interpolate && i > run_ && (variableAt(i) || (c == '{' && at(i + 1) == '$')))
            return token(i, kString);
        ++i;
    }
    token(std::min(i, line_.size()), kString);
}

void TSynPHPSyn::scanCode() {
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (c == '?' && at(run_ + 1) == '>') {
        range_ = kPage;
        return token(run_ + 2, kSymbol);
    }
    // A line comment ends at the end of the line or at "?>", which leaves PHP.
    if ((c == '/' && at(run_ + 1) == '/') || (c == '#' && at(run_ + 1) != '[')) {
        const std::size_t close = line_.find("?>", run_);
        return token(close == std::string_view::npos ? line_.size() : close, kComment);
    }
    if (slashComment(kComment, kBlockComment, kCode))
        return;
    if (variableAt(run_)) {
        std::size_t i = run_ + 1;
        while (at(i) == '$')
            ++i;
        return token(runWhile(i, isIdent), kVariable);
    }
    if (c == '"' || c == '\'' || c == '`') {
        range_ = c == '"' ? kDoubleString : c == '\'' ? kSingleString : kCommand;
        run_ += 1;
        const std::size_t start = tokenPos_;
        // The opening quote and the text after it are one token; variables follow as their own.
        std::size_t i = run_;
        const bool interpolate = c != '\'';
        while (i < line_.size()) {
            const char d = line_[i];
            if (d == '\\') {
                i += 2;
                continue;
            }
            if (d == static_cast<char>(c)) {
                range_ = kCode;
                return token(i + 1, kString);
            }
            if (interpolate && (variableAt(i) || (d == '{' && at(i + 1) == '$')))
                break;
            ++i;
        }
        tokenPos_ = start;
        return token(std::min(i, line_.size()), kString);
    }
    if (startsWith(run_, "<<<")) {
        // <<<LABEL and <<<"LABEL" interpolate, <<<'LABEL' (a nowdoc) does not.
        std::size_t i = skipBlanks(run_ + 3);
        const char quote = (at(i) == '"' || at(i) == '\'') ? static_cast<char>(at(i)) : '\0';
        if (quote)
            ++i;
        const std::size_t end = runWhile(i, isIdent);
        if (end > i && (!quote || at(end) == static_cast<unsigned char>(quote))) {
            pendingHeredoc_ = kHeredoc | (quote == '\'' ? 0 : kInterpolateBit) |
                              (labelHash(line_.substr(i, end - i)) << kLabelShift);
            return token(quote ? end + 1 : end, kString);
        }
    }
    if (chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1)))) {
        NumberSyntax php;
        php.separator = '_';
        php.binaryPrefix = true;
        php.octalPrefix = true;
        php.leadingZeroOctal = true;
        php.trailingDot = false;
        return token(scanNumber(line_, run_, php).end, kNumber);
    }
    if (isIdentStart(c)) {
        const std::size_t end = runWhile(run_, isIdent);
        // After "->" or "::" a word is a member name, never a keyword.
        const bool member = run_ >= 2 && ((at(run_ - 2) == '-' && at(run_ - 1) == '>') ||
                                          (at(run_ - 2) == ':' && at(run_ - 1) == ':'));
        const bool keyword = !member && keywords_.contains(line_.substr(run_, end - run_));
        return token(end, keyword ? kReserved : kIdentifier);
    }
    return symbolRun(kSymbol, "?");
}

} // namespace varlo
