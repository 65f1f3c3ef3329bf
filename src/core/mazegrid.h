// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace pathwick {

// A cell's code: 0 for a cell outside the maze, otherwise the sum of the
// side values of its openings (North 1, West 2, South 4, East 8).
using CellCode = std::int16_t;

inline constexpr int kMazeSize = 25;
inline constexpr int kCellCount = kMazeSize * kMazeSize;

inline constexpr CellCode kNorth = 1;
inline constexpr CellCode kWest = 2;
inline constexpr CellCode kSouth = 4;
inline constexpr CellCode kEast = 8;

// The 25 x 25 maze, addressed grid(x, y) with x the column (1 = west) and y the
// row (1 = north), both 1..25. Stored flat with x varying fastest.
class MazeGrid {
public:
    CellCode operator()(int x, int y) const { return cells_[Index(x, y)]; }
    CellCode& operator()(int x, int y) { return cells_[Index(x, y)]; }

    // Every cell back to 0 (outside the maze).
    void Clear() { cells_.fill(0); }

    // The number of cells with a non-zero code.
    int VisitedCount() const;

    friend bool operator==(const MazeGrid&, const MazeGrid&) = default;

private:
    static int Index(int x, int y) {
        assert(x >= 1 && x <= kMazeSize && y >= 1 && y <= kMazeSize);
        return (x - 1) + kMazeSize * (y - 1);
    }

    std::array<CellCode, kCellCount> cells_{};
};

// True when (x, y) is off the grid. Accepts any values, 0 and 26 included.
constexpr bool IsOutside(int x, int y) {
    return x < 1 || x > kMazeSize || y < 1 || y > kMazeSize;
}

// True when cell (x, y) belongs to the maze. (x, y) must be on the grid.
inline bool IsVisited(const MazeGrid& grid, int x, int y) {
    return grid(x, y) != 0;
}

// The opening tests remove the larger side values in turn, largest first, and
// compare what is left. For codes 0..15 that is the question whether the side
// value is part of the code; a negative code has no openings and a code of 16
// or more is open on all four sides. Maze files can bring such codes.
constexpr bool CodeOpenEast(int c) {
    return c >= kEast;
}
constexpr bool CodeOpenSouth(int c) {
    if (c >= kEast) c -= kEast;
    return c >= kSouth;
}
constexpr bool CodeOpenWest(int c) {
    if (c >= kEast) c -= kEast;
    if (c >= kSouth) c -= kSouth;
    return c >= kWest;
}
constexpr bool CodeOpenNorth(int c) {
    if (c >= kEast) c -= kEast;
    if (c >= kSouth) c -= kSouth;
    if (c >= kWest) c -= kWest;
    return c >= kNorth;
}

inline bool OpenNorth(const MazeGrid& grid, int x, int y) {
    return CodeOpenNorth(grid(x, y));
}
inline bool OpenWest(const MazeGrid& grid, int x, int y) {
    return CodeOpenWest(grid(x, y));
}
inline bool OpenSouth(const MazeGrid& grid, int x, int y) {
    return CodeOpenSouth(grid(x, y));
}
inline bool OpenEast(const MazeGrid& grid, int x, int y) {
    return CodeOpenEast(grid(x, y));
}

// The four sides of a cell.
enum class Side { kNorth, kWest, kSouth, kEast };

// The opening of side of cell (x, y) by its code alone.
inline bool IsOpen(const MazeGrid& grid, int x, int y, Side side) {
    switch (side) {
        case Side::kNorth:
            return OpenNorth(grid, x, y);
        case Side::kWest:
            return OpenWest(grid, x, y);
        case Side::kSouth:
            return OpenSouth(grid, x, y);
        case Side::kEast:
            return OpenEast(grid, x, y);
    }
    return false;
}

// True when side of cell (x, y) lies on the outer border of the grid, which
// is always closed, whatever the cell's code says.
constexpr bool OnBorder(int x, int y, Side side) {
    switch (side) {
        case Side::kNorth:
            return y == 1;
        case Side::kWest:
            return x == 1;
        case Side::kSouth:
            return y == kMazeSize;
        case Side::kEast:
            return x == kMazeSize;
    }
    return false;
}

// True when side of cell (x, y) is a wall as the map and the printout show
// it: closed by the cell's code, or on the outer border.
inline bool IsWalled(const MazeGrid& grid, int x, int y, Side side) {
    return !IsOpen(grid, x, y, side) || OnBorder(x, y, side);
}

}  // namespace pathwick
