// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the maze file reader. Whatever the input, reading must not crash,
// hang or trip a sanitizer; reading the bytes in small chunks must give the same result as
// reading them whole; and a game read without error must write out and read back unchanged.
#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "files/mazeformat.h"
#include "support/chunkeddevice.h"

namespace {

using pathwick::MarkerKeyCounter;
using pathwick::MazeFileError;
using pathwick::MazeState;

using pathwick::testing::ChunkedDevice;

void Check(bool condition) {
    if (!condition) std::abort();
}

// Everything the file can set, as the writer puts it: equal bytes, equal games.
QByteArray Written(const MazeState& state) {
    const auto bytes = pathwick::MazeFileBytes(state);
    Check(bytes.has_value());  // counts read from a file always fit the file
    return *bytes;
}

template <typename T>
bool SameLists(const pathwick::MarkerListGrid<T>& a, const pathwick::MarkerListGrid<T>& b, int x,
               int y) {
    const auto* la = a.Find(x, y);
    const auto* lb = b.Find(x, y);
    if (!la || !lb) return la == lb;
    const auto ia = la->Items();
    const auto ib = lb->Items();
    return std::equal(ia.begin(), ia.end(), ib.begin(), ib.end());
}

// Whether two games hold the same values in every place a file can set.
bool SameValues(const MazeState& a, const MazeState& b) {
    if (a.StartX != b.StartX || a.StartY != b.StartY || a.EndX != b.EndX || a.EndY != b.EndY ||
        a.MouseX != b.MouseX || a.MouseY != b.MouseY || a.PosX != b.PosX || a.PosY != b.PosY ||
        !(a.grid == b.grid))
        return false;
    for (int x = 1; x <= pathwick::kMazeSize; ++x) {
        for (int y = 1; y <= pathwick::kMazeSize; ++y) {
            if (!SameLists(a.MarkerXs, b.MarkerXs, x, y) ||
                !SameLists(a.MarkerYs, b.MarkerYs, x, y) ||
                !SameLists(a.MarkerColors, b.MarkerColors, x, y))
                return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    MarkerKeyCounter keys;
    MazeState whole;
    const MazeFileError error = pathwick::ReadMazeFile(QByteArrayView(input), whole, keys);
    Check(error != MazeFileError::kReadError && error != MazeFileError::kMarkerRefused);

    // The same bytes in chunks of 1 to 16 bytes, chosen by the input.
    const qint64 chunk = size > 0 ? 1 + data[size - 1] % 16 : 1;
    ChunkedDevice device(input, chunk);
    MazeState chunked;
    Check(pathwick::ReadMazeFile(device, chunked, keys) == error);
    Check(SameValues(chunked, whole));

    if (error == MazeFileError::kNone) {
        // What was read writes out as a file that reads back the same.
        const QByteArray wholeBytes = Written(whole);
        MazeState again;
        Check(pathwick::ReadMazeFile(QByteArrayView(wholeBytes), again, keys) ==
              MazeFileError::kNone);
        Check(SameValues(again, whole));
        Check(Written(again) == wholeBytes);
    }
    return 0;
}
