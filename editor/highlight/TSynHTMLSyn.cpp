#include "editor/highlight/TSynHTMLSyn.h"

#include "editor/base/Cp1251.h"
#include "editor/highlight/HtmlEntityTable.h"
#include "editor/highlight/HtmlTagTable.h"

namespace varlo {

namespace {

std::unique_ptr<TSynHighlighterAttributes> makeAttribute(const char* name, const char* displayName,
                                                         TColor foreground, FontStyles style) {
    auto a = std::make_unique<TSynHighlighterAttributes>(name, displayName);
    a->setForeground(foreground);
    a->setStyle(style);
    return a;
}

// Character classes, one table each, so that every scanning loop costs one lookup per byte.
enum : unsigned char {
    kSpace = 1u << 0,     // the run of a space token: 0 to 8, 11, 12, 14 to 32
    kTextStop = 1u << 1,  // ends a text token: below 32, "<", "&"
    kNameEnd = 1u << 2,   // ends an attribute name: 32 or less, double quote, "=", ">"
    kValueEnd = 1u << 3,  // ends an unquoted value: 32 or less, ">"
    kTagLetter = 1u << 4, // letters, "!" and "/" of a tag name
    kDigit = 1u << 5,
    kCommentStop = 1u << 6, // ">", CR, LF
};

constexpr std::array<unsigned char, 256> makeClasses() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        unsigned char k = 0;
        if (c <= 32 && c != '\n' && c != '\r')
            k |= kSpace;
        if (c < 32 || c == '<' || c == '&')
            k |= kTextStop;
        if (c <= 32 || c == '"' || c == '=' || c == '>')
            k |= kNameEnd;
        if (c <= 32 || c == '>')
            k |= kValueEnd;
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '!' || c == '/')
            k |= kTagLetter;
        if (c >= '0' && c <= '9')
            k |= kDigit;
        if (c == '>' || c == '\r' || c == '\n')
            k |= kCommentStop;
        t[static_cast<std::size_t>(c)] = k;
    }
    return t;
}
constexpr auto kClass = makeClasses();

constexpr bool is(unsigned char c, unsigned char cls) {
    return (kClass[c] & cls) != 0;
}

constexpr int tagLetterValue(unsigned char c) {
    if (c == '!')
        return 123;
    if (c == '/')
        return 122;
    return c & 0x1F; // A and a give 1, Z and z give 26
}

bool isHexDigit(unsigned char c) {
    return is(c, kDigit) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace

TSynHTMLSyn::TSynHTMLSyn()
    : AndAttri(addAttribute(makeAttribute("AndAttri", "Escape Ampersand", clLime, fsBold))),
      CommentAttri(addAttribute(makeAttribute("CommentAttri", "Comment", clNone, 0))),
      IdentifierAttri(addAttribute(makeAttribute("IdentifierAttri", "Identifier", clNone, fsBold))),
      KeyAttri(
          addAttribute(makeAttribute("KeyAttri", "Reserved Word", rgb(0x80, 0x00, 0xFF), fsBold))),
      SpaceAttri(addAttribute(makeAttribute("SpaceAttri", "Space", clNone, 0))),
      SymbolAttri(addAttribute(makeAttribute("SymbolAttri", "Symbol", clNone, fsBold))),
      TextAttri(addAttribute(makeAttribute("TextAttri", "Text", clNone, 0))),
      UndefKeyAttri(addAttribute(makeAttribute("UndefKeyAttri", "Unknown Word", clRed, fsBold))),
      ValueAttri(addAttribute(makeAttribute("ValueAttri", "Value", rgb(0x00, 0x80, 0xFF), 0))) {
    setIdentChars(cp1251::letterCharacters());
    auto bind = [this](HtmlTokenKind kind, const TSynHighlighterAttributes* a) {
        attributeOfKind_[static_cast<std::size_t>(kind)] = a;
    };
    bind(HtmlTokenKind::Entity, AndAttri);
    bind(HtmlTokenKind::Comment, CommentAttri);
    bind(HtmlTokenKind::Identifier, IdentifierAttri);
    bind(HtmlTokenKind::Key, KeyAttri);
    bind(HtmlTokenKind::EndOfLine, nullptr);
    bind(HtmlTokenKind::Space, SpaceAttri);
    bind(HtmlTokenKind::Symbol, SymbolAttri);
    bind(HtmlTokenKind::Text, TextAttri);
    bind(HtmlTokenKind::UndefinedKey, UndefKeyAttri);
    bind(HtmlTokenKind::Value, ValueAttri);
}

void TSynHTMLSyn::applyProgramColours(TSynHTMLSyn& highlighter) {
    highlighter.AndAttri->setForeground(clBlue);
    highlighter.CommentAttri->setForeground(rgb(0x65, 0x6B, 0x70));
    highlighter.ValueAttri->setForeground(rgb(0x00, 0x70, 0xDF));
}

const TSynHighlighterAttributes* TSynHTMLSyn::getDefaultAttribute(AttributeRole role) const {
    switch (role) {
    case AttributeRole::Comment:
        return CommentAttri;
    case AttributeRole::Identifier:
        return IdentifierAttri;
    case AttributeRole::Keyword:
        return KeyAttri;
    case AttributeRole::Whitespace:
        return SpaceAttri;
    case AttributeRole::Symbol:
        return SymbolAttri;
    case AttributeRole::String:
        break;
    }
    return nullptr;
}

std::string TSynHTMLSyn::languageName() const {
    return "HTML";
}

std::string TSynHTMLSyn::defaultFilter() const {
    return "HTML Documents (*.htm;*.html)|*.htm;*.html";
}

std::string TSynHTMLSyn::sampleSource() const {
    return "<!-- Syntax highlighting -->\r\n"
           "<html>\r\n"
           "<body bgcolor=\"red\">\r\n"
           "<form name=\"frmLogin\" action=\"doSomething.asp\">\r\n"
           "<input name=\"user\" value=''>\r\n"
           "</form>\r\n"
           "<invalid>Sample HTML code &copy; 2001</invalid>\r\n"
           "</body>\r\n"
           "</html>";
}

void TSynHTMLSyn::setLine(std::string_view line, int /*lineIndex*/) {
    line_ = line;
    run_ = 0;
    entityLength_ = 0;
    next();
}

void TSynHTMLSyn::setRange(int state) {
    range_ = (state >= 0 && state <= 8) ? static_cast<HtmlRange>(state) : HtmlRange::Text;
}

void TSynHTMLSyn::next() {
    tokenPos_ = run_;
    if (run_ >= line_.size()) {
        kind_ = HtmlTokenKind::EndOfLine;
        return;
    }
    const unsigned char c = at(run_);
    switch (range_) {
    case HtmlRange::Comment:
        if (c != '\r' && c != '\n')
            return scanComment();
        break;
    case HtmlRange::Text:
        if (c >= 32 && c != '<')
            return scanText();
        break;
    case HtmlRange::SingleQuotedValue:
    case HtmlRange::DoubleQuotedValue:
        if (c != '\r' && c != '\n')
            return scanQuotedValue(range_ == HtmlRange::SingleQuotedValue ? '\'' : '"');
        break;
    default:
        break;
    }
    scanByCharacter();
}

void TSynHTMLSyn::scanComment() {
    kind_ = HtmlTokenKind::Comment;
    std::size_t i = run_;
    while (i < line_.size()) {
        const unsigned char c = at(i);
        if (is(c, kCommentStop)) {
            if (c != '>')
                break;
            // The dashes may be those of the opening "<!--", so "<!-->" is a whole comment.
            if (i >= 2 && line_[i - 1] == '-' && line_[i - 2] == '-') {
                run_ = i + 1;
                range_ = HtmlRange::Text;
                return;
            }
        }
        ++i;
    }
    run_ = i;
}

std::size_t TSynHTMLSyn::entityAt(std::size_t i, std::size_t& numericWithoutEnd) const {
    numericWithoutEnd = 0;
    if (i + 1 >= line_.size())
        return 0;
    if (line_[i + 1] != '#')
        return HtmlEntityTable::match(line_.substr(i));
    std::size_t j = i + 2;
    if (j < line_.size() && (line_[j] == 'x' || line_[j] == 'X')) {
        ++j;
        while (j < line_.size() && isHexDigit(at(j)))
            ++j;
        return (j < line_.size() && line_[j] == ';') ? j + 1 - i : 0;
    }
    while (j < line_.size() && is(at(j), kDigit))
        ++j;
    if (j < line_.size() && line_[j] == ';')
        return j + 1 - i;
    if (j > i + 2)
        numericWithoutEnd = j - i;
    return 0;
}

void TSynHTMLSyn::scanText() {
    kind_ = HtmlTokenKind::Text;
    std::size_t i = run_;
    while (i < line_.size()) {
        const unsigned char c = at(i);
        if (!is(c, kTextStop)) {
            ++i;
            continue;
        }
        if (c != '&')
            break;
        std::size_t numericWithoutEnd = 0;
        const std::size_t length = entityAt(i, numericWithoutEnd);
        if (length > 0) {
            if (i == tokenPos_) {
                // No text before the entity: the entity itself is this token, so that the
                // editor never meets an empty token.
                kind_ = HtmlTokenKind::Entity;
                run_ = i + length;
                return;
            }
            entityPos_ = i;
            entityLength_ = length;
            range_ = HtmlRange::EntityPending;
            run_ = i;
            return;
        }
        if (numericWithoutEnd > 0) {
            run_ = i + numericWithoutEnd;
            return;
        }
        ++i;
    }
    run_ = i;
}

void TSynHTMLSyn::scanQuotedValue(unsigned char quote) {
    kind_ = HtmlTokenKind::Value;
    std::size_t i = run_;
    while (i < line_.size()) {
        const unsigned char c = at(i);
        if (c == '\r' || c == '\n')
            break;
        ++i;
        if (c == quote) {
            range_ = HtmlRange::Tag;
            break;
        }
    }
    run_ = i;
}

void TSynHTMLSyn::scanSpace() {
    kind_ = HtmlTokenKind::Space;
    std::size_t i = run_ + 1;
    while (i < line_.size() && is(at(i), kSpace))
        ++i;
    run_ = i;
}

void TSynHTMLSyn::scanPendingEntity() {
    std::size_t length = 0;
    std::size_t numericWithoutEnd = 0;
    if (entityLength_ > 0 && entityPos_ == run_)
        length = entityLength_;
    else
        length = entityAt(run_, numericWithoutEnd);
    entityLength_ = 0;
    range_ = HtmlRange::Text;
    if (length > 0) {
        kind_ = HtmlTokenKind::Entity;
        run_ += length;
    } else {
        // Only a stored state that does not belong to this line gets here: a numeric reference
        // without its ";" is text, any other "&" a text character of its own.
        kind_ = HtmlTokenKind::Text;
        if (numericWithoutEnd > 0)
            run_ += numericWithoutEnd;
        else if (run_ + 2 < line_.size() && line_[run_ + 1] == '#' &&
                 (line_[run_ + 2] == 'x' || line_[run_ + 2] == 'X')) {
            run_ += 3;
            while (run_ < line_.size() && isHexDigit(at(run_)))
                ++run_;
        } else
            run_ += 1;
    }
}

void TSynHTMLSyn::scanByCharacter() {
    const unsigned char c = at(run_);
    switch (c) {
    case '\n':
        kind_ = HtmlTokenKind::Space;
        run_ += 1;
        return;
    case '\r':
        kind_ = HtmlTokenKind::Space;
        run_ += (run_ + 1 < line_.size() && line_[run_ + 1] == '\n') ? 2 : 1;
        return;
    case '"':
    case '\'':
        if (range_ == HtmlRange::ValueExpected) {
            range_ = c == '"' ? HtmlRange::DoubleQuotedValue : HtmlRange::SingleQuotedValue;
            run_ += 1;
            scanQuotedValue(c);
            return;
        }
        return scanName();
    case '&':
        if (range_ == HtmlRange::EntityPending)
            return scanPendingEntity();
        if (range_ == HtmlRange::TagName) {
            kind_ = HtmlTokenKind::Text;
            run_ += 1;
            range_ = HtmlRange::Text;
            return;
        }
        return scanName();
    case '<':
        if (line_.substr(run_ + 1, 3) == "!--") {
            kind_ = HtmlTokenKind::Comment;
            run_ += 4;
            range_ = HtmlRange::Comment;
        } else {
            kind_ = HtmlTokenKind::Symbol;
            run_ += 1;
            range_ = HtmlRange::TagName;
        }
        return;
    case '=':
        kind_ = HtmlTokenKind::Symbol;
        run_ += 1;
        range_ = HtmlRange::ValueExpected;
        return;
    case '>':
        kind_ = HtmlTokenKind::Symbol;
        run_ += 1;
        range_ = HtmlRange::Text;
        return;
    default:
        if (is(c, kSpace))
            return scanSpace();
        return scanName();
    }
}

void TSynHTMLSyn::scanTagName() {
    std::size_t i = run_;
    int hash = 0;
    while (i < line_.size() && is(at(i), kTagLetter))
        hash += tagLetterValue(at(i++));
    while (i < line_.size() && is(at(i), kDigit))
        hash += at(i++) - '0';
    range_ = HtmlRange::Tag;
    if (i == run_)
        return scanName(); // no name here: the character starts the tag's first attribute
    switch (HtmlTagTable::classify(line_.substr(run_, i - run_), hash)) {
    case HtmlTagTable::Kind::Key:
        kind_ = HtmlTokenKind::Key;
        break;
    case HtmlTagTable::Kind::UndefinedKey:
        kind_ = HtmlTokenKind::UndefinedKey;
        break;
    case HtmlTagTable::Kind::Identifier:
        kind_ = HtmlTokenKind::Identifier;
        break;
    }
    run_ = i;
}

void TSynHTMLSyn::scanName() {
    if (range_ == HtmlRange::TagName)
        return scanTagName();
    std::size_t i = run_ + 1;
    if (range_ == HtmlRange::ValueExpected) {
        while (i < line_.size() && !is(at(i), kValueEnd))
            ++i;
        kind_ = HtmlTokenKind::Value;
        range_ = HtmlRange::Tag;
    } else {
        while (i < line_.size() && !is(at(i), kNameEnd))
            ++i;
        kind_ = HtmlTokenKind::Identifier;
    }
    run_ = i;
}

} // namespace varlo
