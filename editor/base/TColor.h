#pragma once

#include <cstdint>

namespace varlo {

// A colour as the toolkit stores it: 0x00BBGGRR for an RGB value, or a system colour: the top
// bit set and the role's index in the low byte. System colours are resolved to RGB only where
// something is drawn (the widget's palette mapping) or written out (ColorToHtml).
using TColor = std::int32_t;

inline constexpr TColor rgb(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int redOf(TColor c) {
    return c & 0xFF;
}
inline constexpr int greenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
inline constexpr int blueOf(TColor c) {
    return (c >> 16) & 0xFF;
}

inline constexpr TColor kSystemColorBit = static_cast<TColor>(0x80000000u);
inline constexpr bool isSystemColor(TColor c) {
    return (c & kSystemColorBit) != 0;
}
inline constexpr int systemColorIndex(TColor c) {
    return c & 0xFF;
}

inline constexpr TColor clNone = 0x1FFFFFFF; // "no colour": the attribute has none of its own
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clScrollBar = kSystemColorBit | 0;
inline constexpr TColor clBackground = kSystemColorBit | 1;
inline constexpr TColor clActiveCaption = kSystemColorBit | 2;
inline constexpr TColor clInactiveCaption = kSystemColorBit | 3;
inline constexpr TColor clMenu = kSystemColorBit | 4;
inline constexpr TColor clWindow = kSystemColorBit | 5;
inline constexpr TColor clWindowFrame = kSystemColorBit | 6;
inline constexpr TColor clMenuText = kSystemColorBit | 7;
inline constexpr TColor clWindowText = kSystemColorBit | 8;
inline constexpr TColor clCaptionText = kSystemColorBit | 9;
inline constexpr TColor clActiveBorder = kSystemColorBit | 10;
inline constexpr TColor clInactiveBorder = kSystemColorBit | 11;
inline constexpr TColor clAppWorkSpace = kSystemColorBit | 12;
inline constexpr TColor clHighlight = kSystemColorBit | 13;
inline constexpr TColor clHighlightText = kSystemColorBit | 14;
inline constexpr TColor clBtnFace = kSystemColorBit | 15;
inline constexpr TColor clBtnShadow = kSystemColorBit | 16;
inline constexpr TColor clGrayText = kSystemColorBit | 17;
inline constexpr TColor clBtnText = kSystemColorBit | 18;
inline constexpr TColor clInactiveCaptionText = kSystemColorBit | 19;
inline constexpr TColor clBtnHighlight = kSystemColorBit | 20;
inline constexpr TColor clInfoText = kSystemColorBit | 23;
inline constexpr TColor clInfoBk = kSystemColorBit | 24;
inline constexpr TColor clHotLight = kSystemColorBit | 26;
inline constexpr TColor clGradientActiveCaption = kSystemColorBit | 27;
inline constexpr TColor clGradientInactiveCaption = kSystemColorBit | 28;
inline constexpr TColor clMenuHighlight = kSystemColorBit | 29;
inline constexpr TColor clMenuBar = kSystemColorBit | 30;

// The standard named colours.
inline constexpr TColor clBlack = rgb(0x00, 0x00, 0x00);
inline constexpr TColor clMaroon = rgb(0x80, 0x00, 0x00);
inline constexpr TColor clGreen = rgb(0x00, 0x80, 0x00);
inline constexpr TColor clOlive = rgb(0x80, 0x80, 0x00);
inline constexpr TColor clNavy = rgb(0x00, 0x00, 0x80);
inline constexpr TColor clPurple = rgb(0x80, 0x00, 0x80);
inline constexpr TColor clTeal = rgb(0x00, 0x80, 0x80);
inline constexpr TColor clGray = rgb(0x80, 0x80, 0x80);
inline constexpr TColor clSilver = rgb(0xC0, 0xC0, 0xC0);
inline constexpr TColor clRed = rgb(0xFF, 0x00, 0x00);
inline constexpr TColor clLime = rgb(0x00, 0xFF, 0x00);
inline constexpr TColor clYellow = rgb(0xFF, 0xFF, 0x00);
inline constexpr TColor clBlue = rgb(0x00, 0x00, 0xFF);
inline constexpr TColor clFuchsia = rgb(0xFF, 0x00, 0xFF);
inline constexpr TColor clAqua = rgb(0x00, 0xFF, 0xFF);
inline constexpr TColor clWhite = rgb(0xFF, 0xFF, 0xFF);
inline constexpr TColor clSkyBlue = rgb(0xA6, 0xCA, 0xF0);

} // namespace varlo
