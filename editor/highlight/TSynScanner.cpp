#include "editor/highlight/TSynScanner.h"

#include "editor/highlight/CharClass.h"

#include <cstdint>

namespace varlo {

TSynScanner::TSynScanner(const char* languageName, const char* defaultFilter,
                         std::string_view extraIdentChars)
    : languageName_(languageName), defaultFilter_(defaultFilter) {
    std::bitset<256> ident;
    for (int c = 0; c < 256; ++c)
        if (chars::isWord(static_cast<unsigned char>(c)))
            ident.set(static_cast<std::size_t>(c));
    for (char c : extraIdentChars)
        ident.set(static_cast<unsigned char>(c));
    setIdentChars(ident);
}

TSynHighlighterAttributes* TSynScanner::addKind(const char* name, const char* displayName,
                                                TColor foreground, FontStyles style) {
    auto a = std::make_unique<TSynHighlighterAttributes>(name, displayName);
    a->setForeground(foreground);
    a->setStyle(style);
    TSynHighlighterAttributes* raw = addAttribute(std::move(a));
    kinds_.push_back(raw);
    return raw;
}

void TSynScanner::setLine(std::string_view line, int lineIndex) {
    line_ = line;
    lineIndex_ = lineIndex;
    run_ = 0;
    atEol_ = false;
    lineStarted();
    next();
}

void TSynScanner::setRange(int state) {
    range_ = (state >= 0 && state < rangeCount()) ? state : 0;
}

void TSynScanner::next() {
    if (atEol_)
        return;
    tokenPos_ = run_;
    if (run_ >= line_.size()) {
        lineEnded();
        // What the editor stores for the line is always a state the highlighter can take back.
        if (range_ < 0 || range_ >= rangeCount())
            range_ = 0;
        atEol_ = true;
        return;
    }
    scanToken();
    // A scanner that did not move would stall the editor: its character becomes a token of its
    // own in whatever kind was chosen.
    if (run_ <= tokenPos_)
        run_ = tokenPos_ + 1;
    if (run_ > line_.size())
        run_ = line_.size();
}

void TSynScanner::token(std::size_t end, std::size_t kind) {
    run_ = end;
    kind_ = kind < kinds_.size() ? kind : 0;
}

std::size_t TSynScanner::skipBlanks(std::size_t i) const {
    while (i < line_.size() && (line_[i] == ' ' || line_[i] == '\t'))
        ++i;
    return i;
}

bool TSynScanner::onlyBlanksBefore(std::size_t i) const {
    for (std::size_t j = 0; j < i && j < line_.size(); ++j)
        if (line_[j] != ' ' && line_[j] != '\t')
            return false;
    return true;
}

void TSynScanner::spaceToken(std::size_t kind) {
    token(runWhile(run_, [](unsigned char c) { return c <= 32; }), kind);
}

void TSynScanner::symbolRun(std::size_t kind, std::string_view excluded) {
    auto member = [&](std::size_t i) {
        const unsigned char c = at(i);
        return chars::isPlainPunct(c) && excluded.find(static_cast<char>(c)) == excluded.npos &&
               !(c == '.' && chars::isDigit(at(i + 1))); // ".5" is a number
    };
    std::size_t end = run_ + 1;
    if (member(run_))
        while (end < line_.size() && member(end))
            ++end;
    token(end, kind);
}

std::size_t TSynScanner::findClose(std::size_t i, std::string_view close, bool& closed) const {
    const std::size_t at = line_.find(close, i);
    closed = at != std::string_view::npos;
    return closed ? at + close.size() : line_.size();
}

int TSynScanner::labelHash(std::string_view label) {
    std::uint32_t h = 2166136261u;
    for (char c : label)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return static_cast<int>((h ^ (h >> 16)) & 0xFFFF);
}

std::size_t TSynScanner::quotedEnd(std::size_t i, char quote, bool escapes, bool& closed) const {
    while (i < line_.size()) {
        const char c = line_[i];
        if (c == quote) {
            closed = true;
            return i + 1;
        }
        i += (escapes && c == '\\') ? 2 : 1;
    }
    closed = false;
    return line_.size();
}

void TSynScanner::blockComment(std::size_t from, std::string_view close, std::size_t kind,
                               int inside, int after) {
    bool closed = false;
    const std::size_t end = findClose(from, close, closed);
    range_ = closed ? after : inside;
    token(end, kind);
}

bool TSynScanner::slashComment(std::size_t kind, int inside, int after) {
    if (at(run_) != '/')
        return false;
    if (at(run_ + 1) == '/') {
        token(line_.size(), kind);
        return true;
    }
    if (at(run_ + 1) == '*') {
        blockComment(run_ + 2, "*/", kind, inside, after);
        return true;
    }
    return false;
}

} // namespace varlo
