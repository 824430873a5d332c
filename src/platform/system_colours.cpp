#include "platform/system_colours.h"

#include <QGuiApplication>
#include <QPalette>

ButtonColours systemButtonColours()
{
    const QPalette palette = QGuiApplication::palette();
    return {palette.color(QPalette::ButtonText), palette.color(QPalette::Dark),
            palette.color(QPalette::Button), palette.color(QPalette::Light)};
}
