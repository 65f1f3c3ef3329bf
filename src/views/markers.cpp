#include "core/game.h"
#include "views/cellview.h"

namespace pathwick {

void Game::DropMarker() {
    AddMarker(state, keys, state.MouseX, state.MouseY, state.PosX, state.PosY, state.MarkerColor);
    DrawMarker(picMaze, state, state.PosX, state.PosY, state.MarkerColor);
    SetSaved(QStringLiteral("N"));
}

}  // namespace pathwick
