#include "scales/gauge_glyphs.h"

namespace {
#include "../../res/gauge/gauge181.xpm"
#include "../../res/gauge/gauge182.xpm"
#include "../../res/gauge/gauge183.xpm"
#include "../../res/gauge/gauge184.xpm"
#include "../../res/gauge/gauge185.xpm"
#include "../../res/gauge/gauge186.xpm"

const char* const* const kPictures[] = {gauge181_xpm, gauge182_xpm, gauge183_xpm,
                                        gauge184_xpm, gauge185_xpm, gauge186_xpm};
}  // namespace

QImage gaugeGlyph(int resourceId)
{
    if (resourceId < 181 || resourceId > 186)
        return {};
    return QImage(kPictures[resourceId - 181]).convertToFormat(QImage::Format_RGB32);
}
