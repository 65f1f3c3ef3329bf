// The yardstick for the game's start-up: the least a Qt Widgets program does to show a window
// of the game's size. scripts/measure-startup.sh times both.
#include <QApplication>
#include <QWidget>

#include "app/firstframe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    // The size of the game's window: 424 × 304 pixels of client area below an 18-pixel menu bar.
    window.setFixedSize(424, 322);
    startup::QuitAfterFirstFrameIfAsked(window);
    window.show();
    return app.exec();
}
