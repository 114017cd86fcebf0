#pragma once

#include "editor/base/TColor.h"

// The default colours of the highlighters other than HTML, chosen to read well on the editor's
// light background and to mean the same in every language: a comment is green and italic in
// each of them, a keyword navy and bold, a string the blue of HTML values.
namespace varlo::palette {

inline constexpr TColor kComment = rgb(0x00, 0x80, 0x00);
inline constexpr TColor kKeyword = rgb(0x00, 0x00, 0x80);
inline constexpr TColor kNumber = rgb(0x00, 0x00, 0xFF);
inline constexpr TColor kString = rgb(0x00, 0x70, 0xDF);
inline constexpr TColor kError = rgb(0xFF, 0x00, 0x00);
inline constexpr TColor kDocumentation = rgb(0x00, 0x80, 0x80);
inline constexpr TColor kDirective = rgb(0x80, 0x80, 0x00);
inline constexpr TColor kEmbedded = rgb(0x80, 0x00, 0x00); // assembler, operators, events
inline constexpr TColor kVariable = rgb(0x80, 0x00, 0xFF); // also HTML's tag names

} // namespace varlo::palette
