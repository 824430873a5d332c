#include "calc/readout_panel.h"

#include "calc/layout.h"
#include "calc/number_format.h"
#include "scales/face_colours.h"

#include <algorithm>

using namespace layout;

namespace calc {

namespace {
constexpr QRgb kStockBlack = qRgb(0, 0, 0);
const QString kDashText = QStringLiteral("    --------    ");

// Change flags and repaint mask bits.
constexpr int kSlideBit = 1;
constexpr int kCursorBit = 2;
constexpr int kAll = 7;
constexpr int kNumberingBit = 8;

// The least distance between the tops of two neighbouring rows: a text no higher than that
// stays out of the next row's cell.
constexpr int minRowPitch()
{
    int least = kRowY[1] - kRowY[0];
    for (std::size_t i = 2; i < kRowY.size(); ++i)
        least = std::min(least, kRowY[i] - kRowY[i - 1]);
    return least;
}
constexpr int kMinRowPitch = minRowPitch();

// Face row (1 to 8) of a readout item.
int rowOf(int item)
{
    switch (item) {
    case 1: case 5: case 13: return 1;
    case 2: case 6: case 14: return 2;
    case 7: return 3;
    case 8: return 4;
    case 9: return 5;
    case 10: return 6;
    case 3: case 11: case 15: return 7;
    default: return 8;  // 4, 12, 16
    }
}

int rowY(int row) { return kRowY[static_cast<std::size_t>(row - 1)]; }

// A readout column: its edges and the x its texts are centred on.
struct Column {
    int left;
    int right;
    int centre;
};

Column leftIndexColumn() { return {kLeftColumnX, kLeftColumnRightX, (kLeftColumnX + kLeftColumnRightX) / 2 - 1}; }

Column hairlineColumn(int w)
{
    const int h = w / 2;
    return {kHairlineColumnX + h, kHairlineColumnRightX + h, (kHairlineColumnX + kHairlineColumnRightX) / 2 + 1 + h};
}

Column rightIndexColumn(int w)
{
    return {kRightColumnX + w, kRightColumnRightX + w, (kRightColumnX + kRightColumnRightX) / 2 + w};
}

bool sameFont(const Font& a, const Font& b) { return a.face == b.face && a.height == b.height && a.weight == b.weight; }

class Panel {
public:
    Panel(Dc& dc, const ReadoutPanelInput& in, std::array<double, 16>& values, std::array<PrintedCell, 16>& cells,
          bool mayReuse)
        : m_dc(dc), m_in(in), m_all(readoutValues(in.reading)), m_values(values), m_cells(cells),
          m_mayReuse(mayReuse), m_converting(in.reading.conversion.unit != 0),
          m_kind(m_converting ? in.reading.conversion.kind : 0)
    {
    }

    void indexColumn(bool left, bool fill);
    void hairlineStatorRows(bool fill);
    void hairlineSlideRows(bool fill);
    void conversionLines();

private:
    // The section's items take the values of this drawing.
    void store(int first, int last)
    {
        for (int item = first; item <= last; ++item)
            m_values[static_cast<std::size_t>(item - 1)] = m_all[item];
    }
    void print(const Column& column, int item, QRgb colour)
    {
        const int shown = itemFormat(item, m_in.reading.slideRev, m_in.reading.conversion.unit).shown;
        put(column, item, QStringLiteral("   %1   ").arg(format(m_all[item], shown)), colour);
    }
    void dashes(const Column& column, int item) { put(column, item, kDashText, colours::kInk); }
    void put(const Column& column, int item, const QString& text, QRgb colour)
    {
        m_dc.setTextColour(colour);
        const QPoint at(column.centre, rowY(rowOf(item)));
        PrintedCell& cell = m_cells[static_cast<std::size_t>(item - 1)];
        // The box of the focused item is drawn again after the texts, over the same pixels.
        if (m_mayReuse && cell.valid && (!cell.boxed || item == m_in.focusedItem) && cell.colour == colour &&
            cell.at == at && cell.clip == m_clip && cell.text == text)
            return;
        m_dc.textOut(at.x(), at.y(), text);
        cell = {true, false, text, colour, at, m_clip};
    }
    void clipTo(int left, int top, int right, int bottom)
    {
        m_dc.setClipRect(left, top, right, bottom);
        m_clip = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
    void forget(int first, int last)
    {
        for (int item = first; item <= last; ++item)
            m_cells[static_cast<std::size_t>(item - 1)].valid = false;
    }
    void unitNames(const Column& column);
    // Plain fill of a rectangle (null pen, light grey brush: one pixel short right and bottom).
    void fill(int left, int top, int right, int bottom)
    {
        m_dc.clearClip();
        m_dc.rectangle(left, top, right, bottom);
    }

    Dc& m_dc;
    const ReadoutPanelInput& m_in;
    const ReadoutValues m_all;
    std::array<double, 16>& m_values;
    std::array<PrintedCell, 16>& m_cells;
    const bool m_mayReuse;
    QRect m_clip;
    const bool m_converting;
    const int m_kind;
};

// K, DF, D and A at the slide's left or right index, or the unit names.
void Panel::indexColumn(bool left, bool fillBands)
{
    const Column column = left ? leftIndexColumn() : rightIndexColumn(m_in.extraWidth);
    const int first = left ? 1 : 13;
    store(first, first + 3);
    if (fillBands) {
        forget(first, first + 3);
        fill(column.left, kFaceTopY, column.right, kSlideTopY + 1);
        fill(column.left, kSlideTopY + 1, column.right, kSlideBottomY);
        fill(column.left, kSlideBottomY, column.right, kFaceBottomY + 1);
    }
    if (m_converting) {
        forget(first, first + 3);
        unitNames(column);
        return;
    }
    const int32_t slidePos = m_in.reading.slidePos;
    const bool available = left ? leftIndexAvailable(slidePos) : rightIndexAvailable(slidePos);
    const int textLeft = column.left + 2, textRight = column.right - 3;
    const int bands[2][3] = {{kFaceTopY, kSlideTopY, first}, {kSlideBottomY, kFaceBottomY + 1, first + 2}};
    for (const auto& band : bands) {
        clipTo(textLeft, band[0], textRight, band[1]);
        for (int item = band[2]; item <= band[2] + 1; ++item) {
            if (available)
                print(column, item, colours::kInk);
            else
                dashes(column, item);
        }
    }
}

// K, DF, D and A under the hairline.
void Panel::hairlineStatorRows(bool fillBands)
{
    const Column column = hairlineColumn(m_in.extraWidth);
    store(5, 6);
    store(11, 12);
    if (fillBands) {
        forget(5, 6);
        forget(11, 12);
        fill(column.left + 2, kFaceTopY, column.right, kSlideTopY + 1);
        fill(column.left + 2, kSlideBottomY, column.right, kFaceBottomY + 1);
    }
    const int textLeft = column.left + 3, textRight = column.right - 2;
    clipTo(textLeft, kFaceTopY, textRight, kSlideTopY);
    if (!m_converting)
        print(column, 5, colours::kInk);
    if (m_kind != 2)
        print(column, 6, m_converting && m_kind == 0 ? colours::kBlue : colours::kInk);
    clipTo(textLeft, kSlideBottomY, textRight, kFaceBottomY + 1);
    if (m_kind != 2)
        print(column, 11, m_converting && m_kind != 0 ? colours::kBlue : colours::kInk);
    if (!m_converting || m_kind == 2)
        print(column, 12, colours::kInk);
}

// The four slide rows under the hairline, by face.
void Panel::hairlineSlideRows(bool fillBand)
{
    const Column column = hairlineColumn(m_in.extraWidth);
    store(7, 10);
    if (fillBand) {
        forget(7, 10);
        fill(column.left + 2, kSlideTopY + 1, column.right, kSlideBottomY);
    }
    clipTo(column.left + 3, kSlideTopY + 1, column.right - 2, kSlideBottomY - 1);
    const QRgb angleColour = m_in.reading.sinNum == 1 ? colours::kRed : colours::kInk;
    switch (faceOf(m_in.reading.slideRev)) {
    case Face::Front:
        print(column, 10, colours::kInk);
        if (m_kind != 2)
            print(column, 7, m_converting ? colours::kBlue : colours::kInk);
        if (!m_converting) {
            print(column, 9, colours::kRed);
            print(column, 8, colours::kGreen);
        }
        break;
    case Face::Back:
        print(column, 9, colours::kInk);
        print(column, 10, angleColour);
        print(column, 8, angleColour);
        print(column, 7, angleColour);
        break;
    case Face::EndForEnd:
        print(column, 8, colours::kInk);
        print(column, 7, angleColour);
        print(column, 9, angleColour);
        print(column, 10, angleColour);
        break;
    }
    m_dc.setTextColour(colours::kInk);
}

// Conversion display: the first name belongs to C and CF, the second to D, DF or A.
void Panel::unitNames(const Column& column)
{
    const Conversion* conversion = conversionByCode(m_in.reading.conversion.unit);
    if (!conversion)
        return;
    const QString first = QString::fromUtf16(conversion->firstName);
    const QString second = QString::fromUtf16(conversion->secondName);
    struct Name {
        int row;
        const QString& text;
        QRgb colour;
    };
    const int rowC = 6, rowCF = 3, rowD = 7, rowDF = 2, rowA = 8;
    std::array<Name, 4> names = {Name{rowC, first, colours::kInk}, Name{rowD, second, colours::kInk},
                                 Name{rowCF, first, colours::kBlue}, Name{rowDF, second, colours::kBlue}};
    int count = 4;
    if (m_kind == 1) {
        names[1].row = rowDF;
        names[3].row = rowD;
    } else if (m_kind == 2) {
        names[1].row = rowA;
        count = 2;
    }
    clipTo(column.left + 2, kFaceTopY, column.right - 3, kFaceBottomY + 1);
    for (int i = 0; i < count; ++i) {
        m_dc.setTextColour(names[static_cast<std::size_t>(i)].colour);
        m_dc.textOut(column.centre, rowY(names[static_cast<std::size_t>(i)].row), names[static_cast<std::size_t>(i)].text);
    }
    m_dc.setTextColour(colours::kInk);
}

// With a conversion: black lines across both index columns at the slide's top and bottom rows.
void Panel::conversionLines()
{
    if (!m_converting)
        return;
    const Pen previous = m_dc.selectPen(Pen::solid(kStockBlack));
    for (const Column& column : {leftIndexColumn(), rightIndexColumn(m_in.extraWidth)}) {
        m_dc.line(column.left, kSlideTopY, column.right, kSlideTopY);
        m_dc.line(column.left, kSlideBottomY - 1, column.right, kSlideBottomY - 1);
    }
    m_dc.selectPen(previous);
}
}  // namespace

void drawReadout(Dc& dc, const ReadoutPanelInput& in, ReadoutChangeMemory& memory, std::array<double, 16>& values)
{
    const Brush previousBrush = dc.selectBrush(Brush::solid(colours::kReadoutBackground));
    const Pen previousPen = dc.selectPen(Pen::null());
    const QRgb previousColour = dc.textColour();
    dc.setBackgroundMode(BackgroundMode::Opaque);
    dc.setTextAlign(TextAlign::Centre | TextAlign::Top);
    dc.setTextColour(colours::kInk);
    dc.setBackgroundColour(colours::kReadoutBackground);

    const ReadoutInput& r = in.reading;
    int flags = 0;
    if (r.slidePos != in.paintedSlidePos)
        flags |= kSlideBit;
    if (r.cursorPos != in.paintedCursorPos)
        flags |= kCursorBit;
    if (r.sinNum != memory.sinNum)
        flags |= kNumberingBit;
    if (r.conversion.unit != memory.unit || in.focusedItem != memory.focusedItem)
        flags |= kAll;
    memory.sinNum = r.sinNum;
    memory.unit = r.conversion.unit;
    memory.focusedItem = in.focusedItem;
    const int mask = in.repaintMask;
    const int m = mask | flags;

    // A cell may keep its print only while the texts of neighbouring rows cannot overlap it, the
    // same image and font are drawn with, and the paint is not a full one.
    const bool mayReuse = mask != kAll && memory.image == &dc.image() && memory.imageSize == dc.image().size() &&
                          sameFont(memory.font, dc.font()) && dc.textExtent(kDashText).height() <= kMinRowPitch;
    if (!mayReuse)
        for (PrintedCell& cell : memory.cells)
            cell.valid = false;
    memory.image = &dc.image();
    memory.imageSize = dc.image().size();
    memory.font = dc.font();

    Panel panel(dc, in, values, memory.cells, mayReuse);
    const bool fillIndexColumns = mask == kAll || flags == kAll;
    if (m & kSlideBit)
        panel.indexColumn(true, fillIndexColumns);
    if (m & kCursorBit)
        panel.hairlineStatorRows(mask == kAll);
    if (m != 0)
        panel.hairlineSlideRows(mask == kAll);
    if (m & kSlideBit)
        panel.indexColumn(false, fillIndexColumns);
    dc.clearClip();
    panel.conversionLines();

    dc.selectPen(previousPen);
    dc.selectBrush(previousBrush);
    dc.setTextColour(previousColour);
    drawFocusBox(dc, in.focusedItem, in.extraWidth);
    if (in.focusedItem >= 1 && in.focusedItem <= 16)
        memory.cells[static_cast<std::size_t>(in.focusedItem - 1)].boxed = true;
}

void drawFocusBox(Dc& dc, int item, int extraWidth)
{
    if (item < 1 || item > 16)
        return;
    const Column column = item <= 4 ? leftIndexColumn() : item >= 13 ? rightIndexColumn(extraWidth)
                                                                       : hairlineColumn(extraWidth);
    const bool hairline = item >= 5 && item <= 12;
    const int x1 = column.left + (hairline ? 2 : 1);
    const int x2 = column.right - (hairline ? 2 : 3);
    // Bottom of each row's box: the next row's top less a row-dependent gap.
    constexpr int kGap[8] = {2, 4, 2, 2, 3, 4, 2, 0};
    const int row = rowOf(item);
    const int top = rowY(row);
    const int bottom = row == 8 ? kFaceBottomY - 2 : rowY(row + 1) - kGap[row - 1];
    const Pen previous = dc.selectPen(Pen::solid(kStockBlack));
    dc.moveTo(x1, top);
    dc.lineTo(x1, bottom);
    dc.lineTo(x2, bottom);
    dc.lineTo(x2, top);
    dc.lineTo(x1, top);
    dc.selectPen(previous);
}

}  // namespace calc
