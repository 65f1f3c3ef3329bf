// The map: drawing the whole maze, and showing many markers on it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSize>

#include "core/game.h"
#include "core/mazestate.h"
#include "core/random.h"

namespace {

using namespace pathwick;

// The cell view prints its labels, which needs a GUI application; run one on
// the offscreen platform unless another benchmark has started one already.
void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pathwick-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// Dialogs are never shown while drawing the map.
class NoDialogs final : public Dialogs {
public:
    void Message(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return true; }
    QString OpenFileName(const FileDialogSetup&) override { return {}; }
    QString SaveFileName(const FileDialogSetup&) override { return {}; }
    bool ChoosePrinter(QPrinter&) override { return false; }
};

// A game on the window's surfaces (277 x 277 pixels), with a generated maze.
struct BenchGame {
    BenchGame() : game(QSize(277, 277), QSize(277, 277), random, dialogs) {
        game.Start(1234.5f);
        game.state.MapView = true;
    }
    SeededRandom random;
    NoDialogs dialogs;
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
