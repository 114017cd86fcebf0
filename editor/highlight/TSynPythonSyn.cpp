#include "editor/highlight/TSynPythonSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

namespace varlo {

namespace {

enum Kind : std::size_t {
    kComment,
    kIdentifier,
    kReserved,
    kNonReserved,
    kSystem,
    kNumber,
    kHex,
    kOctal,
    kFloat,
    kSpace,
    kString,
    kDocString,
    kSymbol,
    kError
};

constexpr int kTripleBit = 1;
constexpr int kDoubleQuoteBit = 2;
constexpr int kDocBit = 4;

constexpr const char* kKeywords =
    "False None True and as assert async await break class continue def del elif else except "
    "finally for from global if import in is lambda nonlocal not or pass raise return try while "
    "with yield";

constexpr const char* kSoftKeywords = "match case _";

constexpr const char* kBuiltins =
    "abs aiter all anext any ascii bin bool breakpoint bytearray bytes callable chr classmethod "
    "compile complex delattr dict dir divmod enumerate eval filter float format frozenset "
    "getattr globals hasattr hash help hex id input int isinstance issubclass iter len list "
    "locals map max memoryview min next object oct open ord pow property range repr reversed "
    "print exec round set setattr slice sorted staticmethod str sum super tuple type vars zip self "
    "cls "
    "NotImplemented Ellipsis BaseException Exception ArithmeticError AssertionError "
    "AttributeError EOFError ImportError IndexError KeyError KeyboardInterrupt LookupError "
    "MemoryError ModuleNotFoundError NameError NotImplementedError OSError OverflowError "
    "RecursionError RuntimeError StopIteration StopAsyncIteration SyntaxError SystemExit "
    "TypeError UnicodeError ValueError ZeroDivisionError FileNotFoundError PermissionError "
    "TimeoutError ConnectionError Warning DeprecationWarning UserWarning";

enum WordCategory { kWordReserved, kWordSoft, kWordBuiltin };

// The letters that may prefix a string: r, b, u, f and the pairs rb, br, fr, rf.
bool isStringPrefix(std::string_view p) {
    if (p.empty() || p.size() > 2)
        return false;
    int r = 0, b = 0, u = 0, f = 0;
    for (char ch : p) {
        switch (ch | 0x20) {
        case 'r':
            ++r;
            break;
        case 'b':
            ++b;
            break;
        case 'u':
            ++u;
            break;
        case 'f':
            ++f;
            break;
        default:
            return false;
        }
    }
    if (p.size() == 1)
        return true;
    return r == 1 && (b == 1 || f == 1);
}

} // namespace

TSynPythonSyn::TSynPythonSyn()
    : TSynScanner("Python", "Python Files (*.py)|*.py"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NonKeyAttri(addKind("NonKeyAttri", "Non-reserved Keyword", palette::kKeyword)),
      SystemAttri(addKind("SystemAttri", "System Functions and Variables", palette::kVariable)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      HexAttri(addKind("HexAttri", "Hexadecimal", palette::kNumber)),
      OctalAttri(addKind("OctalAttri", "Octal", palette::kNumber)),
      FloatAttri(addKind("FloatAttri", "Float", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      DocStringAttri(addKind("DocStringAttri", "Documentation", palette::kDocumentation, fsItalic)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      ErrorAttri(addKind("ErrorAttri", "Syntax Error", palette::kError, fsBold)),
      words_(KeywordTable::Case::Sensitive) {
    words_.add(kKeywords, kWordReserved).add(kSoftKeywords, kWordSoft).add(kBuiltins, kWordBuiltin);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynPythonSyn::continueTriple() {
    const char quote = (range_ & kDoubleQuoteBit) ? '"' : '\'';
    const std::size_t kind = (range_ & kDocBit) ? kDocString : kString;
    const char close[] = {quote, quote, quote, 0};
    for (std::size_t i = run_; i < line_.size(); ++i) {
        // A backslash keeps the next quote from closing the string, in a raw string as well.
        if (line_[i] == '\\') {
            ++i;
            continue;
        }
        if (startsWith(i, close)) {
            range_ = 0;
            return token(i + 3, kind);
        }
    }
    token(line_.size(), kind);
}

void TSynPythonSyn::scanString(std::size_t quote) {
    const char q = static_cast<char>(at(quote));
    const char triple[] = {q, q, q, 0};
    if (startsWith(quote, triple)) {
        // Opening a line, a triple-quoted string is a docstring.
        const bool doc = onlyBlanksBefore(run_) && quote == run_;
        range_ = kTripleBit | (q == '"' ? kDoubleQuoteBit : 0) | (doc ? kDocBit : 0);
        run_ = quote + 3;
        const std::size_t start = tokenPos_;
        continueTriple();
        tokenPos_ = start;
        return;
    }
    bool closed = false;
    const std::size_t end = quotedEnd(quote + 1, q, true, closed);
    // A string that does not close on its line is an error, unless a backslash continues it.
    token(end, closed || line_.back() == '\\' ? kString : kError);
}

void TSynPythonSyn::scanToken() {
    if (range_ & kTripleBit)
        return continueTriple();
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (c == '#')
        return token(line_.size(), kComment);
    if (c == '"' || c == '\'')
        return scanString(run_);
    if (chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1)))) {
        NumberSyntax py;
        py.separator = '_';
        py.binaryPrefix = true;
        py.octalPrefix = true;
        py.suffixes = "j";
        const NumberToken n = scanNumber(line_, run_, py);
        // 017 is no longer a number in Python 3; only zeros may lead.
        if (n.kind == NumberKind::Integer && c == '0' && n.end > run_ + 1) {
            for (std::size_t i = run_; i < n.end; ++i)
                if (line_[i] != '0' && line_[i] != '_')
                    return token(n.end, kError);
        }
        switch (n.kind) {
        case NumberKind::Hexadecimal:
            return token(n.end, kHex);
        case NumberKind::Octal:
            return token(n.end, kOctal);
        case NumberKind::Float:
            return token(n.end, kFloat);
        default:
            return token(n.end, kNumber);
        }
    }
    if (chars::isWordStart(c)) {
        const std::size_t end = runWhile(run_, chars::isWord);
        const std::string_view word = line_.substr(run_, end - run_);
        if ((at(end) == '"' || at(end) == '\'') && isStringPrefix(word)) {
            return scanString(end);
        }
        // Dunder names (__init__, __name__) belong to the language's machinery.
        if (word.size() > 4 && word.substr(0, 2) == "__" && word.substr(word.size() - 2) == "__")
            return token(end, kSystem);
        // A name after "." is an attribute (obj.type, re.match), not a word of the language.
        const bool member = run_ > 0 && at(run_ - 1) == '.';
        switch (member ? -1 : words_.find(word)) {
        case kWordReserved:
            return token(end, kReserved);
        case kWordSoft:
            return token(end, kNonReserved);
        case kWordBuiltin:
            return token(end, kSystem);
        default:
            return token(end, kIdentifier);
        }
    }
    // Characters that have no place in Python source outside strings and comments.
    if (c == '$' || c == '?' || c == '`' || (c == '!' && at(run_ + 1) != '=') || c >= 128)
        return token(run_ + 1, kError);
    return symbolRun(kSymbol, "!?");
}

} // namespace varlo
