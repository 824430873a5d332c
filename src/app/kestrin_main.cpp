#include "app/termination.h"
#include "app/the_app.h"
#include "window/main_window.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--version")) {
            std::puts("kestrin 3.2.0");
            return 0;
        }
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::puts("Usage: kestrin\nA slide-rule simulator. It takes no arguments;\n"
                      "settings are kept in ~/.config/Orbane/kestrin.ini.");
            return 0;
        }
    }
    QApplication app(argc, argv);
    CTheApp theApp;
    int result = 0;
    if (theApp.InitInstance()) {
        closeOnTerminationSignals(theApp.mainWindow());
        result = QApplication::exec();
    }
    const int exitCode = theApp.ExitInstance();
    return result ? result : exitCode;
}
