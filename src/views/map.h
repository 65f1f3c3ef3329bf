#pragma once

#include "core/game.h"
#include "views/cellview.h"

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

}  // namespace pathwick
