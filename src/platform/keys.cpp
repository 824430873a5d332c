#include "platform/keys.h"

#include <QGuiApplication>

namespace Keys {
namespace {
const State* g_override = nullptr;
}

void overrideState(const State* state) { g_override = state; }

bool ctrl()
{
    return g_override ? g_override->ctrl
                      : bool(QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
}
bool shift()
{
    return g_override ? g_override->shift
                      : bool(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
}
bool rightButton()
{
    return g_override ? g_override->rightButton
                      : bool(QGuiApplication::mouseButtons() & Qt::RightButton);
}
}  // namespace Keys
