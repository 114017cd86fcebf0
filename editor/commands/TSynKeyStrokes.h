#pragma once

#include "editor/commands/EditorCommands.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace varlo {

// Modifier flags of a key stroke.
enum ShiftStateFlag : std::uint8_t { ssNone = 0, ssShift = 1, ssCtrl = 2, ssAlt = 4 };
using TShiftState = std::uint8_t;

// Key codes of the strokes. The values are the toolkit's own key codes, so the widget passes its
// key through unchanged; letters and digits are their upper-case ASCII codes.
namespace vk {
inline constexpr int Tab = 0x01000001;
inline constexpr int Backspace = 0x01000003;
inline constexpr int Return = 0x01000004;
inline constexpr int Enter = 0x01000005; // the keypad's Enter
inline constexpr int Insert = 0x01000006;
inline constexpr int Delete = 0x01000007;
inline constexpr int Home = 0x01000010;
inline constexpr int End = 0x01000011;
inline constexpr int Left = 0x01000012;
inline constexpr int Up = 0x01000013;
inline constexpr int Right = 0x01000014;
inline constexpr int Down = 0x01000015;
inline constexpr int PageUp = 0x01000016;
inline constexpr int PageDown = 0x01000017;
inline constexpr int F1 = 0x01000030;
} // namespace vk

struct TSynKeyStroke {
    EditorCommand command;
    int key;
    TShiftState shift;
};

// The key-binding table: one row per (key, shift state). A stroke that a row holds runs that
// row's command and goes no further.
class TSynKeyStrokes {
public:
    // The default bindings of every editor.
    TSynKeyStrokes();

    const std::vector<TSynKeyStroke>& rows() const { return rows_; }
    std::optional<EditorCommand> find(int key, TShiftState shift) const;
    // Adds a row, or rebinds the stroke when a row already holds it.
    void bind(EditorCommand command, int key, TShiftState shift);

private:
    std::vector<TSynKeyStroke> rows_;
};

} // namespace varlo
