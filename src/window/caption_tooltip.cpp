// The caption tooltip: resting on a scale name at the face's left edge shows its formula.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/layout.h"
#include "ui/resources.h"
#include "window/client_area.h"

#include <QToolTip>

using namespace layout;

namespace {
// String numbers of the eight rows' formulas: front, back (SinNum 0 / 1), end for end (0 / 1).
struct CaptionRow {
    int front;
    int back[2];
    int endForEnd[2];
};
constexpr CaptionRow kCaptionRows[8] = {
    {1010, {1010, 1010}, {1010, 1010}},  // K
    {1006, {1006, 1006}, {1006, 1006}},  // DF
    {1007, {1042, 1044}, {1031, 1033}},  // CF / TI2 / S
    {1008, {1041, 1043}, {1030, 1030}},  // CIF / TI1 / LI
    {1005, {1021, 1021}, {1047, 1049}},  // CI / L / T1
    {1002, {1039, 1040}, {1048, 1050}},  // C / SI / T2
    {1001, {1001, 1001}, {1001, 1001}},  // D
    {1003, {1003, 1003}, {1003, 1003}},  // A
};

const QColor kTipBackground(240, 240, 240);
const QColor kTipText(16, 16, 16);
const QColor kTipGreen(0, 128, 0);
const QColor kTipRed(240, 0, 0);
}  // namespace

// The tools are chosen again whenever the face or the numbering changes.
void CMainWindow::captionTools(bool)
{
    const int numbering = g_settings.SinNum == 1 ? 1 : 0;
    for (int row = 0; row < 8; ++row) {
        const CaptionRow& r = kCaptionRows[row];
        m_captionStrings[row] = g_settings.SlideRev == 1   ? r.back[numbering]
                                : g_settings.SlideRev == 3 ? r.endForEnd[numbering]
                                                           : r.front;
    }
}

bool CMainWindow::showCaptionTip(const QPoint& clientPos, const QPoint& globalPos)
{
    const int x = clientPos.x();
    const int y = clientPos.y();
    if (x < 1 || x >= kLeftColumnX || y < kRowY[0] || y >= kFaceBottomY)
        return false;
    int row = 7;
    while (row > 0 && y < kRowY[row])
        --row;
    QColor text = kTipText;
    if (g_settings.SlideRev == 0 && row == 3)
        text = kTipGreen;
    else if (g_settings.SlideRev == 0 && row == 4)
        text = kTipRed;
    QPalette colours = QToolTip::palette();
    colours.setColor(QPalette::ToolTipBase, kTipBackground);
    colours.setColor(QPalette::ToolTipText, text);
    QToolTip::setPalette(colours);
    const int bottom = row == 7 ? kFaceBottomY : kRowY[row + 1];
    const QRect tool(1, kRowY[row], kLeftColumnX - 1, bottom - kRowY[row]);
    QToolTip::showText(globalPos, captionTipText(row), m_client, tool);
    return true;
}

QString CMainWindow::captionTipText(int row) const
{
    return resources::loadString(m_captionStrings[row], resources::systemUiLanguage());
}
