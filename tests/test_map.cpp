// SPDX-License-Identifier: GPL-3.0-or-later
// The map: square sizes, the squares of every cell, the mouse, start and end
// squares, and the markers shown by Display Markers.
//
// Geometry used throughout: both surfaces are 277 x 277 pixels, i.e. 4155
// twips, so the cell view's unit is 4155 \ 23 = 180 and a map square is
// 4155 \ 75 = 55 twips. Cell (x, y) owns the squares (i, j), i, j = 0..2,
// whose top-left corner lies at ((x - 1) * 3 + i) * 55, ((y - 1) * 3 + j) * 55.
// A point 27 twips inside a square's anchor lies on a pixel that belongs to
// this square alone; the pixel of the anchor itself is shared with the
// neighbours drawn before (boxes include both corners).

#include <QImage>
#include <memory>

#include "core/random.h"
#include "game/game.h"
#include "support/testgame.h"
#include "support/testmain.h"
#include "views/cellview.h"
#include "views/map.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

// The map tests' game: a generated maze on window-sized pictures, plain labels.
struct MapGame : TestGame {
    MapGame() : TestGame(0.0f, kWindowPicture, kWindowPicture, Labels::kPlain) {}
};

constexpr int kNorthArmY = 900;  // 5 units: well inside the north arm
constexpr Color kOtherEnd = 0x804020;

// Every cell open on all four sides, the start at (3, 3), the end at
// (20, 20), the mouse in the centre of the start cell; the cell view shows it.
void UseOpenGrid(SeamGame& game) {
    MazeState& s = game.State();
    for (int y = 1; y <= kMazeSize; ++y)
        for (int x = 1; x <= kMazeSize; ++x) s.grid(x, y) = 15;
    s.StartX = 3;
    s.StartY = 3;
    s.EndX = 20;
    s.EndY = 20;
    s.MouseX = 3;
    s.MouseY = 3;
    s.PosX = kCentre;
    s.PosY = kCentre;
    DrawCell(game.picMaze(), s, s.MouseX, s.MouseY);
    game.DrawMouse();
}

int Anchor(int cell, int square, int unit = kMapSquare) {
    return ((cell - 1) * 3 + square) * unit;
}

// The colour inside square (i, j) of cell (x, y).
Color SquareColour(const SeamGame& game, int x, int y, int i, int j, int unit = kMapSquare) {
    return game.picMap().Point(Anchor(x, i, unit) + unit / 2, Anchor(y, j, unit) + unit / 2);
}

Color Back(const SeamGame& game) {
    return game.picMap().BackColor();
}

// The zone of a cell-view position as the map places it: square 0 below 10
// units, 2 above 13 units, 1 from 10 to 13 units inclusive.
int ZoneSquare(int p, int unit) {
    return p < 10 * unit ? 0 : (p > 13 * unit ? 2 : 1);
}

// What square (i, j) of cell (x, y) must show right after DrawMap.
Color ExpectedAfterDrawMap(const SeamGame& game, int x, int y, int i, int j) {
    const MazeState& s = game.State();
    const Color back = Back(game);
    Color colour = back;
    if (i != 1 && j != 1) colour = kWallColor;
    if (i == 1 && j == 0 && (!OpenNorth(s.grid, x, y) || y == 1)) colour = kWallColor;
    if (i == 0 && j == 1 && (!OpenWest(s.grid, x, y) || x == 1)) colour = kWallColor;
    if (i == 2 && j == 1 && (!OpenEast(s.grid, x, y) || x == kMazeSize)) colour = kWallColor;
    if (i == 1 && j == 2 && (!OpenSouth(s.grid, x, y) || y == kMazeSize)) colour = kWallColor;
    if (x == s.MouseX && y == s.MouseY && i == ZoneSquare(s.PosX, s.UnitW) &&
        j == ZoneSquare(s.PosY, s.UnitH))
        colour = kMouseColor;
    if (i == 1 && j == 1 && x == s.StartX && y == s.StartY) colour = kStartColor;
    if (i == 1 && j == 1 && x == s.EndX && y == s.EndY) colour = game.EndFillColor();
    return colour;
}

// Compares every square of every cell with what DrawMap must leave; returns
// the first difference as text, empty when there is none.
QString FirstDifferenceFromGrid(const SeamGame& game) {
    for (int y = 1; y <= kMazeSize; ++y)
        for (int x = 1; x <= kMazeSize; ++x)
            for (int j = 0; j < 3; ++j)
                for (int i = 0; i < 3; ++i) {
                    const Color want = ExpectedAfterDrawMap(game, x, y, i, j);
                    const Color got = SquareColour(game, x, y, i, j);
                    if (want != got)
                        return QStringLiteral("cell (%1, %2) square (%3, %4): %5 instead of %6")
                            .arg(x)
                            .arg(y)
                            .arg(i)
                            .arg(j)
                            .arg(got, 6, 16, QLatin1Char('0'))
                            .arg(want, 6, 16, QLatin1Char('0'));
                }
    return {};
}

int CountPixels(const QImage& picture, Color colour) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += DrawingSurface::FromRgb(picture.pixel(x, y)) == colour ? 1 : 0;
    return n;
}

void AddAt(SeamGame& game, int x, int y, int px, int py, Color colour) {
    QVERIFY(AddMarker(game.State(), game.Keys(), x, y, static_cast<std::int16_t>(px),
                      static_cast<std::int16_t>(py), colour));
}

// Whether every open side of cell (x, y) faces a neighbour that is open back.
bool OpeningsAreMutual(const MazeGrid& g, int x, int y) {
    if (OpenNorth(g, x, y) && y > 1 && !OpenSouth(g, x, y - 1)) return false;
    if (OpenSouth(g, x, y) && y < kMazeSize && !OpenNorth(g, x, y + 1)) return false;
    if (OpenWest(g, x, y) && x > 1 && !OpenEast(g, x - 1, y)) return false;
    if (OpenEast(g, x, y) && x < kMazeSize && !OpenWest(g, x + 1, y)) return false;
    return true;
}

constexpr MarkerFilter kNone{0, 0, 0, 0};
constexpr MarkerFilter kAll{1, 1, 1, 1};

}  // namespace

class TestMap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    // Square size
    void mapUnitsAreTheRoundedInnerSizeDividedBy75_data();
    void mapUnitsAreTheRoundedInnerSizeDividedBy75();
    void squaresScaleWithTheMapSize_data();
    void squaresScaleWithTheMapSize();

    // Geometry of the squares
    void cellOneOneOccupiesTheFirst165Units();
    void farCornerOfLastCellEndsAt4125AndTheStripBeyondStaysEmpty();
    void innerCellWithCodeFifteenShowsOnlyItsCorners();
    void cellWithCodeZeroShowsAllEightOuterSquares();
    void borderCellOpenToTheOutsideIsClosedOnThatSide_data();
    void borderCellOpenToTheOutsideIsClosedOnThatSide();
    void oneSidedOpeningShowsOpenSquareNextToWallSquare();
    void everySquareOfAGeneratedMazeFollowsItsCellsCode();

    // Mouse, start and end
    void mouseSquareLiesInTheZoneOfTheMousePosition_data();
    void mouseSquareLiesInTheZoneOfTheMousePosition();
    void mouseSquareCoversTheWallsOfItsCell();
    void laterCellCoversTheEdgeOfTheMouseSquare();
    void mouseInStartCentreIsHiddenUnderYellow();
    void mouseInEndCentreIsHiddenUnderTheEndSquare();
    void mouseInNorthArmOfStartShowsRedAboveYellow();
    void endSquareTakesTheEndFillColourOfTheMomentOfDrawing();
    void endSquareCoversStartSquareInTheSameCell();
    void drawingTwiceGivesTheSamePicture();
    void drawMapChangesNoState();
    void drawMapClearsEverythingDrawnBefore();

    // New maze
    void newMazeWhileMapShowsDrawsTheNewMazeOnTheMap();
    void newMazeWhileCellViewShowsLeavesTheMapAlone();

    // Display Markers
    void displayWithNoBoxTickedChangesNothingOnAFreshMap();
    void filterChangesBetweenClicksShowAndHideMarkers();
    void eachBoxAdmitsExactlyItsColour_data();
    void eachBoxAdmitsExactlyItsColour();
    void boxAdmitsOnlyWhenItsValueIsOne_data();
    void boxAdmitsOnlyWhenItsValueIsOne();
    void markerOfAnotherColourNeverShows_data();
    void markerOfAnotherColourNeverShows();
    void laterMarkerAtTheSameSpotShows();
    void markerSquareLiesInTheZoneOfItsPosition_data();
    void markerSquareLiesInTheZoneOfItsPosition();
    void markerInStartCentreIsHiddenUnderYellow();
    void markerWhereTheMouseStandsIsHiddenUnderRed();
    void markerDroppedByTheMouseShowsWhereItWasDropped();
    void cellsWithoutMarkersAreNotRepainted();
    void mouseStartAndEndAreRedrawnInEveryCell();
    void displayReadsTheEndFillColour();
    void displayCreatesTheMarkerListsOfEveryCell();
    void markersAreGoneAfterTheMapIsDrawnAgain();
};

void TestMap::initTestCase() {
    // The tests tell open squares from markers by colour: the background must
    // be none of the colours the map paints.
    MapGame g;
    const Color back = Back(g.game);
    QCOMPARE(g.game.picMaze().BackColor(), back);
    for (Color c : {kWallColor, kMouseColor, kStartColor, kEndColor, kWhite, kBlack, kCyan,
                    kMagenta, kOtherEnd})
        QVERIFY(back != c);
    QCOMPARE(g.game.State().UnitW, std::int16_t{180});
    QCOMPARE(g.game.State().UnitH, std::int16_t{180});
}

// ---------------------------------------------------------------------------
// Square size

// A surface's inner size is always a whole number of pixels, i.e. a multiple
// of 15 twips, so sizes such as 4124 or 4199 twips cannot occur here; the
// cases use pixel sizes whose twips are not multiples of 75 to show that the
// remainder is dropped.
void TestMap::mapUnitsAreTheRoundedInnerSizeDividedBy75_data() {
    QTest::addColumn<int>("widthPixels");
    QTest::addColumn<int>("heightPixels");
    QTest::addColumn<int>("unitW");
    QTest::addColumn<int>("unitH");
    QTest::newRow("4155 twips (the window's map)") << 277 << 277 << 55 << 55;
    QTest::newRow("4125 twips, exactly 75 x 55") << 275 << 275 << 55 << 55;
    QTest::newRow("4185 twips: 55.8 drops to 55") << 279 << 279 << 55 << 55;
    QTest::newRow("4110 twips: 54.8 drops to 54") << 274 << 274 << 54 << 54;
    QTest::newRow("4200 twips, exactly 75 x 56") << 280 << 280 << 56 << 56;
    QTest::newRow("width and height apart") << 280 << 274 << 56 << 54;
    QTest::newRow("one pixel: 15 twips make no square") << 1 << 1 << 0 << 0;
}

void TestMap::mapUnitsAreTheRoundedInnerSizeDividedBy75() {
    QFETCH(int, widthPixels);
    QFETCH(int, heightPixels);
    QFETCH(int, unitW);
    QFETCH(int, unitH);
    const DrawingSurface surface(widthPixels, heightPixels);
    const MapUnits units = ComputeMapUnits(surface);
    QCOMPARE(int(units.w), unitW);
    QCOMPARE(int(units.h), unitH);
}

void TestMap::squaresScaleWithTheMapSize_data() {
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("unit");
    QTest::newRow("277 px") << 277 << 55;
    QTest::newRow("280 px") << 280 << 56;
    QTest::newRow("274 px") << 274 << 54;
}

// The yellow centre of start cell (13, 13) sits exactly where squares of the
// computed size put it: its first and last pixels are yellow, the pixels just
// outside are not.
void TestMap::squaresScaleWithTheMapSize() {
    QFETCH(int, pixels);
    QFETCH(int, unit);
    TestGame g(0.0f, kWindowPicture, QSize(pixels, pixels), Labels::kPlain);
    UseOpenGrid(g.game);
    g.game.State().StartX = g.game.State().StartY = 13;
    g.game.State().MouseX = g.game.State().MouseY = 13;
    g.game.DrawMap();

    const int first = Anchor(13, 1, unit) / 15;
    const int last = (Anchor(13, 1, unit) + unit) / 15;
    const int mid = (first + last) / 2;
    const QImage& picture = g.game.picMap().Picture();
    const auto at = [&](int px, int py) { return DrawingSurface::FromRgb(picture.pixel(px, py)); };
    QCOMPARE(at(first, first), kStartColor);
    QCOMPARE(at(last, last), kStartColor);
    QCOMPARE(at(first - 1, mid), Back(g.game));  // open west square
    QCOMPARE(at(last + 1, mid), Back(g.game));   // open east square
    QCOMPARE(at(mid, first - 1), Back(g.game));  // open north square
    QCOMPARE(at(mid, last + 1), Back(g.game));   // open south square
    QCOMPARE(CountPixels(picture, kStartColor), (last - first + 1) * (last - first + 1));
}

// ---------------------------------------------------------------------------
// Geometry of the squares

void TestMap::cellOneOneOccupiesTheFirst165Units() {
    MapGame g;
    UseOpenGrid(g.game);
    g.game.State().StartX = g.game.State().StartY = 1;
    g.game.State().MouseX = g.game.State().MouseY = 1;
    g.game.DrawMap();
    const DrawingSurface& map = g.game.picMap();

    QCOMPARE(map.Point(0, 0), kWallColor);       // top-left corner square from 0
    QCOMPARE(map.Point(55, 55), kStartColor);    // the centre from 55 ...
    QCOMPARE(map.Point(110, 110), kStartColor);  // ... to 110, drawn last
    QCOMPARE(map.Point(44, 82), kWallColor);     // west border square before it
    QCOMPARE(map.Point(120, 82), Back(g.game));  // open east square after it
    QCOMPARE(map.Point(82, 44), kWallColor);     // north border square above it
    QCOMPARE(map.Point(82, 120), Back(g.game));  // open south square below it
    QCOMPARE(map.Point(165, 0), kWallColor);     // top-right corner square to 165
    QCOMPARE(map.Point(165, 165), kWallColor);   // bottom-right corner square to 165
    // Just beyond 165 the open west square of cell (2, 1) and the open north
    // square of cell (1, 2) begin.
    QCOMPARE(map.Point(180, 82), Back(g.game));
    QCOMPARE(map.Point(82, 180), Back(g.game));
}

void TestMap::farCornerOfLastCellEndsAt4125AndTheStripBeyondStaysEmpty() {
    MapGame g;
    UseOpenGrid(g.game);
    g.game.DrawMap();
    const DrawingSurface& map = g.game.picMap();
    QCOMPARE(Anchor(25, 2), 4070);
    QCOMPARE(map.Point(4070, 4070), kWallColor);
    QCOMPARE(map.Point(4125, 4125), kWallColor);
    QCOMPARE(map.Point(4125, 4070), kWallColor);
    QCOMPARE(map.Point(4070, 4125), kWallColor);

    // 4155 - 4125 = 30 twips: the last two pixel columns and rows. The pixel
    // of 4125 itself belongs to the square; the one after stays background.
    const QImage& picture = map.Picture();
    const QRgb back = DrawingSurface::ToQColor(Back(g.game)).rgb();
    for (int p = 0; p < picture.width(); ++p) {
        QCOMPARE(picture.pixel(276, p) & 0xFFFFFF, back & 0xFFFFFF);
        QCOMPARE(picture.pixel(p, 276) & 0xFFFFFF, back & 0xFFFFFF);
    }
    QCOMPARE(map.Point(4140, 4140), Back(g.game));
}

void TestMap::innerCellWithCodeFifteenShowsOnlyItsCorners() {
    MapGame g;
    UseOpenGrid(g.game);
    g.game.DrawMap();
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
            const bool corner = i != 1 && j != 1;
            QCOMPARE(SquareColour(g.game, 8, 8, i, j), corner ? kWallColor : Back(g.game));
        }
}

void TestMap::cellWithCodeZeroShowsAllEightOuterSquares() {
    MapGame g;
    UseOpenGrid(g.game);
    g.game.State().grid(10, 10) = 0;
    g.game.DrawMap();
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
            const bool centre = i == 1 && j == 1;
            QCOMPARE(SquareColour(g.game, 10, 10, i, j), centre ? Back(g.game) : kWallColor);
        }
    // The neighbours stay open towards it: walls come from a cell's own code.
    QCOMPARE(SquareColour(g.game, 10, 9, 1, 2), Back(g.game));
    QCOMPARE(SquareColour(g.game, 11, 10, 0, 1), Back(g.game));
}

void TestMap::borderCellOpenToTheOutsideIsClosedOnThatSide_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("closedI");
    QTest::addColumn<int>("closedJ");
    QTest::addColumn<int>("openI");
    QTest::addColumn<int>("openJ");
    QTest::newRow("west border") << 1 << 8 << 0 << 1 << 2 << 1;
    QTest::newRow("east border") << 25 << 8 << 2 << 1 << 0 << 1;
    QTest::newRow("north border") << 8 << 1 << 1 << 0 << 1 << 2;
    QTest::newRow("south border") << 8 << 25 << 1 << 2 << 1 << 0;
}

void TestMap::borderCellOpenToTheOutsideIsClosedOnThatSide() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, closedI);
    QFETCH(int, closedJ);
    QFETCH(int, openI);
    QFETCH(int, openJ);
    MapGame g;
    UseOpenGrid(g.game);  // code 15: open on all sides, the outside included
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, x, y, closedI, closedJ), kWallColor);
    QCOMPARE(SquareColour(g.game, x, y, openI, openJ), Back(g.game));
}

void TestMap::oneSidedOpeningShowsOpenSquareNextToWallSquare() {
    MapGame g;
    UseOpenGrid(g.game);
    g.game.State().grid(13, 10) = 15 - kWest;  // (12, 10) opens east, (13, 10) not west
    g.game.State().grid(7, 5) = 15 - kSouth;   // (7, 6) opens north, (7, 5) not south
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, 12, 10, 2, 1), Back(g.game));
    QCOMPARE(SquareColour(g.game, 13, 10, 0, 1), kWallColor);
    QCOMPARE(SquareColour(g.game, 7, 5, 1, 2), kWallColor);
    QCOMPARE(SquareColour(g.game, 7, 6, 1, 0), Back(g.game));
    // Where the two squares meet, the wall shows.
    QCOMPARE(g.game.picMap().Point(Anchor(13, 0), Anchor(10, 1) + 27), kWallColor);
    QCOMPARE(g.game.picMap().Point(Anchor(7, 1) + 27, Anchor(6, 0)), kWallColor);
}

void TestMap::everySquareOfAGeneratedMazeFollowsItsCellsCode() {
    for (float seed : {0.0f, 1234.5f, 86399.0f}) {
        MapGame g;
        g.game.Start(seed);
        g.game.DrawMap();
        QVERIFY2(FirstDifferenceFromGrid(g.game).isEmpty(),
                 qPrintable(FirstDifferenceFromGrid(g.game)));
    }
}

// ---------------------------------------------------------------------------
// Mouse, start and end

void TestMap::mouseSquareLiesInTheZoneOfTheMousePosition_data() {
    QTest::addColumn<int>("posX");
    QTest::addColumn<int>("posY");
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("j");
    QTest::newRow("north arm") << kCentre << kNorthArmY << 1 << 0;
    QTest::newRow("west arm") << 900 << kCentre << 0 << 1;
    QTest::newRow("east arm") << 3240 << kCentre << 2 << 1;
    QTest::newRow("south arm") << kCentre << 3240 << 1 << 2;
    QTest::newRow("centre") << kCentre << kCentre << 1 << 1;
    QTest::newRow("north-west corner, as from a file") << 100 << 100 << 0 << 0;
    QTest::newRow("north-east corner") << 4000 << 100 << 2 << 0;
    QTest::newRow("south-west corner") << 100 << 4000 << 0 << 2;
    QTest::newRow("south-east corner") << 4000 << 4000 << 2 << 2;
    QTest::newRow("1799 is still north") << kCentre << 1799 << 1 << 0;
    QTest::newRow("1800 is the centre") << kCentre << 1800 << 1 << 1;
    QTest::newRow("2340 is the centre") << 2340 << kCentre << 1 << 1;
    QTest::newRow("2341 is east") << 2341 << kCentre << 2 << 1;
    QTest::newRow("negative is west") << -500 << kCentre << 0 << 1;
    QTest::newRow("beyond the view is south") << kCentre << 30000 << 1 << 2;
}

void TestMap::mouseSquareLiesInTheZoneOfTheMousePosition() {
    QFETCH(int, posX);
    QFETCH(int, posY);
    QFETCH(int, i);
    QFETCH(int, j);
    MapGame g;
    UseOpenGrid(g.game);
    MazeState& s = g.game.State();
    s.MouseX = 8;
    s.MouseY = 8;
    s.PosX = static_cast<std::int16_t>(posX);
    s.PosY = static_cast<std::int16_t>(posY);
    g.game.DrawMap();
    for (int sj = 0; sj < 3; ++sj)
        for (int si = 0; si < 3; ++si) {
            const bool corner = si != 1 && sj != 1;
            const Color want = (si == i && sj == j) ? kMouseColor
                               : corner             ? kWallColor
                                                    : Back(g.game);
            QCOMPARE(SquareColour(g.game, 8, 8, si, sj), want);
        }
}

// The mouse square is drawn after the walls of its own cell: over a closed
// side it shows red, and the pixels it shares with the corner squares are red.
void TestMap::mouseSquareCoversTheWallsOfItsCell() {
    MapGame g;
    UseOpenGrid(g.game);
    MazeState& s = g.game.State();
    s.grid(8, 8) = 15 - kNorth;
    s.grid(8, 7) = 15 - kSouth;
    s.MouseX = 8;
    s.MouseY = 8;
    s.PosX = kCentre;
    s.PosY = kNorthArmY;  // the outer part of a closed north arm
    g.game.DrawMap();
    const DrawingSurface& map = g.game.picMap();
    QCOMPARE(SquareColour(g.game, 8, 8, 1, 0), kMouseColor);
    const int left = Anchor(8, 1);
    const int top = Anchor(8, 0);
    QCOMPARE(map.Point(left, top + 27), kMouseColor);  // edge shared with the NW corner
    QCOMPARE(map.Point(left + kMapSquare, top + 27), kMouseColor);  // and with the NE corner
    QCOMPARE(map.Point(left - 15, top + 27), kWallColor);           // the NW corner itself
}

// Cells are drawn row by row, west to east: the next cell's squares cover the
// pixels they share with the mouse square, the previous cell's do not.
void TestMap::laterCellCoversTheEdgeOfTheMouseSquare() {
    MapGame g;
    UseOpenGrid(g.game);
    MazeState& s = g.game.State();
    s.MouseX = 8;
    s.MouseY = 8;
    s.PosX = 3240;  // east arm
    s.PosY = kCentre;
    const int edgeX = Anchor(9, 0);
    const int midY = Anchor(8, 1) + 27;

    g.game.DrawMap();  // (9, 8) open west: nothing drawn over the edge
    QCOMPARE(g.game.picMap().Point(edgeX, midY), kMouseColor);

    s.grid(9, 8) = 15 - kWest;  // now its west square is a wall, drawn later
    g.game.DrawMap();
    QCOMPARE(g.game.picMap().Point(edgeX, midY), kWallColor);
    QCOMPARE(SquareColour(g.game, 8, 8, 2, 1), kMouseColor);
}

void TestMap::mouseInStartCentreIsHiddenUnderYellow() {
    MapGame g;  // a fresh maze: the mouse in the centre of the start cell
    const MazeState& s = g.game.State();
    QCOMPARE(s.MouseX, s.StartX);
    QCOMPARE(s.MouseY, s.StartY);
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, s.StartX, s.StartY, 1, 1), kStartColor);
    QCOMPARE(CountPixels(g.game.picMap().Picture(), kMouseColor), 0);
}

void TestMap::mouseInEndCentreIsHiddenUnderTheEndSquare() {
    MapGame g;
    MazeState& s = g.game.State();
    s.MouseX = s.EndX;
    s.MouseY = s.EndY;
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, s.EndX, s.EndY, 1, 1), kEndColor);
    QCOMPARE(CountPixels(g.game.picMap().Picture(), kMouseColor), 0);
}

void TestMap::mouseInNorthArmOfStartShowsRedAboveYellow() {
    MapGame g;
    UseOpenGrid(g.game);
    g.game.State().PosY = kNorthArmY;
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, 3, 3, 1, 0), kMouseColor);
    QCOMPARE(SquareColour(g.game, 3, 3, 1, 1), kStartColor);
    // The start square is drawn after the mouse: their shared edge is yellow.
    QCOMPARE(g.game.picMap().Point(Anchor(3, 1) + 27, Anchor(3, 1)), kStartColor);
    QCOMPARE(g.game.picMap().Point(Anchor(3, 1) + 27, Anchor(3, 1) - 15), kMouseColor);
}

void TestMap::endSquareTakesTheEndFillColourOfTheMomentOfDrawing() {
    MapGame g;
    const MazeState& s = g.game.State();
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, s.EndX, s.EndY, 1, 1), kEndColor);

    g.game.SetEndFillColor(kOtherEnd);
    QCOMPARE(SquareColour(g.game, s.EndX, s.EndY, 1, 1), kEndColor);  // not yet redrawn
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, s.EndX, s.EndY, 1, 1), kOtherEnd);
    QCOMPARE(CountPixels(g.game.picMap().Picture(), kEndColor), 0);
}

void TestMap::endSquareCoversStartSquareInTheSameCell() {
    MapGame g;
    UseOpenGrid(g.game);
    g.game.State().EndX = 3;  // only a maze file can make such a cell
    g.game.State().EndY = 3;
    g.game.DrawMap();
    QCOMPARE(SquareColour(g.game, 3, 3, 1, 1), kEndColor);
    QCOMPARE(CountPixels(g.game.picMap().Picture(), kStartColor), 0);
}

void TestMap::drawingTwiceGivesTheSamePicture() {
    MapGame g;
    g.game.DrawMap();
    const QImage first = g.game.picMap().Picture();
    g.game.DrawMap();
    QCOMPARE(g.game.picMap().Picture(), first);
    QVERIFY(CountPixels(first, kWallColor) > 0);
}

void TestMap::drawMapChangesNoState() {
    MapGame g;
    g.game.State().MapView = true;
    AddAt(g.game, 4, 4, kCentre, kCentre, kWhite);
    const MazeState before = g.game.State();
    g.game.DrawMap();
    QVERIFY(g.game.State() == before);
}

void TestMap::drawMapClearsEverythingDrawnBefore() {
    MapGame g;
    g.game.DrawMap();
    const QImage clean = g.game.picMap().Picture();
    g.game.picMap().Line(0, 0, 4154, 4154, kMagenta);
    g.game.DrawMap();
    QCOMPARE(g.game.picMap().Picture(), clean);
}

// ---------------------------------------------------------------------------
// New maze

void TestMap::newMazeWhileMapShowsDrawsTheNewMazeOnTheMap() {
    MapGame g;
    SeamGame& game = g.game;
    game.State().MapView = true;
    game.DrawMap();
    const QImage oldMap = game.picMap().Picture();
    game.picMaze().Line(0, 0, 4154, 4154, kMagenta);

    game.NewMaze();

    QVERIFY(game.picMap().Picture() != oldMap);
    QVERIFY2(FirstDifferenceFromGrid(game).isEmpty(), qPrintable(FirstDifferenceFromGrid(game)));
    // The hidden cell view shows the new start cell: the "Start" label and
    // the walls of that cell's code, nothing of what was there before.
    const MazeState& s = game.State();
    const QImage& view = game.picMaze().Picture();
    QCOMPARE(CountPixels(view, kMagenta), 0);
    QVERIFY(CountPixels(view, kStartColor) > 0);
    QCOMPARE(game.picMaze().Point(900, 900), kWallColor);
    const bool northBar = !OpenNorth(s.grid, s.StartX, s.StartY) || s.StartY == 1;
    const bool westBar = !OpenWest(s.grid, s.StartX, s.StartY) || s.StartX == 1;
    QCOMPARE(game.picMaze().Point(kCentre, 1700) == kWallColor, northBar);
    QCOMPARE(game.picMaze().Point(1700, kCentre) == kWallColor, westBar);
}

void TestMap::newMazeWhileCellViewShowsLeavesTheMapAlone() {
    MapGame g;
    g.game.DrawMap();
    const QImage oldMap = g.game.picMap().Picture();
    g.game.NewMaze();
    QCOMPARE(g.game.picMap().Picture(), oldMap);
}

// ---------------------------------------------------------------------------
// Display Markers

// Markers of every colour in cells whose openings are all mutual (elsewhere
// the repaint of an open side square may take the one pixel it shares with
// the neighbour's wall square).
void TestMap::displayWithNoBoxTickedChangesNothingOnAFreshMap() {
    MapGame g;
    SeamGame& game = g.game;
    const Color colours[] = {kWhite, kBlack, kCyan, kMagenta};
    int added = 0;
    for (int y = 1; y <= kMazeSize; ++y)
        for (int x = 1; x <= kMazeSize; ++x) {
            if (!OpeningsAreMutual(game.State().grid, x, y)) continue;
            AddAt(game, x, y, kCentre, kNorthArmY, colours[added % 4]);
            AddAt(game, x, y, kCentre, kCentre, colours[(added + 1) % 4]);
            ++added;
        }
    QVERIFY(added > 100);
    game.DrawMap();
    const QImage fresh = game.picMap().Picture();
    game.DisplayMarkers(kNone);
    QCOMPARE(game.picMap().Picture(), fresh);
}

void TestMap::filterChangesBetweenClicksShowAndHideMarkers() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    AddAt(game, 8, 8, kCentre, kNorthArmY, kWhite);
    AddAt(game, 8, 8, kCentre, kCentre, kBlack);
    game.DrawMap();

    game.DisplayMarkers({1, 0, 0, 0});
    QCOMPARE(SquareColour(game, 8, 8, 1, 0), kWhite);
    QCOMPARE(SquareColour(game, 8, 8, 1, 1), Back(game));

    game.DisplayMarkers({1, 1, 0, 0});
    QCOMPARE(SquareColour(game, 8, 8, 1, 0), kWhite);
    QCOMPARE(SquareColour(game, 8, 8, 1, 1), kBlack);

    game.DisplayMarkers({0, 1, 0, 0});
    QCOMPARE(SquareColour(game, 8, 8, 1, 0), Back(game));
    QCOMPARE(SquareColour(game, 8, 8, 1, 1), kBlack);
    QCOMPARE(CountPixels(game.picMap().Picture(), kWhite), 0);

    game.DisplayMarkers(kNone);
    QCOMPARE(SquareColour(game, 8, 8, 1, 1), Back(game));
    QCOMPARE(CountPixels(game.picMap().Picture(), kBlack), 0);
}

void TestMap::eachBoxAdmitsExactlyItsColour_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<Color>("colour");
    QTest::newRow("chkWhite") << 0 << kWhite;
    QTest::newRow("chkBlack") << 1 << kBlack;
    QTest::newRow("chkCyan") << 2 << kCyan;
    QTest::newRow("chkMagenta") << 3 << kMagenta;
}

// One marker of each colour in its own arm; one box ticked.
void TestMap::eachBoxAdmitsExactlyItsColour() {
    QFETCH(int, box);
    QFETCH(Color, colour);
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    const Color colours[] = {kWhite, kBlack, kCyan, kMagenta};
    const int arms[4][2] = {
        {kCentre, kNorthArmY}, {900, kCentre}, {3240, kCentre}, {kCentre, 3240}};
    const int squares[4][2] = {{1, 0}, {0, 1}, {2, 1}, {1, 2}};
    for (int k = 0; k < 4; ++k) AddAt(game, 8, 8, arms[k][0], arms[k][1], colours[k]);
    game.DrawMap();
    MarkerFilter filter{0, 0, 0, 0};
    filter[static_cast<std::size_t>(box)] = 1;
    game.DisplayMarkers(filter);
    for (int k = 0; k < 4; ++k)
        QCOMPARE(SquareColour(game, 8, 8, squares[k][0], squares[k][1]),
                 k == box ? colour : Back(game));
}

void TestMap::boxAdmitsOnlyWhenItsValueIsOne_data() {
    QTest::addColumn<int>("value");
    QTest::newRow("unticked") << 0;
    QTest::newRow("greyed") << 2;
    QTest::newRow("negative") << -1;
}

void TestMap::boxAdmitsOnlyWhenItsValueIsOne() {
    QFETCH(int, value);
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    AddAt(game, 8, 8, kCentre, kNorthArmY, kWhite);
    AddAt(game, 9, 8, kCentre, kNorthArmY, kBlack);
    AddAt(game, 10, 8, kCentre, kNorthArmY, kCyan);
    AddAt(game, 11, 8, kCentre, kNorthArmY, kMagenta);
    game.DrawMap();
    game.DisplayMarkers({value, value, value, value});
    for (int x = 8; x <= 11; ++x) QCOMPARE(SquareColour(game, x, 8, 1, 0), Back(game));
}

void TestMap::markerOfAnotherColourNeverShows_data() {
    QTest::addColumn<Color>("colour");
    QTest::newRow("brown") << Color{0x204080};
    QTest::newRow("white with a high byte") << Color{0x01FFFFFF};
    QTest::newRow("negative") << Color{-1};
}

void TestMap::markerOfAnotherColourNeverShows() {
    QFETCH(Color, colour);
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    AddAt(game, 8, 8, kCentre, kNorthArmY, colour);
    game.DrawMap();
    game.DisplayMarkers(kAll);
    QCOMPARE(SquareColour(game, 8, 8, 1, 0), Back(game));
    QCOMPARE(CountPixels(game.picMap().Picture(), kWhite), 0);
}

void TestMap::laterMarkerAtTheSameSpotShows() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    AddAt(game, 8, 8, 900, kCentre, kCyan);
    AddAt(game, 8, 8, 900, kCentre, kMagenta);
    game.DrawMap();
    game.DisplayMarkers({0, 0, 1, 1});
    QCOMPARE(SquareColour(game, 8, 8, 0, 1), kMagenta);
    game.DisplayMarkers({0, 0, 1, 0});
    QCOMPARE(SquareColour(game, 8, 8, 0, 1), kCyan);
}

void TestMap::markerSquareLiesInTheZoneOfItsPosition_data() {
    QTest::addColumn<int>("px");
    QTest::addColumn<int>("py");
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("j");
    QTest::newRow("centre") << kCentre << kCentre << 1 << 1;
    QTest::newRow("south arm") << kCentre << 3240 << 1 << 2;
    QTest::newRow("1799 west, 1800 centre") << 1799 << 1800 << 0 << 1;
    QTest::newRow("2341 east, 2340 centre") << 2341 << 2340 << 2 << 1;
    QTest::newRow("negative and beyond the view") << -100 << 30000 << 0 << 2;
    QTest::newRow("north-east corner, as from a file") << 4000 << 0 << 2 << 0;
}

void TestMap::markerSquareLiesInTheZoneOfItsPosition() {
    QFETCH(int, px);
    QFETCH(int, py);
    QFETCH(int, i);
    QFETCH(int, j);
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    AddAt(game, 8, 8, px, py, kCyan);
    game.DrawMap();
    game.DisplayMarkers(kAll);
    for (int sj = 0; sj < 3; ++sj)
        for (int si = 0; si < 3; ++si) {
            const bool corner = si != 1 && sj != 1;
            const Color want = (si == i && sj == j) ? kCyan : corner ? kWallColor : Back(game);
            QCOMPARE(SquareColour(game, 8, 8, si, sj), want);
        }
}

void TestMap::markerInStartCentreIsHiddenUnderYellow() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    game.State().PosY = kNorthArmY;  // the mouse out of the way
    AddAt(game, 3, 3, kCentre, kCentre, kWhite);
    game.DrawMap();
    game.DisplayMarkers(kAll);
    QCOMPARE(SquareColour(game, 3, 3, 1, 1), kStartColor);
    QCOMPARE(CountPixels(game.picMap().Picture(), kWhite), 0);
}

void TestMap::markerWhereTheMouseStandsIsHiddenUnderRed() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    game.State().MouseX = 8;
    game.State().MouseY = 8;
    game.State().PosX = 900;
    AddAt(game, 8, 8, 900, kCentre, kBlack);
    AddAt(game, 8, 8, kCentre, kNorthArmY, kBlack);
    game.DrawMap();
    game.DisplayMarkers(kAll);
    QCOMPARE(SquareColour(game, 8, 8, 0, 1), kMouseColor);
    QCOMPARE(SquareColour(game, 8, 8, 1, 0), kBlack);
}

// Dropped through the game in the north arm of the start cell; the mouse then
// walks back to the centre, where the yellow start square hides it.
void TestMap::markerDroppedByTheMouseShowsWhereItWasDropped() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    for (int step = 0; step < 3; ++step) game.MoveMouse(QStringLiteral("U"));
    QCOMPARE(int(game.State().PosY), kCentre - 3 * 180);
    game.State().MarkerColor = kMagenta;
    game.DropMarker();
    for (int step = 0; step < 3; ++step) game.MoveMouse(QStringLiteral("D"));
    QCOMPARE(int(game.State().PosY), kCentre);

    game.State().MapView = true;
    game.DrawMap();
    game.DisplayMarkers({0, 0, 0, 1});
    QCOMPARE(SquareColour(game, 3, 3, 1, 0), kMagenta);
    QCOMPARE(SquareColour(game, 3, 3, 1, 1), kStartColor);
    QCOMPARE(CountPixels(game.picMap().Picture(), kMouseColor), 0);
}

void TestMap::cellsWithoutMarkersAreNotRepainted() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    AddAt(game, 8, 8, kCentre, kNorthArmY, kWhite);
    game.DrawMap();
    // Stray squares in a cell with markers and in one without.
    const auto paint = [&](int x, int y, int i, int j) {
        game.picMap().Line(Anchor(x, i), Anchor(y, j), Anchor(x, i) + kMapSquare,
                           Anchor(y, j) + kMapSquare, kCyan);
    };
    paint(8, 8, 0, 1);
    paint(8, 8, 0, 0);
    paint(12, 12, 0, 1);
    game.DisplayMarkers({1, 0, 0, 0});
    QCOMPARE(SquareColour(game, 8, 8, 0, 1), Back(game));
    QCOMPARE(SquareColour(game, 8, 8, 0, 0), kWallColor);
    QCOMPARE(SquareColour(game, 8, 8, 1, 0), kWhite);
    QCOMPARE(SquareColour(game, 12, 12, 0, 1), kCyan);
}

void TestMap::mouseStartAndEndAreRedrawnInEveryCell() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    game.State().PosY = kNorthArmY;
    game.DrawMap();
    game.picMap().Line(0, 0, 4154, 4154, kCyan);  // no cell has markers
    game.DisplayMarkers(kAll);
    QCOMPARE(SquareColour(game, 3, 3, 1, 0), kMouseColor);
    QCOMPARE(SquareColour(game, 3, 3, 1, 1), kStartColor);
    QCOMPARE(SquareColour(game, 20, 20, 1, 1), kEndColor);
    QCOMPARE(SquareColour(game, 8, 8, 0, 0), kCyan);  // walls are not redrawn
}

void TestMap::displayReadsTheEndFillColour() {
    MapGame g;
    SeamGame& game = g.game;
    const MazeState& s = game.State();
    game.DrawMap();
    game.SetEndFillColor(kOtherEnd);
    game.DisplayMarkers(kNone);
    QCOMPARE(SquareColour(game, s.EndX, s.EndY, 1, 1), kOtherEnd);
}

void TestMap::displayCreatesTheMarkerListsOfEveryCell() {
    MapGame g;
    SeamGame& game = g.game;
    int missing = 0;
    for (int y = 1; y <= kMazeSize; ++y)
        for (int x = 1; x <= kMazeSize; ++x) missing += game.State().MarkerXs.Exists(x, y) ? 0 : 1;
    QVERIFY(missing > 0);
    game.DrawMap();
    game.DisplayMarkers(kNone);
    for (int y = 1; y <= kMazeSize; ++y)
        for (int x = 1; x <= kMazeSize; ++x) {
            QVERIFY(game.State().MarkerXs.Exists(x, y));
            QVERIFY(game.State().MarkerYs.Exists(x, y));
            QVERIFY(game.State().MarkerColors.Exists(x, y));
            QCOMPARE(game.State().MarkerCount(x, y), 0);
        }
}

void TestMap::markersAreGoneAfterTheMapIsDrawnAgain() {
    MapGame g;
    SeamGame& game = g.game;
    UseOpenGrid(game);
    game.DrawMap();
    const QImage plain = game.picMap().Picture();
    AddAt(game, 8, 8, kCentre, kNorthArmY, kWhite);
    AddAt(game, 9, 9, kCentre, kCentre, kCyan);
    game.DisplayMarkers(kAll);
    QCOMPARE(SquareColour(game, 9, 9, 1, 1), kCyan);
    game.DrawMap();
    QCOMPARE(game.picMap().Picture(), plain);
    QCOMPARE(game.State().MarkerCount(8, 8), 1);  // the markers themselves stay
}

PATHWICK_TEST_CLASS(TestMap)
#include "test_map.moc"
