#include "editor/highlight/TSynAsmSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"

namespace varlo {

namespace {

enum Kind : std::size_t { kComment, kIdentifier, kReserved, kNumber, kSpace, kString, kSymbol };

constexpr const char* kInstructions =
    "aaa aad aam aas adc add and call cbw cdq clc cld cli cmc cmp cmps cmpsb cmpsw cmpsd "
    "cmpxchg cpuid cwd cwde daa das dec div enter hlt idiv imul in inc ins insb insw insd int "
    "into iret iretd ja jae jb jbe jc jcxz jecxz je jg jge jl jle jmp jna jnae jnb jnbe jnc jne "
    "jng jnge jnl jnle jno jnp jns jnz jo jp jpe jpo js jz lahf lds lea leave les lfs lgs lock "
    "lods lodsb lodsw lodsd loop loope loopne loopnz loopz lss mov movs movsb movsw movsd movsx "
    "movzx mul neg nop not or out outs outsb outsw outsd pop popa popad popf popfd push pusha "
    "pushad pushf pushfd rcl rcr rdtsc rep repe repne repnz repz ret retf retn rol ror sahf sal "
    "sar sbb scas scasb scasw scasd seta setae setb setbe setc sete setg setge setl setle setne "
    "setnz setz shl shld shr shrd stc std sti stos stosb stosw stosd sub syscall sysenter test "
    "wait xadd xchg xlat xor bsf bsr bswap bt btc btr bts cmova cmovae cmovb cmovbe cmove cmovg "
    "cmovge cmovl cmovle cmovne cmovnz cmovz fld fst fstp fadd fsub fmul fdiv fild fist fistp "
    "fxch fcom fcomp fninit finit fwait emms movd movq paddb paddw paddd psubb psubw psubd pxor "
    "por pand movaps movups movss movsd addss addps subss mulss divss sqrtss xorps";

constexpr const char* kRegisters =
    "al ah ax eax rax bl bh bx ebx rbx cl ch cx ecx rcx dl dh dx edx rdx si esi rsi di edi rdi "
    "sp esp rsp bp ebp rbp ip eip rip cs ds es fs gs ss cr0 cr2 cr3 cr4 dr0 dr1 dr2 dr3 dr6 dr7 "
    "r8 r9 r10 r11 r12 r13 r14 r15 r8d r9d r10d r11d r12d r13d r14d r15d st mm0 mm1 mm2 mm3 mm4 "
    "mm5 mm6 mm7 xmm0 xmm1 xmm2 xmm3 xmm4 xmm5 xmm6 xmm7";

constexpr const char* kDirectives =
    "db dw dd dq dt byte word dword qword tbyte ptr offset seg near far short proc endp segment "
    "ends assume model stack data code const end equ org align public extrn extern global "
    "include includelib macro endm local proto invoke struc struct union record label type "
    "length size section bits use16 use32 use64 resb resw resd resq times dup if ifdef ifndef "
    "else endif .model .data .code .stack .const .386 .486 .586 .686 .mmx .xmm flat stdcall "
    "option casemap none";

constexpr auto isIdentStart = [](unsigned char c) {
    return chars::isAsciiLetter(c) || c == '_' || c == '@' || c == '?' || c == '.';
};
constexpr auto isIdent = [](unsigned char c) {
    return isIdentStart(c) || chars::isDigit(c) || c == '$';
};

} // namespace

TSynAsmSyn::TSynAsmSyn()
    : TSynScanner("x86 Assembly", "x86 Assembly Files (*.asm)|*.asm", "@?$"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)),
      keywords_(KeywordTable::Case::Insensitive) {
    keywords_.add(kInstructions).add(kRegisters).add(kDirectives);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynAsmSyn::scanToken() {
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (c == ';')
        return token(line_.size(), kComment);
    if (c == '\'' || c == '"' || c == '`') {
        bool closed = false;
        return token(quotedEnd(run_ + 1, static_cast<char>(c), false, closed), kString);
    }
    if (chars::isDigit(c) || (c == '$' && chars::isHexDigit(at(run_ + 1)))) {
        // The digits and letters of the literal with its radix: 0FFh, 1010b, 777q, 0x1F, $1F.
        const std::size_t end = runWhile(
            run_ + 1, [](unsigned char d) { return chars::isAsciiLetter(d) || chars::isDigit(d); });
        return token(end, kNumber);
    }
    if (isIdentStart(c)) {
        const std::size_t end = runWhile(run_, isIdent);
        return token(end,
                     keywords_.contains(line_.substr(run_, end - run_)) ? kReserved : kIdentifier);
    }
    return symbolRun(kSymbol, ";");
}

} // namespace varlo
