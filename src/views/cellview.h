// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "core/mazestate.h"
#include "views/drawingsurface.h"

namespace pathwick {

// A rectangle template: the offsets of a box's two corners from an anchor.
struct WallRect {
    std::int16_t x1 = 0;
    std::int16_t y1 = 0;
    std::int16_t x2 = 0;
    std::int16_t y2 = 0;
};

// The cell view is 23 x 23 units of UnitW x UnitH scale units: four corner
// blocks of 10 x 10 units, a centre square of 3 x 3 units at (10, 10) and four
// arms from it to the edges. A closed side is a bar of 1 x 3 units in its arm,
// right next to the centre square.
inline constexpr int kViewUnits = 23;

// One view unit across and down (UnitW, UnitH), in scale units.
struct ViewUnits {
    std::int16_t w = 0;
    std::int16_t h = 0;
};

// The view units of a cell view: its inner size rounded, then divided by 23.
ViewUnits ComputeViewUnits(const DrawingSurface& picMaze);

// The labels written into the start cell, at 10.5 units across, and into the end cell, at 11,
// both 11 units down, in the player's language.
QString StartLabel();
QString EndLabel();

// The sides of cell (x, y) that the cell view closes with a bar, as a sum of
// kNorth, kWest, kSouth and kEast: every side that a code of the generator
// keeps closed, and every side on the border of the grid. Codes the generator
// never makes (0, 1, 2, 4, 8, negative, 16 and up) get the border bars only.
// The mouse meets what the picture shows, so the words follow this too.
CellCode BarredSides(const MazeState& state, int x, int y);

// The four ways the mouse steps, by the arrow keys.
enum class Direction { kLeft, kUp, kRight, kDown };

// The side of the cell view that the position (px, py) lies beyond: a step
// there crosses into the next cell. Nothing for a position inside the view.
std::optional<Side> SideCrossed(const MazeState& state, int px, int py);

// Paints the filled box rect + (dx, dy) in WallColor, both corners included.
void DrawWallBox(DrawingSurface& picMaze, const WallRect& rect, int dx, int dy);
void DrawNorthWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect);
void DrawWestWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect);
void DrawSouthWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect);
void DrawEastWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect);

// Repaints the whole cell view for cell (x, y): corner blocks, the bars of its
// code, the border bars, the "Start" and "End" labels and its markers. Creates
// the cell's marker lists if they do not exist yet. Does not draw the mouse.
void DrawCell(DrawingSurface& picMaze, MazeState& state, int x, int y);

// Sorts a cell-view position into a 3 x 3 pattern of zones, each 1..3:
// 1 below 10 units, 3 above 13 units, 2 in between (limits included).
struct Zone {
    int zx = 2;
    int zy = 2;
};
Zone GetZone(const MazeState& state, int px, int py);

// A circle outline at the mouse's position, radius UnitH \ 2, in colour.
void DrawMouseFigure(DrawingSurface& picMaze, const MazeState& state, Color colour);

// One marker: a disc of radius UnitH \ 4 filled and outlined in colour. Leaves
// the surface with transparent fill.
void DrawMarker(DrawingSurface& picMaze, const MazeState& state, int px, int py, Color colour);

}  // namespace pathwick
