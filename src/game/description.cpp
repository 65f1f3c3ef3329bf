// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/description.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/mazegrid.h"
#include "views/cellview.h"

namespace pathwick {

namespace {

// The translation context of every sentence below; texts kept in variables
// are marked with N().
class Description {
    Q_DECLARE_TR_FUNCTIONS(Description)
};
#define N(text) QT_TRANSLATE_NOOP("Description", text)

// "1 step", "3 steps"; translators get the two forms as two texts.
QString Count(int n, const char* one, const char* many) {
    return n == 1 ? Description::tr(one) : Description::tr(many, nullptr, n);
}

// "a", "a and b", "a, b and c".
QString JoinAnd(const QStringList& items) {
    if (items.size() <= 1) return items.value(0);
    return Description::tr("%1 and %2")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.last());
}

QString CellName(int x, int y) {
    return Description::tr("column %1, row %2").arg(x).arg(y);
}

const struct {
    CellCode side;
    CellCode facing;  // the same wall seen from the neighbour
    int dx, dy;
    const char* name;
} kSides[] = {{kNorth, kSouth, 0, -1, N("north")},
              {kEast, kWest, 1, 0, N("east")},
              {kSouth, kNorth, 0, 1, N("south")},
              {kWest, kEast, -1, 0, N("west")}};

QString OpenSides(const MazeState& state) {
    const CellCode bars = BarredSides(state, state.MouseX, state.MouseY);
    QStringList open;
    for (const auto& side : kSides)
        if (!(bars & side.side)) open << Description::tr(side.name);
    if (open.isEmpty()) return Description::tr("closed on all sides");
    if (open.size() == 4) return Description::tr("open on all sides");
    return Description::tr("open %1").arg(JoinAnd(open));
}

// The openings that lead one way only: a side open here whose neighbour bars
// it (a step out ends in the neighbour's arm, a pocket to walk back from), or
// a side barred here that the neighbour leaves open. Empty when there is none.
QString OneWaySides(const MazeState& state) {
    const int x = state.MouseX;
    const int y = state.MouseY;
    const CellCode bars = BarredSides(state, x, y);
    QStringList notes;
    for (const auto& side : kSides) {
        if (IsOutside(x + side.dx, y + side.dy)) continue;
        const bool facing = BarredSides(state, x + side.dx, y + side.dy) & side.facing;
        const bool here = bars & side.side;
        if (!here && facing)
            notes << Description::tr("%1 leads into a pocket").arg(Description::tr(side.name));
        else if (here && !facing)
            notes << Description::tr("%1 is barred on this side only")
                         .arg(Description::tr(side.name));
    }
    return notes.isEmpty() ? QString() : Description::tr("one way: %1").arg(JoinAnd(notes));
}

// The side whose bar the mouse stands outside of, in that side's arm: it has
// walked in from the neighbour and can only walk back.
std::optional<const char*> PocketSide(const MazeState& state) {
    const Zone zone = GetZone(state, state.PosX, state.PosY);
    const CellCode bars = BarredSides(state, state.MouseX, state.MouseY);
    if (zone.zx == 2 && zone.zy == 1 && (bars & kNorth)) return kSides[0].name;
    if (zone.zx == 3 && zone.zy == 2 && (bars & kEast)) return kSides[1].name;
    if (zone.zx == 2 && zone.zy == 3 && (bars & kSouth)) return kSides[2].name;
    if (zone.zx == 1 && zone.zy == 2 && (bars & kWest)) return kSides[3].name;
    return std::nullopt;
}

// Half steps from the middle of the cell view (11.5 units) along one axis,
// rounded to the nearest half step, negative towards the north or west.
int HalfStepsFromMiddle(int position, int unit) {
    if (unit <= 0) return 0;
    const long twice = 2L * position - 23L * unit;
    const long half = twice >= 0 ? (twice + unit / 2) / unit : -((-twice + unit / 2) / unit);
    return static_cast<int>(half);
}

// "half a step", "1 step", "1.5 steps", "3 steps" for a number of half steps.
QString HalfSteps(int halves) {
    if (halves == 1) return Description::tr("half a step");
    if (halves % 2 == 0) return Count(halves / 2, N("1 step"), N("%n steps"));
    return Description::tr("%1 steps").arg(QString::number(halves / 2.0, 'f', 1));
}

QString Steps(int halves, const char* direction) {
    return Description::tr("%1 %2").arg(HalfSteps(halves), Description::tr(direction));
}

// "1 step north and half a step east" for the offsets from the middle, in
// half steps; empty at the middle.
QString Offsets(int ox, int oy) {
    QStringList parts;
    if (oy != 0) parts << Steps(std::abs(oy), oy < 0 ? N("north") : N("south"));
    if (ox != 0) parts << Steps(std::abs(ox), ox < 0 ? N("west") : N("east"));
    return JoinAnd(parts);
}

// The name of a zone of the cell view: "centre", "north arm", "north-west corner".
QString ZoneName(const Zone& zone) {
    static const char* const names[3][3] = {
        {N("north-west corner"), N("west arm"), N("south-west corner")},
        {N("north arm"), N("centre"), N("south arm")},
        {N("north-east corner"), N("east arm"), N("south-east corner")}};
    return Description::tr(names[zone.zx - 1][zone.zy - 1]);
}

// Where the mouse is in the cell view: "in the centre, 1 step north", "in
// the north arm, 2.5 steps out", "at the north edge" (one more step outwards
// crosses into the next cell), "in the north-west corner".
QString Place(const MazeState& state) {
    const int w = state.UnitW;
    const int h = state.UnitH;
    const Zone zone = GetZone(state, state.PosX, state.PosY);
    const int ox = HalfStepsFromMiddle(state.PosX, w);
    const int oy = HalfStepsFromMiddle(state.PosY, h);
    if (zone.zx == 2 && zone.zy == 2) {
        if (ox == 0 && oy == 0) return Description::tr("in the centre");
        return Description::tr("in the centre, %1").arg(Offsets(ox, oy));
    }
    if (zone.zx != 2 && zone.zy != 2) return Description::tr("in the %1").arg(ZoneName(zone));

    // In an arm: how far out, and whether the next step out leaves the cell.
    const bool across = zone.zy == 2;  // the west or east arm
    const int along = across ? ox : oy;
    const int aside = across ? oy : ox;
    const char* side =
        across ? (zone.zx == 1 ? N("west") : N("east")) : (zone.zy == 1 ? N("north") : N("south"));
    const int outX = across ? (zone.zx == 1 ? -w : w) : 0;
    const int outY = across ? 0 : (zone.zy == 1 ? -h : h);
    const bool atEdge = SideCrossed(state, state.PosX + outX, state.PosY + outY).has_value();
    QString place = atEdge ? Description::tr("at the %1 edge").arg(Description::tr(side))
                           : Description::tr("in the %1 arm, %2")
                                 .arg(Description::tr(side),
                                      Description::tr("%1 out").arg(HalfSteps(std::abs(along))));
    if (aside != 0)
        place += QStringLiteral(", ") + (across ? Offsets(0, aside) : Offsets(aside, 0));
    if (PocketSide(state))
        place += QStringLiteral(", ") + Description::tr("outside the bar, the way back only");
    return place;
}

QString MousePlace(const MazeState& state) {
    return Description::tr("mouse %1").arg(Place(state));
}

// The four marker colours in the order of the colour boxes, then any other.
constexpr Color kMarkerColours[] = {kWhite, kBlack, kCyan, kMagenta};

int ColourIndex(Color colour) {
    const auto* found = std::find(std::begin(kMarkerColours), std::end(kMarkerColours), colour);
    return static_cast<int>(found - std::begin(kMarkerColours));  // 4 for any other colour
}

// "2 cyan, 1 white" for counts indexed as ColourIndex.
QString ColourCounts(const std::array<int, 5>& counts) {
    QStringList parts;
    for (int i = 0; i < 5; ++i) {
        if (counts[i] == 0) continue;
        parts << QStringLiteral("%1 %2").arg(counts[i]).arg(
            i < 4 ? ColourName(kMarkerColours[i]) : Description::tr("of other colours"));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

QString Capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

QString ColourName(Color colour) {
    switch (colour) {
        case kWhite:
            return Description::tr("white");
        case kBlack:
            return Description::tr("black");
        case kCyan:
            return Description::tr("cyan");
        case kMagenta:
            return Description::tr("magenta");
        case kMouseColor:
            return Description::tr("red");
        case kStartColor:
            return Description::tr("yellow");
        case kEndColor:
            return Description::tr("green");
        default:
            return Description::tr("other");
    }
}

CellChange StepChange(const MouseStep& step) {
    CellChange change;
    change.blocked = step.outcome == StepOutcome::kBlocked ? 1 : 0;
    change.newCell = step.outcome == StepOutcome::kCrossed;
    change.endReached = step.endReached;
    return change;
}

QString DescribeChange(const CellChange& change) {
    QStringList parts;
    if (change.newMaze) parts << Description::tr("New maze.");
    if (change.blocked == 1) parts << Description::tr("Blocked.");
    if (change.blocked > 1) parts << Description::tr("Blocked, %n times.", nullptr, change.blocked);
    if (change.newCell) parts << Description::tr("New cell.");
    if (change.dropped)
        parts
            << Description::tr("%1 marker dropped.").arg(Capitalised(ColourName(*change.dropped)));
    if (change.endReached) parts << Description::tr("End reached!");
    return parts.join(QLatin1Char(' '));
}

namespace {

// What the cell holds besides the mouse: its sides, the openings that lead
// one way only, the start or the end, its markers by colour and count.
struct CellFacts {
    QString open;
    QString oneWay;  // empty when every opening leads both ways
    QStringList more;
};

CellFacts FactsOf(const MazeState& state) {
    const int x = state.MouseX;
    const int y = state.MouseY;
    CellFacts facts{OpenSides(state), OneWaySides(state), {}};
    const bool start = x == state.StartX && y == state.StartY;
    const bool end = x == state.EndX && y == state.EndY;
    if (start && end)
        facts.more << Description::tr("the start and the end");
    else if (start)
        facts.more << Description::tr("the start");
    else if (end)
        facts.more << Description::tr("the end");
    if (const auto* colours = state.MarkerColors.Find(x, y); colours && colours->Count() > 0) {
        std::array<int, 5> counts{};
        for (const Color colour : colours->Items()) ++counts[ColourIndex(colour)];
        facts.more << Description::tr("markers: %1").arg(ColourCounts(counts));
    }
    return facts;
}

}  // namespace

QString DescribeCell(const MazeState& state) {
    const int x = state.MouseX;
    const int y = state.MouseY;
    if (IsOutside(x, y)) return Description::tr("No maze.");
    const CellFacts facts = FactsOf(state);
    QStringList parts;
    if (!facts.oneWay.isEmpty()) parts << facts.oneWay;
    parts << MousePlace(state) << facts.more;
    return Description::tr("%1: %2; %3.")
        .arg(Capitalised(CellName(x, y)), facts.open, parts.join(QStringLiteral("; ")));
}

QString DescribeCellView(const MazeState& state, const CellChange& change) {
    if (IsOutside(state.MouseX, state.MouseY)) return Description::tr("No maze.");
    QStringList said;
    if (change.newMaze) said << Description::tr("New maze.") << DescribeCell(state);
    if (change.blocked == 1) said << Description::tr("Blocked.");
    if (change.blocked > 1) said << Description::tr("Blocked, %n times.", nullptr, change.blocked);
    if (change.newCell) {
        const CellFacts facts = FactsOf(state);
        QStringList parts{CellName(state.MouseX, state.MouseY) + QStringLiteral(", ") + facts.open};
        if (!facts.oneWay.isEmpty()) parts << facts.oneWay;
        parts << facts.more;
        const QString cell = parts.join(QStringLiteral("; "));
        said << Description::tr("New cell: %1.").arg(cell);
        if (PocketSide(state)) said << Capitalised(Description::tr("%1.").arg(Place(state)));
    }
    if (change.dropped)
        said << Description::tr("%1 marker dropped.").arg(Capitalised(ColourName(*change.dropped)));
    if (change.endReached) said << Description::tr("End reached!");
    // A plain step tells where it led.
    if (said.isEmpty()) said << Capitalised(Description::tr("%1.").arg(Place(state)));
    return said.join(QLatin1Char(' '));
}

QString DescribeMap(const MazeState& state, const std::optional<ShownColours>& shown) {
    if (IsOutside(state.MouseX, state.MouseY)) return Description::tr("No maze.");
    const Zone zone = GetZone(state, state.PosX, state.PosY);
    QString text = Description::tr("Mouse in %1, %2; start at %3; end at %4.")
                       .arg(CellName(state.MouseX, state.MouseY),
                            Description::tr("in the %1").arg(ZoneName(zone)),
                            CellName(state.StartX, state.StartY), CellName(state.EndX, state.EndY));
    const QString markers = DescribeShownMarkers(state, shown);
    return markers.isEmpty() ? text : text + QLatin1Char(' ') + markers;
}

QString DescribeShownMarkers(const MazeState& state, const std::optional<ShownColours>& shown) {
    if (!shown || IsOutside(state.MouseX, state.MouseY)) return {};
    std::array<bool, 5> admitted{};
    for (int i = 0; i < 4; ++i) admitted[i] = (*shown)[i] == 1;
    if (std::none_of(admitted.begin(), admitted.end(), [](bool a) { return a; }))
        return Description::tr("No marker colour is ticked.");

    struct MarkedCell {
        int x, y, distance;
        std::array<int, 5> counts;
    };
    std::vector<MarkedCell> cells;
    std::array<int, 5> totals{};
    for (int y = 1; y <= kMazeSize; ++y) {
        for (int x = 1; x <= kMazeSize; ++x) {
            const auto* colours = state.MarkerColors.Find(x, y);
            if (!colours) continue;
            MarkedCell cell{x, y, std::abs(x - state.MouseX) + std::abs(y - state.MouseY), {}};
            for (const Color colour : colours->Items()) {
                const int i = ColourIndex(colour);
                if (admitted[i]) ++cell.counts[i];
            }
            if (std::all_of(cell.counts.begin(), cell.counts.end(), [](int n) { return n == 0; }))
                continue;
            for (int i = 0; i < 5; ++i) totals[i] += cell.counts[i];
            cells.push_back(cell);
        }
    }
    if (cells.empty()) return Description::tr("No markers of the ticked colours.");

    // Nearest by steps across the grid; among equals, row by row from the north.
    std::stable_sort(cells.begin(), cells.end(), [](const MarkedCell& a, const MarkedCell& b) {
        return a.distance < b.distance;
    });
    QStringList nearest;
    const int named = std::min<int>(kNearestMarkerCells, static_cast<int>(cells.size()));
    for (int i = 0; i < named; ++i) {
        QStringList colours;
        for (int c = 0; c < 5; ++c)
            if (cells[i].counts[c] > 0)
                colours << (c < 4 ? ColourName(kMarkerColours[c]) : Description::tr("other"));
        nearest << Description::tr("%1, %2").arg(CellName(cells[i].x, cells[i].y),
                                                 JoinAnd(colours));
    }
    const int cellCount = static_cast<int>(cells.size());
    return Description::tr("Markers shown: %1, in %2; nearest: %3.")
        .arg(ColourCounts(totals), Count(cellCount, N("1 cell"), N("%n cells")),
             nearest.join(QStringLiteral("; ")));
}

QString DescribeMapShown(const MazeState& state) {
    return Description::tr("Map. %1").arg(DescribeMap(state, std::nullopt));
}

QString ColourChosenWords(Color colour) {
    return Description::tr("%1 chosen.").arg(Capitalised(ColourName(colour)));
}

QString FilePathName(const QString& path) {
    return path.isEmpty() ? Description::tr("File: none") : Description::tr("File: %1").arg(path);
}

QString SavedName(const QString& saved) {
    if (saved == QLatin1String("Y")) return Description::tr("Saved: Yes");
    if (saved == QLatin1String("N")) return Description::tr("Saved: No");
    return Description::tr("Saved: unknown");
}

}  // namespace pathwick
