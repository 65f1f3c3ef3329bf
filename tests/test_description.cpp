// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "game/description.h"
#include "program/translations.h"
#include "support/cellviewmodel.h"
#include "support/testmain.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const char* const kSides[] = {"north", "east", "south", "west"};
const char* const kStepKeys[] = {"U", "R", "D", "L"};

QString Said(const char* english) {
    return QCoreApplication::translate("Description", english);
}

// Whether words hold an English word, as a text the translation does not reach leaves them.
bool HasEnglish(const QString& words) {
    static const QRegularExpression english(
        QStringLiteral("\\b(north|east|south|west|steps?|half|arm|edge|corner|column|row|mouse|"
                       "open|closed|leads|pocket|barred|only|way|back|blocked|new|cell|dropped|"
                       "end|reached)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return words.contains(english);
}

#define ENGLISH_ONLY() \
    if (!English()) QSKIP("English words")

}  // namespace

class TestDescription : public QObject {
    Q_OBJECT

private slots:
    // The language-independent tests run in English and in every language of the game.
    void initTestCase_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"", "de", "fr", "es"})
            QTest::newRow(*language ? language : "en") << QString(language);
    }
    void init() {
        QFETCH_GLOBAL(QString, language);
        words_.emplace(QStringList{language});
    }
    void cleanup() { words_.reset(); }
    void openSidesAreTheSidesTheMouseCanLeaveBy_data();
    void openSidesAreTheSidesTheMouseCanLeaveBy();
    void mousePlace_data();
    void mousePlace();
    void everyStepThatMovesChangesTheReport_data();
    void everyStepThatMovesChangesTheReport();
    void stepChange_data();
    void stepChange();
    void changeIsToldBeforeTheCell_data();
    void changeIsToldBeforeTheCell();
    void cellNamesStartEndAndMarkers_data();
    void cellNamesStartEndAndMarkers();
    void mapNamesCellsAndNearestMarkers_data();
    void mapNamesCellsAndNearestMarkers();
    void oneWaySidesAreNamed_data();
    void oneWaySidesAreNamed();
    void indicatorNames_data();
    void indicatorNames();

private:
    bool English() const { return words_->Language().isEmpty(); }
    std::optional<Translations> words_;
};

// The words say a side is open exactly when walking that way from the middle
// of the cell leads into the next cell: the picture decides, not the code.
void TestDescription::openSidesAreTheSidesTheMouseCanLeaveBy_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    const struct { int x, y; } cells[] = {{13, 13}, {1, 1}, {25, 25}, {1, 13}};
    for (const auto& cell : cells)
        for (int code : {0, 1, 3, 5, 7, 10, 12, 15, 16, -1})
            QTest::addRow("code %d at (%d, %d)", code, cell.x, cell.y) << code << cell.x << cell.y;
}

void TestDescription::openSidesAreTheSidesTheMouseCanLeaveBy() {
    QFETCH(int, code);
    QFETCH(int, x);
    QFETCH(int, y);
    QStringList open;
    QString words;
    for (int side = 0; side < 4; ++side) {
        TestGame t;
        t.OpenGrid();
        t.game.State().grid(x, y) = static_cast<CellCode>(code);
        t.PutMouse(x, y, kCentre, kCentre);
        if (side == 0) words = DescribeCell(t.game.State());
        for (int step = 0; step < 13; ++step)
            t.game.MoveMouse(QString::fromLatin1(kStepKeys[side]));
        if (t.game.State().MouseX != x || t.game.State().MouseY != y)
            open << QLatin1String(kSides[side]);
    }
    const QString expected = open.isEmpty()     ? QStringLiteral("closed on all sides")
                             : open.size() == 4 ? QStringLiteral("open on all sides")
                             : open.size() == 1 ? QStringLiteral("open ") + open[0]
                                                : QStringLiteral("open ") +
                                                      open.mid(0, open.size() - 1).join(", ") +
                                                      QStringLiteral(" and ") + open.last();
    if (English())
        QVERIFY2(words.contains(QStringLiteral(": ") + expected + QLatin1Char(';')),
                 qPrintable(words));
    const QString sides = words.section(QStringLiteral(": "), 1).section(u';', 0, 0);
    for (const char* side : kSides)
        if (open.size() % 4 != 0) QCOMPARE(sides.contains(Said(side)), open.contains(side));
    QCOMPARE(sides.startsWith(Said("open on all sides")), open.size() == 4);
    QCOMPARE(sides.startsWith(Said("closed on all sides")), open.isEmpty());
    QVERIFY2(English() || !HasEnglish(words), qPrintable(words));
}

void TestDescription::mousePlace_data() {
    QTest::addColumn<int>("px");
    QTest::addColumn<int>("py");
    QTest::addColumn<QString>("place");
    QTest::newRow("middle") << kCentre << kCentre << "mouse in the centre";
    QTest::newRow("centre, north")
        << kCentre << kCentre - kUnit << "mouse in the centre, 1 step north";
    QTest::newRow("centre, south-east") << kCentre + kUnit << kCentre + kUnit
                                        << "mouse in the centre, 1 step south and 1 step east";
    QTest::newRow("centre, upper limit")
        << kCentre << 10 * kUnit << "mouse in the centre, 1.5 steps north";
    QTest::newRow("north arm") << kCentre << kCentre - 2 * kUnit
                               << "mouse in the north arm, 2 steps out";
    QTest::newRow("north arm, east of its middle")
        << kCentre + kUnit << kCentre - 2 * kUnit
        << "mouse in the north arm, 2 steps out, 1 step east";
    QTest::newRow("north edge, entered from the north")
        << kCentre << 10 << "mouse at the north edge";
    QTest::newRow("north edge, walked out")
        << kCentre << kCentre - 11 * kUnit << "mouse at the north edge";
    QTest::newRow("south edge, entered from the south")
        << kCentre << 23 * kUnit << "mouse at the south edge";
    QTest::newRow("one before the south edge")
        << kCentre << 22 * kUnit << "mouse in the south arm, 10.5 steps out";
    QTest::newRow("one before the east edge")
        << 22 * kUnit << kCentre << "mouse in the east arm, 10.5 steps out";
    QTest::newRow("west edge, entered from the west") << 10 << kCentre << "mouse at the west edge";
    QTest::newRow("east arm") << 20 * kUnit << kCentre << "mouse in the east arm, 8.5 steps out";
    QTest::newRow("half a step, entered from the west")
        << 10 + 11 * kUnit << kCentre << "mouse in the centre, half a step west";
    QTest::newRow("west arm, north of its middle")
        << 5 * kUnit << kCentre - kUnit << "mouse in the west arm, 6.5 steps out, 1 step north";
    QTest::newRow("corner from a file") << 500 << 500 << "mouse in the north-west corner";
    QTest::newRow("beyond the view from a file")
        << 30000 << 30000 << "mouse in the south-east corner";
}

void TestDescription::mousePlace() {
    QFETCH(int, px);
    QFETCH(int, py);
    QFETCH(QString, place);
    ENGLISH_ONLY();
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, px, py);
    const QString words = DescribeCell(t.game.State());
    QVERIFY2(words.contains(QStringLiteral("; ") + place + QLatin1Char('.')), qPrintable(words));
}

// A screen reader presents a changed description only; a step the player
// takes must never leave the words as they were.
void TestDescription::everyStepThatMovesChangesTheReport_data() {
    QTest::addColumn<QString>("direction");
    for (const char* direction : kStepKeys) QTest::newRow(direction) << QString(direction);
}

void TestDescription::everyStepThatMovesChangesTheReport() {
    QFETCH(QString, direction);
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, kCentre, kCentre);
    QString last = DescribeCellView(t.game.State(), {});
    for (int step = 0; step < 30; ++step) {
        const CellChange change = StepChange(t.game.StepTold(direction));
        QCOMPARE(change.blocked, 0);
        const QString now = DescribeCellView(t.game.State(), change);
        QVERIFY2(now != last && (English() || !HasEnglish(now)), qPrintable(now));
        last = now;
    }
}

void TestDescription::stepChange_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("py");  // where the mouse starts, in the middle column
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("endCell");
    QTest::addColumn<QString>("told");  // the change of the last step
    QTest::newRow("a step") << 15 << kCentre << "U" << 1 << false << "";
    QTest::newRow("into the west bar") << 5 << kCentre << "L" << 2 << false << "blocked";
    QTest::newRow("out of the cell") << 15 << kCentre << "R" << 12 << false << "new cell";
    QTest::newRow("into the end's centre")
        << 15 << kCentre + 2 * kUnit << "U" << 1 << true << "end";
    QTest::newRow("walking on after the end")
        << 15 << kCentre + 2 * kUnit << "U" << 2 << true << "";
    // A mouse in the end's centre that was never congratulated (from a file).
    QTest::newRow("blocked in the end's centre")
        << 10 << kCentre - kUnit << "U" << 1 << true << "blocked end";
}

void TestDescription::stepChange() {
    QFETCH(int, code);
    QFETCH(int, py);
    QFETCH(QString, direction);
    QFETCH(int, steps);
    QFETCH(bool, endCell);
    QFETCH(QString, told);
    TestGame t;
    t.OpenGrid();
    t.game.State().grid(13, 13) = static_cast<CellCode>(code);
    if (endCell) {
        t.game.State().EndX = 13;
        t.game.State().EndY = 13;
    }
    t.PutMouse(13, 13, kCentre, py);
    CellChange change;
    for (int step = 0; step < steps; ++step) {
        change = StepChange(t.game.StepTold(direction));
    }
    QStringList parts;
    if (change.blocked) parts << QStringLiteral("blocked");
    if (change.newCell) parts << QStringLiteral("new cell");
    if (change.endReached) parts << QStringLiteral("end");
    QCOMPARE(parts.join(QLatin1Char(' ')), told);
}

void TestDescription::changeIsToldBeforeTheCell_data() {
    QTest::addColumn<int>("blocked");
    QTest::addColumn<bool>("newCell");
    QTest::addColumn<int>("dropped");  // -1: none
    QTest::addColumn<bool>("endReached");
    QTest::addColumn<bool>("newMaze");
    QTest::addColumn<QString>("said");  // how the words said at once begin
    QTest::newRow("nothing") << 0 << false << -1 << false << false << "In the centre.";
    QTest::newRow("blocked") << 1 << false << -1 << false << false << "Blocked.";
    QTest::newRow("blocked again") << 3 << false << -1 << false << false << "Blocked, 3 times.";
    QTest::newRow("new cell") << 0 << true << -1 << false << false
                              << "New cell: column 1, row 1, open ";
    QTest::newRow("cyan") << 0 << false << kCyan << false << false << "Cyan marker dropped.";
    QTest::newRow("black") << 0 << false << kBlack << false << false << "Black marker dropped.";
    QTest::newRow("end") << 1 << false << -1 << true << false << "Blocked. End reached!";
    QTest::newRow("new maze") << 0 << false << -1 << false << true << "New maze. Column 1, row 1: ";
}

void TestDescription::changeIsToldBeforeTheCell() {
    QFETCH(int, blocked);
    QFETCH(bool, newCell);
    QFETCH(int, dropped);
    QFETCH(bool, endReached);
    QFETCH(bool, newMaze);
    QFETCH(QString, said);
    CellChange change;
    change.blocked = blocked;
    change.newCell = newCell;
    if (dropped >= 0) change.dropped = dropped;
    change.endReached = endReached;
    change.newMaze = newMaze;
    TestGame t;
    t.OpenGrid();
    t.PutMouse(1, 1, kCentre, kCentre);
    const QString now = DescribeCellView(t.game.State(), change);
    QVERIFY2(English() ? now.startsWith(said) : !HasEnglish(now), qPrintable(now));
    // Read again, the cell has none of the words that were said once.
    const QString again = DescribeCell(t.game.State());
    for (const char* once : {"Blocked", "New cell", "dropped", "End reached", "New maze"})
        QVERIFY2(!again.contains(QLatin1String(once)), qPrintable(again));
    for (const char* once : {"Blocked.", "New cell: %1.", "Cyan marker dropped.", "End reached!"})
        QVERIFY2(!again.contains(Said(once).section(QLatin1Char('%'), 0, 0).chopped(1)),
                 qPrintable(again));
}

void TestDescription::cellNamesStartEndAndMarkers_data() {
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("end");
    QTest::addColumn<QList<int>>("markers");
    QTest::addColumn<QString>("tail");
    QTest::newRow("plain") << false << false << QList<int>{} << "; mouse in the centre.";
    QTest::newRow("start") << true << false << QList<int>{} << "; the start.";
    QTest::newRow("end") << false << true << QList<int>{} << "; the end.";
    QTest::newRow("both, from a file")
        << true << true << QList<int>{} << "; the start and the end.";
    QTest::newRow("markers by colour")
        << false << false << QList<int>{kCyan, kWhite, kCyan, 0x123456, kMagenta}
        << "; markers: 1 white, 2 cyan, 1 magenta, 1 of other colours.";
    QTest::newRow("end and a marker")
        << false << true << QList<int>{kBlack} << "; the end; markers: 1 black.";
}

void TestDescription::cellNamesStartEndAndMarkers() {
    QFETCH(bool, start);
    QFETCH(bool, end);
    QFETCH(QList<int>, markers);
    QFETCH(QString, tail);
    ENGLISH_ONLY();
    TestGame t;
    t.OpenGrid();
    MazeState& s = t.game.State();
    if (start) {
        s.StartX = 7;
        s.StartY = 4;
    }
    if (end) {
        s.EndX = 7;
        s.EndY = 4;
    }
    for (int colour : markers) AddMarker(s, t.game.Keys(), 7, 4, kCentre, kCentre, colour);
    t.PutMouse(7, 4, kCentre, kCentre);
    const QString words = DescribeCell(s);
    QVERIFY2(words.startsWith(QStringLiteral("Column 7, row 4: open on all sides; ")),
             qPrintable(words));
    QVERIFY2(words.endsWith(tail), qPrintable(words));
}

void TestDescription::mapNamesCellsAndNearestMarkers_data() {
    QTest::addColumn<bool>("displayed");
    QTest::addColumn<QList<int>>("boxes");  // white, black, cyan, magenta
    QTest::addColumn<QString>("tail");
    QTest::addColumn<int>("mouseX");  // the mouse's column; its row is 10
    const QString cells = QStringLiteral(
        "Mouse in column 10, row 10, in the north arm; start at column 1, row 25; end at column "
        "25, row 25.");
    QTest::newRow("before Display Markers") << false << QList<int>{1, 1, 1, 1} << cells << 10;
    QTest::newRow("nothing ticked")
        << true << QList<int>{0, 0, 0, 0} << cells + " No marker colour is ticked." << 10;
    QTest::newRow("greyed is not ticked")
        << true << QList<int>{2, 2, 2, 2} << cells + " No marker colour is ticked." << 10;
    QTest::newRow("no marker of the colour")
        << true << QList<int>{0, 0, 0, 1} << cells + " No markers of the ticked colours." << 10;
    QTest::newRow("white") << true << QList<int>{1, 0, 0, 0}
                           << cells +
                                  " Markers shown: 2 white, in 2 cells; nearest: column 10, row "
                                  "12, white; column 20, row 20, white."
                           << 10;
    QTest::newRow("all four, nearest three")
        << true << QList<int>{1, 1, 1, 1}
        << cells +
               " Markers shown: 2 white, 1 black, 2 cyan, in 4 cells; nearest: column 11, row 9, "
               "cyan; column 9, row 11, black; column 10, row 12, white and cyan."
        << 10;
    // Off the diagonal, columns and rows count each for themselves.
    QTest::newRow("mouse east of the diagonal")
        << true << QList<int>{1, 1, 1, 0}
        << QString(cells).replace("column 10, row 10", "column 12, row 10") +
               " Markers shown: 2 white, 1 black, 2 cyan, in 4 cells; nearest: column 11, row 9, "
               "cyan; column 9, row 11, black; column 10, row 12, white and cyan."
        << 12;
}

void TestDescription::mapNamesCellsAndNearestMarkers() {
    QFETCH(bool, displayed);
    QFETCH(QList<int>, boxes);
    QFETCH(QString, tail);
    QFETCH(int, mouseX);
    ENGLISH_ONLY();
    TestGame t;
    t.OpenGrid();
    MazeState& s = t.game.State();
    // Two cells two steps from the mouse (row by row from the north first),
    // one two steps away, one far; a colour none of the boxes admits.
    AddMarker(s, t.game.Keys(), 20, 20, kCentre, kCentre, kWhite);
    AddMarker(s, t.game.Keys(), 10, 12, kCentre, kCentre, kWhite);
    AddMarker(s, t.game.Keys(), 10, 12, kCentre, kCentre, kCyan);
    AddMarker(s, t.game.Keys(), 9, 11, kCentre, kCentre, kBlack);
    AddMarker(s, t.game.Keys(), 11, 9, kCentre, kCentre, kCyan);
    AddMarker(s, t.game.Keys(), 10, 10, kCentre, kCentre, 0x123456);
    t.PutMouse(mouseX, 10, kCentre, kCentre - 2 * kUnit);
    std::optional<ShownColours> shown;
    if (displayed) shown = ShownColours{boxes[0], boxes[1], boxes[2], boxes[3]};
    QCOMPARE(DescribeMap(s, shown), tail);
}

void TestDescription::oneWaySidesAreNamed_data() {
    QTest::addColumn<int>("here");  // the code of (13, 13), where the mouse is
    QTest::addColumn<int>("east");  // the code of (14, 13)
    QTest::addColumn<QString>("words");
    QTest::newRow("open both ways") << 15 << 15 << "open on all sides; mouse in the centre.";
    QTest::newRow("into a pocket") << 15 << 13 << "; one way: east leads into a pocket; mouse";
    QTest::newRow("barred here only")
        << 7 << 15 << "open north, south and west; one way: east is barred on this side only;";
}

void TestDescription::oneWaySidesAreNamed() {
    QFETCH(int, here);
    QFETCH(int, east);
    QFETCH(QString, words);
    TestGame t;
    t.OpenGrid();
    t.game.State().grid(13, 13) = static_cast<CellCode>(here);
    t.game.State().grid(14, 13) = static_cast<CellCode>(east);
    t.PutMouse(13, 13, kCentre, kCentre);
    const QString cell = DescribeCell(t.game.State());
    QVERIFY2(English() ? cell.contains(words) : !HasEnglish(cell), qPrintable(cell));
    // Walked east through a pocket's opening, the mouse is told it is in the pocket.
    CellChange change;
    for (int step = 0; step < 13 && !change.newCell; ++step)
        change = StepChange(t.game.StepTold(QStringLiteral("R")));
    const bool pocket = east == 13;
    QCOMPARE(DescribeCellView(t.game.State(), change)
                 .contains(Said("outside the bar, the way back only")),
             pocket);
}

void TestDescription::indicatorNames_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("pathName");
    QTest::addColumn<QString>("savedName");
    QTest::newRow("new maze") << ""
                              << "N"
                              << "File: none"
                              << "Saved: No";
    QTest::newRow("saved") << "/home/a/maze %1.maz"
                           << "Y"
                           << "File: /home/a/maze %1.maz"
                           << "Saved: Yes";
    QTest::newRow("before the first maze") << ""
                                           << ""
                                           << "File: none"
                                           << "Saved: unknown";
}

void TestDescription::indicatorNames() {
    QFETCH(QString, path);
    QFETCH(QString, saved);
    QFETCH(QString, pathName);
    QFETCH(QString, savedName);
    ENGLISH_ONLY();
    QCOMPARE(FilePathName(path), pathName);
    QCOMPARE(SavedName(saved), savedName);
}

PATHWICK_TEST_CLASS(TestDescription)
#include "test_description.moc"
