#include "editor/highlight/TSynPasSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

namespace varlo {

namespace {

enum Kind : std::size_t {
    kAsm,
    kComment,
    kDirective,
    kIdentifier,
    kReserved,
    kNumber,
    kFloat,
    kHex,
    kSpace,
    kString,
    kChar,
    kSymbol
};

constexpr int kFormMask = 3;
constexpr int kBrace = 1;
constexpr int kParenStar = 2;
constexpr int kDirectiveBit = 4;
constexpr int kAsmBit = 8;

constexpr const char* kKeywords =
    "and array as asm begin case class const constructor destructor dispinterface div do "
    "downto else end except exports file finalization finally for function goto if "
    "implementation in inherited initialization inline interface is label library mod nil not "
    "object of or out packed procedure program property raise record repeat resourcestring set "
    "shl shr string then threadvar to try type unit until uses var while with xor "
    "abstract assembler automated cdecl deprecated dynamic external final forward helper "
    "overload override pascal platform private protected public published reference register "
    "reintroduce safecall sealed static stdcall strict varargs virtual operator";

constexpr auto isIdent = [](unsigned char c) {
    return chars::isAsciiLetter(c) || chars::isDigit(c) || c == '_';
};

} // namespace

TSynPasSyn::TSynPasSyn()
    : TSynScanner("Object Pascal",
                  "Pascal Files (*.pas;*.pp;*.dpr;*.dpk;*.inc)|*.pas;*.pp;*.dpr;*.dpk;*.inc"),
      AsmAttri(addKind("AsmAttri", "Assembler", palette::kEmbedded)),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      DirecAttri(addKind("DirecAttri", "Preprocessor", palette::kDocumentation)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      FloatAttri(addKind("FloatAttri", "Float", palette::kNumber)),
      HexAttri(addKind("HexAttri", "Hexadecimal", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      CharAttri(addKind("CharAttri", "Character", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      keywords_(KeywordTable::Case::Insensitive) {
    keywords_.add(kKeywords);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynPasSyn::applyProgramColours(TSynPasSyn& highlighter) {
    highlighter.CommentAttri->setForeground(rgb(0x36, 0x46, 0xDA));
}

void TSynPasSyn::scanComment(std::size_t from, int form, bool directive) {
    const int asmBit = range_ & kAsmBit;
    bool closed = false;
    const std::size_t end = findClose(from, form == kBrace ? "}" : "*)", closed);
    range_ = closed ? asmBit : (asmBit | form | (directive ? kDirectiveBit : 0));
    token(end, directive ? kDirective : kComment);
}

void TSynPasSyn::scanToken() {
    const int form = range_ & kFormMask;
    if (form == kBrace || form == kParenStar)
        return scanComment(run_, form, (range_ & kDirectiveBit) != 0);
    range_ &= kAsmBit; // no comment is open here
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (c == '{')
        return scanComment(run_ + 1, kBrace, at(run_ + 1) == '$');
    if (c == '(' && at(run_ + 1) == '*')
        return scanComment(run_ + 2, kParenStar, at(run_ + 2) == '$');
    if (c == '/' && at(run_ + 1) == '/')
        return token(line_.size(), kComment);
    if (range_ & kAsmBit) {
        // Inside asm ... end everything but comments is assembler, up to the word "end".
        std::size_t i = run_;
        while (i < line_.size()) {
            const unsigned char d = at(i);
            if (d == '{' || (d == '(' && at(i + 1) == '*') || (d == '/' && at(i + 1) == '/'))
                break;
            if (isIdent(d) && (i == 0 || !isIdent(at(i - 1)))) {
                const std::size_t e = runWhile(i, isIdent);
                if (e - i == 3 && (at(i) | 0x20) == 'e' && (at(i + 1) | 0x20) == 'n' &&
                    (at(i + 2) | 0x20) == 'd') {
                    if (i > run_)
                        return token(i, kAsm);
                    range_ = 0;
                    return token(e, kReserved);
                }
                i = e;
                continue;
            }
            ++i;
        }
        return token(i, kAsm);
    }
    if (c == '\'') {
        // '' inside a string is one apostrophe.
        std::size_t i = run_ + 1;
        while (i < line_.size()) {
            if (line_[i] == '\'') {
                if (at(i + 1) != '\'')
                    return token(i + 1, kString);
                ++i;
            }
            ++i;
        }
        return token(line_.size(), kString);
    }
    if (c == '#') {
        // A character by its code: #13, #$0D.
        const std::size_t end = at(run_ + 1) == '$' ? runWhile(run_ + 2, chars::isHexDigit)
                                                    : runWhile(run_ + 1, chars::isDigit);
        return token(end, kChar);
    }
    if (c == '$' && chars::isHexDigit(at(run_ + 1)))
        return token(
            runWhile(run_ + 1, [](unsigned char d) { return chars::isHexDigit(d) || d == '_'; }),
            kHex);
    if (c == '%' && (at(run_ + 1) == '0' || at(run_ + 1) == '1'))
        return token(
            runWhile(run_ + 1, [](unsigned char d) { return d == '0' || d == '1' || d == '_'; }),
            kNumber);
    if (c == '&' && chars::isDigit(at(run_ + 1)))
        return token(runWhile(run_ + 1, [](unsigned char d) { return d >= '0' && d <= '7'; }),
                     kNumber);
    if (chars::isDigit(c)) {
        NumberSyntax pascal;
        pascal.separator = '_';
        pascal.hexPrefix = false;
        pascal.trailingDot = false; // 1..10 is a range
        const NumberToken n = scanNumber(line_, run_, pascal);
        return token(n.end, n.kind == NumberKind::Float ? kFloat : kNumber);
    }
    if (chars::isAsciiLetter(c) || c == '_' || (c == '&' && chars::isAsciiLetter(at(run_ + 1)))) {
        // &begin is the name "begin", not the reserved word.
        const bool escaped = c == '&';
        const std::size_t end = runWhile(escaped ? run_ + 1 : run_, isIdent);
        const std::string_view word = line_.substr(run_, end - run_);
        if (escaped || !keywords_.contains(word))
            return token(end, kIdentifier);
        // After "." a reserved word is a member name (Obj.Type), except after the record end.
        if (run_ > 0 && at(run_ - 1) == '.')
            return token(end, kIdentifier);
        if (end - run_ == 3 && (at(run_) | 0x20) == 'a' && (at(run_ + 1) | 0x20) == 's' &&
            (at(run_ + 2) | 0x20) == 'm')
            range_ = kAsmBit;
        return token(end, kReserved);
    }
    return symbolRun(kSymbol, "(");
}

} // namespace varlo
