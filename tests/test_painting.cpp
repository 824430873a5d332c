// Painting of the rule through a real window: which canvas column each client x
// shows, the hairline, the cursor frame, the follows, the slide's ends in the cursor view and
// the partial repaint. Pixels are read from the window's own image (ClientArea::image()).

#include "app/settings.h"
#include "scales/face_colours.h"
#include "ui/resources.h"
#include "window/client_area.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <memory>

namespace {
using testsupport::makeWindow;
using testsupport::showWindow;

// The three bands of every view: client y, height and the canvas y they come from.
struct Band {
    const char* name;
    int clientY;
    int height;
    int canvasY;
};
constexpr Band kUpper{"upper stator", 40, 33, 1};
constexpr Band kSlide{"slide", 74, 66, 35};
constexpr Band kLower{"lower stator", 141, 33, 102};

// Colours without their alpha byte, as the image's pixels are compared.
constexpr QRgb rgb(QRgb pixel) { return pixel & 0xffffffu; }

struct PaintingTest : testing::Test {
    void open(int cxSize)
    {
        g_settings.CxSize = static_cast<int16_t>(cxSize);
        window = makeWindow();
        ASSERT_TRUE(showWindow(*window));
        QApplication::processEvents();
        h = cxSize / 2;
    }
    // A paint as a handler's invalidation brings it: the paint event of the client area.
    void paint()
    {
        QApplication::processEvents();
        window->clientArea()->repaint();
    }
    void place(int32_t slidePos, int32_t cursorPos)
    {
        g_settings.SlidePos = slidePos;
        g_settings.CursorPos = cursorPos;
        paint();
    }
    const QImage& image() const { return window->clientArea()->image(); }
    QRgb pixel(int x, int y) const { return rgb(image().pixel(x, y)); }

    // Client column x shows canvas column canvasX over the whole height of the band.
    testing::AssertionResult shows(int x, const Band& band, int canvasX) const
    {
        const QImage& canvas = window->canvas();
        for (int j = 0; j < band.height; ++j) {
            if (pixel(x, band.clientY + j) != rgb(canvas.pixel(canvasX, band.canvasY + j)))
                return testing::AssertionFailure() << "client x " << x << " is not canvas x " << canvasX << " in the "
                                                   << band.name << " band (row " << band.clientY + j << ")";
        }
        return testing::AssertionSuccess();
    }
    // Every column of a view of `width` from client x shows the canvas from canvasX on.
    testing::AssertionResult showsRun(int x, int width, const Band& band, int canvasX) const
    {
        for (int i = 0; i < width; ++i)
            if (auto result = shows(x + i, band, canvasX + i); !result)
                return result;
        return testing::AssertionSuccess();
    }
    // Client column x of the slide band shows the window's background pattern.
    testing::AssertionResult showsBackground(int x) const
    {
        const QImage pattern = resources::loadMappedBitmap(132, QGuiApplication::palette())
                                   .convertToFormat(QImage::Format_RGB32);
        for (int y = kSlide.clientY; y < kSlide.clientY + kSlide.height; ++y)
            if (pixel(x, y) != rgb(pattern.pixel(x % pattern.width(), y % pattern.height())))
                return testing::AssertionFailure() << "client x " << x << " row " << y << " is not background";
        return testing::AssertionSuccess();
    }

    std::unique_ptr<CMainWindow> window;
    int h = 0;
};

// Home position: the views' copy geometry, the indexes, the hairline over the square root of 10.
TEST_F(PaintingTest, HomePositionAtBothWidths)
{
    for (int w : {0, 255}) {
        SCOPED_TRACE(w);
        open(w);
        place(3150000, 3150000);
        for (const Band& band : {kUpper, kSlide, kLower}) {
            EXPECT_TRUE(showsRun(88, 129 + h, band, 69));               // left view
            EXPECT_TRUE(showsRun(279 + h, 66, band, 1084));             // cursor view, left part
            EXPECT_TRUE(showsRun(346 + h, 69, band, 1151));             // cursor view, right part
            EXPECT_TRUE(showsRun(418 + h, 128 + w - h, band, 2101 + h - w));  // right view
            // the slide's and the stator's indexes
            EXPECT_TRUE(shows(119, band, 100));
            EXPECT_TRUE(shows(517 + w, band, 2200));
        }
        // the index ticks of D and C themselves
        for (int y : {136, 139, 141, 144}) {
            EXPECT_EQ(pixel(119, y), rgb(colours::kInk)) << y;
            EXPECT_NE(pixel(118, y), rgb(colours::kInk)) << y;
            EXPECT_NE(pixel(120, y), rgb(colours::kInk)) << y;
        }
        // the hairline, from the face's top outline row to its bottom one, inside the cursor frame
        for (int y = 39; y <= 174; ++y)
            EXPECT_EQ(pixel(345 + h, y), rgb(colours::kHairline)) << y;
        EXPECT_EQ(pixel(345 + h, 38), rgb(colours::kCursorFrame));
        EXPECT_EQ(pixel(345 + h, 175), rgb(colours::kCursorFrame));
        // the triple line between the hairline column and the cursor view
        for (int x = 276 + h; x <= 278 + h; ++x)
            EXPECT_EQ(pixel(x, 100), rgb(colours::kCursorFrame)) << x;
        // outlines of the face and the slide
        for (int y : {39, 73, 140, 174})
            EXPECT_EQ(pixel(150, y), rgb(colours::kInk)) << y;
    }
}

// The left view follows the slide once it stands more than 30 pixels right of home, the right
// view once it stands more than 30 pixels left of home.
TEST_F(PaintingTest, IndexViewsFollowTheSlide)
{
    open(255);
    const int w = 255;
    struct Case {
        int32_t slidePos;
        int leftStator, leftSlide;    // canvas x at client x 88
        int rightStator, rightSlide;  // canvas x at client x 418 + h, less (h - W)
    } cases[] = {
        {3058500, 69, 39, 2101, 2071},  // slide shift -30: the exact half goes up; no follow yet
        {3058499, 70, 39, 2101, 2070},  // slide shift -31: the left view follows
        {3000000, 89, 39, 2101, 2051},  // further right: the slide stays where it is in the view
        {3241499, 69, 99, 2101, 2131},  // slide shift 30: no follow yet
        {3241500, 69, 100, 2100, 2131},  // slide shift 31: the right view follows
        {3300000, 69, 119, 2081, 2131},  // further left: the slide stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slidePos);
        place(c.slidePos, 3150000);
        EXPECT_TRUE(showsRun(88, 129 + h, kUpper, c.leftStator));
        EXPECT_TRUE(showsRun(88, 129 + h, kLower, c.leftStator));
        EXPECT_TRUE(showsRun(88, 129 + h, kSlide, c.leftSlide));
        const int shift = h - w;
        EXPECT_TRUE(showsRun(418 + h, 128 + w - h, kUpper, c.rightStator + shift));
        EXPECT_TRUE(showsRun(418 + h, 128 + w - h, kLower, c.rightStator + shift));
        EXPECT_TRUE(showsRun(418 + h, 128 + w - h, kSlide, c.rightSlide + shift));
    }
    // While following, the slide keeps its place: its left index at client x 149.
    place(3000000, 3150000);
    EXPECT_TRUE(shows(149, kSlide, 100));
    place(3300000, 3150000);
    EXPECT_TRUE(shows(487 + w, kSlide, 2200));
}

// The slide's ends entering the cursor view: background beyond the end.
TEST_F(PaintingTest, SlideEndsInTheCursorView)
{
    open(255);
    const int first = 279 + h, last = 414 + h;
    // Reading column r needs SlidePos + CursorPos = (r + 1050) × 3000.
    auto atReadingColumn = [&](int r, int32_t cursorPos) { place((r + 1050) * 3000 - cursorPos, cursorPos); };

    atReadingColumn(-34, 0);
    EXPECT_TRUE(showsRun(first, 66, kSlide, 0));  // canvas column 0 at the view's left edge
    EXPECT_TRUE(showsRun(346 + h, 69, kSlide, 67));

    atReadingColumn(-35, 0);
    EXPECT_TRUE(showsBackground(first));
    EXPECT_TRUE(showsRun(first + 1, 65, kSlide, 0));
    EXPECT_TRUE(showsRun(346 + h, 69, kSlide, 66));
    EXPECT_TRUE(shows(first, kUpper, 34));  // the stator is there whatever the slide does

    atReadingColumn(-200, 0);  // the slide is beyond the whole view
    for (int x = first; x <= last; ++x) {
        if (x != 345 + h) {
            EXPECT_TRUE(showsBackground(x));
        }
    }

    atReadingColumn(2130, 6300000);
    EXPECT_TRUE(shows(last, kSlide, 2299));
    EXPECT_TRUE(showsRun(first, 66, kSlide, 2164));

    atReadingColumn(2131, 6300000);
    EXPECT_TRUE(showsRun(first, 66, kSlide, 2165));
    EXPECT_TRUE(showsRun(346 + h, 69, kSlide, 2232));
    EXPECT_TRUE(shows(last, kSlide, 2300));

    atReadingColumn(2132, 6300000);
    EXPECT_TRUE(shows(last - 1, kSlide, 2300));
    EXPECT_TRUE(showsBackground(last));
}

// A paint prepared for the cursor alone copies no index view; one for the slide alone leaves
// the cursor view's stator as it was.
TEST_F(PaintingTest, PartialRepaintCopiesOnlyWhatTheMaskNames)
{
    open(255);
    place(3150000, 3150000);
    const QImage before = image().copy();
    auto sameRect = [&](const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (rgb(before.pixel(x, y)) != pixel(x, y))
                    return false;
        return true;
    };
    const QRect leftView(88, 40, 129 + h, 134), rightView(418 + h, 40, 128 + 255 - h, 134);
    const QRect cursorView(279 + h, 40, 136, 134);

    // The slide and the cursor both moved, but the mask names only the cursor.
    g_settings.SlidePos = 3150000 - 60000;
    g_settings.CursorPos = 3150000 + 60000;
    window->m_repaintMask = 2;
    paint();
    EXPECT_TRUE(sameRect(leftView));
    EXPECT_TRUE(sameRect(rightView));
    EXPECT_FALSE(sameRect(cursorView));
    EXPECT_EQ(window->m_repaintMask, 7);
    EXPECT_EQ(window->m_paintedSlidePos, g_settings.SlidePos);
    EXPECT_EQ(window->m_paintedCursorPos, g_settings.CursorPos);

    // Now the slide alone: its views follow, the cursor view's stator stays.
    const QImage afterCursor = image().copy();
    g_settings.SlidePos = 3150000 + 60000;
    window->m_repaintMask = 1;
    paint();
    EXPECT_TRUE(shows(88, kSlide, 69 + 20));
    bool statorKept = true;
    for (int x = 279 + h; x < 279 + h + 66; ++x)
        for (int y = kUpper.clientY; y < kUpper.clientY + kUpper.height; ++y)
            statorKept = statorKept && rgb(afterCursor.pixel(x, y)) == pixel(x, y);
    EXPECT_TRUE(statorKept);
}

// Focus follow rule at the start of every paint.
TEST_F(PaintingTest, FocusFollowsTheAvailableIndex)
{
    open(0);
    struct Case {
        int32_t slidePos;
        int16_t focus, expected;
    } cases[] = {{2549999, 14, 2}, {2550000, 14, 14}, {3750000, 2, 2}, {3750001, 2, 14}, {3150000, 11, 11}};
    for (const Case& c : cases) {
        g_settings.NumFoucs = c.focus;
        place(c.slidePos, 3150000);
        EXPECT_EQ(g_settings.NumFoucs, c.expected) << c.slidePos;
    }
}

// The bar labels carry a white edge two pixels to their lower right.
TEST_F(PaintingTest, BarLabelsWithWhiteEdge)
{
    open(0);
    paint();
    const QRgb text = rgb(QGuiApplication::palette().color(QPalette::ButtonText).rgb());
    for (int top : {192, 229}) {
        bool hasText = false, hasEdge = false;
        for (int y = top; y < top + 16; ++y)
            for (int x = 12; x < 70; ++x) {
                hasText = hasText || pixel(x, y) == text;
                hasEdge = hasEdge || pixel(x, y) == rgb(colours::kWhite);
            }
        EXPECT_TRUE(hasText) << top;
        EXPECT_TRUE(hasEdge) << top;
    }
    EXPECT_TRUE(window->m_paintedOnce);
}

}  // namespace
