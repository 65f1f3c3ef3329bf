// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/printout.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace pathwick {

namespace {

// The three characters of line `line` (1..3) of cell (x, y)'s block.
void AppendBlockLine(QString& out, const MazeState& state, int x, int y, int line) {
    const QChar wall(kWallChar);
    const QChar blank(u' ');
    const MazeGrid& grid = state.grid;
    switch (line) {
        case 1:
            out += wall;
            out += IsWalled(grid, x, y, Side::kNorth) ? wall : blank;
            out += wall;
            break;
        case 2: {
            out += IsWalled(grid, x, y, Side::kWest) ? wall : blank;
            if (x == state.StartX && y == state.StartY)
                out += QChar(u'S');
            else if (x == state.EndX && y == state.EndY)
                out += QChar(u'E');
            else
                out += blank;
            out += IsWalled(grid, x, y, Side::kEast) ? wall : blank;
            break;
        }
        default:
            out += wall;
            out += IsWalled(grid, x, y, Side::kSouth) ? wall : blank;
            out += wall;
            break;
    }
}

}  // namespace

QStringList PrintoutLines(const MazeState& state) {
    QStringList lines;
    lines.reserve(kPrintoutLineCount);
    for (int y = 1; y <= kMazeSize; ++y) {
        for (int line = 1; line <= 3; ++line) {
            QString text(kPrintoutMargin, QChar(u' '));
            text.reserve(kPrintoutLineLength);
            for (int x = 1; x <= kMazeSize; ++x) AppendBlockLine(text, state, x, y, line);
            lines.append(text);
        }
    }
    return lines;
}

QFont PrintoutFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    const QFontInfo info(font);
    if (info.family() == QLatin1String("DejaVu Sans Mono") && info.fixedPitch()) return font;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace pathwick
