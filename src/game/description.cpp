// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/description.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/mazegrid.h"
#include "views/cellview.h"

namespace pathwick {

namespace {

// The translation context of every sentence below. Each text is whole in its language: where a
// direction, a zone or a colour would be put into a phrase, each has a text of its own, so that a
// translation can decline, agree and place it as its grammar wants.
class Description {
    Q_DECLARE_TR_FUNCTIONS(Description)
};

// The locale in which the words write numbers ("1.5") and lists ("a, b and c"): the player's
// when it speaks the language of the words, else the one their translation names. English words
// are always written as en_GB writes them, whatever the player's locale.
QLocale WordsLocale() {
    //: The locale of these words, whose numbers and lists they write: de, fr_FR, ...
    const QLocale words(Description::tr("en_GB"));
    const QLocale player;
    const bool translated = words.language() != QLocale::English;
    return translated && player.language() == words.language() ? player : words;
}

// "a", "a and b", "a, b and c".
QString JoinAnd(const QStringList& items) {
    return WordsLocale().createSeparatedList(items);
}

// What stands between the parts of a sentence: "column 1, row 1; the start; markers: 1 white".
QString PartsSeparator() {
    //: Between the parts of a sentence, as in "mouse in the centre; the start"
    return Description::tr("; ");
}

QString CellName(int x, int y) {
    return Description::tr("column %1, row %2").arg(x).arg(y);
}

// The words for one side of a cell, each whole.
struct SideWords {
    const char* open;      // in the list of open sides
    const char* pocket;    // a one-way opening into the neighbour's arm
    const char* barred;    // a one-way bar on this side
    const char* edge;      // where one more step crosses
    const char* arm;       // the distance out in the side's arm
    const char* halfStep;  // an offset from the middle towards the side: half a step,
    const char* oneStep;   // 1 step,
    const char* steps;     // %n steps,
    const char* fraction;  // 1.5 steps
};

const struct {
    CellCode side;
    CellCode facing;  // the same wall seen from the neighbour
    int dx, dy;
    SideWords words;
} kSides[] = {{kNorth,
               kSouth,
               0,
               -1,
               //: An open side of a cell, in "open %1", listed with the others open
               {QT_TRANSLATE_NOOP("Description", "north"),
                QT_TRANSLATE_NOOP("Description", "north leads into a pocket"),
                QT_TRANSLATE_NOOP("Description", "north is barred on this side only"),
                QT_TRANSLATE_NOOP("Description", "at the north edge"),
                //: %1 is a distance from the middle of the cell: half a step, 1 step, 2.5 steps
                QT_TRANSLATE_NOOP("Description", "in the north arm, %1 out"),
                QT_TRANSLATE_NOOP("Description", "half a step north"),
                QT_TRANSLATE_NOOP("Description", "1 step north"),
                QT_TRANSLATE_N_NOOP("Description", "%n steps north"),
                //: %1 is a number with a fraction: 1.5, 2.5
                QT_TRANSLATE_NOOP("Description", "%1 steps north")}},
              {kEast,
               kWest,
               1,
               0,
               {QT_TRANSLATE_NOOP("Description", "east"),
                QT_TRANSLATE_NOOP("Description", "east leads into a pocket"),
                QT_TRANSLATE_NOOP("Description", "east is barred on this side only"),
                QT_TRANSLATE_NOOP("Description", "at the east edge"),
                QT_TRANSLATE_NOOP("Description", "in the east arm, %1 out"),
                QT_TRANSLATE_NOOP("Description", "half a step east"),
                QT_TRANSLATE_NOOP("Description", "1 step east"),
                QT_TRANSLATE_N_NOOP("Description", "%n steps east"),
                QT_TRANSLATE_NOOP("Description", "%1 steps east")}},
              {kSouth,
               kNorth,
               0,
               1,
               {QT_TRANSLATE_NOOP("Description", "south"),
                QT_TRANSLATE_NOOP("Description", "south leads into a pocket"),
                QT_TRANSLATE_NOOP("Description", "south is barred on this side only"),
                QT_TRANSLATE_NOOP("Description", "at the south edge"),
                QT_TRANSLATE_NOOP("Description", "in the south arm, %1 out"),
                QT_TRANSLATE_NOOP("Description", "half a step south"),
                QT_TRANSLATE_NOOP("Description", "1 step south"),
                QT_TRANSLATE_N_NOOP("Description", "%n steps south"),
                QT_TRANSLATE_NOOP("Description", "%1 steps south")}},
              {kWest,
               kEast,
               -1,
               0,
               {QT_TRANSLATE_NOOP("Description", "west"),
                QT_TRANSLATE_NOOP("Description", "west leads into a pocket"),
                QT_TRANSLATE_NOOP("Description", "west is barred on this side only"),
                QT_TRANSLATE_NOOP("Description", "at the west edge"),
                QT_TRANSLATE_NOOP("Description", "in the west arm, %1 out"),
                QT_TRANSLATE_NOOP("Description", "half a step west"),
                QT_TRANSLATE_NOOP("Description", "1 step west"),
                QT_TRANSLATE_N_NOOP("Description", "%n steps west"),
                QT_TRANSLATE_NOOP("Description", "%1 steps west")}}};

const SideWords& North() {
    return kSides[0].words;
}
const SideWords& East() {
    return kSides[1].words;
}
const SideWords& South() {
    return kSides[2].words;
}
const SideWords& West() {
    return kSides[3].words;
}

QString OpenSides(const MazeState& state) {
    const CellCode bars = BarredSides(state, state.MouseX, state.MouseY);
    QStringList open;
    for (const auto& side : kSides)
        if (!(bars & side.side)) open << Description::tr(side.words.open);
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
        if (!here && facing) notes << Description::tr(side.words.pocket);
        if (here && !facing) notes << Description::tr(side.words.barred);
    }
    if (notes.isEmpty()) return {};
    return Description::tr("one way: %1").arg(JoinAnd(notes));
}

// Whether the mouse stands outside a bar of its cell, in that side's arm: it
// has walked in from the neighbour and can only walk back.
bool InPocket(const MazeState& state) {
    const Zone zone = GetZone(state, state.PosX, state.PosY);
    const CellCode bars = BarredSides(state, state.MouseX, state.MouseY);
    return (zone.zx == 2 && zone.zy == 1 && (bars & kNorth)) ||
           (zone.zx == 3 && zone.zy == 2 && (bars & kEast)) ||
           (zone.zx == 2 && zone.zy == 3 && (bars & kSouth)) ||
           (zone.zx == 1 && zone.zy == 2 && (bars & kWest));
}

// Half steps from the middle of the cell view (11.5 units) along one axis,
// rounded to the nearest half step, negative towards the north or west.
int HalfStepsFromMiddle(int position, int unit) {
    if (unit <= 0) return 0;
    const long twice = 2L * position - 23L * unit;
    const long half = twice >= 0 ? (twice + unit / 2) / unit : -((-twice + unit / 2) / unit);
    return static_cast<int>(half);
}

// "half a step", "1 step", "1.5 steps", "3 steps" for a number of half steps,
// in the texts given: half, one, %n (whole steps) and %1 (with a fraction).
QString HalfSteps(int halves, const char* half, const char* one, const char* steps,
                  const char* fraction) {
    if (halves == 1) return Description::tr(half);
    if (halves == 2) return Description::tr(one);
    if (halves % 2 == 0) return Description::tr(steps, nullptr, halves / 2);
    return Description::tr(fraction).arg(WordsLocale().toString(halves / 2.0, 'f', 1));
}

QString Steps(int halves, const SideWords& side) {
    return HalfSteps(halves, side.halfStep, side.oneStep, side.steps, side.fraction);
}

// "1 step north and half a step east" for the offsets from the middle, in
// half steps; empty at the middle.
QString Offsets(int ox, int oy) {
    QStringList parts;
    if (oy != 0) parts << Steps(std::abs(oy), oy < 0 ? North() : South());
    if (ox != 0) parts << Steps(std::abs(ox), ox < 0 ? West() : East());
    return JoinAnd(parts);
}

// Where a zone of the cell view is: "in the centre", "in the north arm",
// "in the north-west corner".
QString InZone(const Zone& zone) {
    static const char* const names[3][3] = {
        {QT_TRANSLATE_NOOP("Description", "in the north-west corner"),
         QT_TRANSLATE_NOOP("Description", "in the west arm"),
         QT_TRANSLATE_NOOP("Description", "in the south-west corner")},
        {QT_TRANSLATE_NOOP("Description", "in the north arm"),
         QT_TRANSLATE_NOOP("Description", "in the centre"),
         QT_TRANSLATE_NOOP("Description", "in the south arm")},
        {QT_TRANSLATE_NOOP("Description", "in the north-east corner"),
         QT_TRANSLATE_NOOP("Description", "in the east arm"),
         QT_TRANSLATE_NOOP("Description", "in the south-east corner")}};
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
        if (ox == 0 && oy == 0) return InZone(zone);
        return Description::tr("in the centre, %1").arg(Offsets(ox, oy));
    }
    if (zone.zx != 2 && zone.zy != 2) return InZone(zone);

    // In an arm: how far out, and whether the next step out leaves the cell.
    const bool across = zone.zy == 2;  // the west or east arm
    const int along = across ? ox : oy;
    const int aside = across ? oy : ox;
    const SideWords& side =
        across ? (zone.zx == 1 ? West() : East()) : (zone.zy == 1 ? North() : South());
    const int outX = across ? (zone.zx == 1 ? -w : w) : 0;
    const int outY = across ? 0 : (zone.zy == 1 ? -h : h);
    QString place = Description::tr(side.edge);
    if (!SideCrossed(state, state.PosX + outX, state.PosY + outY)) {
        //: A distance from the middle of the cell, in "in the north arm, %1 out"
        const QString out =
            HalfSteps(std::abs(along), QT_TRANSLATE_NOOP("Description", "half a step"),
                      QT_TRANSLATE_NOOP("Description", "1 step"),
                      QT_TRANSLATE_N_NOOP("Description", "%n steps"),
                      QT_TRANSLATE_NOOP("Description", "%1 steps"));
        place = Description::tr(side.arm).arg(out);
    }
    if (aside != 0)
        place =
            Description::tr("%1, %2").arg(place, across ? Offsets(0, aside) : Offsets(aside, 0));
    if (InPocket(state))
        place = Description::tr("%1, %2").arg(
            place, Description::tr("outside the bar, the way back only"));
    return place;
}

QString MousePlace(const MazeState& state) {
    return Description::tr("mouse %1").arg(Place(state));
}

// The four marker colours in the order of the colour boxes, then any other,
// with their words.
const struct {
    Color colour;
    const char* dropped;
    const char* counted;  // %n markers of the colour
} kMarkerColours[] = {
    {kWhite, QT_TRANSLATE_NOOP("Description", "White marker dropped."),
     //: A number of markers of the colour, in "markers: 1 white, 2 cyan"
     QT_TRANSLATE_N_NOOP("Description", "%n white")},
    {kBlack, QT_TRANSLATE_NOOP("Description", "Black marker dropped."),
     QT_TRANSLATE_N_NOOP("Description", "%n black")},
    {kCyan, QT_TRANSLATE_NOOP("Description", "Cyan marker dropped."),
     QT_TRANSLATE_N_NOOP("Description", "%n cyan")},
    {kMagenta, QT_TRANSLATE_NOOP("Description", "Magenta marker dropped."),
     QT_TRANSLATE_N_NOOP("Description", "%n magenta")},
    {-1 /* any other */, QT_TRANSLATE_NOOP("Description", "Other marker dropped."),
     QT_TRANSLATE_N_NOOP("Description", "%n of other colours")}};

int ColourIndex(Color colour) {
    for (int i = 0; i < 4; ++i)
        if (kMarkerColours[i].colour == colour) return i;
    return 4;  // any other colour
}

// "2 cyan, 1 white" for counts indexed as ColourIndex.
QString ColourCounts(const std::array<int, 5>& counts) {
    QStringList parts;
    for (int i = 0; i < 5; ++i)
        if (counts[i] > 0) parts << Description::tr(kMarkerColours[i].counted, nullptr, counts[i]);
    return parts.join(QStringLiteral(", "));
}

QString Dropped(Color colour) {
    return Description::tr(kMarkerColours[ColourIndex(colour)].dropped);
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
        .arg(Capitalised(CellName(x, y)), facts.open, parts.join(PartsSeparator()));
}

QString DescribeCellView(const MazeState& state, const CellChange& change) {
    if (IsOutside(state.MouseX, state.MouseY)) return Description::tr("No maze.");
    QStringList said;
    if (change.newMaze) said << Description::tr("New maze.") << DescribeCell(state);
    if (change.blocked == 1) said << Description::tr("Blocked.");
    if (change.blocked > 1) said << Description::tr("Blocked, %n times.", nullptr, change.blocked);
    if (change.newCell) {
        const CellFacts facts = FactsOf(state);
        QStringList parts{
            Description::tr("%1, %2").arg(CellName(state.MouseX, state.MouseY), facts.open)};
        if (!facts.oneWay.isEmpty()) parts << facts.oneWay;
        parts << facts.more;
        const QString cell = parts.join(PartsSeparator());
        said << Description::tr("New cell: %1.").arg(cell);
        if (InPocket(state)) said << Capitalised(Description::tr("%1.").arg(Place(state)));
    }
    if (change.dropped) said << Dropped(*change.dropped);
    if (change.endReached) said << Description::tr("End reached!");
    // A plain step tells where it led.
    if (said.isEmpty()) said << Capitalised(Description::tr("%1.").arg(Place(state)));
    return said.join(QLatin1Char(' '));
}

QString DescribeMap(const MazeState& state, const std::optional<ShownColours>& shown) {
    if (IsOutside(state.MouseX, state.MouseY)) return Description::tr("No maze.");
    const Zone zone = GetZone(state, state.PosX, state.PosY);
    QString text = Description::tr("Mouse in %1, %2; start at %3; end at %4.")
                       .arg(CellName(state.MouseX, state.MouseY), InZone(zone),
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
            if (cells[i].counts[c] > 0 && c < 4)
                colours << ColourName(kMarkerColours[c].colour);
            else if (cells[i].counts[c] > 0)
                colours << Description::tr("other");
        nearest << Description::tr("%1, %2").arg(CellName(cells[i].x, cells[i].y),
                                                 JoinAnd(colours));
    }
    const int cellCount = static_cast<int>(cells.size());
    QString inCells = Description::tr("%n cells", nullptr, cellCount);
    if (cellCount == 1) inCells = Description::tr("1 cell");
    return Description::tr("Markers shown: %1, in %2; nearest: %3.")
        .arg(ColourCounts(totals), inCells, nearest.join(PartsSeparator()));
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
