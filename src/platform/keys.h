#pragma once
// Modifier keys and the right button as they are when a message is handled.

namespace Keys {
bool ctrl();
bool shift();
bool rightButton();

// Tests hold keys down through this; nullptr returns to the real state.
struct State {
    bool ctrl = false;
    bool shift = false;
    bool rightButton = false;
};
void overrideState(const State* state);
}
