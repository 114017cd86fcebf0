#pragma once

#include "editor/document/EditorTypes.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace varlo {

// A clipboard failure; its message is what the user is shown.
class ClipboardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kClipboardCopyFailed = "Clipboard copy operation failed";
inline constexpr const char* kClipboardPasteFailed = "Clipboard paste operation failed.";

// What the editor needs of a clipboard. Text is Windows-1251 bytes.
class EditorClipboard {
public:
    struct Content {
        std::string text;
        // Set when the editor's own block format was there: the mode the block was copied in.
        std::optional<SelectionMode> mode;
    };
    virtual ~EditorClipboard() = default;
    // Empties the clipboard and stores the text both as plain text and in the block format.
    // Throws ClipboardError(kClipboardCopyFailed) when the clipboard cannot take it.
    virtual void put(std::string_view text, SelectionMode mode) = 0;
    // The block format when present, else the plain text; nothing when neither is there.
    // Throws ClipboardError(kClipboardPasteFailed) when the block data cannot be read.
    virtual std::optional<Content> get() = 0;
};

// A clipboard that lives in memory: for tests, and for an editor with no system clipboard.
class MemoryClipboard : public EditorClipboard {
public:
    void put(std::string_view text, SelectionMode mode) override {
        if (failCopy)
            throw ClipboardError(kClipboardCopyFailed);
        content = Content{std::string(text), mode};
    }
    std::optional<Content> get() override {
        if (failPaste)
            throw ClipboardError(kClipboardPasteFailed);
        return content;
    }
    std::optional<Content> content;
    bool failCopy = false;
    bool failPaste = false;
};

} // namespace varlo
