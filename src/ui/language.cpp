// The language routine: title, menu bar with its inserted popups, memory texts, toolbars.

#include "window/main_window.h"

#include "app/settings.h"
#include "ui/resources.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {
constexpr int kNumberingPopupPosition = 2;
constexpr int kUnitPopupPosition = 5;
constexpr int kMemorySetPosition = 15;

// A string of the system's table; a text missing there comes from the other table, so the
// title is never blank.
QString stringOrOther(int id)
{
    const resources::UiLanguage table = resources::systemUiLanguage();
    QString text = resources::loadString(id, table);
    if (text.isEmpty())
        text = resources::loadString(id, table == resources::UiLanguage::English
                                             ? resources::UiLanguage::Japanese
                                             : resources::UiLanguage::English);
    return text;
}

QMenu* popupAt(QMenuBar* bar, int index)
{
    const QList<QAction*> actions = bar->actions();
    return index < actions.size() ? actions[index]->menu() : nullptr;
}

// Puts a popup in place of the entry at `position`, as a menu resource's placeholder is replaced.
void replaceEntry(QMenu* menu, int position, QMenu* popup)
{
    const QList<QAction*> actions = menu->actions();
    if (position >= actions.size())
        return;
    QAction* old = actions[position];
    menu->insertMenu(old, popup);
    menu->removeAction(old);
}
}  // namespace

void CMainWindow::applyLanguage()
{
    const bool english = g_settings.Language == 0;
    const resources::UiLanguage strings = resources::systemUiLanguage();
    setWindowTitle(stringOrOther(english ? 99 : 98));

    QMenuBar* bar = resources::buildMenuBar(resources::loadMenu(english ? "MainEMenu" : "MainMenu"),
                                            this, strings);
    setMenuBar(bar);  // the previous bar and its popups go with it
    connect(bar, &QMenuBar::triggered, this, [this](QAction* action) {
        if (const int command = resources::commandOf(action))
            onCommand(command);
    });
    for (QAction* action : bar->actions())
        if (QMenu* menu = action->menu()) {
            connect(menu, &QMenu::aboutToShow, this, [this] { updateCommandStates(); });
            connect(menu, &QMenu::aboutToHide, this, &CMainWindow::menuClosed);
        }

    if (QMenu* operation = popupAt(bar, 0)) {
        const QList<QAction*> entries = operation->actions();
        if (kNumberingPopupPosition < entries.size())
            entries[kNumberingPopupPosition]->setEnabled(g_settings.SlideRev != 0);
        QMenu* units = resources::buildMenu(stringOrOther(english ? 711 : 701),
                                            resources::loadMenu("UnitChange").items, bar, strings);
        replaceEntry(operation, kUnitPopupPosition, units);
    }
    if (QMenu* memory = popupAt(bar, 3)) {
        QMenu* set = resources::buildMenu(stringOrOther(english ? 713 : 703),
                                          resources::loadMenu("MemorySet").items, bar, strings);
        replaceEntry(memory, kMemorySetPosition, set);
    }
    for (int i = 0; i < kMemorySlots; ++i)
        writeMemoryItemTexts(i, g_settings.Memory[i]);

    const QPalette colours = palette();
    const int language = g_settings.Language;
    resources::fillToolBar(m_numberingToolbar,
                           resources::toolbarResource(resources::ToolbarKind::Numbering, language), colours, strings);
    resources::fillToolBar(m_editToolbar,
                           resources::toolbarResource(resources::ToolbarKind::Edit, language), colours, strings);
    resources::fillToolBar(m_modeToolbar,
                           resources::toolbarResource(resources::ToolbarKind::Mode, language), colours, strings);
    for (QToolBar* toolbar : {m_numberingToolbar, m_editToolbar, m_modeToolbar})
        for (QAction* action : toolbar->actions())
            if (QWidget* button = toolbar->widgetForAction(action); button && !action->isSeparator())
                button->setFixedSize(30, 23);
    updateCommandStates();
}

void CMainWindow::OnEnglish()
{
    if (g_settings.Language != 1)
        return;
    g_settings.Language = 0;
    applyLanguage();
}

void CMainWindow::OnJapanese()
{
    if (g_settings.Language != 0)
        return;
    g_settings.Language = 1;
    applyLanguage();
}
