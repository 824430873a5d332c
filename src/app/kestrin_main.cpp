#include "app/run.h"

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
    return runKestrin();
}
