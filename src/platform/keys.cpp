#include "platform/keys.h"

#include <QGuiApplication>

namespace Keys {
bool ctrl() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool shift() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }
bool rightButton() { return QGuiApplication::mouseButtons() & Qt::RightButton; }
}
