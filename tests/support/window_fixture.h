#pragma once
// Shared by the suites that drive a real main window: making it, showing it, holding keys
// and computing the readings a paint would leave.

#include "calc/readout.h"
#include "platform/keys.h"
#include "window/main_window.h"

#include <memory>

namespace testsupport {

// A main window that stays alive when closed, so the test owns it to the end.
std::unique_ptr<CMainWindow> makeWindow();

// Shows the window and waits until it is exposed; false if it never is.
[[nodiscard]] bool showWindow(CMainWindow& w);
// As showWindow, then makes it the active window.
[[nodiscard]] bool showAndActivate(CMainWindow& w);

// The readings of all sixteen items for the stored positions, face, numbering and the
// window's conversion.
calc::ReadoutValues readingsOf(const CMainWindow& w);
// Stores those readings in the window, as a paint would.
void computeReadings(CMainWindow& w);

// Holds modifier keys and the right button down (as Keys sees them) until it goes out of
// scope; then the real state returns. Holding again replaces what was held.
class HeldKeys {
public:
    HeldKeys() = default;  // nothing held yet
    HeldKeys(bool ctrl, bool shift, bool right) { hold(ctrl, shift, right); }
    explicit HeldKeys(const Keys::State& keys) { hold(keys.ctrl, keys.shift, keys.rightButton); }
    ~HeldKeys() { Keys::overrideState(nullptr); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

    void hold(bool ctrl, bool shift, bool right)
    {
        m_keys = {ctrl, shift, right};
        Keys::overrideState(&m_keys);
    }

private:
    Keys::State m_keys;
};

}  // namespace testsupport
