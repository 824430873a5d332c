// The Windows pixel rules of Dc, each shown on a tiny image.

#include "platform/dc.h"

#include <gtest/gtest.h>

namespace {
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kInk = qRgb(16, 16, 16);
constexpr QRgb kFill = qRgb(240, 240, 240);
constexpr QRgb kGrey = qRgb(192, 192, 192);

QImage blank(int w, int h, QRgb colour = kWhite)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }

// The pixels of colour `colour` in the image, as "x,y" texts in row order.
std::vector<std::string> pixelsOf(const QImage& image, QRgb colour)
{
    std::vector<std::string> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == colour)
                found.push_back(std::to_string(x) + "," + std::to_string(y));
    return found;
}
}  // namespace

TEST(Dc, LineStopsOnePixelBeforeItsEnd)
{
    QImage image = blank(8, 8);
    Dc dc(image);
    dc.selectPen(Pen::solid(kInk));
    dc.line(1, 1, 4, 1);  // right
    dc.line(6, 6, 6, 3);  // up
    dc.line(1, 3, 3, 5);  // diagonal
    EXPECT_EQ(pixelsOf(image, kInk), (std::vector<std::string>{"1,1", "2,1", "3,1", "1,3", "2,4", "6,4", "6,5", "6,6"}));
}

TEST(Dc, ArrowShapedLinesRoundToTheNearestPixel)
{
    QImage image = blank(5, 6);
    Dc dc(image);
    dc.selectPen(Pen::solid(kInk));
    dc.line(2, 5, 0, 0);  // 5 steps up, 2 to the left
    EXPECT_EQ(pixelsOf(image, kInk), (std::vector<std::string>{"0,1", "1,2", "1,3", "2,4", "2,5"}));
}

TEST(Dc, RectangleWithPenOutlinesAndFillsUpToRightAndBottomMinusOne)
{
    QImage image = blank(6, 6);
    Dc dc(image);
    dc.selectPen(Pen::solid(kInk));
    dc.selectBrush(Brush::solid(kFill));
    dc.rectangle(1, 1, 5, 4);
    const char* expected[] = {"......", ".####.", ".#oo#.", ".####.", "......", "......"};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const QRgb want = expected[y][x] == '#' ? kInk : expected[y][x] == 'o' ? kFill : kWhite;
            EXPECT_EQ(at(image, x, y), want) << x << "," << y;
        }
}

TEST(Dc, NullPenRectangleFillsOnePixelShortAndFillRectDoesNot)
{
    QImage image = blank(6, 6);
    Dc dc(image);
    dc.selectPen(Pen::null());
    dc.selectBrush(Brush::solid(kFill));
    dc.rectangle(1, 1, 4, 4);  // fills 1..2 × 1..2
    EXPECT_EQ(pixelsOf(image, kFill), (std::vector<std::string>{"1,1", "2,1", "1,2", "2,2"}));

    QImage other = blank(6, 6);
    Dc dc2(other);
    dc2.fillRect(1, 1, 4, 3, Brush::solid(kFill));  // fills 1..3 × 1..2
    EXPECT_EQ(pixelsOf(other, kFill), (std::vector<std::string>{"1,1", "2,1", "3,1", "1,2", "2,2", "3,2"}));
}

TEST(Dc, AndCopyKeepsTheFaceUnderWhiteAndMakesBlackBlack)
{
    QImage face = blank(3, 1, kFill);
    face.setPixel(2, 0, qRgb(0, 128, 0));
    QImage glyph = blank(3, 1);
    glyph.setPixel(1, 0, kBlack);
    glyph.setPixel(2, 0, qRgb(255, 0, 255));
    Dc dc(face);
    dc.copy(0, 0, 3, 1, glyph, 0, 0, RasterOp::And);
    EXPECT_EQ(at(face, 0, 0), kFill);
    EXPECT_EQ(at(face, 1, 0), kBlack);
    EXPECT_EQ(at(face, 2, 0), qRgb(0, 0, 0));  // green AND magenta
}

TEST(Dc, NegativeExtentsMirrorInBothDirections)
{
    QImage source(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, qRgb(10 * x, 100 + y, 0));
    QImage target = blank(5, 4);
    Dc dc(target);
    // Source origin at its bottom-right pixel, both extents negative: a half turn.
    dc.stretchCopy(1, 1, 3, 2, source, 2, 1, -3, -2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(at(target, 1 + x, 1 + y), source.pixel(2 - x, 1 - y) | 0xff000000u) << x << "," << y;
    EXPECT_EQ(at(target, 0, 1), kWhite);
    EXPECT_EQ(at(target, 4, 2), kWhite);
    EXPECT_EQ(at(target, 1, 3), kWhite);
}

TEST(Dc, PlainCopyWithinOneImageReadsTheOldPixels)
{
    QImage image = blank(4, 1);
    image.setPixel(0, 0, kInk);
    Dc dc(image);
    dc.copy(1, 0, 3, 1, dc, 0, 0);  // overlapping: a shift right by one
    EXPECT_EQ(pixelsOf(image, kInk), (std::vector<std::string>{"0,0", "1,0"}));
}

TEST(Dc, ClippingRectangleLimitsEveryDrawing)
{
    QImage image = blank(20, 20);
    Dc dc(image);
    dc.setClipRect(5, 5, 10, 10);
    dc.selectPen(Pen::solid(kInk));
    dc.line(0, 7, 20, 7);
    dc.fillRect(0, 0, 20, 3, Brush::solid(kFill));
    dc.setPixel(12, 12, kInk);
    QImage glyphs = blank(20, 20, kBlack);
    dc.copy(0, 0, 20, 20, glyphs, 0, 0, RasterOp::And);
    dc.setBackgroundMode(BackgroundMode::Opaque);
    dc.setBackgroundColour(kGrey);
    dc.textOut(0, 0, QStringLiteral("WWW"));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            if (x < 5 || x >= 10 || y < 5 || y >= 10) {
                EXPECT_EQ(at(image, x, y), kWhite) << x << "," << y;
            }
        }
    EXPECT_NE(at(image, 9, 9), kWhite);
}

TEST(Dc, OpaqueTextFillsItsCellAndNothingElse)
{
    QImage image = blank(60, 30);
    Dc dc(image);
    dc.setBackgroundMode(BackgroundMode::Opaque);
    dc.setBackgroundColour(kGrey);
    dc.setTextColour(kInk);
    dc.setTextAlign(TextAlign::Right | TextAlign::Top);
    dc.textOut(50, 5, QStringLiteral("12.5"));
    const QSize cell = dc.textExtent(QStringLiteral("12.5"));
    ASSERT_GT(cell.width(), 10);
    EXPECT_EQ(cell.height(), 14);  // Arial 12: ascent 11 + descent 3
    const QRect box(50 - cell.width(), 5, cell.width(), cell.height());
    bool inked = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const QRgb p = at(image, x, y);
            if (!box.contains(x, y)) {
                EXPECT_EQ(p, kWhite) << x << "," << y;
                continue;
            }
            EXPECT_TRUE(p == kGrey || p == kInk) << x << "," << y;  // crisp: no blended pixel
            inked = inked || p == kInk;
        }
    EXPECT_TRUE(inked);
    EXPECT_EQ(at(image, box.left(), box.top()), kGrey);
    EXPECT_EQ(at(image, box.right(), box.bottom()), kGrey);
}

TEST(Dc, TransparentTextOnTheBaselineLeavesTheGround)
{
    QImage image = blank(40, 30, kFill);
    Dc dc(image);
    dc.setBackgroundMode(BackgroundMode::Transparent);
    dc.setTextColour(kInk);
    dc.setTextAlign(TextAlign::Centre | TextAlign::Baseline);
    dc.textOut(20, 20, QStringLiteral("8"));
    int top = 30, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = at(image, x, y);
            EXPECT_TRUE(p == kFill || p == kInk) << x << "," << y;
            if (p == kInk) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    EXPECT_EQ(bottom, 19);  // the digit sits on the baseline
    EXPECT_GE(top, 20 - 11);
}
