// Command numbers to handlers, command-state updates and the accelerator table.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/position.h"
#include "platform/clipboard.h"
#include "ui/resources.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QToolBar>

namespace {
struct CommandState {
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

// One handler per command; the English number runs the same handler as its Japanese twin.
struct CommandBinding {
    int command;
    int twin;  // 0 when the command has no English twin
    void (CMainWindow::*handler)();
    CommandState (*state)(const CMainWindow&);  // nullptr: always enabled, no mark
};

bool clipboardOffersText() { return !Clipboard::takeText().isEmpty(); }

CommandState checkedWhen(bool on) { return {true, true, on}; }
CommandState numberingState(int sinNum)
{
    return {g_settings.SlideRev != 0, true, g_settings.SinNum == sinNum};
}

const CommandBinding kCommands[] = {
    {111, 32776, &CMainWindow::OnReverseSlide, nullptr},
    {110, 32777, &CMainWindow::OnInitialization, nullptr},
    {631, 32780, &CMainWindow::OnUndo, [](const CMainWindow& w) { return CommandState{w.m_undoItem != -1}; }},
    {135, 32779, &CMainWindow::OnNumberLock, [](const CMainWindow&) { return checkedWhen(g_settings.NumberVariable == 1); }},
    {131, 32791, &CMainWindow::OnRightClickDouble, [](const CMainWindow&) { return checkedWhen(g_settings.RightClick == 0); }},
    {132, 32792, &CMainWindow::OnRightClickFast, [](const CMainWindow&) { return checkedWhen(g_settings.RightClick == 1); }},
    {133, 32793, &CMainWindow::OnRightClickReverse, [](const CMainWindow&) { return checkedWhen(g_settings.RightClick == 2); }},
    {116, 32794, &CMainWindow::OnBlackNumbering, [](const CMainWindow&) { return numberingState(0); }},
    {117, 32795, &CMainWindow::OnRedNumbering, [](const CMainWindow&) { return numberingState(1); }},
    {940, 0, &CMainWindow::OnToggleNumbering, nullptr},
    {112, 0, &CMainWindow::OnFocusSlideBar, nullptr},
    {113, 0, &CMainWindow::OnFocusCursorBar, nullptr},
    {123, 0, &CMainWindow::OnSlideHome, nullptr},
    {124, 0, &CMainWindow::OnCursorHome, nullptr},
    {150, 0, &CMainWindow::OnAlwaysOnTop, [](const CMainWindow&) { return checkedWhen(g_settings.TopWin != 0); }},
    {170, 0, &CMainWindow::OnEnglish, [](const CMainWindow&) { return checkedWhen(g_settings.Language == 0); }},
    {171, 0, &CMainWindow::OnJapanese, [](const CMainWindow&) { return checkedWhen(g_settings.Language == 1); }},
    {901, 0, &CMainWindow::OnFocusEditBox, nullptr},
    {611, 32784, &CMainWindow::OnEditBoxCopy, [](const CMainWindow& w) { return CommandState{w.focusedHasValue()}; }},
    {612, 32785, &CMainWindow::OnEditBoxSlideMove, [](const CMainWindow& w) { return CommandState{w.slideEligible()}; }},
    {613, 32786, &CMainWindow::OnEditBoxCursorMove, [](const CMainWindow& w) { return CommandState{w.cursorEligible()}; }},
    {621, 32787, &CMainWindow::OnZeroRoundSlideMove, [](const CMainWindow& w) { return CommandState{w.slideEligible()}; }},
    {622, 32788, &CMainWindow::OnZeroRoundCursorMove, [](const CMainWindow& w) { return CommandState{w.cursorEligible()}; }},
    {651, 0, &CMainWindow::OnNextItem, nullptr},
    {652, 0, &CMainWindow::OnPreviousItem, nullptr},
    {601, 32781, &CMainWindow::OnClipboardCopy, [](const CMainWindow& w) { return CommandState{w.focusedHasValue()}; }},
    {602, 32782, &CMainWindow::OnSlidePaste,
     [](const CMainWindow& w) { return CommandState{w.slideEligible() && clipboardOffersText()}; }},
    {603, 32783, &CMainWindow::OnCursorPaste,
     [](const CMainWindow& w) { return CommandState{w.cursorEligible() && clipboardOffersText()}; }},
    {100, 32790, &CMainWindow::OnAbout, nullptr},
    {57670, 0, &CMainWindow::OnHelp, nullptr},
};

constexpr int kExitCommand = 57665;
constexpr int kHelpKeyCommand = 57668;  // F1
constexpr int kHelpCommand = 57670;

const CommandBinding* bindingOf(int command)
{
    for (const CommandBinding& binding : kCommands)
        if (binding.command == command || (binding.twin && binding.twin == command))
            return &binding;
    return nullptr;
}
}  // namespace

void CMainWindow::onCommand(int command)
{
    if (command == kExitCommand) {
        close();
        return;
    }
    if (command == kHelpKeyCommand)
        command = kHelpCommand;
    if (command >= 501 && command <= 510) {
        OnReadMemory(command - 500);
    } else if (command >= 521 && command <= 530) {
        OnSetMemory(command - 520);
    } else if (const calc::Conversion* conversion = calc::conversionByCommand(command)) {
        OnConversion(*conversion);
    } else if (const CommandBinding* binding = bindingOf(command)) {
        (this->*binding->handler)();
    } else {
        return;
    }
    updateCommandStates();
}

void CMainWindow::OnFocusEditBox() { m_editBox->setFocus(); }

double CMainWindow::focusedValue() const
{
    const int item = g_settings.NumFoucs;
    return item >= 1 && item <= 16 ? m_readoutValues[item - 1] : calc::kNoValue;
}

bool CMainWindow::focusedHasValue() const { return focusedValue() != calc::kNoValue; }
bool CMainWindow::slideEligible() const { return calc::isSlideEligible(g_settings.NumFoucs, focusedValue()); }
bool CMainWindow::cursorEligible() const { return calc::isCursorEligible(g_settings.NumFoucs, focusedValue()); }

// Every menu item and toolbar button takes the enabled and mark state of its command.
void CMainWindow::updateCommandStates(QWidget* menu)
{
    QList<QAction*> actions = (menu ? menu : menuBar())->findChildren<QAction*>();
    for (QToolBar* toolbar : {m_numberingToolbar, m_editToolbar, m_modeToolbar})
        actions += toolbar->actions();
    for (QAction* action : actions) {
        const int command = resources::commandOf(action);
        const CommandBinding* binding = command ? bindingOf(command) : nullptr;
        if (!binding || !binding->state)
            continue;
        const CommandState state = binding->state(*this);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checkable);
        action->setChecked(state.checked);
    }
}

void CMainWindow::createAccelerators()
{
    for (const resources::Accelerator& accelerator : resources::loadAccelerators()) {
        auto* action = new QAction(this);
        action->setShortcut(accelerator.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const int command = accelerator.command;
        connect(action, &QAction::triggered, this, [this, command] { onCommand(command); });
        addAction(action);
    }
}
