#pragma once

#include "editor/highlight/TSynCustomHighlighter.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace varlo {

// The token walk shared by the highlighters of the other languages. A derived class creates its
// attributes in its own order (a token's kind is the attribute's index in that order) and
// supplies scanToken, which delivers one token from run_. The walk guarantees the contract the
// editor relies on: every token covers at least one character, the tokens cover the line exactly,
// and the range state stays within 0 .. rangeCount() - 1 (anything else set from outside is taken
// as the reset state 0).
class TSynScanner : public TSynCustomHighlighter {
public:
    // The identifier characters are letters (Russian ones included), digits, the underscore
    // and `extraIdentChars`, which the editor's word commands then keep inside a word.
    TSynScanner(const char* languageName, const char* defaultFilter,
                std::string_view extraIdentChars = {});

    const TSynHighlighterAttributes* getDefaultAttribute(AttributeRole role) const final {
        return roles_[static_cast<std::size_t>(role)];
    }
    std::string languageName() const final { return languageName_; }
    std::string defaultFilter() const final { return defaultFilter_; }
    bool getEol() const final { return atEol_; }
    int getRange() const final { return range_; }
    std::string_view getToken() const final { return line_.substr(tokenPos_, run_ - tokenPos_); }
    const TSynHighlighterAttributes* getTokenAttribute() const final {
        return atEol_ ? nullptr : kinds_[kind_];
    }
    // The attribute's index in creation order; -1 at the end of the line.
    int getTokenKind() const final { return atEol_ ? -1 : static_cast<int>(kind_); }
    int getTokenPos() const final { return static_cast<int>(tokenPos_); }
    void next() final;
    void setLine(std::string_view line, int lineIndex) final;
    void setRange(int state) final;
    void resetRange() final { range_ = 0; }

    int rangeCount() const override = 0;

protected:
    // Appends the next attribute; its index is the kind that token() takes.
    TSynHighlighterAttributes* addKind(const char* name, const char* displayName, TColor foreground,
                                       FontStyles style = 0);
    // The attributes the editor asks for by role (comment, identifier, keyword, string,
    // whitespace, symbol).
    void setRoles(const TSynHighlighterAttributes* comment,
                  const TSynHighlighterAttributes* identifier,
                  const TSynHighlighterAttributes* keyword, const TSynHighlighterAttributes* string,
                  const TSynHighlighterAttributes* whitespace,
                  const TSynHighlighterAttributes* symbol) {
        roles_ = {comment, identifier, keyword, string, whitespace, symbol};
    }
    // Delivers the token from tokenPos_ to end (at least one character, at most the line).
    void token(std::size_t end, std::size_t kind);
    // One token from run_; tokenPos_ == run_ < line_.size() on entry.
    virtual void scanToken() = 0;
    // Called once per line when its last token has been delivered, before getEol turns true; a
    // highlighter that decides the next line's state only at the line's end (a pending heredoc)
    // sets range_ here.
    virtual void lineEnded() {}
    // Called by setLine before the first token.
    virtual void lineStarted() {}

    unsigned char at(std::size_t i) const {
        return i < line_.size() ? static_cast<unsigned char>(line_[i]) : 0;
    }
    bool startsWith(std::size_t i, std::string_view s) const {
        return line_.substr(i, s.size()) == s;
    }
    // The first position at or after i that is not a space or tab.
    std::size_t skipBlanks(std::size_t i) const;
    // True when only blanks come before i on this line.
    bool onlyBlanksBefore(std::size_t i) const;
    // The run of characters from i (i itself included) for which pred holds.
    template <typename Pred> std::size_t runWhile(std::size_t i, Pred pred) const {
        while (i < line_.size() && pred(static_cast<unsigned char>(line_[i])))
            ++i;
        return i;
    }
    // A space token over the run of characters of code 32 or less from run_.
    void spaceToken(std::size_t kind);
    // A symbol token over the run of brackets, separators and operator characters from run_
    // (chars::isPlainPunct) less those in `excluded`, which the language gives a meaning of their
    // own; a single character when run_ holds none of them. Fewer tokens make a faster scan.
    void symbolRun(std::size_t kind, std::string_view excluded = {});
    // Through the first occurrence of `close` at or after i, or to the end of the line; sets
    // `closed`.
    std::size_t findClose(std::size_t i, std::string_view close, bool& closed) const;
    // From i (just after an opening quote) through the closing `quote`, skipping characters
    // escaped by a backslash when `escapes`; to the end of the line when there is none.
    std::size_t quotedEnd(std::size_t i, char quote, bool escapes, bool& closed) const;
    // A comment that runs through `close` or to the end of the line; `inside` is the range the
    // highlighter is in while the comment is open, `after` the one it returns to.
    void blockComment(std::size_t from, std::string_view close, std::size_t kind, int inside,
                      int after);
    // "//" to the end of the line, or "/*" through "*/" (see blockComment); false when neither
    // starts at run_.
    bool slashComment(std::size_t kind, int inside, int after);

    // A 16-bit fingerprint of a closing label (a heredoc's name, a raw string's delimiter), kept
    // in the upper bits of the range state; a line closes the text when its label's fingerprint
    // matches.
    static int labelHash(std::string_view label);

    std::string_view line_;
    int lineIndex_ = 0;
    std::size_t run_ = 0;      // where the next token starts
    std::size_t tokenPos_ = 0; // where the current token starts
    std::size_t kind_ = 0;
    int range_ = 0;

private:
    const char* languageName_;
    const char* defaultFilter_;
    std::array<const TSynHighlighterAttributes*, 6> roles_{};
    std::vector<const TSynHighlighterAttributes*> kinds_;
    bool atEol_ = true;
};

} // namespace varlo
