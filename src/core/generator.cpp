#include "core/generator.h"

namespace pathwick {

CellCode Direction(int IncDir, RandomSource& random) {
    switch (IncDir) {
        case kNorth: {
            const int c = RandomInt(random, 14) + 1;
            return static_cast<CellCode>(c % 2 == 0 ? c + 1 : c);
        }
        case kWest:
            switch (RandomInt(random, 4)) {
                case 1:
                    return 3;
                case 2:
                    return static_cast<CellCode>(RandomInt(random, 2) + 5);
                case 3:
                    return static_cast<CellCode>(RandomInt(random, 2) + 9);
                default:
                    return static_cast<CellCode>(RandomInt(random, 2) + 13);
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

// The recursion is at most 625 calls deep (each call that goes on fills one
// empty cell), a few kilobytes of stack.
void GenerateCell(MazeGrid& grid, int x, int y, int IncDir, RandomSource& random) {
    if (IsOutside(x, y)) return;
    if (IsVisited(grid, x, y)) return;
    grid(x, y) = Direction(IncDir, random);
    if (OpenWest(grid, x, y)) GenerateCell(grid, x - 1, y, kEast, random);
    if (OpenNorth(grid, x, y)) GenerateCell(grid, x, y - 1, kSouth, random);
    if (OpenEast(grid, x, y)) GenerateCell(grid, x + 1, y, kWest, random);
    if (OpenSouth(grid, x, y)) GenerateCell(grid, x, y + 1, kNorth, random);
}

}  // namespace pathwick
