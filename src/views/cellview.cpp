// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/cellview.h"

#include "core/newmaze.h"

namespace pathwick {

namespace {

std::int16_t Units(int count, int unit) {
    return static_cast<std::int16_t>(count * unit);
}

}  // namespace

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
        picMaze.Print(QStringLiteral("Start"));
        picMaze.ForeColor = 0;
    }
    if (x == state.EndX && y == state.EndY) {
        picMaze.CurrentX = 11.0 * w;
        picMaze.CurrentY = 11.0 * h;
        picMaze.ForeColor = kEndLabelColor;
        picMaze.Print(QStringLiteral("End"));
        picMaze.ForeColor = 0;
    }

    DrawWallBox(picMaze, corner, 0, 0);
    DrawWallBox(picMaze, corner, 13 * w, 0);
    DrawWallBox(picMaze, corner, 0, 13 * h);
    DrawWallBox(picMaze, corner, 13 * w, 13 * h);

    // One bar on each side that the code keeps closed. Codes the generator
    // never makes (0, 1, 2, 4, 8, negative, 16 and up) get no bars.
    switch (state.grid(x, y)) {
        case 3:
            DrawEastWall(picMaze, state, verticalBar);
            DrawSouthWall(picMaze, state, horizontalBar);
            break;
        case 5:
            DrawWestWall(picMaze, state, verticalBar);
            DrawEastWall(picMaze, state, verticalBar);
            break;
        case 6:
            DrawNorthWall(picMaze, state, horizontalBar);
            DrawEastWall(picMaze, state, verticalBar);
            break;
        case 7:
            DrawEastWall(picMaze, state, verticalBar);
            break;
        case 9:
            DrawWestWall(picMaze, state, verticalBar);
            DrawSouthWall(picMaze, state, horizontalBar);
            break;
        case 10:
            DrawNorthWall(picMaze, state, horizontalBar);
            DrawSouthWall(picMaze, state, horizontalBar);
            break;
        case 11:
            DrawSouthWall(picMaze, state, horizontalBar);
            break;
        case 12:
            DrawNorthWall(picMaze, state, horizontalBar);
            DrawWestWall(picMaze, state, verticalBar);
            break;
        case 13:
            DrawWestWall(picMaze, state, verticalBar);
            break;
        case 14:
            DrawNorthWall(picMaze, state, horizontalBar);
            break;
        default:
            break;
    }

    // The border of the grid is always closed, whatever the codes say.
    if (OnBorder(x, y, Side::kWest)) DrawWestWall(picMaze, state, verticalBar);
    if (OnBorder(x, y, Side::kEast)) DrawEastWall(picMaze, state, verticalBar);
    if (OnBorder(x, y, Side::kNorth)) DrawNorthWall(picMaze, state, horizontalBar);
    if (OnBorder(x, y, Side::kSouth)) DrawSouthWall(picMaze, state, horizontalBar);

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
