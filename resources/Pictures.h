#pragma once

// The pictures that the windows show, from the program's resources.

#include <QIcon>
#include <QImage>

namespace varlo {

enum class ButtonGlyph { Tick, Cross, Ok };

// A button's two-state glyph: the normal picture and the greyed one shown while the button is
// disabled.
QIcon ButtonGlyphIcon(ButtonGlyph glyph);
// The about window's picture, 450 x 250, 24 bits a pixel.
QImage AboutPicture();
// The program's icon for its windows.
QIcon ProgramIcon();

} // namespace varlo
