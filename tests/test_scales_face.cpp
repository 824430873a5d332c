// The composed face: ticks, markers, glyphs and names at their canvas pixels, the end-for-end
// turn and the slide band kept between compositions of the same face.

#include "scales/face_colours.h"
#include "scales/face_composer.h"
#include "scales/gauge_glyphs.h"
#include "scales/graduation_drawing.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

namespace {
constexpr QRgb kBlack = qRgb(0, 0, 0);  // the gauge glyphs' ink, stamped with AND

const GraduationTables& tables()
{
    static const GraduationTables t = GraduationTables::build();
    return t;
}

QImage composed(int16_t slideRev)
{
    QImage canvas = newCanvas();
    Dc dc(canvas);
    FaceComposer composer;
    composer.compose(dc, tables(), FaceState{slideRev, 0});
    return canvas;
}

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }

bool boxHas(const QImage& image, const QRect& box, QRgb colour)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (at(image, x, y) == colour)
                return true;
    return false;
}

bool boxIsPlain(const QImage& image, const QRect& box)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (at(image, x, y) != colours::kFace)
                return false;
    return true;
}

struct PixelCase {
    int x, y;
    QRgb colour;
    const char* what;
};

// Front face. Scale lines: DF 33 (up), CF 35 (down), CIF 53 (down), CI 80 (up), C 100 (up),
// D 102 (down), A 132 (up), K 3 (down).
const PixelCase kFront[] = {
    {100, 104, colours::kInk, "D tick of 1"},
    {1144, 104, colours::kInk, "D tick of 3.14"},
    {2200, 104, colours::kInk, "D tick of 10"},
    {936, 108, colours::kInk, "D 2.5: the arrow-length tick is 7 pixels"},
    {936, 111, colours::kInk, "D 2.5: arrow point"},
    {934, 107, colours::kInk, "D 2.5: arrow barb left"},
    {938, 107, colours::kInk, "D 2.5: arrow barb right"},
    {1141, 107, kBlack, "D: π glyph's bar below 3.14"},
    {1147, 107, kBlack, "D: π glyph's bar below 3.14, right end"},
    {1141, 89, kBlack, "C: π glyph's bar above 3.14"},
    {209, 89, kBlack, "C: c glyph, top of its bowl (tick 211, nudged to 210)"},
    {97, 39, kBlack, "CF: √10 glyph's roof at the left index"},
    {106, 39, kBlack, "CF: √10 glyph's roof, right end"},
    {100, 37, colours::kInk, "CF: the √10 stroke at the left index"},
    {2197, 39, kBlack, "CF: √10 glyph at the right index"},
    {2194, 37, colours::kInk, "CF: last tick, 31.4"},
    {89, 55, colours::kGreen, "CIF: first tick, 3.2"},
    {1150, 55, colours::kGreen, "CIF: 10"},
    {2218, 55, colours::kGreen, "CIF: last tick, 3.1"},
    {100, 78, colours::kInk, "CI: 10 at the left index"},
    {2200, 78, colours::kInk, "CI: 1 at the right index"},
    {52, 31, colours::kInk, "DF: first tick, 3.0"},
    {2239, 31, colours::kInk, "DF: last tick, 3.3"},
    {800, 5, colours::kInk, "K: decade 10"},
    {2200, 5, colours::kInk, "K: 1000"},
    {1150, 130, colours::kInk, "A: decade 10"},
    {2200, 130, colours::kInk, "A: 100"},
    {0, 34, colours::kInk, "slide band outline"},
    {2300, 101, colours::kInk, "slide band outline, right end"},
    {1000, 60, colours::kFace, "slide face between CIF and CI"},
};

// Back face. Scale lines: TI2 52 (up), TI1 53 (down), L 80 (up), SI 100 (up).
const PixelCase kBack[] = {
    {100, 40, colours::kInk, "TI2: index line at 100 reaches the slide's top"},
    {2200, 40, colours::kInk, "TI2: index line at 2200"},
    {2155, 55, colours::kInk, "TI1: tick of 6°"},
    {2155, 61, colours::kInk, "TI1: dot beyond the tick a hair below 6°"},
    {100, 98, colours::kInk, "SI: 90°"},
    {2200, 98, colours::kInk, "SI: sin = 0.1"},
    {2160, 98, colours::kInk, "SI: 6° (a = 84)"},
    {100, 78, colours::kInk, "L: 1"},
    {1150, 78, colours::kInk, "L: .5"},
};

void expectPixels(const QImage& canvas, std::span<const PixelCase> cases)
{
    for (const PixelCase& c : cases)
        EXPECT_EQ(at(canvas, c.x, c.y), c.colour) << c.what << " at " << c.x << ", " << c.y;
}
}  // namespace

TEST(FaceComposition, FrontFaceTicksGlyphsAndColours)
{
    const QImage canvas = composed(0);
    expectPixels(canvas, kFront);
    EXPECT_TRUE(boxHas(canvas, QRect(90, 66, 21, 12), colours::kRed)) << "CI figure 10";
    EXPECT_TRUE(boxHas(canvas, QRect(1140, 56, 21, 10), colours::kGreen)) << "CIF figure 10";
    EXPECT_TRUE(boxHas(canvas, QRect(0, 52, 27, 12), colours::kGreen)) << "name CIF";
    EXPECT_TRUE(boxHas(canvas, QRect(0, 68, 27, 12), colours::kRed)) << "name CI";
    EXPECT_TRUE(boxHas(canvas, QRect(2230, 86, 68, 12), colours::kPlateGrey)) << "name plate";
    EXPECT_TRUE(boxHas(canvas, QRect(2230, 88, 70, 12), colours::kWhite)) << "name plate edge";
    EXPECT_TRUE(boxIsPlain(canvas, QRect(27, 36, 60, 14))) << "CF has nothing left of its √10 glyph";
}

TEST(FaceComposition, BackFaceTicksNamesAndPairFigures)
{
    const QImage canvas = composed(1);
    expectPixels(canvas, kBack);
    // Names right-aligned at x 27 and again left-aligned from x 2274, nothing beside them.
    for (int row : {36, 52, 68, 85}) {
        const QRect left(0, row, 27, 12), right(2274, row, 26, 12);
        EXPECT_FALSE(boxIsPlain(canvas, left)) << "name at row y " << row;
        EXPECT_FALSE(boxIsPlain(canvas, QRect(2274, row, 3, 12))) << "name starts at 2274, row y " << row;
        EXPECT_FALSE(boxIsPlain(canvas, right)) << "name at row y " << row;
    }
    EXPECT_TRUE(boxIsPlain(canvas, QRect(27, 35, 40, 66)));
    EXPECT_TRUE(boxIsPlain(canvas, QRect(2230, 35, 44, 66)));
    // SI: "90" at the left index; at stored angle 20 (x 157) "70・" in ink and a red 20 from x 162.
    EXPECT_FALSE(boxIsPlain(canvas, QRect(92, 86, 17, 11)));
    EXPECT_FALSE(boxHas(canvas, QRect(92, 86, 17, 11), colours::kRed));
    EXPECT_TRUE(boxHas(canvas, QRect(162, 86, 16, 11), colours::kRed));
    EXPECT_FALSE(boxHas(canvas, QRect(130, 86, 32, 11), colours::kRed));
    EXPECT_TRUE(boxHas(canvas, QRect(130, 86, 32, 11), colours::kInk));
}

TEST(FaceComposition, EndForEndIsTheBackFaceTurnedHalfARound)
{
    const QImage back = composed(1);
    const QImage turned = composed(3);
    for (int y = 35; y <= 100; ++y)
        for (int k = -99; k <= 2200; ++k)
            ASSERT_EQ(at(turned, 2200 - k, 135 - y), at(back, 100 + k, y)) << "k " << k << ", y " << y;
    for (int y = 35; y <= 100; ++y)
        ASSERT_EQ(at(turned, 2300, y), at(back, 2300, y)) << "the band's right outline stays, y " << y;
    for (int y : {0, 20, 34, 101, 120, 135})
        for (int x = 0; x < 2301; ++x)
            ASSERT_EQ(at(turned, x, y), at(back, x, y)) << "stator " << x << ", " << y;
}

TEST(FaceComposition, SameFaceAgainKeepsTheSlideBandAndRedrawsTheStator)
{
    QImage canvas = newCanvas();
    Dc dc(canvas);
    FaceComposer composer;
    std::vector<int16_t> refreshed;
    composer.setCaptionToolsRefresh([&](const FaceState& s) { refreshed.push_back(s.slideRev * 10 + s.sinNum); });

    // The stator's figures take the text colour the previous composition left: black on a new
    // canvas, ink afterwards. Start from a canvas that has been composed once.
    composer.compose(dc, tables(), FaceState{0, 0});
    composer.compose(dc, tables(), FaceState{1, 0});
    const QImage before = canvas.copy();
    dc.fillRect(0, 35, 2301, 101, Brush::solid(qRgb(1, 2, 3)));  // scribble over the slide
    dc.fillRect(0, 0, 2301, 35, Brush::solid(qRgb(1, 2, 3)));    // and over the stator bands
    dc.fillRect(0, 101, 2301, 136, Brush::solid(qRgb(1, 2, 3)));

    composer.compose(dc, tables(), FaceState{1, 1});
    for (int y = 35; y <= 100; y += 13)
        EXPECT_EQ(at(canvas, 500, y), qRgb(1, 2, 3)) << "slide row " << y << " left alone";
    for (int y : {0, 10, 34, 101, 120, 135})
        for (int x = 0; x < 2301; ++x)
            ASSERT_EQ(at(canvas, x, y), at(before, x, y)) << "stator " << x << ", " << y;

    composer.compose(dc, tables(), FaceState{3, 1});
    EXPECT_NE(at(canvas, 500, 60), qRgb(1, 2, 3)) << "a new face redraws the slide";
    EXPECT_EQ(composer.composedSlideFace(), 3);
    EXPECT_EQ(refreshed, (std::vector<int16_t>{0, 10, 11, 31}));
    EXPECT_EQ(at(canvas, 2400, 60), qRgb(0, 0, 0)) << "columns right of the face stay as the new canvas was";
}

TEST(FaceComposition, TickLeftOfTheLimitIsSkippedButCounted)
{
    QImage image = newCanvas();
    Dc dc(image);
    dc.fillRect(0, 0, 2501, 136, Brush::solid(colours::kFace));
    dc.selectPen(Pen::solid(colours::kInk));
    dc.setBackgroundMode(BackgroundMode::Transparent);
    dc.setTextAlign(TextAlign::Centre | TextAlign::Baseline);
    // D's walk with its origin 50 pixels left of the limit: marks 0 to 5 (1.00 to 1.05) fall left.
    drawScale(dc, tables(), ScaleCall{ScaleKind::LogForwardDown, 0, 350, 100, 2301, 20, 50});
    EXPECT_TRUE(boxIsPlain(image, QRect(0, 0, 100, 136)));
    EXPECT_EQ(at(image, 100 - 50 + 53, 22), colours::kInk) << "1.06 is drawn";
    EXPECT_EQ(at(image, 2150, 22), colours::kInk) << "the walk still ends with 10";
    EXPECT_EQ(dc.textAlign(), TextAlign::Centre | TextAlign::Baseline);
}

TEST(GaugeGlyphs, CompiledPicturesAreTheResourceFiles)
{
    for (int id = 181; id <= 186; ++id) {
        const QImage resource(QStringLiteral(":/res/gauge/gauge%1.xpm").arg(id));
        ASSERT_FALSE(resource.isNull()) << id;
        EXPECT_EQ(resource.convertToFormat(QImage::Format_RGB32), gaugeGlyph(id)) << id;
    }
    EXPECT_EQ(gaugeGlyph(186).size(), QSize(15, 9));
}
