// SPDX-License-Identifier: GPL-3.0-or-later
// The map: drawing the whole maze, and showing many markers on it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSize>

#include "benchsupport.h"
#include "core/mazestate.h"
#include "core/random.h"
#include "game/game.h"
#include "support/testgame.h"

namespace {

using namespace pathwick;
using bench::EnsureGuiApplication;

// A game on the window's pictures with a generated maze, the map showing.
struct MapBenchGame : testing::TestGame {
    MapBenchGame()
        : TestGame(1234.5f, testing::kWindowPicture, testing::kWindowPicture,
                   testing::Labels::kPlain) {
        game.State().MapView = true;
    }
};

void BM_DrawMap(benchmark::State& st) {
    EnsureGuiApplication();
    MapBenchGame g;
    for (auto _ : st) {
        g.game.DrawMap();
        benchmark::DoNotOptimize(g.game.picMap().Picture().constBits());
    }
}
BENCHMARK(BM_DrawMap)->Unit(benchmark::kMicrosecond);

// 10,000 markers spread over every cell and every zone of a cell, in the four
// colours in turn, all four colours ticked.
void BM_DisplayMarkers(benchmark::State& st) {
    EnsureGuiApplication();
    MapBenchGame g;
    constexpr Color colours[] = {kWhite, kBlack, kCyan, kMagenta};
    constexpr std::int16_t spots[] = {900, 2070, 3240};  // one per zone across or down
    for (int k = 0; k < 10000; ++k) {
        const int cell = k % kCellCount;
        const int zone = (k / kCellCount) % 9;
        AddMarker(g.game.State(), g.game.Keys(), cell % kMazeSize + 1, cell / kMazeSize + 1,
                  spots[zone % 3], spots[zone / 3], colours[k % 4]);
    }
    g.game.DrawMap();
    const MarkerFilter all{1, 1, 1, 1};
    for (auto _ : st) {
        g.game.DisplayMarkers(all);
        benchmark::DoNotOptimize(g.game.picMap().Picture().constBits());
    }
    st.counters["markers"] = 10000;
}
BENCHMARK(BM_DisplayMarkers)->Unit(benchmark::kMicrosecond);

}  // namespace
