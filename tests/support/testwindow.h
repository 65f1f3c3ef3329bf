// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A main window for the window tests: scripted dialogs, a fixed seed, shown
// and active, and keys sent the way the platform sends them.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <memory>

#include "core/random.h"
#include "support/activewindow.h"
#include "support/fakedialogs.h"
#include "support/testgame.h"
#include "ui/frmmaze.h"
#include "ui/frmmaze_controls.h"
#include "ui/frmrules.h"
#include "ui/picturebox.h"
#include "views/cellview.h"

namespace pathwick::testing {

inline constexpr float kFixedTimeOfDay = 45296.25f;  // 12:34:56.25

// The main window's controls, found by their object names.
struct MazeControls {
    explicit MazeControls(QWidget& window) : window_(window) {}

    // A control or menu command by its name, for names that come from a data
    // table; a name the window lacks ends the test program at once.
    template <typename T>
    T* Named(const QString& name) const {
        T* found = window_.findChild<T*>(name);
        if (!found) qFatal("the main window has no control named %s", qPrintable(name));
        return found;
    }
    template <typename T>
    T* Named(const char* name) const {
        return Named<T>(QString::fromLatin1(name));
    }

    QWidget& window_;
    QGroupBox* fraKey = Named<QGroupBox>("fraKey");
    QLabel* lblEnd = Named<QLabel>("lblEnd");
    QLabel* lblStart = Named<QLabel>("lblStart");
    QLabel* lblMouse = Named<QLabel>("lblMouse");
    Shape* shpEnd = Named<Shape>("shpEnd");
    Shape* shpMouse = Named<Shape>("shpMouse");
    Shape* ShpStart = Named<Shape>("ShpStart");
    PictureBox* picMap = Named<PictureBox>("picMap");
    QGroupBox* fraMarkerColorOpts = Named<QGroupBox>("fraMarkerColorOpts");
    QGroupBox* fraMarkerColorChks = Named<QGroupBox>("fraMarkerColorChks");
    CheckBox* chkMagenta = Named<CheckBox>("chkMagenta");
    CheckBox* chkCyan = Named<CheckBox>("chkCyan");
    CheckBox* chkBlack = Named<CheckBox>("chkBlack");
    CheckBox* chkWhite = Named<CheckBox>("chkWhite");
    QRadioButton* optMagenta = Named<QRadioButton>("optMagenta");
    QRadioButton* optCyan = Named<QRadioButton>("optCyan");
    QRadioButton* optBlack = Named<QRadioButton>("optBlack");
    QRadioButton* optWhite = Named<QRadioButton>("optWhite");
    CommandButton* cmdDropMarker = Named<CommandButton>("cmdDropMarker");
    CommandButton* cmdViewMap = Named<CommandButton>("cmdViewMap");
    PictureBox* picMaze = Named<PictureBox>("picMaze");
    QLabel* lblSaved = Named<QLabel>("lblSaved");
    QLabel* lblSaved2 = Named<QLabel>("lblSaved2");
    QLabel* lblFilePath = Named<QLabel>("lblFilePath");
    QMenu* mnuFile = Named<QMenu>("mnuFile");
    QAction* mnuFileNew = Named<QAction>("mnuFileNew");
    QAction* mnuFileOpen = Named<QAction>("mnuFileOpen");
    QAction* mnuFileSave = Named<QAction>("mnuFileSave");
    QAction* mnuFileSaveAs = Named<QAction>("mnuFileSaveAs");
    QAction* mnuFileSep1 = Named<QAction>("mnuFileSep1");
    QAction* mnuFilePrint = Named<QAction>("mnuFilePrint");
    QAction* mnuFileExit = Named<QAction>("mnuFileExit");
    QMenu* mnuHelp = Named<QMenu>("mnuHelp");
    QAction* mnuHelpRules = Named<QAction>("mnuHelpRules");
    QAction* mnuHelpAbout = Named<QAction>("mnuHelpAbout");
};

struct TestWindow {
    FakeDialogs dialogs;
    SeededRandom random;
    std::unique_ptr<frmMaze> window;
    // The window's controls by name: w.ui.picMaze.
    MazeControls ui;

    TestWindow()
        : window(std::make_unique<frmMaze>(random, dialogs, [] { return kFixedTimeOfDay; })),
          ui(*window) {
        window->show();
        window->activateWindow();
        if (!WaitUntilActive(*window) &&
            !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            qWarning("the window did not become active");
    }

    frmMaze& operator*() { return *window; }
    frmMaze* operator->() { return window.get(); }
    Game& game() { return window->game(); }
    MazeState& State() { return GameSeam::State(window->game()); }

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
        MazeState& s = State();
        s.grid(x, y) = static_cast<CellCode>(code);
        s.MouseX = static_cast<std::int16_t>(x);
        s.MouseY = static_cast<std::int16_t>(y);
        s.PosX = static_cast<std::int16_t>(posX);
        s.PosY = static_cast<std::int16_t>(posY);
        DrawCell(game().picMaze(), s, x, y);
        game().DrawMouse();
    }
};

// Everything the player can see of a game, and the state behind it.
struct Snapshot {
    MazeState state;
    QImage cellView;
    QImage map;
    QString filePath;
    QString saved;
    bool mapShows = false;
    QString viewCaption;
    QString dropCaption;

    explicit Snapshot(TestWindow& w)
        : state(w.State()),
          cellView(w.game().picMaze().Picture().copy()),
          map(w.game().picMap().Picture().copy()),
          filePath(w.ui.lblFilePath->text()),
          saved(w.ui.lblSaved->text()),
          mapShows(w.ui.picMap->isVisible() && !w.ui.picMaze->isVisible()),
          viewCaption(w.ui.cmdViewMap->text()),
          dropCaption(w.ui.cmdDropMarker->text()) {}

    // What differs now from the snapshot: the game, a picture or an
    // indicator; empty when all are as they were.
    QString Difference(TestWindow& w) const {
        if (!(w.State() == state)) return QStringLiteral("the game's state changed");
        if (w.game().picMaze().Picture() != cellView)
            return QStringLiteral("the cell view changed");
        if (w.game().picMap().Picture() != map) return QStringLiteral("the map changed");
        if (w.ui.lblFilePath->text() != filePath)
            return QStringLiteral("the file path is now \"%1\"").arg(w.ui.lblFilePath->text());
        if (w.ui.lblSaved->text() != saved)
            return QStringLiteral("the saved indicator is now \"%1\"").arg(w.ui.lblSaved->text());
        return {};
    }
};

// Fails the calling test at once unless the game, its pictures and its
// indicators are as in snapshot.
#define PATHWICK_COMPARE_SNAPSHOT(snapshot, w)                  \
    do {                                                        \
        const QString difference = (snapshot).Difference(w);    \
        QVERIFY2(difference.isEmpty(), qPrintable(difference)); \
    } while (false)

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
