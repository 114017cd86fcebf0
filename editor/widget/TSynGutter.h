#pragma once

#include "editor/base/TColor.h"

#include <QFont>

namespace varlo {

// The margin left of the text: line numbers, bookmark glyphs, an optional gradient and the
// two border lines. Plain settings; the editor lays out and repaints when they are assigned.
struct TSynGutter {
    bool Visible = true;
    QFont Font = QFont(QStringLiteral("Courier New"), 8);
    TColor FontColor = clWindowText;
    // Line numbers in the gutter's own font and colour; false: in the text font.
    bool UseFontStyle = true;
    TColor Color = clBtnFace;
    // Used only while line numbers are off.
    int Width = 30;
    bool ShowLineNumbers = false;
    int DigitCount = 4;
    int LeftOffset = 16;
    int RightOffset = 2;
    bool LeadingZeros = false;
    int LineNumberStart = 1;
    bool AutoSize = false;
    TColor BorderColor = clWindow;
    bool Gradient = false;
    TColor GradientStartColor = clWindow;
    TColor GradientEndColor = clBtnFace;
    int GradientSteps = 48;
};

} // namespace varlo
