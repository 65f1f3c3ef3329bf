// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

#include "core/newmaze.h"
#include "files/mazeformat.h"
#include "views/cellview.h"

namespace pathwick {

Game::Game(QSize mazeSize, QSize mapSize, RandomSource& random, Dialogs& dialogs)
    : picMaze_(mazeSize.width(), mazeSize.height()),
      picMap_(mapSize.width(), mapSize.height()),
      random_(random),
      dialogs_(dialogs) {
    // Both surfaces share one background: the map repaints open squares in
    // the cell view's background colour.
    picMap_.SetBackColor(picMaze_.BackColor());
    picMap_.Cls();
}

void Game::SetFilePath(const QString& path) {
    if (filePath_ == path) return;
    filePath_ = path;
    emit indicatorsChanged();
}

void Game::SetSaved(const QString& saved) {
    if (saved_ == saved) return;
    saved_ = saved;
    emit indicatorsChanged();
}

void Game::SetEndFillColor(Color colour) {
    if (endFillColor_ == colour) return;
    endFillColor_ = colour;
    emit endFillColorChanged(colour);
}

void Game::Start(float seed) {
    const ViewUnits units = ComputeViewUnits(picMaze_);
    state_.UnitW = units.w;
    state_.UnitH = units.h;
    state_.MarkerColor = kWhite;
    state_.MapView = false;
    random_.Seed(seed);
    NewMaze();
}

void Game::NewMaze() {
    MakeNewMaze();
    emit gameReplaced();
}

void Game::MakeNewMaze() {
    state_.EndReached = false;
    SetFilePath(QString());
    SetSaved(QStringLiteral("N"));
    picMaze_.Cls();
    GenerateNewMaze(state_, random_);
    DrawCell(picMaze_, state_, state_.StartX, state_.StartY);
    DrawMouse();
    if (state_.MapView) DrawMap();
}

void Game::DrawMouse() {
    DrawMouseFigure(picMaze_, state_, kMouseColor);
}

void Game::SetMarkerColor(Color colour) {
    if (state_.MarkerColor == colour) return;
    state_.MarkerColor = colour;
    emit markerColorChanged(colour);
}

bool Game::DropMarker() {
    if (state_.Markers(state_.MouseX, state_.MouseY).Count() >= kMaxMarkersInACell) {
        emit markerRefused();
        return false;
    }
    AddMarker(state_, keys_, state_.MouseX, state_.MouseY, state_.PosX, state_.PosY,
              state_.MarkerColor);
    DrawMarker(picMaze_, state_, state_.PosX, state_.PosY, state_.MarkerColor);
    SetSaved(QStringLiteral("N"));
    emit markerDropped(state_.MarkerColor);
    return true;
}

void Game::SwitchView() {
    state_.MapView = !state_.MapView;
    if (state_.MapView) DrawMap();
    emit viewSwitched(state_.MapView);
}

void Game::DrawMap() {
    DrawWholeMap(picMap_, state_, EndFillColor());
}

void Game::DisplayMarkers(const MarkerFilter& filter) {
    DrawMarkersOnMap(picMap_, state_, filter, picMaze_.BackColor(), EndFillColor());
    emit markersDisplayed(filter);
}

}  // namespace pathwick
