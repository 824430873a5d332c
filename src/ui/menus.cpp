// Context menus, the menu prompts in the status line, help and about.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/layout.h"
#include "ui/help_window.h"
#include "ui/resources.h"
#include "window/client_area.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QVBoxLayout>

#include <memory>

using namespace layout;

namespace {
constexpr int kNumberingEntry = 2;

// Where the keyboard opens a context menu: the focused item's cell, base layout values.
QPoint focusedItemPoint(int item)
{
    static const int kRowOfItem[17] = {0, 1, 2, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 7, 8};
    const int x = item >= 1 && item <= 4 ? kLeftColumnX : item >= 13 && item <= 16 ? kRightColumnX : kHairlineColumnX;
    const int y = item >= 1 && item <= 16 ? kRowY[kRowOfItem[item] - 1] + 1 : kFaceTopY;
    return {x, y};
}
}  // namespace

// Shift+F10 or the menu key opens the context menu of the focused item.
bool CMainWindow::contextMenuKey(QKeyEvent* event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier);
    if (!shiftF10 && event->key() != Qt::Key_Menu)
        return false;
    openContextMenu(m_client->mapToGlobal(contextMenuKeyPoint(g_settings.NumFoucs)));
    return true;
}

// The context menu resource for a client point: the readout's over its cells, the face's
// elsewhere on the face, none outside.
QString contextMenuAt(const QPoint& client, int extraWidth, int language)
{
    const int x = client.x();
    const int y = client.y();
    const int e = extraWidth;
    if (y <= kFaceTopY || y > kFaceBottomY)
        return {};
    const bool readout = (kLeftColumnX < x && x < kLeftColumnRightX) ||
                         (kHairlineColumnX + e / 2 < x && x < kHairlineColumnRightX + e / 2) ||
                         (kRightColumnX + e < x && x < kRightColumnRightX + e);
    const bool face = (0 < x && x < kLeftColumnX) || (kLeftColumnRightX < x && x < kHairlineColumnX + e / 2) ||
                      (kHairlineColumnRightX + e / 2 < x && x < kRightColumnX + e);
    const bool english = language == 0;
    if (readout)
        return english ? "POPEMENU" : "POPMENU";
    if (face)
        return english ? "SLIDEEMENU" : "SLIDEMENU";
    return {};
}

QPoint contextMenuKeyPoint(int focusedItem) { return focusedItemPoint(focusedItem) + QPoint(8, 13); }

void CMainWindow::openContextMenu(const QPoint& globalPoint)
{
    const QString name = contextMenuAt(m_client->mapFromGlobal(globalPoint), g_settings.CxSize, g_settings.Language);
    const resources::Menu menu = resources::loadMenu(name);
    if (name.isEmpty() || menu.items.empty())
        return;
    std::vector<resources::MenuItem> items = menu.items.front().children;
    const bool faceMenu = name.startsWith("SLIDE");
    if (faceMenu && g_settings.SlideRev == 0 && items.size() > kNumberingEntry)
        items.erase(items.begin() + kNumberingEntry);
    std::unique_ptr<QMenu> popup(resources::buildMenu(QString(), items, this, resources::systemUiLanguage()));
    updateCommandStates(popup.get());
    if (QAction* chosen = popup->exec(globalPoint))
        if (const int command = resources::commandOf(chosen))
            onCommand(command);
    menuClosed();
}

// The framework's idle text is empty, and a closed menu may have covered the face.
void CMainWindow::menuClosed()
{
    m_statusPart0->setText(QString());
    m_faceIntact = 0;
}

// Menu prompts only: toolbar buttons show tooltips, and leaving them must not erase a message.
bool CMainWindow::menuPrompt(QStatusTipEvent* event)
{
    if (!qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        return false;
    m_statusPart0->setText(event->tip());
    return true;
}

void CMainWindow::OnHelp()
{
    if (!QFile::exists(HelpWindow::contentsPage())) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Failed to launch help."));
        return;
    }
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showContents();
}

void CMainWindow::OnAbout()
{
    const bool english = g_settings.Language == 0;
    QDialog dialog(this);
    dialog.setObjectName(english ? "AboutBoxE" : "AboutBox");
    dialog.setWindowTitle(english ? QStringLiteral("Kestrin - Version Information")
                                  : QStringLiteral("Velmo - バージョン"));
    auto* icon = new QLabel;
    icon->setPixmap(resources::applicationIcon().pixmap(32, 32));
    auto* title = new QLabel(english ? QStringLiteral("Kestrin  Version 3.2.0\nKestrin for Windows")
                                     : QStringLiteral("Velmo Version 3.2.0\n片面型デジタル計算尺 for Windows"));
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* second = new QLabel(english ? QStringLiteral("A slide rule on the screen, for Linux.")
                                      : QStringLiteral("Linux 版の計算尺です。"));
    auto* link = new QLabel(QStringLiteral("<a href=\"help\">%1</a>").arg(english ? "Help" : "ヘルプ"));
    connect(link, &QLabel::linkActivated, this, [this] { OnHelp(); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(title, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addWidget(second);
    layout->addWidget(link);
    layout->addWidget(buttons);
    dialog.exec();
    captionTools(false);
}
