#pragma once
// A device context in the manner of the Windows GDI, drawing into a QImage (Format_RGB32).
// It keeps the Windows pixel rules that the face, the painter and the readout rely on:
//
//  - a line from A to B draws A and stops one pixel before B (moveTo / lineTo);
//  - rectangle() outlines left..right-1, top..bottom-1 with the pen and fills the inside with
//    the brush; with the null pen it fills left..right-2, top..bottom-2;
//  - fillRect() fills left..right-1, top..bottom-1;
//  - textOut() aligns left / centre / right at the top or the baseline; an opaque background
//    fills the text's cell (advance width × ascent + descent);
//  - copies are plain, AND (white leaves the destination, black stays black) or mirrored by
//    negative extents;
//  - a clipping rectangle limits every drawing.
//
// Every coordinate is an integer pixel of the target image. Antialiasing is always off.
// Like a GDI device context, a Dc keeps its selected pen, brush, font, colours and alignment
// between drawings; select...() returns what was selected before, so it can be put back.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

struct Pen {
    enum class Style { Solid, Null };
    Style style = Style::Solid;
    QRgb colour = qRgb(0, 0, 0);  // one pixel wide

    static Pen solid(QRgb colour) { return {Style::Solid, colour}; }
    static Pen null() { return {Style::Null, 0}; }
};

struct Brush {
    enum class Style { Solid, Null, Pattern };
    Style style = Style::Solid;
    QRgb colour = qRgb(255, 255, 255);
    QImage pattern;  // Pattern: tiled from the image's (0, 0)

    static Brush solid(QRgb colour) { return {Style::Solid, colour, {}}; }
    static Brush null() { return {Style::Null, 0, {}}; }
    static Brush fromPattern(const QImage& image)
    {
        return {Style::Pattern, 0, image.convertToFormat(QImage::Format_RGB32)};
    }
};

struct Font {
    QString face = QStringLiteral("Arial");
    int height = 12;    // character height in pixels
    int weight = 400;   // 400 normal, 700 bold
};

// The Qt font a Dc draws a Font with: pixel size, no antialiasing, full hinting, no kerning.
QFont qtFont(const Font& font);

// Text alignment flags, with the values of the Windows TA_ constants.
namespace TextAlign {
inline constexpr unsigned Left = 0;
inline constexpr unsigned Right = 2;
inline constexpr unsigned Centre = 6;
inline constexpr unsigned Top = 0;
inline constexpr unsigned Bottom = 8;
inline constexpr unsigned Baseline = 24;
}  // namespace TextAlign

enum class BackgroundMode { Transparent, Opaque };

enum class RasterOp {
    Copy,  // the source replaces the destination
    And,   // destination AND source, bit by bit
};

class Dc {
public:
    // Draws into `target`, which must outlive the Dc; it is converted to Format_RGB32 if needed.
    explicit Dc(QImage& target);

    QImage& image() { return *m_image; }
    const QImage& image() const { return *m_image; }

    // Selected objects and attributes; each returns the previous one.
    Pen selectPen(const Pen& pen);
    Brush selectBrush(const Brush& brush);
    Font selectFont(const Font& font);
    QRgb setTextColour(QRgb colour);
    QRgb setBackgroundColour(QRgb colour);
    BackgroundMode setBackgroundMode(BackgroundMode mode);
    unsigned setTextAlign(unsigned align);

    const Pen& pen() const { return m_pen; }
    const Brush& brush() const { return m_brush; }
    const Font& font() const { return m_font; }
    QRgb textColour() const { return m_textColour; }
    unsigned textAlign() const { return m_textAlign; }

    // Clipping rectangle (right and bottom excluded); every drawing stays inside it.
    void setClipRect(int left, int top, int right, int bottom);
    void clearClip();

    // Lines with the current pen, end point excluded.
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2)
    {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }

    void rectangle(int left, int top, int right, int bottom);
    void fillRect(int left, int top, int right, int bottom, const Brush& brush);
    void setPixel(int x, int y, QRgb colour);

    // Text at the reference point (x, y) with the current alignment, font and colours.
    void textOut(int x, int y, const QString& text);
    // The text's cell: advance width × (ascent + descent) of the current font.
    QSize textExtent(const QString& text) const;

    // Block copies. copy() takes w × h pixels from (sx, sy) of the source to (x, y).
    void copy(int x, int y, int w, int h, const QImage& source, int sx, int sy,
              RasterOp op = RasterOp::Copy);
    void copy(int x, int y, int w, int h, const Dc& source, int sx, int sy, RasterOp op = RasterOp::Copy)
    {
        copy(x, y, w, h, source.image(), sx, sy, op);
    }
    // Stretched copy. A negative extent runs from its origin towards smaller coordinates,
    // the origin included; when a source and a destination extent differ in sign the picture
    // is mirrored in that direction. Different magnitudes scale by nearest pixel.
    void stretchCopy(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw, int sh,
                     RasterOp op = RasterOp::Copy);
    void stretchCopy(int x, int y, int w, int h, const Dc& source, int sx, int sy, int sw, int sh,
                     RasterOp op = RasterOp::Copy)
    {
        stretchCopy(x, y, w, h, source.image(), sx, sy, sw, sh, op);
    }

private:
    QRect clip() const;  // clipping rectangle within the image
    void fillSpan(int left, int top, int right, int bottom, const Brush& brush);  // right, bottom excluded
    void plot(int x, int y, QRgb colour, const QRect& clip);

    QImage* m_image;
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    QRgb m_textColour = qRgb(0, 0, 0);
    QRgb m_backgroundColour = qRgb(255, 255, 255);
    BackgroundMode m_backgroundMode = BackgroundMode::Opaque;
    unsigned m_textAlign = TextAlign::Left | TextAlign::Top;
    QPoint m_current;
    bool m_clipped = false;
    QRect m_clip;
};
