// kestrin-startup: the program's own start-up (src/app/kestrin_main.cpp) that quits right after
// the first paint of the face and then ends as the program does. Timed by bench/run.sh.

#include "app/run.h"
#include "window/client_area.h"
#include "window/main_window.h"

#include <QApplication>
#include <QPaintEvent>

namespace {
// Watches every paint; the first one of the client area that covers the face queues the quit.
class QuitAfterFacePaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_queued && event->type() == QEvent::Paint && qobject_cast<ClientArea*>(watched)) {
            auto* window = qobject_cast<CMainWindow*>(watched->parent());
            if (!window || static_cast<QPaintEvent*>(event)->region().intersects(window->faceRect())) {
                m_queued = true;
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    bool m_queued = false;
};
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("kestrin");  // the program's settings file, not one named after this binary
    QuitAfterFacePaint quitter;
    app.installEventFilter(&quitter);
    return runKestrin();
}
