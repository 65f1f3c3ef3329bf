// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

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

// Waits until the desktop has put window into state (maximised or full screen) with the size
// that goes with it: the screen's, less at most a title bar and a panel.
inline bool WaitUntilDesktopSized(QWidget& window, Qt::WindowState state) {
    return QTest::qWaitFor([&window, state] {
        const QSize size = window.windowHandle()->size(), screen = window.screen()->size();
        return (window.windowState() & state) && size == window.size() &&
               size.boundedTo(screen) == size && size.expandedTo(screen * 0.9) == size;
    });
}

// Restores window and waits until the desktop has given it size again.
inline bool RestoreTo(QWidget& window, QSize size) {
    window.showNormal();
    return QTest::qWaitFor(
        [&] { return window.size() == size && window.windowHandle()->size() == size; });
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
