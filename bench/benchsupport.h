// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmarks share besides the tests' game (tests/support): a GUI
// application for the drawing.

#include <QCoreApplication>
#include <QGuiApplication>

namespace pathwick::bench {

// Drawing the cell view prints its labels, which needs a GUI application; run
// one on the offscreen platform unless one is running already.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pathwick-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace pathwick::bench
