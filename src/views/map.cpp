// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/map.h"

#include <QPoint>

#include "core/newmaze.h"

namespace pathwick {

namespace {

// The sides in the order the map paints their arms.
constexpr Side kSides[] = {Side::kNorth, Side::kWest, Side::kEast, Side::kSouth};

// The square of a cell's 3 x 3 that is the arm towards side.
QPoint ArmSquare(Side side) {
    switch (side) {
        case Side::kNorth:
            return {1, 0};
        case Side::kWest:
            return {0, 1};
        case Side::kSouth:
            return {1, 2};
        case Side::kEast:
            return {2, 1};
    }
    return {1, 1};
}

// Draws square (i, j) of cell (x, y).
void DrawSquare(DrawingSurface& picMap, const MapUnits& units, int x, int y, int i, int j,
                Color colour) {
    const WallRect square{0, 0, units.w, units.h};
    const int left = ((x - 1) * 3) * units.w + i * units.w;
    const int top = ((y - 1) * 3) * units.h + j * units.h;
    DrawMapBox(picMap, square, left, top, colour);
}

void DrawCellWalls(DrawingSurface& picMap, const MapUnits& units, const MazeGrid& grid, int x,
                   int y) {
    DrawSquare(picMap, units, x, y, 0, 0, kWallColor);
    DrawSquare(picMap, units, x, y, 2, 0, kWallColor);
    DrawSquare(picMap, units, x, y, 0, 2, kWallColor);
    DrawSquare(picMap, units, x, y, 2, 2, kWallColor);
    for (const Side side : kSides) {
        if (IsWalled(grid, x, y, side)) {
            const QPoint arm = ArmSquare(side);
            DrawSquare(picMap, units, x, y, arm.x(), arm.y(), kWallColor);
        }
    }
}

// The mouse, start and end squares of cell (x, y), in that order.
void DrawCellFigures(DrawingSurface& picMap, const MapUnits& units, const MazeState& s,
                     Color endFill, int x, int y) {
    if (x == s.MouseX && y == s.MouseY) {
        const Zone zone = GetZone(s, s.PosX, s.PosY);
        DrawSquare(picMap, units, x, y, zone.zx - 1, zone.zy - 1, kMouseColor);
    }
    if (x == s.StartX && y == s.StartY) DrawSquare(picMap, units, x, y, 1, 1, kStartColor);
    if (x == s.EndX && y == s.EndY) DrawSquare(picMap, units, x, y, 1, 1, endFill);
}

bool Admits(const MarkerFilter& filter, Color colour) {
    static constexpr std::array<Color, 4> kColours{kWhite, kBlack, kCyan, kMagenta};
    for (std::size_t i = 0; i < kColours.size(); ++i)
        if (colour == kColours[i]) return filter[i] == 1;
    return false;
}

}  // namespace

MapUnits ComputeMapUnits(const DrawingSurface& picMap) {
    return {static_cast<std::int16_t>(RoundHalfEven(picMap.ScaleWidth()) / 75),
            static_cast<std::int16_t>(RoundHalfEven(picMap.ScaleHeight()) / 75)};
}

void DrawMapBox(DrawingSurface& picMap, const WallRect& rect, int x, int y, Color colour) {
    picMap.Line(x + rect.x1, y + rect.y1, x + rect.x2, y + rect.y2, colour);
}

void DrawWholeMap(DrawingSurface& picMap, const MazeState& state, Color endFill) {
    picMap.Cls();
    const MapUnits units = ComputeMapUnits(picMap);
    for (int y = 1; y <= kMazeSize; ++y) {
        for (int x = 1; x <= kMazeSize; ++x) {
            DrawCellWalls(picMap, units, state.grid, x, y);
            DrawCellFigures(picMap, units, state, endFill, x, y);
        }
    }
}

void DrawMarkersOnMap(DrawingSurface& picMap, MazeState& state, const MarkerFilter& filter,
                      Color back, Color endFill) {
    const MapUnits units = ComputeMapUnits(picMap);
    const MazeGrid& grid = state.grid;
    for (int y = 1; y <= kMazeSize; ++y) {
        for (int x = 1; x <= kMazeSize; ++x) {
            const CellMarkers markers = state.Markers(x, y);
            const int n = markers.Count();
            if (n > 0) {
                // Repaint the cell plain: open sides, the border's arms and the
                // centre in the background, then the walls as the map draws them.
                for (const Side side : kSides) {
                    if (IsOpen(grid, x, y, side) || OnBorder(x, y, side)) {
                        const QPoint arm = ArmSquare(side);
                        DrawSquare(picMap, units, x, y, arm.x(), arm.y(), back);
                    }
                }
                DrawSquare(picMap, units, x, y, 1, 1, back);
                DrawCellWalls(picMap, units, grid, x, y);

                const auto xs = markers.MarkerXs.Items();
                const auto ys = markers.MarkerYs.Items();
                const auto colours = markers.MarkerColors.Items();
                for (int k = 0; k < n; ++k) {
                    if (!Admits(filter, colours[k])) continue;
                    const Zone zone = GetZone(state, xs[k], ys[k]);
                    DrawSquare(picMap, units, x, y, zone.zx - 1, zone.zy - 1, colours[k]);
                }
            }
            DrawCellFigures(picMap, units, state, endFill, x, y);
        }
    }
}

}  // namespace pathwick
