// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "core/mazestate.h"
#include "views/cellview.h"
#include "views/drawingsurface.h"

namespace pathwick {

// The map shows every cell as 3 x 3 squares of MapUnitW x MapUnitH scale
// units, anchored at the top-left inner corner of picMap.
struct MapUnits {
    std::int16_t w = 0;
    std::int16_t h = 0;
};

// The map square size: the surface's inner size rounded, then divided by 75.
MapUnits ComputeMapUnits(const DrawingSurface& picMap);

// Draws the box rect + (x, y) on picMap, filled and bordered in colour.
void DrawMapBox(DrawingSurface& picMap, const WallRect& rect, int x, int y, Color colour);

// The values of the four colour check boxes shown over the map, in the order
// white, black, cyan, magenta: 0 unticked, 1 ticked, 2 greyed.
using MarkerFilter = std::array<int, 4>;

// The map of the whole maze on a cleared picMap: every cell's walls, the mouse
// in its zone, the start, and the end filled in endFill.
void DrawWholeMap(DrawingSurface& picMap, const MazeState& state, Color endFill);

// The markers on the map: every cell with markers repainted plain (open squares
// in back), then the markers whose colour the filter admits, then the mouse,
// start and end of every cell again. Creates every cell's marker lists.
void DrawMarkersOnMap(DrawingSurface& picMap, MazeState& state, const MarkerFilter& filter,
                      Color back, Color endFill);

}  // namespace pathwick
