#include "core/generator.h"

namespace pathwick {

namespace {

// Direction and the growth are written once for any random source; the public
// functions below pick the game's own generator when they get it, so that its
// draws are made without a virtual call. The entry side is a template argument
// of the growth: each side of a cell knows which side its neighbour is entered
// through, so no cell has to ask.
template <int IncDir, typename Random>
CellCode DirectionFrom(Random& random) {
    if constexpr (IncDir == kNorth) {
        // 2..15, an even result made odd.
        return static_cast<CellCode>((RandomInt(random, 14) + 1) | 1);
    } else if constexpr (IncDir == kWest) {
        const int r = RandomInt(random, 4);
        if (r == 1) return 3;
        // r = 2, 3, 4 give 5, 9, 13 plus a second draw of 1 or 2.
        return static_cast<CellCode>(4 * r - 3 + RandomInt(random, 2));
    } else if constexpr (IncDir == kSouth) {
        if (RandomInt(random, 2) == 1) return static_cast<CellCode>(RandomInt(random, 3) + 4);
        return static_cast<CellCode>(RandomInt(random, 4) + 11);
    } else if constexpr (IncDir == kEast) {
        return static_cast<CellCode>(RandomInt(random, 7) + 8);
    } else {
        // The seed cell: any code with at least two openings.
        int c = 0;
        do {
            c = RandomInt(random, 15);
        } while (c <= 2 || c == 4 || c == 8);
        return static_cast<CellCode>(c);
    }
}

// Cell (x, y) is on the grid and empty. A neighbour is entered only when it is
// on the grid and still empty at the moment its side is examined, which is
// what the nested call would check first, so the call is skipped otherwise.
// Direction gives codes 3..15 only, for which a side is open exactly when its
// value is part of the code.
template <int IncDir, typename Random>
void GrowFrom(MazeGrid& grid, int x, int y, Random& random) {
    const CellCode code = DirectionFrom<IncDir>(random);
    grid(x, y) = code;
    if ((code & kWest) && x > 1 && !IsVisited(grid, x - 1, y))
        GrowFrom<kEast>(grid, x - 1, y, random);
    if ((code & kNorth) && y > 1 && !IsVisited(grid, x, y - 1))
        GrowFrom<kSouth>(grid, x, y - 1, random);
    if ((code & kEast) && x < kMazeSize && !IsVisited(grid, x + 1, y))
        GrowFrom<kWest>(grid, x + 1, y, random);
    if ((code & kSouth) && y < kMazeSize && !IsVisited(grid, x, y + 1))
        GrowFrom<kNorth>(grid, x, y + 1, random);
}

template <typename Random>
CellCode DirectionOf(int IncDir, Random& random) {
    switch (IncDir) {
        case kNorth:
            return DirectionFrom<kNorth>(random);
        case kWest:
            return DirectionFrom<kWest>(random);
        case kSouth:
            return DirectionFrom<kSouth>(random);
        case kEast:
            return DirectionFrom<kEast>(random);
        default:
            return DirectionFrom<0>(random);
    }
}

template <typename Random>
void GrowOf(MazeGrid& grid, int x, int y, int IncDir, Random& random) {
    switch (IncDir) {
        case kNorth:
            return GrowFrom<kNorth>(grid, x, y, random);
        case kWest:
            return GrowFrom<kWest>(grid, x, y, random);
        case kSouth:
            return GrowFrom<kSouth>(grid, x, y, random);
        case kEast:
            return GrowFrom<kEast>(grid, x, y, random);
        default:
            return GrowFrom<0>(grid, x, y, random);
    }
}

}  // namespace

CellCode Direction(int IncDir, RandomSource& random) {
    if (auto* seeded = dynamic_cast<SeededRandom*>(&random)) return DirectionOf(IncDir, *seeded);
    return DirectionOf(IncDir, random);
}

// The recursion is at most 625 calls deep (each call fills one empty cell), a
// few kilobytes of stack.
void GenerateCell(MazeGrid& grid, int x, int y, int IncDir, RandomSource& random) {
    if (IsOutside(x, y)) return;
    if (IsVisited(grid, x, y)) return;
    if (auto* seeded = dynamic_cast<SeededRandom*>(&random))
        GrowOf(grid, x, y, IncDir, *seeded);
    else
        GrowOf(grid, x, y, IncDir, random);
}

}  // namespace pathwick
