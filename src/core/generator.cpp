// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator.h"

namespace pathwick {

CellCode RandomDirections(int IncDir, RandomSource& random) {
    switch (IncDir) {
        case kNorth:
            // 2..15, an even result made odd.
            return static_cast<CellCode>((RandomInt(random, 14) + 1) | 1);
        case kWest: {
            const int r = RandomInt(random, 4);
            if (r == 1) return 3;
            // r = 2, 3, 4 give 5, 9, 13 plus a second draw of 1 or 2.
            return static_cast<CellCode>(4 * r - 3 + RandomInt(random, 2));
        }
        case kSouth:
            if (RandomInt(random, 2) == 1) return static_cast<CellCode>(RandomInt(random, 3) + 4);
            return static_cast<CellCode>(RandomInt(random, 4) + 11);
        case kEast:
            return static_cast<CellCode>(RandomInt(random, 7) + 8);
        default: {
            // The seed cell: any code with at least two openings.
            int c = 0;
            do {
                c = RandomInt(random, 15);
            } while (c <= 2 || c == 4 || c == 8);
            return static_cast<CellCode>(c);
        }
    }
}

// The recursion is at most 625 calls deep (each call fills one empty cell), a
// few kilobytes of stack.
void GenerateCell(MazeGrid& grid, int x, int y, int IncDir, RandomSource& random) {
    if (IsOutside(x, y)) return;
    if (IsVisited(grid, x, y)) return;
    const CellCode code = RandomDirections(IncDir, random);
    grid(x, y) = code;
    // Each neighbour is entered through the side facing this cell.
    if (CodeOpenWest(code)) GenerateCell(grid, x - 1, y, kEast, random);
    if (CodeOpenNorth(code)) GenerateCell(grid, x, y - 1, kSouth, random);
    if (CodeOpenEast(code)) GenerateCell(grid, x + 1, y, kWest, random);
    if (CodeOpenSouth(code)) GenerateCell(grid, x, y + 1, kNorth, random);
}

}  // namespace pathwick
