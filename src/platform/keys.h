#pragma once
// Modifier keys and the right button as they are when a message is handled.

namespace Keys {
bool ctrl();
bool shift();
bool rightButton();
}
