// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QTest>
#include <QWidget>

namespace pathwick::testing {

// Waits until window is the active window. Only the desktop activates windows: Qt's offscreen
// platform and an X11 window manager do so when asked, a Wayland compositor when it gives the
// window the keyboard, and a compositor without a keyboard (headless weston) never. After one
// window has waited in vain on Wayland, the others do not wait.
inline bool WaitUntilActive(QWidget& window) {
    static bool compositorActivatesNone = false;
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    if (window.isActiveWindow()) return true;
    if (compositorActivatesNone) return false;
    const bool active = QTest::qWaitFor([&window] { return window.isActiveWindow(); }, 3000);
    if (!active && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        compositorActivatesNone = true;
    return active;
}

}  // namespace pathwick::testing

// For a test that needs window to be the active window (shortcuts, keyboard focus, dialogs over
// the active window): skips it on a Wayland compositor that activates no window, fails it where
// the window should have become active.
#define PATHWICK_REQUIRE_ACTIVE_WINDOW(window)                                                 \
    do {                                                                                       \
        if (!pathwick::testing::WaitUntilActive(window)) {                                     \
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))          \
                QSKIP("needs the active window; this Wayland compositor activates no window"); \
            QFAIL("the window did not become active");                                         \
        }                                                                                      \
    } while (false)
