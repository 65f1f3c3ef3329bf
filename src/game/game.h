// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QString>

#include "core/dialogs.h"
#include "core/mazestate.h"
#include "core/random.h"
#include "views/cellview.h"
#include "views/drawingsurface.h"
#include "views/map.h"

namespace pathwick {

namespace testing {
struct GameSeam;
}

// What one step of the mouse did.
enum class StepOutcome {
    kBlocked,  // the mouse stayed where it was
    kMoved,    // a step inside the cell
    kCrossed,  // into the next cell
};
struct MouseStep {
    StepOutcome outcome = StepOutcome::kBlocked;
    // The mouse stands in the centre of the end cell, congratulated for the
    // first time in this maze (a game opened from a file may have it there
    // already, so a blocked step can reach the end too).
    bool endReached = false;
};

// What a file command did.
enum class FileOutcome { kDone, kCancelled, kFailed };

// One game: the state, the two drawing surfaces and the procedures of the main
// window that need no widgets. Every change of the game goes through the
// operations below, and each one tells what happened by a signal; the window,
// its indicators and the words for assistive technology listen to them.
class Game : public QObject {
    Q_OBJECT
public:
    // mazeSize and mapSize are the inner sizes, in pixels, of the cell view and
    // of the map; random and dialogs must outlive the game.
    Game(QSize mazeSize, QSize mapSize, RandomSource& random, Dialogs& dialogs);

    const MazeState& State() const { return state_; }
    const MarkerKeyCounter& Keys() const { return keys_; }  // run-wide marker keys
    // The pictures, for the widgets that show them: a widget takes over the
    // surface's change notice and sets its font and pixel ratio.
    DrawingSurface& picMaze() { return picMaze_; }  // the cell view: one cell, magnified
    const DrawingSurface& picMaze() const { return picMaze_; }
    DrawingSurface& picMap() { return picMap_; }  // the map of the whole maze
    const DrawingSurface& picMap() const { return picMap_; }

    // The caption of lblFilePath: the file the game was last saved to or
    // opened from, empty for a game without a file.
    const QString& FilePath() const { return filePath_; }
    // The caption of lblSaved: "Y" right after a save or open, "N" after any change.
    const QString& Saved() const { return saved_; }

    // The fill colour of the end's key swatch, which the map gives the end's
    // square each time it is drawn. The end colour until set.
    void SetEndFillColor(Color colour);
    Color EndFillColor() const { return endFillColor_; }

    // Start-up: the units from the cell view's inner size, white markers, the
    // cell view showing, the generator seeded with seed, then a new maze.
    void Start(float seed);

    // Throws the game away and builds, draws and shows a fresh random maze.
    void NewMaze();

    // The mouse figure: a red circle outline at (PosX, PosY), radius UnitH \ 2.
    void DrawMouse();

    // One step of the mouse in the cell view. Tells stepped, then marks the
    // game unsaved: what a listener shows on reaching the end comes before
    // the saved indicator changes.
    void MoveMouse(Direction direction);

    // The colour of the markers dropped from now on.
    void SetMarkerColor(Color colour);

    // "Drop Marker" in the cell view: a marker of MarkerColor at the mouse.
    // A cell that has as many markers as a maze file can keep takes no more
    // (markerRefused), and the game stays one that can be saved. False when
    // the marker was refused.
    bool DropMarker();

    // "View Map" / "View Maze": the map, drawn afresh, or the cell view.
    void SwitchView();

    // Draws the map of the current maze on picMap.
    void DrawMap();

    // "Display Markers" on the map: the markers whose colour filter admits them.
    void DisplayMarkers(const MarkerFilter& filter);

    // Writes the game to path; on success FilePath becomes path and Saved "Y",
    // on failure the player is told and nothing of the game changes.
    bool SaveMazeFile(const QString& path);

    // Replaces the game by the one in path (starting with NewMaze); on failure
    // the player is told and gets a fresh maze. True when the file was read.
    bool OpenMazeFile(const QString& path);

    // The File menu's commands, whole, with the dialogs they need.
    // "&Save": writes to the game's current file, or does "Save &As..." for a
    // game that has none.
    FileOutcome Save();
    // "Save &As...": the save dialog proposes the current file; a chosen name
    // is written as typed, replacing any file of that name without asking.
    FileOutcome SaveAs();
    // "&Open...": the open dialog; a chosen file replaces the game.
    FileOutcome Open();

signals:
    // FilePath or Saved changed.
    void indicatorsChanged();
    // The game was written to its file.
    void fileSaved();
    // A new maze was made or a file opened: everything may have changed.
    void gameReplaced();
    // The mouse took a step, or tried to; step.endReached asks for the
    // player's congratulation.
    void stepped(const pathwick::MouseStep& step);
    // A marker of colour was dropped where the mouse stands.
    void markerDropped(pathwick::Color colour);
    // No marker was dropped: the mouse's cell has kMaxMarkersInACell already.
    void markerRefused();
    // The markers admitted by filter were displayed on the map.
    void markersDisplayed(const pathwick::MarkerFilter& filter);
    // The map (mapView) or the cell view shows now.
    void viewSwitched(bool mapView);
    // The colour of the next marker changed.
    void markerColorChanged(pathwick::Color colour);
    // The end's swatch and square take colour from now on.
    void endFillColorChanged(pathwick::Color colour);

private:
    friend struct testing::GameSeam;

    // NewMaze without telling: opening a file tells once, when it is done.
    void MakeNewMaze();
    void SetFilePath(const QString& path);
    void SetSaved(const QString& saved);

    MazeState state_;
    DrawingSurface picMaze_;
    DrawingSurface picMap_;
    MarkerKeyCounter keys_;
    RandomSource& random_;
    Dialogs& dialogs_;
    Color endFillColor_ = kEndColor;
    QString filePath_;
    QString saved_;
};

}  // namespace pathwick
