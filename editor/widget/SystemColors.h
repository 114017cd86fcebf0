#pragma once

#include "editor/base/TColor.h"

#include <QColor>

namespace varlo {

// Resolves a colour for drawing: RGB values as they are, system colours (top bit set) through
// the application palette. clNone and clDefault give an invalid QColor, so callers can tell
// "no colour of its own" apart.
QColor toQColor(TColor color);

// The same colour as a 0x00BBGGRR value (system colours resolved; clNone stays clNone).
TColor resolveColor(TColor color);

// A QColor as a TColor (alpha dropped).
TColor fromQColor(const QColor& color);

} // namespace varlo
