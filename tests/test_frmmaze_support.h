#pragma once

// A main window for the window tests: scripted dialogs, a fixed seed, shown
// and active, and keys sent the way the platform sends them.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QWindow>
#include <memory>

#include "core/random.h"
#include "support/activewindow.h"
#include "support/fakedialogs.h"
#include "ui/frmmaze.h"
#include "ui/frmmaze_controls.h"
#include "ui/frmrules.h"
#include "ui/picturebox.h"
#include "views/cellview.h"

namespace pathwick::testing {

inline constexpr float kFixedTimeOfDay = 45296.25f;  // 12:34:56.25

struct TestWindow {
    FakeDialogs dialogs;
    SeededRandom random;
    std::unique_ptr<frmMaze> window;

    TestWindow() {
        window = std::make_unique<frmMaze>(random, dialogs, [] { return kFixedTimeOfDay; });
        window->show();
        window->activateWindow();
        if (!WaitUntilActive(*window) &&
            !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            qWarning("the window did not become active");
    }

    frmMaze& operator*() { return *window; }
    frmMaze* operator->() { return window.get(); }
    Game& game() { return window->game(); }
    MazeState& state() { return window->game().state; }

    template <typename T = QWidget>
    T* Control(const char* name) {
        return window->findChild<T*>(QLatin1String(name));
    }

    // A key press and release as the platform delivers it: to the window,
    // which hands it to the focused control.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
    }
    void PressTimes(int key, int times) {
        for (int i = 0; i < times; ++i) Press(key);
    }

    // Puts the mouse into cell (x, y) of the given code at (posX, posY) and
    // shows that cell with the mouse, as a step into it would.
    void PlaceMouse(int x, int y, int code, int posX, int posY) {
        MazeState& s = state();
        s.grid(x, y) = static_cast<CellCode>(code);
        s.MouseX = static_cast<std::int16_t>(x);
        s.MouseY = static_cast<std::int16_t>(y);
        s.PosX = static_cast<std::int16_t>(posX);
        s.PosY = static_cast<std::int16_t>(posY);
        DrawCell(game().picMaze, s, x, y);
        game().DrawMouse();
    }
};

// Lets posted events (repaints, focus changes) run.
inline void Settle() {
    QCoreApplication::processEvents();
}

// The rules windows that exist, shown or not.
inline QList<frmRules*> RulesWindows() {
    QList<frmRules*> found;
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* rules = qobject_cast<frmRules*>(widget)) found.append(rules);
    return found;
}

}  // namespace pathwick::testing
