#pragma once

#include "editor/base/TColor.h"

#include <cstdint>
#include <functional>
#include <string>

namespace varlo {

enum FontStyle : std::uint8_t {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};
using FontStyles = std::uint8_t;

// How one kind of token is drawn. clNone means "no colour of its own": the editor's font colour
// for the foreground, the editor's background rule for the background.
class TSynHighlighterAttributes {
public:
    TSynHighlighterAttributes(std::string name, std::string displayName)
        : name_(std::move(name)), displayName_(std::move(displayName)) {}

    const std::string& name() const { return name_; }
    const std::string& displayName() const { return displayName_; }

    TColor foreground() const { return foreground_; }
    TColor background() const { return background_; }
    FontStyles style() const { return style_; }
    void setForeground(TColor c);
    void setBackground(TColor c);
    void setStyle(FontStyles s);

    // Set by the highlighter that owns the attribute; called after every change.
    std::function<void()> onChange;

private:
    void changed();

    std::string name_;
    std::string displayName_;
    TColor foreground_ = clNone;
    TColor background_ = clNone;
    FontStyles style_ = 0;
};

} // namespace varlo
