// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/newmaze.h"

#include <cmath>

#include "core/generator.h"

namespace pathwick {

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

void GenerateNewMaze(MazeState& state, RandomSource& random) {
    state.EndReached = false;
    state.EmptyMarkers();
    do {
        state.grid.Clear();
        const int sx = RandomInt(random, kMazeSize);
        const int sy = RandomInt(random, kMazeSize);
        GenerateCell(state.grid, sx, sy, 0, random);
    } while (state.grid.VisitedCount() < 2);

    do {
        state.StartX = static_cast<std::int16_t>(RandomInt(random, kMazeSize));
        state.StartY = static_cast<std::int16_t>(RandomInt(random, kMazeSize));
    } while (!IsVisited(state.grid, state.StartX, state.StartY));
    do {
        state.EndX = static_cast<std::int16_t>(RandomInt(random, kMazeSize));
        state.EndY = static_cast<std::int16_t>(RandomInt(random, kMazeSize));
    } while (!IsVisited(state.grid, state.EndX, state.EndY) ||
             (state.EndX == state.StartX && state.EndY == state.StartY));

    state.MouseX = state.StartX;
    state.MouseY = state.StartY;
    state.PosX = static_cast<std::int16_t>(RoundHalfEven(state.UnitW * 11.5));
    state.PosY = static_cast<std::int16_t>(RoundHalfEven(state.UnitH * 11.5));
}

}  // namespace pathwick
