#include "window/main_window.h"

#include "app/settings.h"
#include "calc/layout.h"
#include "platform/keys.h"
#include "window/client_area.h"
#include "window/patterned_scroll_bar.h"
#include "window/rebar.h"
#include "ui/resources.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <cstdlib>

using namespace layout;

namespace {
constexpr int kStatusBarHeight = 22;
}  // namespace

CMainWindow::CMainWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   (g_settings.TopWin ? Qt::WindowStaysOnTopHint : Qt::Widget));

    setWindowIcon(resources::applicationIcon());
    createAccelerators();
    m_client = new ClientArea(this);
    m_client->setFixedHeight(kClientHeight);
    // A stored width outside what the window can take would break the layout.
    const int width = std::clamp(kBaseClientWidth + g_settings.CxSize, int(kBaseClientWidth), 2000);
    m_client->resize(width, kClientHeight);
    move(g_settings.Xpos, g_settings.Ypos);

    createBars();
    createButtons();
    createEditBox();
    std::srand(static_cast<unsigned>([] {
        const QDateTime now = QDateTime::currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        return d.year() + d.month() + d.day() + t.hour() + t.minute() + t.second() + t.msec();
    }()));
    captionTools(true);
    m_repaintMask = 7;
    m_faceIntact = 1;
    setConversionMode(g_settings.Unit);
    m_tables = GraduationTables::build();
    createStatusBar();
    createToolbars();
    createRebar();
    setCentralWidget(m_client);  // its resize handler needs the controls above
    menuBar();                   // the menu bar sits above the client area, as on a frame window
    applyWidthLimits();
    resize(width, kClientHeight + menuBar()->sizeHint().height());
    loadMappedBitmaps();
    applyLanguage();
    createCanvas();
    recomposeFace();
    m_undoItem = -1;
    qApp->installEventFilter(this);  // every wheel event over the window drives a bar
}

CMainWindow::~CMainWindow() = default;

int CMainWindow::clientWidth() const { return m_client->width(); }

void CMainWindow::createBars()
{
    const int tops[2] = {kSlideBarTopY, kCursorBarTopY};
    for (int i = 0; i < 2; ++i) {
        auto* bar = new PatternedScrollBar(Qt::Horizontal, m_client);
        bar->setObjectName(i == 0 ? "slideBar" : "cursorBar");
        bar->setAccessibleName(i == 0 ? "Slide" : "Cursor");
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setGeometry(kBarLeftX, tops[i], kBarRightX - kBarLeftX, kBarHeight);
        bar->setRange(calc::kBarMin, calc::kBarMax);
        bar->hide();  // shown by the first paint
        m_bars[i] = bar;
        connectBar(i);
    }
    setBarThumbs();
    m_paintedSlidePos = g_settings.SlidePos;
    m_paintedCursorPos = g_settings.CursorPos;
}

void CMainWindow::setBarThumbs()
{
    setThumb(0, calc::kDecade - g_settings.SlidePos);
    setThumb(1, g_settings.CursorPos);
}

// Moving a thumb from code must not come back as a drag notification.
void CMainWindow::setThumb(int bar, int32_t barPosition)
{
    const QSignalBlocker quiet(m_bars[bar]);
    m_bars[bar]->setSliderPosition(barPosition);
}

void CMainWindow::createButtons()
{
    const int tops[2] = {kSlideBarTopY, kCursorBarTopY};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QToolButton(m_client);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleName(i == 0 ? "Slide home" : "Cursor home");
        button->setGeometry(kHomeButtonLeftX, tops[i], kHomeButtonRightX - kHomeButtonLeftX, kBarHeight);
        const int command = 123 + i;
        connect(button, &QToolButton::clicked, this, [this, command] { onCommand(command); });
        m_homeButtons[i] = button;
    }
    m_reverseButton = new QToolButton(m_client);
    m_reverseButton->setAutoRaise(true);
    m_reverseButton->setFocusPolicy(Qt::NoFocus);
    m_reverseButton->setAccessibleName("Reverse slide");
    m_reverseButton->setGeometry(kReverseButtonLeftX, kSlideBarTopY,
                                 kReverseButtonRightX - kReverseButtonLeftX, kBarHeight);
    connect(m_reverseButton, &QToolButton::clicked, this, [this] { onCommand(111); });
}

void CMainWindow::createEditBox()
{
    m_editBox = new QComboBox(m_client);
    m_editBox->setEditable(true);
    m_editBox->setInsertPolicy(QComboBox::NoInsert);
    m_editBox->setAccessibleName("Number");
    m_editBox->lineEdit()->setMaxLength(kEditTextMax);
    m_editBox->setCompleter(nullptr);  // a typed number must stay as typed
    m_editBox->setMaxVisibleItems(12);
    m_editBox->setGeometry(kEditBoxLeftX, kEditBoxTopY, 216 - kEditBoxLeftX, 23);
    for (const QString& text : g_settings.Cont)
        m_editBox->addItem(text);
    for (const QString& text : g_settings.Histry)
        m_editBox->addItem(text);
    m_historyInsertPos = 8;
    m_editBox->setCurrentIndex(8);
}

void CMainWindow::createStatusBar()
{
    m_statusBar = new QStatusBar(m_client);
    m_statusBar->setSizeGripEnabled(false);
    placeStatusBar();
    m_statusPart0 = new QLabel(QStringLiteral("text"), m_statusBar);
    m_statusPart0->setObjectName("statusPart0");
    m_statusBar->addWidget(m_statusPart0, 1);
}

void CMainWindow::createToolbars()
{
    auto make = [this](const char* name) {
        auto* toolbar = new QToolBar(m_client);
        toolbar->setObjectName(name);
        toolbar->setIconSize(QSize(18, 17));
        toolbar->setFixedHeight(23);
        toolbar->setFocusPolicy(Qt::NoFocus);
        toolbar->setContentsMargins(0, 0, 0, 0);
        toolbar->layout()->setContentsMargins(0, 0, 0, 0);
        toolbar->layout()->setSpacing(0);
        connect(toolbar, &QToolBar::actionTriggered, this, [this](QAction* action) {
            if (const int command = resources::commandOf(action))
                onCommand(command);
        });
        return toolbar;
    };
    m_numberingToolbar = make("numberingToolbar");
    m_editToolbar = make("editToolbar");
    m_modeToolbar = make("modeToolbar");
}

// Bitmaps "loaded mapped" take the palette's button colours; renewed on a colour change.
void CMainWindow::loadMappedBitmaps()
{
    const QPalette colours = QGuiApplication::palette();
    const QImage background = resources::loadMappedBitmap(132, colours);
    m_backgroundBitmap = QPixmap::fromImage(background);
    m_backgroundBrush = background.isNull() ? Brush::solid(colours.color(QPalette::Window).rgb())
                                            : Brush::fromPattern(background);
    m_backgroundChanged = true;
    m_barBitmap = QPixmap::fromImage(resources::loadMappedBitmap(187, colours));
    for (QScrollBar* bar : m_bars)
        if (bar)
            static_cast<PatternedScrollBar*>(bar)->setPattern(m_barBitmap);
    m_homeButtonBitmap = QPixmap::fromImage(resources::loadMappedBitmap(110, colours));
    m_reverseButtonBitmap = QPixmap::fromImage(resources::loadMappedBitmap(158, colours));
    for (QToolButton* button : m_homeButtons)
        if (button) {
            button->setIcon(m_homeButtonBitmap);
            button->setIconSize(m_homeButtonBitmap.size());
        }
    if (m_reverseButton) {
        m_reverseButton->setIcon(m_reverseButtonBitmap);
        m_reverseButton->setIconSize(m_reverseButtonBitmap.size());
    }
    if (m_rebar)
        m_rebar->setBackground(m_backgroundBitmap);
}

void CMainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        loadMappedBitmaps();
        m_faceIntact = 0;
        m_repaintMask = 7;
        m_client->update();
    }
}

void CMainWindow::createRebar()
{
    m_rebar = new Rebar(m_client);
    m_rebar->addBand(m_numberingToolbar, 80);
    m_rebar->addBand(m_editBox, 160);
    m_rebar->addBand(m_editToolbar, 310);
    m_rebar->addBand(m_modeToolbar, 170);
}

void CMainWindow::writeStatus(const QString& text)
{
    m_statusPart0->setText(text);
    m_statusMessageFlag = 1;
}

void CMainWindow::clearStatus()
{
    if (m_statusMessageFlag)
        m_statusPart0->setText(QStringLiteral(" "));
    m_statusMessageFlag = 0;
}

void CMainWindow::placeStatusBar()
{
    m_statusBar->setGeometry(0, kClientHeight - kStatusBarHeight, m_client->width(), kStatusBarHeight);
}

QString CMainWindow::statusText() const { return m_statusPart0->text(); }

bool CMainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip && menuPrompt(static_cast<QStatusTipEvent*>(event)))
        return true;
    return QMainWindow::event(event);
}

void CMainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    resetOnClose();
}

// Closing with Shift held puts the rule back to its initial state; Ctrl or the right
// button held keeps it as it is.
void CMainWindow::resetOnClose()
{
    if (Keys::ctrl() || Keys::rightButton())
        return;
    if (Keys::shift())
        OnInitialization();
}
