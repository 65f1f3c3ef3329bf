// SPDX-License-Identifier: GPL-3.0-or-later
// Maze files: writing and reading a game with 1,000,000 markers (1600 in each
// cell), as bytes in memory and as the whole save and open of a file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSize>
#include <QTemporaryDir>
#include <memory>

#include "benchsupport.h"
#include "core/random.h"
#include "files/mazeformat.h"
#include "game/game.h"
#include "support/testgame.h"

namespace {

using namespace pathwick;
using bench::EnsureGuiApplication;

constexpr int kMarkersPerCell = 1600;  // 625 cells: 1,000,000 markers

// A game on the window's pictures with a generated maze and, if asked, a
// million markers.
struct FileBenchGame : testing::TestGame {
    explicit FileBenchGame(bool withMarkers)
        : TestGame(4321.5f, testing::kWindowPicture, testing::kWindowPicture,
                   testing::Labels::kPlain) {
        if (!withMarkers) return;
        constexpr Color kColours[] = {kWhite, kBlack, kCyan, kMagenta};
        for (int x = 1; x <= kMazeSize; ++x) {
            for (int y = 1; y <= kMazeSize; ++y) {
                for (int i = 0; i < kMarkersPerCell; ++i) {
                    const int px = 180 * (1 + (i * 7 + x) % 22);
                    const int py = 180 * (1 + (i * 13 + y) % 22);
                    AddMarker(game.State(), game.Keys(), x, y, static_cast<std::int16_t>(px),
                              static_cast<std::int16_t>(py), kColours[(i + x + y) % 4]);
                }
            }
        }
    }
};

// Writing the file text into memory.
void BM_WriteMazeFile(benchmark::State& st) {
    EnsureGuiApplication();
    const FileBenchGame g(true);
    qint64 size = 0;
    for (auto _ : st) {
        const auto bytes = MazeFileBytes(g.game.State());
        size = bytes->size();
        benchmark::DoNotOptimize(bytes->constData());
    }
    st.SetBytesProcessed(st.iterations() * size);
}
BENCHMARK(BM_WriteMazeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading the file text from memory into an empty state.
void BM_ReadMazeFile(benchmark::State& st) {
    EnsureGuiApplication();
    const QByteArray bytes = *MazeFileBytes(FileBenchGame(true).game.State());
    MarkerKeyCounter keys;
    for (auto _ : st) {
        st.PauseTiming();
        auto state = std::make_unique<MazeState>();
        st.ResumeTiming();
        if (ReadMazeFile(bytes, *state, keys) != MazeFileError::kNone)
            st.SkipWithError("read failed");
        benchmark::DoNotOptimize(state.get());
        st.PauseTiming();
        state.reset();
        st.ResumeTiming();
    }
    st.SetBytesProcessed(st.iterations() * bytes.size());
}
BENCHMARK(BM_ReadMazeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Game::SaveMazeFile: writing through a temporary file in a temporary folder
// that replaces the previous file once complete (and is synced to disk).
void BM_SaveMazeFile(benchmark::State& st) {
    EnsureGuiApplication();
    FileBenchGame g(true);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.maz"));
    for (auto _ : st) {
        if (!g.game.SaveMazeFile(path)) st.SkipWithError("save failed");
    }
    st.SetBytesProcessed(st.iterations() * QFile(path).size());
}
BENCHMARK(BM_SaveMazeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Game::SaveMazeFile of a file with a second name (a hard link), which is
// written in place: the new contents kept complete and synced in a pending
// save beside it first, then written into the file and synced.
void BM_SaveMazeFileInPlace(benchmark::State& st) {
    EnsureGuiApplication();
    FileBenchGame g(true);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.maz"));
    const QString link = dir.filePath(QStringLiteral("link.maz"));
    if (!g.game.SaveMazeFile(path) ||
        ::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()) != 0)
        st.SkipWithError("no hard link");
    for (auto _ : st) {
        if (!g.game.SaveMazeFile(path)) st.SkipWithError("save failed");
    }
    st.SetBytesProcessed(st.iterations() * QFile(path).size());
}
BENCHMARK(BM_SaveMazeFileInPlace)->Unit(benchmark::kMillisecond)->UseRealTime();

// Game::OpenMazeFile: a new maze, reading the file from a temporary folder,
// drawing the mouse's cell. Every open goes to a game that has not held
// markers yet, so the marker lists grow from empty as on a first open.
void BM_OpenMazeFile(benchmark::State& st) {
    EnsureGuiApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.maz"));
    {
        FileBenchGame source(true);
        if (!source.game.SaveMazeFile(path)) st.SkipWithError("save failed");
    }
    for (auto _ : st) {
        st.PauseTiming();
        auto g = std::make_unique<FileBenchGame>(false);
        st.ResumeTiming();
        if (!g->game.OpenMazeFile(path)) st.SkipWithError("open failed");
        st.PauseTiming();
        g.reset();
        st.ResumeTiming();
    }
    st.SetBytesProcessed(st.iterations() * QFile(path).size());
}
BENCHMARK(BM_OpenMazeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
