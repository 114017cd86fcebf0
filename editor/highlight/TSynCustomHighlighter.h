#pragma once

#include "editor/highlight/TSynHighlighterAttributes.h"

#include <bitset>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace varlo {

enum class AttributeRole { Comment, Identifier, Keyword, String, Whitespace, Symbol };

// The contract between the editor and a highlighter. The editor keeps each line's end state,
// sets the state of the line above (or resets it), hands the line over with setLine and then
// walks the tokens: getToken / getTokenPos / getTokenAttribute until getEol, calling next.
// One highlighter serves many editors; they listen for attribute changes and repaint.
class TSynCustomHighlighter {
public:
    using ChangeListener = std::function<void()>;

    TSynCustomHighlighter();
    virtual ~TSynCustomHighlighter() = default;
    TSynCustomHighlighter(const TSynCustomHighlighter&) = delete;
    TSynCustomHighlighter& operator=(const TSynCustomHighlighter&) = delete;

    // --- The scanning contract
    virtual const TSynHighlighterAttributes* getDefaultAttribute(AttributeRole role) const = 0;
    virtual std::string languageName() const = 0;
    virtual std::string defaultFilter() const = 0;
    virtual std::string sampleSource() const { return {}; }
    virtual bool getEol() const = 0;
    virtual int getRange() const = 0;
    virtual std::string_view getToken() const = 0;
    virtual const TSynHighlighterAttributes* getTokenAttribute() const = 0;
    virtual int getTokenKind() const = 0;
    // Start of the current token, 0-based column in the line.
    virtual int getTokenPos() const = 0;
    virtual void next() = 0;
    // The line's bytes must stay alive until the next setLine.
    virtual void setLine(std::string_view line, int lineIndex) = 0;
    virtual void setRange(int state) = 0;
    virtual void resetRange() = 0;
    // Every range state the highlighter reports lies in 0 .. rangeCount() - 1.
    virtual int rangeCount() const { return 1; }

    // Identifier characters (default: 33 to 255) and word-break characters.
    const std::bitset<256>& identChars() const { return identChars_; }
    const std::bitset<256>& wordBreakChars() const { return wordBreakChars_; }
    bool isIdentChar(unsigned char c) const { return identChars_[c]; }
    bool isWordBreakChar(unsigned char c) const { return wordBreakChars_[c]; }
    // The characters the editor's word commands treat as part of a word.
    bool isWordChar(unsigned char c) const { return identChars_[c] && !wordBreakChars_[c]; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    // Attributes, sorted by display name.
    const std::vector<TSynHighlighterAttributes*>& attributes() const { return sorted_; }
    TSynHighlighterAttributes* attribute(std::string_view displayName) const;
    // Attributes in the order the highlighter created them.
    std::vector<const TSynHighlighterAttributes*> attributesInCreationOrder() const;

    // Listeners hear about every attribute change and every switch of Enabled.
    int addChangeListener(ChangeListener l);
    void removeChangeListener(int id);

protected:
    // Takes ownership; a second attribute with the same display name throws std::logic_error.
    TSynHighlighterAttributes* addAttribute(std::unique_ptr<TSynHighlighterAttributes> a);
    void setIdentChars(const std::bitset<256>& chars) { identChars_ = chars; }
    void notifyChanged();

private:
    std::vector<std::unique_ptr<TSynHighlighterAttributes>> owned_;
    std::vector<TSynHighlighterAttributes*> sorted_;
    std::vector<std::pair<int, ChangeListener>> listeners_;
    int nextListenerId_ = 1;
    std::bitset<256> identChars_;
    std::bitset<256> wordBreakChars_;
    bool enabled_ = true;
};

} // namespace varlo
