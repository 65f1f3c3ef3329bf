// SPDX-License-Identifier: GPL-3.0-or-later
// Growing one maze: the grid cleared, a seed cell drawn, the growth from it.

#include <benchmark/benchmark.h>

#include "core/generator.h"
#include "core/mazegrid.h"
#include "core/random.h"

namespace {

using namespace pathwick;

void BM_GenerateMaze(benchmark::State& state) {
    SeededRandom random(45296.125f);
    MazeGrid grid;
    long long cells = 0;
    for (auto _ : state) {
        grid.Clear();
        const int sx = RandomInt(random, kMazeSize);
        const int sy = RandomInt(random, kMazeSize);
        GenerateCell(grid, sx, sy, 0, random);
        benchmark::DoNotOptimize(grid);
        cells += grid.VisitedCount();
    }
    state.counters["cells"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GenerateMaze);

}  // namespace
