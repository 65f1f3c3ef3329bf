// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <cmath>

#include "game/game.h"
#include "support/cellviewmodel.h"
#include "support/testmain.h"
#include "views/cellview.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

// The colour of the picture at a point of the cell view.
Color At(const SeamGame& game, int px, int py) {
    return PixelColor(game.picMaze().Picture(), Pixel(px), Pixel(py));
}

}  // namespace

class TestMarkers : public QObject {
    Q_OBJECT

private slots:
    void dropWithoutChosenColourIsWhite();
    void dropPaintsDiscInsideVisibleMouse();
    void twoDropsInOnePlaceGiveTwoEntriesLaterOnTop();
    void dropMarksGameUnsaved();
    void markerIsDrawnAgainWhenMouseComesBack();
    void newMazeEmptiesEveryListButKeysGoOn();
    void newMazeKeepsChosenColour();
    void markersOfTheFourColoursNeverBlock_data();
    void markersOfTheFourColoursNeverBlock();
};

void TestMarkers::dropWithoutChosenColourIsWhite() {
    TestGame t;
    const MazeState& s = t.game.State();
    t.game.DropMarker();
    const KeyedList<Color>& colours = t.game.State().MarkerColors(s.MouseX, s.MouseY);
    QCOMPARE(colours.Count(), 1);
    QCOMPARE(colours.Items()[0], kWhite);
    QCOMPARE(At(t.game, s.PosX, s.PosY), kWhite);
}

void TestMarkers::dropPaintsDiscInsideVisibleMouse() {
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, kCentre, kCentre);
    t.game.State().MarkerColor = kMagenta;
    t.game.DropMarker();

    const QImage& picture = t.game.picMaze().Picture();
    QCOMPARE(At(t.game, kCentre, kCentre), kMagenta);
    // The disc (radius 45) lies well inside the mouse (radius 90), whose
    // outline stays whole.
    const QList<QPoint> disc = PixelsOf(picture, kMagenta);
    for (QPoint p : disc) QVERIFY(std::hypot(p.x() - Pixel(kCentre), p.y() - Pixel(kCentre)) <= 4);
    QCOMPARE(At(t.game, kCentre + 90, kCentre), kMouseColor);
    QCOMPARE(At(t.game, kCentre - 90, kCentre), kMouseColor);
    QCOMPARE(At(t.game, kCentre, kCentre + 90), kMouseColor);
    QCOMPARE(At(t.game, kCentre, kCentre - 90), kMouseColor);
}

void TestMarkers::twoDropsInOnePlaceGiveTwoEntriesLaterOnTop() {
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, kCentre, kCentre);
    t.game.State().MarkerColor = kCyan;
    t.game.DropMarker();
    t.game.State().MarkerColor = kBlack;
    t.game.DropMarker();

    CellMarkers cell = t.game.State().Markers(13, 13);
    QCOMPARE(cell.MarkerXs.Count(), 2);
    QCOMPARE(cell.MarkerYs.Count(), 2);
    QCOMPARE(cell.MarkerColors.Count(), 2);
    QCOMPARE(cell.MarkerXs.Items()[0], std::int16_t(kCentre));
    QCOMPARE(cell.MarkerXs.Items()[1], std::int16_t(kCentre));
    QCOMPARE(cell.MarkerYs.Items()[0], std::int16_t(kCentre));
    QCOMPARE(cell.MarkerYs.Items()[1], std::int16_t(kCentre));
    QCOMPARE(cell.MarkerColors.Items()[0], kCyan);
    QCOMPARE(cell.MarkerColors.Items()[1], kBlack);

    DrawCell(t.game.picMaze(), t.game.State(), 13, 13);
    QCOMPARE(At(t.game, kCentre, kCentre), kBlack);
    QVERIFY(PixelsOf(t.game.picMaze().Picture(), kCyan).isEmpty());
}

void TestMarkers::dropMarksGameUnsaved() {
    TestGame t;
    t.game.SetSaved(QStringLiteral("Y"));
    t.game.DropMarker();
    QCOMPARE(t.game.Saved(), QStringLiteral("N"));
}

void TestMarkers::markerIsDrawnAgainWhenMouseComesBack() {
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, kCentre, kCentre);
    t.game.State().MarkerColor = kCyan;
    t.game.DropMarker();

    while (t.game.State().MouseX == 13) t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(t.game.State().MouseX, std::int16_t(14));
    QVERIFY(PixelsOf(t.game.picMaze().Picture(), kCyan).isEmpty());

    t.game.MoveMouse(QStringLiteral("L"));
    QCOMPARE(t.game.State().MouseX, std::int16_t(13));
    QCOMPARE(t.game.State().PosX, std::int16_t(23 * kUnit));
    QCOMPARE(At(t.game, kCentre, kCentre), kCyan);
    for (QPoint p : PixelsOf(t.game.picMaze().Picture(), kCyan))
        QVERIFY(std::hypot(p.x() - Pixel(kCentre), p.y() - Pixel(kCentre)) <= 4);
}

void TestMarkers::newMazeEmptiesEveryListButKeysGoOn() {
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, kCentre, kCentre);
    t.game.DropMarker();
    t.game.MoveMouse(QStringLiteral("R"));
    t.game.DropMarker();
    AddMarker(t.game.State(), t.game.Keys(), 2, 7, 100, 200, kBlack);
    QCOMPARE(t.game.Keys().Last(), MarkerKey(3));

    t.game.NewMaze();
    for (int x = 1; x <= kMazeSize; ++x) {
        for (int y = 1; y <= kMazeSize; ++y) {
            QCOMPARE(t.game.State().MarkerCount(x, y), 0);
            if (const auto* ys = t.game.State().MarkerYs.Find(x, y)) QCOMPARE(ys->Count(), 0);
            if (const auto* cs = t.game.State().MarkerColors.Find(x, y)) QCOMPARE(cs->Count(), 0);
        }
    }

    t.game.DropMarker();
    QCOMPARE(t.game.Keys().Last(), MarkerKey(4));
    QCOMPARE(t.game.State().MarkerCount(t.game.State().MouseX, t.game.State().MouseY), 1);
}

void TestMarkers::newMazeKeepsChosenColour() {
    TestGame t;
    t.game.State().MarkerColor = kMagenta;
    t.game.NewMaze();
    t.game.DropMarker();
    const MazeState& s = t.game.State();
    QCOMPARE(t.game.State().MarkerColors(s.MouseX, s.MouseY).Items()[0], kMagenta);
}

void TestMarkers::markersOfTheFourColoursNeverBlock_data() {
    QTest::addColumn<Color>("colour");
    QTest::newRow("white") << kWhite;
    QTest::newRow("black") << kBlack;
    QTest::newRow("cyan") << kCyan;
    QTest::newRow("magenta") << kMagenta;
}

void TestMarkers::markersOfTheFourColoursNeverBlock() {
    QFETCH(Color, colour);
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, kCentre, kCentre);
    t.game.State().MarkerColor = colour;
    t.game.DropMarker();
    t.game.MoveMouse(QStringLiteral("L"));
    t.game.MoveMouse(QStringLiteral("R"));  // back onto the marker, painted fresh
    QCOMPARE(t.game.State().PosX, std::int16_t(kCentre));

    // Also after a redraw of the cell, when the disc is whole again.
    t.game.MoveMouse(QStringLiteral("L"));
    DrawCell(t.game.picMaze(), t.game.State(), 13, 13);
    t.game.DrawMouse();
    QCOMPARE(At(t.game, kCentre, kCentre), colour);
    t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(t.game.State().PosX, std::int16_t(kCentre));
}

PATHWICK_TEST_CLASS(TestMarkers)
#include "test_markers.moc"
