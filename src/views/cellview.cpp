// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/cellview.h"

#include <QCoreApplication>

#include "core/newmaze.h"

namespace pathwick {

namespace {

std::int16_t Units(int count, int unit) {
    return static_cast<std::int16_t>(count * unit);
}

}  // namespace

QString StartLabel() {
    return QCoreApplication::translate("pathwick::CellView", "Start", "label of the start cell");
}

QString EndLabel() {
    return QCoreApplication::translate("pathwick::CellView", "End", "label of the end cell");
}

CellCode BarredSides(const MazeState& state, int x, int y) {
    const int code = state.grid(x, y);
    const bool generated =
        code == 3 || code == 5 || code == 6 || code == 7 || (code >= 9 && code <= 15);
    int bars = generated ? ~code & (kNorth | kWest | kSouth | kEast) : 0;
    if (OnBorder(x, y, Side::kNorth)) bars |= kNorth;
    if (OnBorder(x, y, Side::kWest)) bars |= kWest;
    if (OnBorder(x, y, Side::kSouth)) bars |= kSouth;
    if (OnBorder(x, y, Side::kEast)) bars |= kEast;
    return static_cast<CellCode>(bars);
}

std::optional<Side> SideCrossed(const MazeState& state, int px, int py) {
    // The mouse's centre may come within 5 scale units of the west and north
    // edges, and up to the east and south edges themselves.
    if (px < 5) return Side::kWest;
    if (px > kViewUnits * state.UnitW) return Side::kEast;
    if (py < 5) return Side::kNorth;
    if (py > kViewUnits * state.UnitH) return Side::kSouth;
    return std::nullopt;
}

ViewUnits ComputeViewUnits(const DrawingSurface& picMaze) {
    return {static_cast<std::int16_t>(RoundHalfEven(picMaze.ScaleWidth()) / kViewUnits),
            static_cast<std::int16_t>(RoundHalfEven(picMaze.ScaleHeight()) / kViewUnits)};
}

void DrawWallBox(DrawingSurface& picMaze, const WallRect& rect, int dx, int dy) {
    picMaze.Line(rect.x1 + dx, rect.y1 + dy, rect.x2 + dx, rect.y2 + dy, kWallColor);
}

void DrawNorthWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect) {
    DrawWallBox(picMaze, rect, Units(10, state.UnitW), Units(9, state.UnitH));
}

void DrawWestWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect) {
    DrawWallBox(picMaze, rect, Units(9, state.UnitW), Units(10, state.UnitH));
}

void DrawSouthWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect) {
    DrawWallBox(picMaze, rect, Units(10, state.UnitW), Units(13, state.UnitH));
}

void DrawEastWall(DrawingSurface& picMaze, const MazeState& state, const WallRect& rect) {
    DrawWallBox(picMaze, rect, Units(13, state.UnitW), Units(10, state.UnitH));
}

void DrawCell(DrawingSurface& picMaze, MazeState& state, int x, int y) {
    const int w = state.UnitW;
    const int h = state.UnitH;
    const WallRect corner{0, 0, Units(10, w), Units(10, h)};
    const WallRect horizontalBar{0, 0, Units(3, w), static_cast<std::int16_t>(h)};
    const WallRect verticalBar{0, 0, static_cast<std::int16_t>(w), Units(3, h)};

    picMaze.Cls();

    // The labels go first and the walls over them: "Start" is about as wide
    // as the centre square and can reach into the east bar, and as the wall
    // test reads the picture, a label must never open a gap in a wall.
    if (x == state.StartX && y == state.StartY) {
        picMaze.CurrentX = 10.5 * w;
        picMaze.CurrentY = 11.0 * h;
        picMaze.ForeColor = kStartColor;
        picMaze.Print(StartLabel());
        picMaze.ForeColor = 0;
    }
    if (x == state.EndX && y == state.EndY) {
        picMaze.CurrentX = 11.0 * w;
        picMaze.CurrentY = 11.0 * h;
        picMaze.ForeColor = kEndLabelColor;
        picMaze.Print(EndLabel());
        picMaze.ForeColor = 0;
    }

    DrawWallBox(picMaze, corner, 0, 0);
    DrawWallBox(picMaze, corner, 13 * w, 0);
    DrawWallBox(picMaze, corner, 0, 13 * h);
    DrawWallBox(picMaze, corner, 13 * w, 13 * h);

    const CellCode bars = BarredSides(state, x, y);
    if (bars & kNorth) DrawNorthWall(picMaze, state, horizontalBar);
    if (bars & kWest) DrawWestWall(picMaze, state, verticalBar);
    if (bars & kSouth) DrawSouthWall(picMaze, state, horizontalBar);
    if (bars & kEast) DrawEastWall(picMaze, state, verticalBar);

    const CellMarkers markers = state.Markers(x, y);
    const int n = markers.Count();
    const auto xs = markers.MarkerXs.Items();
    const auto ys = markers.MarkerYs.Items();
    const auto colours = markers.MarkerColors.Items();
    for (int i = 0; i < n; ++i) DrawMarker(picMaze, state, xs[i], ys[i], colours[i]);
}

Zone GetZone(const MazeState& state, int px, int py) {
    const auto zone = [](int p, int unit) {
        if (p < 10 * unit) return 1;
        if (p > 13 * unit) return 3;
        return 2;
    };
    return {zone(px, state.UnitW), zone(py, state.UnitH)};
}

void DrawMouseFigure(DrawingSurface& picMaze, const MazeState& state, Color colour) {
    picMaze.Circle(state.PosX, state.PosY, state.UnitH / 2, colour);
}

void DrawMarker(DrawingSurface& picMaze, const MazeState& state, int px, int py, Color colour) {
    picMaze.FillColor = colour;
    picMaze.FillStyle = DrawingSurface::kFillSolid;
    picMaze.Circle(px, py, state.UnitH / 4, colour);
    picMaze.FillStyle = DrawingSurface::kFillTransparent;
    picMaze.FillColor = picMaze.BackColor();
}

}  // namespace pathwick
