// The map: drawing the whole maze, and showing many markers on it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSize>

#include "benchsupport.h"
#include "core/game.h"
#include "core/mazestate.h"
#include "core/random.h"

namespace {

using namespace pathwick;
using bench::EnsureGuiApplication;
using bench::SilentDialogs;

// A game on the window's surfaces (277 x 277 pixels), with a generated maze.
struct BenchGame {
    BenchGame() : game(QSize(277, 277), QSize(277, 277), random, dialogs) {
        game.Start(1234.5f);
        game.state.MapView = true;
    }
    SeededRandom random;
    SilentDialogs dialogs;
    Game game;
};

void BM_DrawMap(benchmark::State& st) {
    EnsureGuiApplication();
    BenchGame g;
    for (auto _ : st) {
        g.game.DrawMap();
        benchmark::DoNotOptimize(g.game.picMap.Picture().constBits());
    }
}
BENCHMARK(BM_DrawMap)->Unit(benchmark::kMicrosecond);

// 10,000 markers spread over every cell and every zone of a cell, in the four
// colours in turn, all four colours ticked.
void BM_DisplayMarkers(benchmark::State& st) {
    EnsureGuiApplication();
    BenchGame g;
    constexpr Color colours[] = {kWhite, kBlack, kCyan, kMagenta};
    constexpr std::int16_t spots[] = {900, 2070, 3240};  // one per zone across or down
    for (int k = 0; k < 10000; ++k) {
        const int cell = k % kCellCount;
        const int zone = (k / kCellCount) % 9;
        AddMarker(g.game.state, g.game.keys, cell % kMazeSize + 1, cell / kMazeSize + 1,
                  spots[zone % 3], spots[zone / 3], colours[k % 4]);
    }
    g.game.DrawMap();
    const MarkerFilter all{1, 1, 1, 1};
    for (auto _ : st) {
        g.game.DisplayMarkers(all);
        benchmark::DoNotOptimize(g.game.picMap.Picture().constBits());
    }
    st.counters["markers"] = 10000;
}
BENCHMARK(BM_DisplayMarkers)->Unit(benchmark::kMicrosecond);

}  // namespace
