// kestrin-startup-floor: the least a Qt program of the same shape does before its first paint,
// an empty main window of the program's size with a menu bar and a status bar. It quits right
// after that paint.

#include "calc/layout.h"
#include "quit_after_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace {
constexpr int kDefaultExtraWidth = 255;  // CxSize of a first start
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto* central = new QWidget;
    window.setCentralWidget(central);
    QuitAfterPaint quitter;
    central->installEventFilter(&quitter);
    window.resize(layout::kBaseClientWidth + kDefaultExtraWidth,
                  layout::kClientHeight + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}
