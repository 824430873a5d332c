#include "window/main_window.h"

#include <QApplication>

namespace {
// One handler per command; the English number runs the same handler as its Japanese twin.
struct CommandBinding {
    int command;
    int twin;  // 0 when the command has no English twin
    void (CMainWindow::*handler)();
};

const CommandBinding kCommands[] = {
    {110, 32777, &CMainWindow::OnInitialization},
};
}  // namespace

void CMainWindow::onCommand(int command)
{
    if (command == 57665) {  // application exit
        close();
        return;
    }
    if (const calc::Conversion* conversion = calc::conversionByCommand(command)) {
        OnConversion(*conversion);
        return;
    }
    for (const CommandBinding& binding : kCommands) {
        if (binding.command == command || (binding.twin && binding.twin == command)) {
            (this->*binding.handler)();
            return;
        }
    }
}
