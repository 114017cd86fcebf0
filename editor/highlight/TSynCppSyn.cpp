#include "editor/highlight/TSynCppSyn.h"

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
    kChar,
    kFloat,
    kHex,
    kOctal,
    kSpace,
    kString,
    kSymbol,
    kPreprocessor
};

enum Place { kCode, kBlockComment, kDirective, kAsmBlock, kStringLine, kRawString, kAsmPending };
constexpr int kPlaceMask = 7;
constexpr int kLabelShift = 3;

constexpr const char* kKeywords =
    "alignas alignof and and_eq asm auto bitand bitor bool break case catch char char8_t "
    "char16_t char32_t class compl concept const consteval constexpr constinit const_cast "
    "continue co_await co_return co_yield decltype default delete do double dynamic_cast else "
    "enum explicit export extern false float for friend goto if inline int long mutable "
    "namespace new noexcept not not_eq nullptr operator or or_eq private protected public "
    "register reinterpret_cast requires return short signed sizeof static static_assert "
    "static_cast struct switch template this thread_local throw true try typedef typeid "
    "typename union unsigned using virtual void volatile wchar_t while xor xor_eq "
    "override final import module restrict _Alignas _Alignof _Atomic _Bool _Complex _Generic "
    "_Imaginary _Noreturn _Static_assert _Thread_local __asm _asm __inline __forceinline "
    "__declspec __cdecl __stdcall __fastcall __int8 __int16 __int32 __int64";

constexpr auto isAsciiWordStart = [](unsigned char c) {
    return chars::isAsciiLetter(c) || c == '_';
};
constexpr auto isAsciiWord = [](unsigned char c) {
    return isAsciiWordStart(c) || chars::isDigit(c);
};

} // namespace

TSynCppSyn::TSynCppSyn()
    : TSynScanner("C/C++", "C/C++ Files (*.c;*.cpp;*.h;*.hpp)|*.c;*.cpp;*.h;*.hpp"),
      AsmAttri(addKind("AsmAttri", "Assembler", palette::kEmbedded)),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      InvalidAttri(addKind("InvalidAttri", "Illegal Char", palette::kError, fsBold)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      CharAttri(addKind("CharAttri", "Character", palette::kString)),
      FloatAttri(addKind("FloatAttri", "Float", palette::kNumber)),
      HexAttri(addKind("HexAttri", "Hexadecimal", palette::kNumber)),
      OctalAttri(addKind("OctalAttri", "Octal", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      DirecAttri(addKind("DirecAttri", "Preprocessor", palette::kDirective)),
      keywords_(KeywordTable::Case::Sensitive) {
    keywords_.add(kKeywords);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynCppSyn::lineStarted() {
    asmLine_ = false;
}

void TSynCppSyn::scanToken() {
    switch (range_ & kPlaceMask) {
    case kBlockComment:
        return blockComment(run_, "*/", kComment, kBlockComment, kCode);
    case kRawString:
        return continueRawString();
    case kDirective:
        return scanPreprocessor();
    case kStringLine: {
        // The string went on after a backslash at the end of the line above.
        bool closed = false;
        const std::size_t end = quotedEnd(run_, '"', true, closed);
        range_ = (!closed && line_.back() == '\\') ? kStringLine : kCode;
        return token(end, kString);
    }
    default:
        return scanCode();
    }
}

void TSynCppSyn::scanPreprocessor() {
    // The directive runs to a comment or the end of the line; a backslash at the very end
    // carries it on to the next line.
    std::size_t end = run_;
    while (end < line_.size() &&
           !(line_[end] == '/' && (at(end + 1) == '/' || at(end + 1) == '*'))) {
        if (line_[end] == '"') {
            // #define HOME "http://example.com": the slashes belong to the string.
            bool closed = false;
            end = quotedEnd(end + 1, '"', true, closed);
            continue;
        }
        ++end;
    }
    if (end > run_) {
        range_ = (end == line_.size() && line_.back() == '\\') ? kDirective : kCode;
        return token(end, kPreprocessor);
    }
    range_ = kCode;
    return scanCode();
}

void TSynCppSyn::scanCode() {
    const unsigned char c = at(run_);
    const bool inAsm = (range_ & kPlaceMask) == kAsmBlock;
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    // A comment closed on its line inside an assembler block returns to the block.
    if (slashComment(kComment, kBlockComment, inAsm ? kAsmBlock : kCode))
        return;
    if (inAsm || asmLine_) {
        if (c == '}' && inAsm) {
            range_ = kCode;
            return token(run_ + 1, kSymbol);
        }
        if (c == ';' && inAsm)
            return token(line_.size(), kComment); // assembler comments start with ";"
        std::size_t end = run_;
        while (end < line_.size() && line_[end] != '}' && !(inAsm && line_[end] == ';') &&
               !(line_[end] == '/' && at(end + 1) == '/'))
            ++end;
        return token(end, kAsm);
    }
    if (c == '#' && onlyBlanksBefore(run_)) {
        range_ = kDirective;
        return scanPreprocessor();
    }
    if (c == '"') {
        bool closed = false;
        const std::size_t end = quotedEnd(run_ + 1, '"', true, closed);
        if (!closed && line_.back() == '\\')
            range_ = kStringLine;
        return token(end, kString);
    }
    if (c == '\'') {
        bool closed = false;
        return token(quotedEnd(run_ + 1, '\'', true, closed), kChar);
    }
    if (chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1)))) {
        NumberSyntax cpp;
        cpp.separator = '\'';
        cpp.binaryPrefix = true;
        cpp.leadingZeroOctal = true;
        cpp.suffixes = "ulfz";
        const NumberToken n = scanNumber(line_, run_, cpp);
        switch (n.kind) {
        case NumberKind::Float:
            return token(n.end, kFloat);
        case NumberKind::Hexadecimal:
            return token(n.end, kHex);
        case NumberKind::Octal:
            return token(n.end, kOctal);
        default:
            return token(n.end, kNumber);
        }
    }
    if (isAsciiWordStart(c)) {
        if ((range_ & kPlaceMask) == kAsmPending)
            range_ = kCode;
        return scanWord();
    }
    const bool asmPending = (range_ & kPlaceMask) == kAsmPending;
    range_ = c == '{' && asmPending ? kAsmBlock : kCode;
    // Outside strings and comments these have no meaning in C or C++.
    if (c >= 127)
        return token(runWhile(run_, [](unsigned char d) { return d >= 127; }), kIllegal);
    if (c == '@' || c == '`' || c == '$' || c == '\\')
        return token(run_ + 1, kIllegal);
    return symbolRun(kSymbol);
}

void TSynCppSyn::scanWord() {
    const std::size_t end = runWhile(run_, isAsciiWord);
    const std::string_view word = line_.substr(run_, end - run_);
    const unsigned char after = at(end);
    // Encoding prefixes belong to their literal: L"..", u8"..", U'x', R"(...)", u8R"x(...)x".
    const bool prefix = word == "L" || word == "u" || word == "U" || word == "u8";
    const bool raw = word == "R" || word == "LR" || word == "uR" || word == "UR" || word == "u8R";
    if (raw && after == '"') {
        const std::size_t open = line_.find('(', end + 1);
        if (open != std::string_view::npos && open - end - 1 <= 16)
            return scanRawString(open + 1, line_.substr(end + 1, open - end - 1));
    }
    if (prefix && (after == '"' || after == '\'')) {
        bool closed = false;
        const std::size_t close = quotedEnd(end + 1, static_cast<char>(after), true, closed);
        return token(close, after == '"' ? kString : kChar);
    }
    if (!keywords_.contains(word))
        return token(end, kIdentifier);
    if (word == "asm" || word == "__asm" || word == "_asm") {
        // "__asm {" opens a block, "__asm mov eax, 1" makes the rest of the line assembler;
        // GCC's asm("...") stays code.
        const std::size_t next = skipBlanks(end);
        if (next >= line_.size() || at(next) == '{')
            range_ = kAsmPending;
        else if (at(next) != '(' && word != "asm" && isAsciiWordStart(at(next)))
            asmLine_ = true;
    }
    return token(end, kReserved);
}

void TSynCppSyn::scanRawString(std::size_t bodyStart, std::string_view delimiter) {
    const std::string close = ")" + std::string(delimiter) + "\"";
    const std::size_t at = line_.find(close, bodyStart);
    if (at != std::string_view::npos)
        return token(at + close.size(), kString);
    range_ = kRawString | (labelHash(delimiter) << kLabelShift);
    token(line_.size(), kString);
}

void TSynCppSyn::continueRawString() {
    // The string ends at the first ")delimiter"" whose delimiter has the stored fingerprint.
    const int wanted = range_ >> kLabelShift;
    for (std::size_t i = line_.find(')', run_); i != std::string_view::npos;
         i = line_.find(')', i + 1)) {
        const std::size_t quote = line_.substr(0, std::min(line_.size(), i + 18)).find('"', i + 1);
        if (quote == std::string_view::npos)
            continue;
        if (labelHash(line_.substr(i + 1, quote - i - 1)) == wanted) {
            range_ = kCode;
            return token(quote + 1, kString);
        }
    }
    token(line_.size(), kString);
}

} // namespace varlo
