// kestrin-startup: the program's own start-up (src/app/kestrin_main.cpp) that quits right after
// the first paint of the face and then ends as the program does. Timed by bench/run.sh.

#include "app/run.h"
#include "quit_after_paint.h"
#include "window/client_area.h"
#include "window/main_window.h"

#include <QApplication>
#include <QPaintEvent>


int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("kestrin");  // the program's settings file, not one named after this binary
    // The first paint of the client area that covers the face.
    QuitAfterPaint quitter([](QObject* watched, const QPaintEvent& paint) {
        if (!qobject_cast<ClientArea*>(watched))
            return false;
        auto* window = qobject_cast<CMainWindow*>(watched->parent());
        return !window || paint.region().intersects(window->faceRect());
    });
    app.installEventFilter(&quitter);
    return runKestrin();
}
