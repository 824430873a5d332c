// render-face DIR: composes the three slide faces with the program's own code and writes
// DIR/front.png, DIR/back.png and DIR/end-for-end.png (2501 × 136 canvas pictures).

#include "scales/face_composer.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render-face DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "render-face: cannot create %s\n", argv[1]);
        return 1;
    }

    const GraduationTables tables = GraduationTables::build();
    const struct {
        int16_t slideRev;
        const char* file;
    } faces[] = {{0, "front.png"}, {1, "back.png"}, {3, "end-for-end.png"}};
    for (const auto& f : faces) {
        QImage canvas = newCanvas();
        Dc dc(canvas);
        FaceComposer composer;
        composer.compose(dc, tables, FaceState{f.slideRev, 0});
        const QString path = dir.filePath(QString::fromLatin1(f.file));
        if (!canvas.save(path)) {
            std::fprintf(stderr, "render-face: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
