#pragma once
// The colour table of the face: ten constant colours, shared by the face, the painter,
// the readout and the caption tooltip.

#include <QColor>

namespace colours {
inline constexpr QRgb kFace = qRgb(240, 240, 240);              // stator and slide bands; tooltip ground
inline constexpr QRgb kReadoutBackground = qRgb(192, 192, 192);  // readout text background
inline constexpr QRgb kCursorFrame = qRgb(128, 128, 128);       // pen of the cursor frame
inline constexpr QRgb kPlateGrey = qRgb(128, 128, 128);         // name plate text
inline constexpr QRgb kInk = qRgb(16, 16, 16);                  // ticks, outlines, names, dots
inline constexpr QRgb kRed = qRgb(240, 0, 0);                   // CI, complementary angles, readout
inline constexpr QRgb kGreen = qRgb(0, 128, 0);                 // CIF, readout
inline constexpr QRgb kHairline = qRgb(240, 0, 0);              // pen of the hairline
inline constexpr QRgb kBlue = qRgb(0, 0, 240);                  // readout
inline constexpr QRgb kWhite = qRgb(255, 255, 255);             // name plate and bar label highlights
}  // namespace colours
