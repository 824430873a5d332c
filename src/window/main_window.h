#pragma once
// The main window holds all state of the rule that is not a persisted setting.
//
// Data flow: a user action (bar, key, wheel, mouse, menu command, edit box) reaches a handler
// in src/ui; the handler asks the pure core (src/calc) for the new slide or cursor position,
// stores it in g_settings, sets the repaint mask (1 slide, 2 cursor, 7 all) and invalidates
// the face. The paint handler copies the three views from the composed canvas (src/scales)
// into the window's own image and prints the readout; the client area flushes that image.

#include "app/settings.h"
#include "calc/conversions.h"
#include "calc/readout_panel.h"
#include "calc/status_messages.h"
#include "platform/dc.h"
#include "scales/face_composer.h"
#include "scales/graduation_tables.h"
#include "scales/painting.h"

#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QRect>
#include <QRegion>

#include <array>
#include <cstdint>
#include <memory>

class ClientArea;
class QComboBox;
class QKeyEvent;
class QStatusTipEvent;
class HelpWindow;
class QLabel;
class QMenu;
class QScrollBar;
class QStatusBar;
class QToolBar;
class QToolButton;
class Rebar;

// Notification codes of a bar, as the scroll handler takes them.
enum class ScrollCode { LineLeft, LineRight, PageLeft, PageRight, ThumbPosition, ThumbTrack,
                        LeftEnd, RightEnd, EndScroll };

QString memoryReadItemText(int index, const SlideMemory& memory);
QString memorySetItemText(int index);
// Context menus: which resource opens at a client point, and where the keyboard opens one.
QString contextMenuAt(const QPoint& client, int extraWidth, int language);
QPoint contextMenuKeyPoint(int focusedItem);

class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    CMainWindow();
    ~CMainWindow() override;

    // Runs the handler bound to a command number; unbound numbers do nothing.
    void onCommand(int command);

    // Status line, part 0.
    void writeStatus(const QString& text);
    void clearStatus();
    QString statusText() const;

    QScrollBar* bar(int i) const { return m_bars[i]; }
    QComboBox* editBox() const { return m_editBox; }
    QToolBar* numberingToolbar() const { return m_numberingToolbar; }
    QToolBar* editToolbar() const { return m_editToolbar; }
    QToolBar* modeToolbar() const { return m_modeToolbar; }
    ClientArea* clientArea() const { return m_client; }
    const QImage& canvas() const { return m_canvas; }

    int clientWidth() const;

    // Handlers (each in the file of its subsystem).
    void paintFace(const QRegion& region);
    // Move to value: the new bar position, or -1 with the error in the status line.
    int32_t moveToValue(double value, calc::MovePart target, bool apply);
    void invalidateFace();
    void setConversionMode(int code);
    void OnConversion(const calc::Conversion& conversion);
    void recordUndoPoint(calc::MovePart part);
    void recomposeFace();
    void onScroll(int bar, ScrollCode code);
    void onWheel(int delta);

    // Commands.
    void OnReverseSlide();
    void OnInitialization();
    void OnUndo();
    void OnNumberLock();
    void OnRightClickDouble();
    void OnRightClickFast();
    void OnRightClickReverse();
    void OnBlackNumbering();
    void OnRedNumbering();
    void OnToggleNumbering();
    void OnFocusSlideBar();
    void OnFocusCursorBar();
    void OnFocusEditBox();
    void OnSlideHome();
    void OnCursorHome();
    void OnAlwaysOnTop();

    // Edit box (src/ui/edit_box.cpp).
    void OnEditBoxCopy();
    void OnEditBoxSlideMove();
    void OnEditBoxCursorMove();
    void OnZeroRoundSlideMove();
    void OnZeroRoundCursorMove();
    void OnNextItem();
    void OnPreviousItem();
    void addToHistory(const QString& text);

    // Clipboard (src/ui/clipboard_commands.cpp).
    void OnClipboardCopy();
    void OnSlidePaste();
    void OnCursorPaste();
    void clipboardCopy(int item);
    void clipboardPaste(calc::MovePart target);

    // Mouse on the face (src/ui/mouse.cpp), in client coordinates.
    void OnLeftButtonDown(const QPoint& point);
    void OnLeftButtonDoubleClick(const QPoint& point);

    // Slide memories (src/ui/memory.cpp), slot 1-10.
    void OnReadMemory(int slot);
    void OnSetMemory(int slot);

    // Menus, help and about (src/ui/menus.cpp).
    void OnHelp();
    void OnAbout();
    void openContextMenu(const QPoint& globalPoint);
    bool contextMenuKey(QKeyEvent* event);
    void menuClosed();
    bool menuPrompt(QStatusTipEvent* event);

    // Command states shared by several commands.
    double focusedValue() const;  // the no-value mark for an item outside 1-16
    bool focusedHasValue() const;
    bool slideEligible() const;
    bool cursorEligible() const;

    void requestFaceRepaint();
    void captionTools(bool create);
    bool showCaptionTip(const QPoint& clientPos, const QPoint& globalPos);
    QString captionTipText(int row) const;  // row 0-7
    void applyLanguage();
    void OnEnglish();
    void OnJapanese();
    void writeMemoryItemTexts(int index, const SlideMemory& memory);
    void updateCommandStates(QWidget* menu = nullptr);
    void onClientResized(int clientWidth);
    QRect faceRect() const { return m_faceRect; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void createBars();
    void createButtons();
    void createEditBox();
    void createStatusBar();
    void createToolbars();
    void createRebar();
    void setBarThumbs();
    void setThumb(int bar, int32_t barPosition);
    void connectBar(int bar);
    bool barKeyPressed(int bar, QKeyEvent* event);
    void applyWidthLimits();
    void placeStatusBar();
    void resetOnClose();
    void createAccelerators();
    void loadMappedBitmaps();
    void createCanvas();
    void setNumbering(int sinNum, bool focusCursorBar);

    // Drawing resources and the canvas.
    QImage m_canvas;
    std::unique_ptr<Dc> m_canvasDc;
    FaceComposer m_composer;
    QPixmap m_backgroundBitmap;
    Brush m_backgroundBrush;          // the painter's fills: the same pattern as an image
    bool m_backgroundChanged = true;  // the next paint starts from the new background
    QPixmap m_barBitmap;

    // Controls, all children of the client area.
    ClientArea* m_client = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusPart0 = nullptr;
    QToolBar* m_numberingToolbar = nullptr;
    QToolBar* m_editToolbar = nullptr;
    QToolBar* m_modeToolbar = nullptr;
    Rebar* m_rebar = nullptr;
    std::array<QScrollBar*, 2> m_bars{};  // [0] slide, [1] cursor
    QComboBox* m_editBox = nullptr;
    std::array<QToolButton*, 2> m_homeButtons{};
    QToolButton* m_reverseButton = nullptr;
    QPixmap m_homeButtonBitmap;
    QPixmap m_reverseButtonBitmap;

    QRect m_faceRect{0, 40, 625, 134};
    HelpWindow* m_helpWindow = nullptr;
    int m_readingStates = -1;  // command states that depend on the readings, as last updated

public:
    // State read and changed by the handlers of every subsystem.
    int16_t m_repaintMask = 7;
    int16_t m_statusMessageFlag = 0;
    int16_t m_faceIntact = 1;
    std::array<double, 16> m_readoutValues = noReadings();  // as last painted
    std::array<int32_t, 2> m_undoPositions{};
    int16_t m_undoItem = -1;
    int32_t m_paintedSlidePos = 0;
    int32_t m_paintedCursorPos = 0;
    int16_t m_historyInsertPos = 8;
    bool m_paintedOnce = false;
    static std::array<double, 16> noReadings()
    {
        std::array<double, 16> values;
        values.fill(-99.0);
        return values;
    }
    calc::ConversionMode m_conversion;
    std::array<int, 8> m_captionStrings{};
    GraduationTables m_tables;

    // ---- Painting (src/window/paint_handler.cpp): what one paint keeps for the next.
    painting::PaintMemory m_paintMemory;         // previous extra width, follows, reading column
    calc::ReadoutChangeMemory m_readoutMemory;  // SinNum, Unit, NumFoucs of the last readout
};
