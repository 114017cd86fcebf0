#include "editor/highlight/TSynPerlSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

#include <algorithm>
#include <array>

namespace varlo {

namespace {

enum Kind : std::size_t {
    kComment,
    kIdentifier,
    kIllegal,
    kReserved,
    kNumber,
    kOperator,
    kPragma,
    kSpace,
    kString,
    kSymbol,
    kVariable
};

enum Place { kCode, kPod, kDoubleString, kSingleString, kQuoteLike, kHeredoc, kData };
constexpr int kPlaceMask = 7;
constexpr int kInterpolateBit = 8;
constexpr int kCloseShift = 4; // quote-like: the closing character
constexpr int kIndentBit = 16; // here-document: <<~ allows the label to be indented
constexpr int kLabelShift = 5; // here-document: the label's fingerprint

enum WordCategory { kWordReserved, kWordOperator, kWordPragma, kWordRegexAfter };

constexpr const char* kReservedWords =
    "if elsif else unless while until for foreach do last next redo return sub my our local "
    "state package use no require BEGIN END INIT CHECK UNITCHECK AUTOLOAD DESTROY defined undef "
    "print printf say die warn eval ref bless shift unshift push pop splice keys values each "
    "exists delete open close chomp chop chr ord lc uc lcfirst ucfirst length substr index "
    "rindex sprintf wantarray scalar exit time localtime gmtime sleep system exec binmode read "
    "sysread syswrite seek tell eof unlink mkdir rmdir opendir readdir closedir chdir rename "
    "reverse sort abs int sqrt rand srand sprintf lock __FILE__ __LINE__ __PACKAGE__ __SUB__ STDIN "
    "STDOUT STDERR ARGV ENV";

// After these words an expression starts, so "/" opens a pattern.
constexpr const char* kRegexAfterWords =
    "split grep map join return and or not if unless while until";

constexpr const char* kWordOperators = "eq ne lt gt le ge cmp and or not xor x";

constexpr const char* kPragmas =
    "strict warnings utf8 constant lib parent base vars integer feature bigint bignum bigrat "
    "overload open sort subs autodie diagnostics encoding less locale threads fields";

// Longest first within each length, so that the first match is the longest operator.
constexpr std::array<std::string_view, 31> kOperators = {
    "<=>", "**=", "||=", "&&=", "//=", "...", "<<=", ">>=", "=~", "!~", "->",
    "=>",  "**",  "&&",  "||",  "//",  "..",  "++",  "--",  "==", "!=", "<=",
    ">=",  ".=",  "+=",  "-=",  "*=",  "/=",  "<<",  ">>",  "::"};

constexpr bool isOperatorChar(unsigned char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '%' || c == '=' || c == '<' ||
           c == '>' || c == '!' || c == '&' || c == '|' || c == '^' || c == '~' || c == '.' ||
           c == '?' || c == ':';
}

// The characters that follow "$" in a variable of their own: ${ $: $# $$ and the punctuation
// variables $& $` $' $+ $! $@ $/ $\ $, $; $.
constexpr bool isPunctuationVariable(unsigned char c) {
    switch (c) {
    case '{':
    case ':':
    case '#':
    case '$':
    case '&':
    case '`':
    case '\'':
    case '+':
    case '!':
    case '@':
    case '/':
    case '\\':
    case ',':
    case ';':
    case '.':
        return true;
    default:
        return false;
    }
}

constexpr auto isIdentStart = [](unsigned char c) { return chars::isAsciiLetter(c) || c == '_'; };
constexpr auto isIdent = [](unsigned char c) { return isIdentStart(c) || chars::isDigit(c); };

char closingOf(char open) {
    switch (open) {
    case '(':
        return ')';
    case '[':
        return ']';
    case '{':
        return '}';
    case '<':
        return '>';
    default:
        return open;
    }
}

} // namespace

TSynPerlSyn::TSynPerlSyn()
    : TSynScanner("Perl", "Perl Files (*.pl;*.pm;*.cgi)|*.pl;*.pm;*.cgi", "$@%"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      InvalidAttri(addKind("InvalidAttri", "Illegal Char", palette::kError, fsBold)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      OperatorAttri(addKind("OperatorAttri", "Operator", palette::kEmbedded)),
      PragmaAttri(addKind("PragmaAttri", "Pragma", palette::kDirective, fsBold)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      VariableAttri(addKind("VariableAttri", "Variable", palette::kVariable)),
      words_(KeywordTable::Case::Sensitive) {
    words_.add(kWordOperators, kWordOperator)
        .add(kRegexAfterWords, kWordRegexAfter)
        .add(kReservedWords, kWordReserved)
        .add(kPragmas, kWordPragma);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynPerlSyn::lineStarted() {
    regexAllowed_ = true;
    pragmaNext_ = false;
    pendingHeredoc_ = -1;
}

void TSynPerlSyn::lineEnded() {
    // The here-document's body starts on the line after its "<<LABEL".
    if (pendingHeredoc_ >= 0 && (range_ & kPlaceMask) == kCode)
        range_ = pendingHeredoc_;
}

bool TSynPerlSyn::variableAt(std::size_t i) const {
    const unsigned char c = at(i);
    const unsigned char d = at(i + 1);
    if (c == '$')
        return isIdentStart(d) || chars::isDigit(d) || isPunctuationVariable(d);
    if (c == '@')
        return isIdentStart(d) || d == '{' || d == '$' || d == ':';
    return false;
}

void TSynPerlSyn::scanVariable() {
    std::size_t i = run_ + 1;
    if (at(run_) == '$' && at(i) == '#')
        ++i; // $#array, the last index
    while (at(i) == '$')
        ++i; // $$ref
    if (at(i) == '{') {
        const std::size_t close = line_.find('}', i);
        return token(close == std::string_view::npos ? line_.size() : close + 1, kVariable);
    }
    if (isIdentStart(at(i)) || at(i) == ':') {
        // Package names: $Foo::Bar::baz
        while (isIdent(at(i)) || (at(i) == ':' && at(i + 1) == ':' && isIdentStart(at(i + 2))))
            i += at(i) == ':' ? 2 : 1;
        if (i == run_ + 1 && at(i) == ':')
            ++i;
        return token(i, kVariable);
    }
    if (chars::isDigit(at(i)))
        return token(runWhile(i, chars::isDigit), kVariable);
    // A punctuation variable: $_ $0 $@ $! $/ $; ...
    return token(i > run_ + 1 ? i : run_ + 2, kVariable);
}

void TSynPerlSyn::stringPiece(char close, bool interpolate, int openRange) {
    if (interpolate && variableAt(run_) &&
        !(at(run_) == '$' && at(run_ + 1) == static_cast<unsigned char>(close)))
        return scanVariable();
    std::size_t i = run_;
    while (i < line_.size()) {
        const char c = line_[i];
        if (c == '\\') {
            i += 2;
            continue;
        }
        if (c == close) {
            range_ = kCode;
            regexAllowed_ = false;
            return token(i + 1, kString);
        }
        if (interpolate && i > run_ && variableAt(i))
            return token(i, kString);
        ++i;
    }
    range_ = openRange;
    token(line_.size(), kString);
}

void TSynPerlSyn::scanHeredocLine() {
    // The terminator is the label alone on its line (after blanks with <<~).
    std::size_t from = 0;
    if (range_ & kIndentBit)
        from = skipBlanks(0);
    if (run_ == 0 && labelHash(line_.substr(from)) == (range_ >> kLabelShift)) {
        range_ = kCode;
        return token(line_.size(), kIdentifier);
    }
    const bool interpolate = (range_ & kInterpolateBit) != 0;
    if (interpolate && variableAt(run_))
        return scanVariable();
    std::size_t i = run_ + 1;
    while (i < line_.size() && !(interpolate && variableAt(i)))
        i += line_[i] == '\\' ? 2 : 1;
    token(std::min(i, line_.size()), kString);
}

bool TSynPerlSyn::scanHeredocStart() {
    // <<"LABEL", <<'LABEL', <<LABEL, <<~LABEL; "<< 1" and "<<=" are shifts.
    std::size_t i = run_ + 2;
    const bool indent = at(i) == '~';
    if (indent)
        ++i;
    bool interpolate = true;
    std::size_t labelStart = i;
    std::size_t labelEnd = i;
    std::size_t end = i;
    if (at(i) == '"' || at(i) == '\'') {
        interpolate = at(i) == '"';
        const std::size_t close = line_.find(static_cast<char>(at(i)), i + 1);
        if (close == std::string_view::npos)
            return false;
        labelStart = i + 1;
        labelEnd = close;
        end = close + 1;
    } else if (isIdentStart(at(i))) {
        labelEnd = end = runWhile(i, isIdent);
    } else {
        return false;
    }
    pendingHeredoc_ = kHeredoc | (interpolate ? kInterpolateBit : 0) | (indent ? kIndentBit : 0) |
                      (labelHash(line_.substr(labelStart, labelEnd - labelStart)) << kLabelShift);
    regexAllowed_ = false;
    token(end, kString);
    return true;
}

bool TSynPerlSyn::scanQuoteLike(std::string_view op, std::size_t delimiter) {
    const char open = static_cast<char>(at(delimiter));
    const char close = closingOf(open);
    const bool interpolate = op != "q" && op != "qw" && open != '\'';
    const bool twoParts = op == "s" || op == "tr" || op == "y";
    // Through the first part's close, and for s, tr and y through the second part.
    std::size_t i = delimiter + 1;
    int parts = twoParts ? 2 : 1;
    while (i < line_.size() && parts > 0) {
        const char c = line_[i];
        if (c == '\\') {
            i += 2;
            continue;
        }
        ++i;
        if (c == close) {
            --parts;
            if (parts > 0 && close != open) {
                // s{...}{...}: the second part has brackets of its own.
                i = skipBlanks(i);
                if (i < line_.size())
                    ++i;
            }
        }
    }
    regexAllowed_ = false;
    if (parts > 0) {
        range_ = kQuoteLike | (interpolate ? kInterpolateBit : 0) |
                 (static_cast<unsigned char>(close) << kCloseShift);
        token(line_.size(), kString);
        return true;
    }
    token(runWhile(i, chars::isAsciiLetter), kString); // the modifiers: /gimsx, /e, /r
    return true;
}

void TSynPerlSyn::scanToken() {
    switch (range_ & kPlaceMask) {
    case kPod:
        if (run_ == 0 && startsWith(0, "=cut"))
            range_ = kCode;
        return token(line_.size(), kComment);
    case kData:
        return token(line_.size(), kComment);
    case kDoubleString:
        return stringPiece('"', true, range_);
    case kSingleString:
        return stringPiece('\'', false, range_);
    case kQuoteLike:
        return stringPiece(static_cast<char>((range_ >> kCloseShift) & 0xFF),
                           (range_ & kInterpolateBit) != 0, range_);
    case kHeredoc:
        return scanHeredocLine();
    default:
        return scanCode();
    }
}

void TSynPerlSyn::scanCode() {
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (run_ == 0 && c == '=' && chars::isAsciiLetter(at(1))) {
        // A POD block runs from "=head1", "=pod", ... through "=cut".
        range_ = startsWith(0, "=cut") ? kCode : kPod;
        return token(line_.size(), kComment);
    }
    if (run_ == 0 && (startsWith(0, "__END__") || startsWith(0, "__DATA__"))) {
        range_ = kData;
        return token(line_.size(), kComment);
    }
    if (c == '#')
        return token(line_.size(), kComment);
    if (c == '$' || c == '@') {
        if (variableAt(run_)) {
            regexAllowed_ = false;
            return scanVariable();
        }
    }
    if (c == '%' && regexAllowed_ &&
        (isIdentStart(at(run_ + 1)) || at(run_ + 1) == '{' || at(run_ + 1) == '$')) {
        regexAllowed_ = false;
        return scanVariable(); // %hash
    }
    if (c == '"') {
        range_ = kDoubleString | kInterpolateBit;
        run_ += 1;
        const std::size_t start = tokenPos_;
        stringPiece('"', true, range_);
        tokenPos_ = start;
        return;
    }
    if (c == '\'') {
        range_ = kSingleString;
        run_ += 1;
        const std::size_t start = tokenPos_;
        stringPiece('\'', false, range_);
        tokenPos_ = start;
        return;
    }
    if (c == '`') {
        bool closed = false;
        regexAllowed_ = false;
        return token(quotedEnd(run_ + 1, '`', true, closed), kString);
    }
    if (c == '<' && at(run_ + 1) == '<' && scanHeredocStart())
        return;
    if (c == '/' && regexAllowed_)
        if (scanQuoteLike("m", run_))
            return;
    if (chars::isDigit(c)) {
        NumberSyntax perl;
        perl.separator = '_';
        perl.binaryPrefix = true;
        perl.leadingZeroOctal = true;
        perl.trailingDot = false;
        regexAllowed_ = false;
        return token(scanNumber(line_, run_, perl).end, kNumber);
    }
    if (isIdentStart(c))
        return scanWord();
    if (isOperatorChar(c)) {
        std::size_t end = run_ + 1;
        if (isOperatorChar(at(run_ + 1)) || at(run_ + 1) == '~')
            for (std::string_view op : kOperators)
                if (op[0] == static_cast<char>(c) && startsWith(run_, op)) {
                    end = run_ + op.size();
                    break;
                }
        regexAllowed_ = true;
        return token(end, kOperator);
    }
    if (c >= 128)
        return token(runWhile(run_, [](unsigned char d) { return d >= 128; }), kIllegal);
    // Operator characters are operators of their own; the run takes brackets and separators.
    symbolRun(kSymbol, "+-*/%=<>!&|^~.?:");
    const unsigned char last = at(run_ - 1);
    regexAllowed_ = !(last == ')' || last == ']' || last == '}');
}

void TSynPerlSyn::scanWord() {
    std::size_t end = runWhile(run_, isIdent);
    while (at(end) == ':' && at(end + 1) == ':' && isIdentStart(at(end + 2)))
        end = runWhile(end + 2, isIdent); // Package::Name
    const std::string_view word = line_.substr(run_, end - run_);
    // A hash key before "=>" is a plain word, whatever it spells.
    const std::size_t next = skipBlanks(end);
    const bool fatComma = at(next) == '=' && at(next + 1) == '>';
    const bool quoteLike =
        word.size() <= 2 &&
        (word[0] == 'q' || word[0] == 'm' || word[0] == 's' || word[0] == 't' || word[0] == 'y') &&
        (word == "q" || word == "qq" || word == "qw" || word == "qx" || word == "m" ||
         word == "qr" || word == "s" || word == "tr" || word == "y");
    // $point{y}, $obj->s(...) and {q} name a key or a method, not a quote-like operator.
    const bool key = run_ > 0 && (at(run_ - 1) == '{' || at(run_ - 1) == '>');
    if (quoteLike && !fatComma && !key && end < line_.size()) {
        const unsigned char d = at(end);
        if (!isIdent(d) && !chars::isBlank(d) && d != '=' && d != ',' && d != ';' && d != ')' &&
            d != '}')
            return void(scanQuoteLike(word, end));
    }
    const bool pragma = pragmaNext_;
    pragmaNext_ = word == "use" || word == "no";
    if (fatComma) {
        regexAllowed_ = false;
        return token(end, kIdentifier);
    }
    const int category = words_.find(word);
    if (pragma && category == kWordPragma)
        return token(end, kPragma);
    switch (category) {
    case kWordOperator:
        regexAllowed_ = true;
        return token(end, kOperator);
    case kWordRegexAfter:
        regexAllowed_ = true;
        return token(end, kReserved);
    case kWordReserved:
        regexAllowed_ = true;
        return token(end, kReserved);
    default:
        regexAllowed_ = false;
        return token(end, kIdentifier);
    }
}

} // namespace varlo
