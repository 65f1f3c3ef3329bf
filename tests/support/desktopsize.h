// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QList>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace pathwick::testing {

// How long a desktop may take to answer a change of window state.
inline constexpr int kDesktopAnswerMs = 5000;

// Where each control of window lies, relative to the window, in the order of creation.
inline QList<QRect> ControlPlaces(QWidget& window, QWidget& client) {
    QList<QRect> places{QRect(client.mapTo(&window, QPoint()), QSize())};
    for (QWidget* control : client.findChildren<QWidget*>())
        places.append(QRect(control->mapTo(&window, QPoint()), control->size()));
    return places;
}

// Waits until the desktop has put window into state (maximised or full screen), as asked by
// the test or by the desktop itself, and has given it the size that goes with it: the whole
// width of the screen, and its height less at most a panel.
inline bool WaitUntilDesktopSized(QWidget& window, Qt::WindowState state) {
    return QTest::qWaitFor(
        [&window, state] {
            const QRect screen = state == Qt::WindowFullScreen
                                     ? window.screen()->geometry()
                                     : window.screen()->availableGeometry();
            const QSize frame = window.frameGeometry().size();
            return (window.windowState() & state) &&
                   window.windowHandle()->size() == window.size() &&
                   frame.width() == screen.width() && frame.height() <= screen.height() &&
                   frame.height() >= screen.height() * 9 / 10;
        },
        kDesktopAnswerMs);
}

// Waits until window is in the normal state again with size.
inline bool WaitUntilNormal(QWidget& window, QSize size) {
    return QTest::qWaitFor(
        [&window, size] {
            return window.windowState() == Qt::WindowNoState && window.size() == size &&
                   window.windowHandle()->size() == size;
        },
        kDesktopAnswerMs);
}

}  // namespace pathwick::testing
