// The edit box: constants and history, moves to its value, "0 Round" moves, Tab stepping.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/number_format.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int32_t kNearHome = 1000;  // within this of home every item is reached by wrapping
constexpr int16_t kDiameterArea = 102;

// Only a text that starts like a number joins the history.
bool startsLikeNumber(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return (c >= u'0' && c <= u'9') || c == u'.';
}

bool otherConversionActive() { return g_settings.Unit != 0 && g_settings.Unit != kDiameterArea; }

// The list entry the edit field shows, or -1. Typing into the field drops the selection, so an
// entry counts only while the field still holds its text.
int selectedEntry(const QComboBox& box)
{
    const int index = box.currentIndex();
    if (index < 0 || box.itemText(index) != box.lineEdit()->text())
        return -1;
    return index;
}
}  // namespace

void CMainWindow::addToHistory(const QString& text)
{
    for (int i = 0; i < m_editBox->count(); ++i) {
        if (m_editBox->itemText(i) == text) {
            m_editBox->setCurrentIndex(i);
            return;
        }
    }
    // The list keeps every entry until the program ends; the persisted history only the newest.
    m_editBox->insertItem(m_historyInsertPos, text);
    std::shift_right(g_settings.Histry.begin(), g_settings.Histry.end(), 1);
    g_settings.Histry[0] = text;
    m_editBox->setCurrentIndex(m_historyInsertPos);
}

void CMainWindow::OnEditBoxCopy()
{
    if (!focusedHasValue())
        return;
    const int mode = calc::itemFormat(g_settings.NumFoucs, g_settings.SlideRev, g_settings.Unit).copy;
    const QString text = calc::format(focusedValue(), mode);
    addToHistory(text);
    writeStatus(calc::statusMessage(calc::StatusId::CopiedToEditBox, g_settings.Language, {text}));
}

namespace {
// Shared by the slide and cursor moves to the edit box's value.
void moveToEditBoxValue(CMainWindow& w, calc::MovePart part, bool eligible)
{
    QScrollBar* bar = w.bar(static_cast<int>(part));
    if (eligible) {
        QComboBox& box = *w.editBox();
        const QString typed = box.lineEdit()->text();
        if (startsLikeNumber(typed))
            w.addToHistory(typed);
        const int entry = selectedEntry(box);
        if (entry >= 0) {
            w.recordUndoPoint(part);
            w.moveToValue(calc::parse(box.itemText(entry)), part, true);
        }
    }
    bar->setFocus();
}

void moveToZeroRounded(CMainWindow& w, calc::MovePart part, bool eligible)
{
    if (eligible) {
        w.recordUndoPoint(part);
        const double rounded = calc::zeroRound(w.focusedValue(), 0, g_settings.NumFoucs, g_settings.SlideRev,
                                               g_settings.Unit);
        w.moveToValue(rounded, part, true);
    }
    w.bar(static_cast<int>(part))->setFocus();
}
}  // namespace

void CMainWindow::OnEditBoxSlideMove() { moveToEditBoxValue(*this, calc::MovePart::Slide, slideEligible()); }
void CMainWindow::OnEditBoxCursorMove() { moveToEditBoxValue(*this, calc::MovePart::Cursor, cursorEligible()); }
void CMainWindow::OnZeroRoundSlideMove() { moveToZeroRounded(*this, calc::MovePart::Slide, slideEligible()); }
void CMainWindow::OnZeroRoundCursorMove() { moveToZeroRounded(*this, calc::MovePart::Cursor, cursorEligible()); }

// Wrapping skips the index items that have gone off the face: slide far right keeps 1-12,
// far left keeps 5-16. Under a conversion only the rows it pairs are visited.
void CMainWindow::OnNextItem()
{
    const int32_t s = g_settings.SlidePos;
    int n = g_settings.NumFoucs + 1;
    if (s < calc::kHome - kNearHome && n > 12)
        n = 1;
    else if (n > 16)
        n = s > calc::kHome + kNearHome ? 5 : 1;
    if (otherConversionActive()) {
        if (n == 8)
            n = 10;
        else if (n == 12)
            n = 6;
    }
    if (g_settings.Unit == kDiameterArea) {
        if (n == 11)
            n = 12;
        else if (n == 13)
            n = 10;
    }
    g_settings.NumFoucs = static_cast<int16_t>(n);
    requestFaceRepaint();
}

void CMainWindow::OnPreviousItem()
{
    const int32_t s = g_settings.SlidePos;
    int n = g_settings.NumFoucs - 1;
    if (s < calc::kHome - kNearHome && n < 1)
        n = 12;
    else if (s > calc::kHome + kNearHome && n < 5)
        n = 16;
    else if (n < 1)
        n = 16;
    if (otherConversionActive()) {
        if (n == 5)
            n = 11;
        else if (n == 9)
            n = 7;
    }
    if (g_settings.Unit == kDiameterArea) {
        if (n == 9)
            n = 12;
        else if (n == 11)
            n = 10;
    }
    g_settings.NumFoucs = static_cast<int16_t>(n);
    requestFaceRepaint();
}
