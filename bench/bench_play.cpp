// SPDX-License-Identifier: GPL-3.0-or-later
// Playing: one step of the mouse inside a cell, one step into the next cell
// (which draws that cell), and a new maze with its first drawing.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QSize>

#include "benchsupport.h"
#include "core/mazestate.h"
#include "core/random.h"
#include "game/game.h"
#include "support/testgame.h"
#include "views/cellview.h"

namespace {

using namespace pathwick;
using bench::EnsureGuiApplication;

// A game on the window's cell view (277 x 277 pixels, units of 180) in the
// wide label font, with cells (13, 13) and (14, 13) open on all sides; drawn at
// the given device pixel ratio.
struct PlayGame : testing::TestGame {
    explicit PlayGame(double ratio = 1) : TestGame(1234.5f) {
        game.picMaze().SetDevicePixelRatio(ratio);
        game.State().grid(13, 13) = 15;
        game.State().grid(14, 13) = 15;
    }

    // Start and end labels in the two open cells, or elsewhere.
    void PlaceLabels(bool inOpenCells) {
        game.State().StartX = inOpenCells ? 13 : 2;
        game.State().StartY = inOpenCells ? 13 : 2;
        game.State().EndX = inOpenCells ? 14 : 3;
        game.State().EndY = inOpenCells ? 13 : 2;
    }
};

const QString kLeft = QStringLiteral("L");
const QString kRight = QStringLiteral("R");

// Left and right in turn in the middle of an open cell: no crossing.
void MoveStep(benchmark::State& st, double ratio, bool shown) {
    EnsureGuiApplication();
    PlayGame g(ratio);
    g.PlaceLabels(false);
    g.PutMouse(13, 13, 2070, 2070);
    bool left = true;
    for (auto _ : st) {
        g.game.MoveMouse(left ? kLeft : kRight);
        if (shown) benchmark::DoNotOptimize(g.game.picMaze().DisplayPicture().constBits());
        left = !left;
    }
    if (g.game.State().MouseX != 13) st.SkipWithError("the mouse left its cell");
}

void BM_MoveStep(benchmark::State& st) {
    MoveStep(st, 1, false);
}
BENCHMARK(BM_MoveStep)->Unit(benchmark::kMicrosecond);

// The same on a screen of more device pixels per pixel, given in percent.
// The display picture is brought up to date when it is painted; "shown"
// does that after every step, as if every step were painted on its own.
void BM_MoveStepAtRatio(benchmark::State& st) {
    MoveStep(st, static_cast<double>(st.range(0)) / 100, st.range(1) != 0);
}
BENCHMARK(BM_MoveStepAtRatio)
    ->ArgNames({"ratio_percent", "shown"})
    ->Args({150, 0})
    ->Args({200, 0})
    ->Args({100, 1})
    ->Args({150, 1})
    ->Args({200, 1})
    ->Unit(benchmark::kMicrosecond);

// Right out of the east arm of (13, 13) into (14, 13), then left back again:
// every step crosses and draws the new cell. With labels, one cell is the
// start and the other the end, so every drawing prints text as well.
void MoveCrossing(benchmark::State& st, bool labels, double ratio, bool shown) {
    EnsureGuiApplication();
    PlayGame g(ratio);
    g.PlaceLabels(labels);
    g.PutMouse(13, 13, 23 * 180, 2070);
    bool right = true;
    for (auto _ : st) {
        g.game.MoveMouse(right ? kRight : kLeft);
        if (shown) benchmark::DoNotOptimize(g.game.picMaze().DisplayPicture().constBits());
        right = !right;
    }
    if (g.game.State().MouseX != 13 && g.game.State().MouseX != 14)
        st.SkipWithError("the mouse went astray");
}

void BM_MoveCrossing(benchmark::State& st) {
    MoveCrossing(st, st.range(0) != 0, 1, false);
}
BENCHMARK(BM_MoveCrossing)->ArgName("labels")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_MoveCrossingAtRatio(benchmark::State& st) {
    MoveCrossing(st, st.range(0) != 0, static_cast<double>(st.range(1)) / 100, st.range(2) != 0);
}
BENCHMARK(BM_MoveCrossingAtRatio)
    ->ArgNames({"labels", "ratio_percent", "shown"})
    ->Args({0, 200, 0})
    ->Args({1, 200, 0})
    ->Args({0, 100, 1})
    ->Args({1, 100, 1})
    ->Args({0, 150, 1})
    ->Args({1, 150, 1})
    ->Args({0, 200, 1})
    ->Args({1, 200, 1})
    ->Unit(benchmark::kMicrosecond);

// A new maze: generating it, choosing start and end, drawing the start cell
// and the mouse.
void BM_NewMaze(benchmark::State& st) {
    EnsureGuiApplication();
    PlayGame g;
    for (auto _ : st) {
        g.game.NewMaze();
        benchmark::DoNotOptimize(g.game.picMaze().Picture().constBits());
    }
}
BENCHMARK(BM_NewMaze)->Unit(benchmark::kMicrosecond);

}  // namespace
