// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mazestate.h"
#include "core/random.h"

namespace pathwick {

// The state part of a new maze: the grid cleared and the markers emptied, a
// maze grown from a random seed cell, random start and end cells that differ,
// the mouse on the start cell in the middle of the view, EndReached false.
// A maze of a single cell (a corner seed whose openings both face off the
// grid) has no room for an end, so it is grown again.
void GenerateNewMaze(MazeState& state, RandomSource& random);

// A fractional value rounded to the nearest whole number, halves to even.
int RoundHalfEven(double value);

}  // namespace pathwick
