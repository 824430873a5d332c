#include "app/run.h"

#include "app/termination.h"
#include "app/the_app.h"
#include "window/main_window.h"

#include <QApplication>

int runKestrin()
{
    CTheApp theApp;
    int result = 0;
    if (theApp.InitInstance()) {
        closeOnTerminationSignals(theApp.mainWindow());
        result = QApplication::exec();
    }
    const int exitCode = theApp.ExitInstance();
    return result ? result : exitCode;
}
