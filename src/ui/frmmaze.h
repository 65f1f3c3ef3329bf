// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "core/random.h"
#include "game/game.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;

namespace pathwick {

class CheckBox;
class CommandButton;
class WindowDialogs;
class GameAccessibility;
class PictureBox;
class RulesWindow;
class Shape;

// The main window: the cell view or the map, the colour key, the marker colour
// choices, the two command buttons, the file path and the saved indicator, and
// the menus. It owns the one Game and forwards the player's commands to it.
//
// Every key press that goes to any control of the window reaches Form_KeyDown
// first (the window previews the keyboard); the control still gets the key.
//
// A handler is added by declaring it among the private slots below, connecting
// it in ConnectHandlers() and defining it with the others of its kind. The
// controls and menu commands are private, by the names the handlers use; each
// carries its name as its object name too.
//
// The game tells what happened by its signals; the window shows it (the view,
// the indicators, the messages a step or a refused marker calls for).
class frmMaze : public QMainWindow {
    Q_OBJECT
public:
    // random and dialogs must outlive the window; timeOfDay gives the seed of
    // the game, the seconds since midnight.
    frmMaze(RandomSource& random, WindowDialogs& dialogs,
            std::function<float()> timeOfDay = SecondsSinceMidnight, QWidget* parent = nullptr);
    ~frmMaze() override;

    Game& game() { return *game_; }
    const Game& game() const { return *game_; }

    // The inner size of the window below the menu bar, in pixels.
    static QSize ClientSize();

    // The desktop session is ending. With leave to interact, asks the exit
    // question: a No answers false, which cancels the logout; a Yes releases
    // the interaction and closes the window. Without leave, does nothing.
    bool EndOfSession(bool mayInteract, const std::function<void()>& releaseInteraction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    // The handlers of the controls and menu commands, each connected in
    // ConnectHandlers(): the controls' in frmmaze.cpp, the menus' in
    // frmmaze_commands.cpp.
    void cmdDropMarker_Click();
    void cmdViewMap_Click();
    void optWhite_Click();
    void optBlack_Click();
    void optCyan_Click();
    void optMagenta_Click();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuHelpRules_Click();
    void mnuHelpAbout_Click();

private:
    // Construction, in order.
    void CreateControls();
    void CreateGame(RandomSource& random);
    void CreateMenus();
    void SetTabOrder();
    void ConnectHandlers();
    void SetFixedWindowSize();
    // Each caption readable within its control, in any language.
    void FitCaptions();
    void Form_Load();

    // The key preview: runs for every key press of the window before the
    // focused control sees it.
    void Form_KeyDown(int key, Qt::KeyboardModifiers shift);
    // The widget a key press of this window is delivered to first.
    QWidget* FirstKeyReceiver() const;
    // F1 to F4: selects the colour's option button, then drops a marker.
    void DropMarkerOfColour(QRadioButton* option);

    // The window keeps its designed size in the normal state, whatever size
    // the desktop gives it, unless the desktop insists on its own (see
    // NoteDesktopSize); maximised or full screen, it takes the desktop's.
    void Form_Resize();
    // Follows the sizes the desktop reports for the window.
    void NoteDesktopSize(QSize size);

    // Closing: asks before every way of closing the window; after a Yes the
    // rules window goes too.
    bool Form_QueryUnload();
    void Form_Unload();
    void ConnectSessionEnd();

    void ShowIndicators();
    // The congratulation, once a step has reached the end.
    void ShowEndReached(const MouseStep& step);
    // Why no marker was dropped.
    void ShowMarkerRefused();
    // The map (mapView) or the cell view, with the captions and colour boxes
    // that go with it.
    void ShowView(bool mapView);
    void CentreOnScreen();

    // The controls, by their names, which are also their object names (tests
    // find them by these). Children of the window; created once.
    QGroupBox* fraKey = nullptr;
    QLabel* lblEnd = nullptr;
    QLabel* lblStart = nullptr;
    QLabel* lblMouse = nullptr;
    Shape* shpEnd = nullptr;
    Shape* shpMouse = nullptr;
    Shape* ShpStart = nullptr;
    PictureBox* picMap = nullptr;
    QGroupBox* fraMarkerColorOpts = nullptr;
    QGroupBox* fraMarkerColorChks = nullptr;
    CheckBox* chkMagenta = nullptr;
    CheckBox* chkCyan = nullptr;
    CheckBox* chkBlack = nullptr;
    CheckBox* chkWhite = nullptr;
    QRadioButton* optMagenta = nullptr;
    QRadioButton* optCyan = nullptr;
    QRadioButton* optBlack = nullptr;
    QRadioButton* optWhite = nullptr;
    CommandButton* cmdDropMarker = nullptr;
    CommandButton* cmdViewMap = nullptr;
    PictureBox* picMaze = nullptr;
    QLabel* lblSaved = nullptr;
    QLabel* lblSaved2 = nullptr;
    QLabel* lblFilePath = nullptr;

    // The menus and their commands.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileSep1 = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpRules = nullptr;
    QAction* mnuHelpAbout = nullptr;

    WindowDialogs& dialogs_;
    std::function<float()> timeOfDay_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<RulesWindow> rules_;
    // What assistive technology is told of the game.
    std::unique_ptr<GameAccessibility> accessibility_;
    bool centred_ = false;
    // The window's size in the normal state: the client area and the menu bar.
    QSize designedSize_;
    // The size the desktop last gave the window other than its own, and how
    // many times in a row it has given it again in answer to an undo.
    QSize desktopSize_;
    int desktopInsisted_ = 0;
    // The player has already said Yes to exiting (at the end of the session).
    bool exitConfirmed_ = false;
};

}  // namespace pathwick
