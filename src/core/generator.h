// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mazegrid.h"
#include "core/random.h"

namespace pathwick {

// A random code for a cell entered through side IncDir (1 north, 2 west,
// 4 south, 8 east; 0 for the seed cell). The code always keeps the entry side
// open and has at least two openings; the draws are made in a fixed order.
CellCode RandomDirections(int IncDir, RandomSource& random);

// Gives cell (x, y) its code if it is on the grid and still empty, then grows
// the maze on from it depth first: west, north, east, south, each side decided
// only after the growth through the previous one has returned. (x, y) may lie
// one step off the grid.
void GenerateCell(MazeGrid& grid, int x, int y, int IncDir, RandomSource& random);

}  // namespace pathwick
