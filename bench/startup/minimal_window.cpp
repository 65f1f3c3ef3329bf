// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: the least a Qt Widgets program does to show a window
// of the game's size. scripts/measure-startup.sh times both.
//
// With --label the window also shows one line of text. Text costs a Qt program the set-up of
// its fonts (on Linux, fontconfig reading its configuration, and Qt listing the fonts) before
// the first frame; the plain window never pays it. The labelled window shows how much of the
// game's start-up that set-up alone accounts for.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "app/firstframe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    // The size of the game's window: 424 × 304 pixels of client area below an 18-pixel menu bar.
    window.setFixedSize(424, 322);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        (new QLabel(QStringLiteral("Pathwick!"), &window))->move(10, 10);
    startup::QuitAfterFirstFrameIfAsked(window);
    window.show();
    return app.exec();
}
