#include "editor/highlight/TSynCssSyn.h"

#include "editor/highlight/CharClass.h"
#include "editor/highlight/HighlighterPalette.h"
#include "editor/highlight/NumberScan.h"

#include <algorithm>

namespace varlo {

namespace {

enum Kind : std::size_t {
    kComment,
    kProperty,
    kReserved,
    kUndefProperty,
    kSpace,
    kColor,
    kNumber,
    kString,
    kSymbol,
    kText,
    kValue
};

constexpr int kCommentBit = 1;
constexpr int kValueBit = 2;
constexpr int kDepthShift = 2;
constexpr int kMaxDepth = 7;

constexpr const char* kProperties =
    "align-content align-items align-self all animation animation-delay animation-direction "
    "animation-duration animation-fill-mode animation-iteration-count animation-name "
    "animation-play-state animation-timing-function appearance aspect-ratio backdrop-filter "
    "backface-visibility background background-attachment background-blend-mode background-clip "
    "background-color background-image background-origin background-position background-repeat "
    "background-size block-size border border-block border-bottom border-bottom-color "
    "border-bottom-left-radius border-bottom-right-radius border-bottom-style border-bottom-width "
    "border-collapse border-color border-image border-inline border-left border-left-color "
    "border-left-style border-left-width border-radius border-right border-right-color "
    "border-right-style border-right-width border-spacing border-style border-top "
    "border-top-color border-top-left-radius border-top-right-radius border-top-style "
    "border-top-width border-width bottom box-shadow box-sizing break-after break-before "
    "caption-side caret-color clear clip clip-path color column-count column-gap column-rule "
    "column-span column-width columns container content counter-increment counter-reset cursor "
    "direction display empty-cells filter flex flex-basis flex-direction flex-flow flex-grow "
    "flex-shrink flex-wrap float font font-family font-feature-settings font-kerning font-size "
    "font-stretch font-style font-variant font-weight gap grid grid-area grid-auto-columns "
    "grid-auto-flow grid-auto-rows grid-column grid-column-end grid-column-start grid-row "
    "grid-row-end grid-row-start grid-template grid-template-areas grid-template-columns "
    "grid-template-rows height hyphens image-rendering inline-size inset isolation "
    "justify-content justify-items justify-self left letter-spacing line-height list-style "
    "list-style-image list-style-position list-style-type margin margin-block margin-bottom "
    "margin-inline margin-left margin-right margin-top mask max-height max-width min-height "
    "min-width mix-blend-mode object-fit object-position opacity order orphans outline "
    "outline-color outline-offset outline-style outline-width overflow overflow-wrap overflow-x "
    "overflow-y padding padding-block padding-bottom padding-inline padding-left padding-right "
    "padding-top page-break-after page-break-before page-break-inside perspective place-content "
    "place-items pointer-events position quotes resize right rotate row-gap scale scroll-behavior "
    "scroll-margin scroll-padding scroll-snap-align scroll-snap-type scrollbar-color "
    "scrollbar-width src tab-size table-layout text-align text-align-last text-decoration "
    "text-decoration-color text-decoration-line text-decoration-style text-indent text-overflow "
    "text-shadow text-transform text-underline-offset top transform transform-origin "
    "transform-style transition transition-delay transition-duration transition-property "
    "transition-timing-function translate unicode-bidi unicode-range user-select vertical-align "
    "visibility white-space widows width will-change word-break word-spacing word-wrap "
    "writing-mode z-index zoom";

constexpr const char* kColourNames =
    "aqua black blue fuchsia gray grey green lime maroon navy olive orange purple red silver "
    "teal white yellow transparent currentcolor aliceblue antiquewhite aquamarine azure beige "
    "bisque blanchedalmond blueviolet brown burlywood cadetblue chartreuse chocolate coral "
    "cornflowerblue cornsilk crimson cyan darkblue darkcyan darkgoldenrod darkgray darkgreen "
    "darkkhaki darkmagenta darkolivegreen darkorange darkorchid darkred darksalmon darkseagreen "
    "darkslateblue darkslategray darkturquoise darkviolet deeppink deepskyblue dimgray "
    "dodgerblue firebrick floralwhite forestgreen gainsboro ghostwhite gold goldenrod "
    "greenyellow honeydew hotpink indianred indigo ivory khaki lavender lavenderblush lawngreen "
    "lemonchiffon lightblue lightcoral lightcyan lightgray lightgreen lightpink lightsalmon "
    "lightseagreen lightskyblue lightslategray lightsteelblue lightyellow limegreen linen "
    "magenta mediumaquamarine mediumblue mediumorchid mediumpurple mediumseagreen "
    "mediumslateblue mediumspringgreen mediumturquoise mediumvioletred midnightblue mintcream "
    "mistyrose moccasin navajowhite oldlace olivedrab orangered orchid palegoldenrod palegreen "
    "paleturquoise palevioletred papayawhip peachpuff peru pink plum powderblue rebeccapurple "
    "rosybrown royalblue saddlebrown salmon sandybrown seagreen seashell sienna skyblue "
    "slateblue slategray snow springgreen steelblue tan thistle tomato turquoise violet wheat "
    "whitesmoke yellowgreen";

constexpr auto isNameChar = [](unsigned char c) { return chars::isWord(c) || c == '-'; };

} // namespace

TSynCssSyn::TSynCssSyn()
    : TSynScanner("Cascading Style Sheet", "Cascading Stylesheets (*.css)|*.css"),
      CommentAttri(addKind("CommentAttri", "Comment", rgb(0x80, 0x80, 0x80), fsItalic)),
      PropertyAttri(addKind("PropertyAttri", "Property", palette::kKeyword, fsBold)),
      KeyAttri(addKind("KeyAttri", "Reserved Word", palette::kVariable, fsBold)),
      UndefPropertyAttri(
          addKind("UndefPropertyAttri", "Undefined Property", palette::kError, fsBold)),
      SpaceAttri(addKind("SpaceAttri", "Space", clNone)),
      ColorAttri(addKind("ColorAttri", "Color Value", rgb(0x80, 0x00, 0x80))),
      NumberAttri(addKind("NumberAttri", "Number", palette::kNumber)),
      StringAttri(addKind("StringAttri", "String", palette::kString)),
      SymbolAttri(addKind("SymbolAttri", "Symbol", clNone, fsBold)),
      TextAttri(addKind("TextAttri", "Text", palette::kEmbedded)),
      ValueAttri(addKind("ValueAttri", "Value", palette::kDocumentation)),
      properties_(KeywordTable::Case::Insensitive), colours_(KeywordTable::Case::Insensitive) {
    properties_.add(kProperties);
    colours_.add(kColourNames);
    setRoles(CommentAttri, PropertyAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri);
}

void TSynCssSyn::lineStarted() {
    inAtRule_ = false;
    inSelector_ = false;
    urlEnd_ = std::string_view::npos;
    lookaheadFrom_ = lookaheadEnd_ = 0;
}

// Inside a block, a statement is a nested rule when a "{" comes before any ";" or "}" on the
// rest of the line; otherwise it is a declaration.
// The answer holds for every position before the character that decided it, so a line is looked
// ahead over once however many words it has.
bool TSynCssSyn::selectorAhead(std::size_t from) {
    if (from < lookaheadEnd_ && from >= lookaheadFrom_)
        return lookaheadSelector_;
    std::size_t i = from;
    while (i < line_.size() && line_[i] != '{' && line_[i] != ';' && line_[i] != '}' &&
           !(line_[i] == '/' && at(i + 1) == '*'))
        ++i;
    lookaheadFrom_ = from;
    lookaheadEnd_ = i;
    lookaheadSelector_ = i < line_.size() && line_[i] == '{';
    return lookaheadSelector_;
}

void TSynCssSyn::scanToken() {
    const unsigned char c = at(run_);
    if (range_ & kCommentBit) {
        bool closed = false;
        const std::size_t end = findClose(run_, "*/", closed);
        if (closed)
            range_ &= ~kCommentBit;
        return token(end, kComment);
    }
    if (urlEnd_ > run_ && urlEnd_ != std::string_view::npos) {
        const std::size_t end = urlEnd_;
        urlEnd_ = std::string_view::npos;
        return token(end, kString);
    }
    if (chars::isBlank(c))
        return spaceToken(kSpace);
    const int depth = range_ >> kDepthShift;
    const bool inValue = (range_ & kValueBit) != 0;
    switch (c) {
    case '/':
        if (at(run_ + 1) == '*') {
            range_ |= kCommentBit;
            bool closed = false;
            const std::size_t end = findClose(run_ + 2, "*/", closed);
            if (closed)
                range_ &= ~kCommentBit;
            return token(end, kComment);
        }
        return token(run_ + 1, kSymbol);
    case '"':
    case '\'': {
        std::size_t i = run_ + 1;
        while (i < line_.size() && line_[i] != static_cast<char>(c)) {
            if (line_[i] == '\\')
                ++i;
            ++i;
        }
        return token(i < line_.size() ? i + 1 : line_.size(), kString);
    }
    case '{':
        range_ = (std::min(depth + 1, kMaxDepth) << kDepthShift);
        inAtRule_ = false;
        inSelector_ = false;
        return token(run_ + 1, kSymbol);
    case '}':
        range_ = (std::max(depth - 1, 0) << kDepthShift);
        return token(run_ + 1, kSymbol);
    case ';':
        range_ &= ~kValueBit;
        inAtRule_ = false;
        return token(run_ + 1, kSymbol);
    case ':':
        // "&:hover {" and "a:focus {" inside a block are nested rules, "color: red" a
        // declaration.
        if (depth > 0 && !inValue && !inSelector_ && !inAtRule_ && selectorAhead(run_))
            inSelector_ = true;
        if (depth > 0 && !inValue && !inSelector_ && !inAtRule_) {
            range_ |= kValueBit;
            return token(run_ + 1, kSymbol);
        }
        break;
    case '@': {
        const std::size_t end = runWhile(run_ + 1, isNameChar);
        if (end > run_ + 1) {
            inAtRule_ = true;
            return token(end, kReserved);
        }
        return token(run_ + 1, kSymbol);
    }
    case '!':
        if (inValue) {
            const std::size_t end = runWhile(skipBlanks(run_ + 1), chars::isWord);
            if (end > run_ + 1)
                return token(end, kReserved); // !important
        }
        return token(run_ + 1, kSymbol);
    case '(':
        // An unquoted address in url(...) is one string up to the closing parenthesis.
        if (inValue && run_ >= 3 && (at(run_ - 3) | 0x20) == 'u' && (at(run_ - 2) | 0x20) == 'r' &&
            (at(run_ - 1) | 0x20) == 'l') {
            const std::size_t inner = skipBlanks(run_ + 1);
            if (inner < line_.size() && at(inner) != '"' && at(inner) != '\'' && at(inner) != ')') {
                const std::size_t close = line_.find(')', inner);
                if (close != std::string_view::npos)
                    urlEnd_ = close;
            }
        }
        return token(run_ + 1, kSymbol);
    case '#':
        if (inValue) {
            const std::size_t end = runWhile(run_ + 1, chars::isHexDigit);
            const std::size_t n = end - run_ - 1;
            if ((n == 3 || n == 4 || n == 6 || n == 8) && !isNameChar(at(end)))
                return token(end, kColor);
        }
        break;
    default:
        break;
    }
    const bool numberStart =
        chars::isDigit(c) || (c == '.' && chars::isDigit(at(run_ + 1))) ||
        ((c == '-' || c == '+') &&
         (chars::isDigit(at(run_ + 1)) || (at(run_ + 1) == '.' && chars::isDigit(at(run_ + 2)))));
    if (numberStart && (inValue || inAtRule_)) {
        const std::size_t from = (c == '-' || c == '+') ? run_ + 1 : run_;
        NumberSyntax css;
        css.hexPrefix = false;
        css.trailingDot = false;
        std::size_t end = scanNumber(line_, from, css).end;
        // The unit belongs to the number: 12px, 1.5em, 50%, 300ms.
        end = at(end) == '%' ? end + 1 : runWhile(end, chars::isAsciiLetter);
        return token(end, kNumber);
    }
    if (isNameChar(c) && !(c == '-' && !isNameChar(at(run_ + 1))))
        return scanWord(); // a lone "-" is the minus of calc()
    return token(run_ + 1, kSymbol);
}

void TSynCssSyn::scanWord() {
    const std::size_t end = runWhile(run_, isNameChar);
    const std::string_view word = line_.substr(run_, end - run_);
    const int depth = range_ >> kDepthShift;
    if (inAtRule_)
        return token(end, kValue);
    if (range_ & kValueBit) {
        if (colours_.contains(word))
            return token(end, kColor);
        return token(end, kValue);
    }
    if (depth == 0 || inSelector_)
        return token(end, kText);
    if (selectorAhead(run_)) {
        inSelector_ = true;
        return token(end, kText);
    }
    // Custom properties (--name) and vendor-prefixed ones (-webkit-...) are properties as well.
    const bool custom = word.size() > 2 && word[0] == '-' && word[1] == '-';
    const bool vendor = word.size() > 1 && word[0] == '-' && word[1] != '-';
    if (custom || vendor || properties_.contains(word))
        return token(end, kProperty);
    return token(end, kUndefProperty);
}

} // namespace varlo
