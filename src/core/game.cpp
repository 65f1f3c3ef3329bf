#include "core/game.h"

#include "core/newmaze.h"
#include "views/cellview.h"
#include "views/map.h"

namespace pathwick {

Game::Game(QSize mazeSize, QSize mapSize, RandomSource& random, Dialogs& dialogs)
    : picMaze(mazeSize.width(), mazeSize.height()),
      picMap(mapSize.width(), mapSize.height()),
      random_(random),
      dialogs_(dialogs) {
    // Both surfaces share one background: the map repaints open squares in
    // the cell view's background colour.
    picMap.SetBackColor(picMaze.BackColor());
    picMap.Cls();
}

void Game::SetFilePath(const QString& path) {
    if (filePath_ == path) return;
    filePath_ = path;
    if (IndicatorsChanged) IndicatorsChanged();
}

void Game::SetSaved(const QString& saved) {
    if (saved_ == saved) return;
    saved_ = saved;
    if (IndicatorsChanged) IndicatorsChanged();
}

void Game::Start(float seed) {
    state.UnitW = static_cast<std::int16_t>(RoundHalfEven(picMaze.ScaleWidth()) / 23);
    state.UnitH = static_cast<std::int16_t>(RoundHalfEven(picMaze.ScaleHeight()) / 23);
    state.MarkerColor = kWhite;
    state.MapView = false;
    random_.Seed(seed);
    NewMaze();
}

void Game::NewMaze() {
    state.EndReached = false;
    SetFilePath(QString());
    SetSaved(QStringLiteral("N"));
    picMaze.Cls();
    GenerateNewMaze(state, random_);
    DrawCell(picMaze, state, state.StartX, state.StartY);
    DrawMouse();
    if (state.MapView) DrawMap();
}

void Game::DrawMouse() {
    DrawMouseFigure(picMaze, state, kMouseColor);
}

}  // namespace pathwick
