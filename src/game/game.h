// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <functional>

#include "core/dialogs.h"
#include "core/mazestate.h"
#include "core/random.h"
#include "views/drawingsurface.h"
#include "views/map.h"

namespace pathwick {

// One game: the state, the two drawing surfaces and the procedures of the main
// window that need no widgets. The window owns one Game, forwards its events to
// it and shows the surfaces and the two indicator texts.
class Game : public QObject {
    Q_OBJECT
public:
    // mazeSize and mapSize are the inner sizes, in pixels, of the cell view and
    // of the map; random and dialogs must outlive the game.
    Game(QSize mazeSize, QSize mapSize, RandomSource& random, Dialogs& dialogs);

    const MazeState& State() const { return state_; }
    // The state itself, for the window's own drawing and for tests that set up
    // a position; whoever changes it redraws what it changed.
    MazeState& State() { return state_; }
    DrawingSurface& picMaze() { return picMaze_; }  // the cell view: one cell, magnified
    const DrawingSurface& picMaze() const { return picMaze_; }
    DrawingSurface& picMap() { return picMap_; }  // the map of the whole maze
    const DrawingSurface& picMap() const { return picMap_; }
    MarkerKeyCounter& Keys() { return keys_; }  // run-wide marker keys
    Dialogs& dialogs() { return dialogs_; }

    // The caption of lblFilePath: the file the game was last saved to or
    // opened from, empty for a game without a file.
    const QString& FilePath() const { return filePath_; }
    // The caption of lblSaved: "Y" right after a save or open, "N" after any change.
    const QString& Saved() const { return saved_; }
    void SetFilePath(const QString& path);
    void SetSaved(const QString& saved);

    // Where the map reads the fill colour of the end's key swatch, each time
    // it is drawn. The end colour until set.
    void SetEndFillColorSource(std::function<Color()> source);
    Color EndFillColor() const { return endFillColor_(); }

    // Start-up: the units from the cell view's inner size, white markers, the
    // cell view showing, the generator seeded with seed, then a new maze.
    void Start(float seed);

    // Throws the game away and builds, draws and shows a fresh random maze.
    void NewMaze();

    // The mouse figure: a red circle outline at (PosX, PosY), radius UnitH \ 2.
    void DrawMouse();

    // One step of the mouse: "L", "U", "R" or "D"; any other text does not move it.
    void MoveMouse(const QString& direction);

    // "Drop Marker" in the cell view: a marker of MarkerColor at the mouse.
    void DropMarker();

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

signals:
    // FilePath or Saved changed.
    void indicatorsChanged();

private:
    MazeState state_;
    DrawingSurface picMaze_;
    DrawingSurface picMap_;
    MarkerKeyCounter keys_;
    RandomSource& random_;
    Dialogs& dialogs_;
    std::function<Color()> endFillColor_;
    QString filePath_;
    QString saved_;
};

}  // namespace pathwick
