// Copy a reading to the clipboard; move the slide or the cursor to the clipboard's number.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/number_format.h"
#include "calc/position.h"
#include "platform/clipboard.h"

#include <QScrollBar>

namespace {
constexpr int kPasteChars = 20;  // what is read of the clipboard's text
}

void CMainWindow::clipboardCopy(int item)
{
    if (item < 1 || item > 16 || m_readoutValues[item - 1] == calc::kNoValue)
        return;
    const int mode = calc::itemFormat(item, g_settings.SlideRev, g_settings.Unit).copy;
    const QString text = calc::format(m_readoutValues[item - 1], mode);
    Clipboard::putText(text);
    writeStatus(calc::statusMessage(calc::StatusId::CopiedToClipboard, g_settings.Language, {text}));
}

void CMainWindow::clipboardPaste(calc::MovePart target)
{
    QString text = Clipboard::takeText();
    if (text.isEmpty())
        return;
    // Like a C string, the text ends at its first zero character.
    const qsizetype end = text.indexOf(QChar(u'\0'));
    if (end >= 0)
        text.truncate(end);
    moveToValue(calc::parse(QStringView(text).left(kPasteChars)), target, true);
}

void CMainWindow::OnClipboardCopy() { clipboardCopy(g_settings.NumFoucs); }

// Ctrl+S and Ctrl+P arrive even while the commands are disabled, hence the eligibility checks.
void CMainWindow::OnSlidePaste()
{
    if (slideEligible()) {
        recordUndoPoint(calc::MovePart::Slide);
        clipboardPaste(calc::MovePart::Slide);
        const bool hadConversion = g_settings.Unit != 0;
        setConversionMode(0);
        if (hadConversion)
            requestFaceRepaint();  // the readout drops the conversion even when nothing moved
    }
    m_bars[0]->setFocus();
}

void CMainWindow::OnCursorPaste()
{
    if (cursorEligible()) {
        recordUndoPoint(calc::MovePart::Cursor);
        clipboardPaste(calc::MovePart::Cursor);
    }
    m_bars[1]->setFocus();
}
