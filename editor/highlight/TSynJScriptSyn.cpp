#include "editor/highlight/TSynJScriptSyn.h"

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
    kEvent,
    kNumber,
    kSpace,
    kString,
    kSymbol
};

enum Range { kCode, kBlockComment, kTemplate, kTemplateCode, kTemplateComment };

constexpr const char* kReservedWords =
    "await break case catch class const continue debugger default delete do else enum export "
    "extends false finally for function if implements import in instanceof interface let new "
    "null package private protected public return static super switch this throw true try "
    "typeof var void while with yield";

constexpr const char* kNonReservedWords =
    "arguments as async constructor eval from get of set undefined NaN Infinity globalThis "
    "Array ArrayBuffer BigInt Boolean DataView Date Error EvalError Function JSON Map Math "
    "Number Object Promise Proxy RangeError ReferenceError Reflect RegExp Set String Symbol "
    "SyntaxError TypeError URIError WeakMap WeakRef WeakSet console document window navigator "
    "location history localStorage sessionStorage alert confirm prompt setTimeout setInterval "
    "clearTimeout clearInterval fetch parseInt parseFloat isNaN isFinite encodeURIComponent "
    "decodeURIComponent require module exports";

constexpr const char* kEvents =
    "onabort onafterprint onbeforeprint onbeforeunload onblur oncanplay onchange onclick "
    "oncontextmenu oncopy oncut ondblclick ondrag ondragend ondragenter ondragleave ondragover "
    "ondragstart ondrop onended onerror onfocus onhashchange oninput oninvalid onkeydown "
    "onkeypress onkeyup onload onloadeddata onmessage onmousedown onmouseenter onmouseleave "
    "onmousemove onmouseout onmouseover onmouseup onmousewheel onoffline ononline onpaste "
    "onpause onplay onpopstate onreset onresize onscroll onsearch onselect onstorage onsubmit "
    "ontoggle ontouchend ontouchmove ontouchstart onunload onwheel";

enum WordCategory { kWordReserved, kWordNonReserved, kWordEvent };

constexpr auto isIdentStart = [](unsigned char c) { return chars::isWordStart(c) || c == '$'; };
constexpr auto isIdent = [](unsigned char c) { return chars::isWord(c) || c == '$'; };

} // namespace

TSynJScriptSyn::TSynJScriptSyn()
    : TSynScanner("JavaScript", "Javascript Files (*.js)|*.js", "$"),
      CommentAttri(addKind("CommentAttri", "Comment", palette::kComment, fsItalic)),
      IdentifierAttri(addKind("IdentifierAttri", "Identifier", clNone)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kKeyword, fsBold)),
      NonReservedKeyAttri(
          addKind("NonReservedKeyAttri", "Non-reserved Keyword", palette::kVariable)),
      EventAttri(addKind("EventAttri", "Event", palette::kEmbedded, fsBold)),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone)), words_(KeywordTable::Case::Sensitive) {
    words_.add(kReservedWords, kWordReserved);
    words_.add(kNonReservedWords, kWordNonReserved);
    words_.add(kEvents, kWordEvent);
    setRoles(CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynJScriptSyn::lineStarted() {
    regexAllowed_ = true;
    braceDepth_ = 0;
    noRegexFrom_ = line_.size() + 1;
}

void TSynJScriptSyn::scanToken() {
    const int code =
        (range_ == kTemplateCode || range_ == kTemplateComment) ? kTemplateCode : kCode;
    if (range_ == kBlockComment || range_ == kTemplateComment)
        return blockComment(run_, "*/", kComment, range_, code);
    if (range_ == kTemplate)
        return scanTemplate();
    const unsigned char c = at(run_);
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    if (slashComment(kComment, code == kTemplateCode ? kTemplateComment : kBlockComment, code))
        return;
    if (c == '"' || c == '\'') {
        bool closed = false;
        regexAllowed_ = false;
        return token(quotedEnd(run_ + 1, static_cast<char>(c), true, closed), kString);
    }
    if (c == '`') {
        regexAllowed_ = false;
        range_ = kTemplate;
        token(run_ + 1, kString);
        return; // the body follows as tokens of the template
    }
    if (chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1)))) {
        NumberSyntax js;
        js.separator = '_';
        js.binaryPrefix = true;
        js.octalPrefix = true;
        js.suffixes = "n";
        regexAllowed_ = false;
        return token(scanNumber(line_, run_, js).end, kNumber);
    }
    if (c == '#' && isIdentStart(at(run_ + 1))) {
        regexAllowed_ = false;
        return token(runWhile(run_ + 1, isIdent), kIdentifier); // a private member: #items
    }
    if (isIdentStart(c)) {
        const std::size_t end = runWhile(run_, isIdent);
        const std::string_view word = line_.substr(run_, end - run_);
        const int category = words_.find(word);
        // After a keyword such as return or typeof an expression starts, so a "/" is a regular
        // expression; after a name it divides.
        regexAllowed_ = category == kWordReserved && word != "this" && word != "super" &&
                        word != "true" && word != "false" && word != "null";
        // A name after "." is a member, never a keyword of its own (obj.default, el.onclick is
        // still an event).
        const bool member = run_ > 0 && at(run_ - 1) == '.';
        switch (category) {
        case kWordReserved:
            return token(end, member ? kIdentifier : kReserved);
        case kWordNonReserved:
            return token(end, member ? kIdentifier : kNonReserved);
        case kWordEvent:
            return token(end, kEvent);
        default:
            return token(end, kIdentifier);
        }
    }
    if (c == '/' && regexAllowed_ && run_ < noRegexFrom_)
        return scanRegex();
    if (code == kTemplateCode) {
        if (c == '{')
            ++braceDepth_;
        if (c == '}') {
            if (braceDepth_ == 0) {
                range_ = kTemplate;
                return token(run_ + 1, kString);
            }
            --braceDepth_;
        }
    }
    symbolRun(kSymbol);
    // After ")" or "]" an operand ended; after any other symbol an operand may start.
    const unsigned char last = at(run_ - 1);
    regexAllowed_ = !(last == ')' || last == ']' || last == '}');
}

void TSynJScriptSyn::scanTemplate() {
    std::size_t i = run_;
    while (i < line_.size()) {
        const char c = line_[i];
        if (c == '\\') {
            i += 2;
            continue;
        }
        if (c == '`') {
            range_ = kCode;
            return token(i + 1, kString);
        }
        if (c == '$' && at(i + 1) == '{') {
            if (i > run_)
                return token(i, kString);
            range_ = kTemplateCode;
            braceDepth_ = 0;
            regexAllowed_ = true;
            return token(i + 2, kString);
        }
        ++i;
    }
    token(line_.size(), kString);
}

void TSynJScriptSyn::scanRegex() {
    std::size_t i = run_ + 1;
    bool inClass = false;
    while (i < line_.size()) {
        const char c = line_[i];
        if (c == '\\') {
            i += 2;
            continue;
        }
        if (c == '[')
            inClass = true;
        else if (c == ']')
            inClass = false;
        else if (c == '/' && !inClass)
            break;
        ++i;
    }
    if (i >= line_.size()) {
        // No closing "/" on the line: it was a division after all.
        regexAllowed_ = false;
        noRegexFrom_ = run_;
        return token(run_ + 1, kSymbol);
    }
    regexAllowed_ = false;
    token(runWhile(i + 1, chars::isAsciiLetter), kString);
}

} // namespace varlo
