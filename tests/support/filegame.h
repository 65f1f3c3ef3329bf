// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/chunkeddevice.h"

// Helpers shared by the maze file tests.

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QList>
#include <QSize>
#include <QString>
#include <algorithm>
#include <tuple>
#include <vector>

#include "support/testgame.h"

namespace pathwick::testing {

// The maze file tests' game: a generated maze on window-sized pictures, plain
// labels, seed 1 unless told.
struct FileGame : TestGame {
    explicit FileGame(float seed = 1.0f)
        : TestGame(seed, kWindowPicture, kWindowPicture, Labels::kPlain) {}
};

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray("<unreadable>");
    return file.readAll();
}

inline bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Everything a maze file holds, for comparing games: the header values, the
// grid and every cell's markers in list order.
struct FileValues {
    using Marker = std::tuple<int, int, int>;  // X, Y, colour

    std::vector<int> header;  // StartX, StartY, EndX, EndY, MouseX, MouseY, PosX, PosY
    std::vector<int> codes;   // column by column
    std::vector<std::vector<Marker>> markers;

    friend bool operator==(const FileValues&, const FileValues&) = default;

    static FileValues Of(const MazeState& s) {
        FileValues v;
        v.header = {s.StartX, s.StartY, s.EndX, s.EndY, s.MouseX, s.MouseY, s.PosX, s.PosY};
        for (int x = 1; x <= kMazeSize; ++x) {
            for (int y = 1; y <= kMazeSize; ++y) {
                v.codes.push_back(s.grid(x, y));
                std::vector<Marker> cell;
                const auto* xs = s.MarkerXs.Find(x, y);
                const auto* ys = s.MarkerYs.Find(x, y);
                const auto* cs = s.MarkerColors.Find(x, y);
                for (int i = 0; xs && i < xs->Count(); ++i)
                    cell.emplace_back(xs->Items()[i], ys->Items()[i], cs->Items()[i]);
                v.markers.push_back(std::move(cell));
            }
        }
        return v;
    }

    int MarkerTotal() const {
        int n = 0;
        for (const auto& cell : markers) n += static_cast<int>(cell.size());
        return n;
    }
};

}  // namespace pathwick::testing
