#pragma once
// The six gauge glyphs (resource ids 181 to 186), black on white: c, π, ρ°, ρ′, ρ″ and √10.
// Their pictures are the XPM files res/gauge/gauge181.xpm ... gauge186.xpm, compiled in here as
// well, so the drawing code does not depend on which target carries the Qt resources.

#include <QImage>

// The glyph of resource id 181 to 186 (Format_RGB32); a null image for any other id.
QImage gaugeGlyph(int resourceId);
