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

// Empty when every wall box reads WallColor through Point at each of its
// points, edges and corners included; otherwise the first point that does not.
QString WallPointsIntact(const DrawingSurface& surface, const QList<UnitBox>& boxes, int w, int h) {
    for (const UnitBox& box : boxes)
        for (QPoint p : ScalePoints(box, w, h))
            if (surface.Point(p.x(), p.y()) != kWallColor)
                return QStringLiteral("wall point (%1, %2) reads %3")
                    .arg(p.x())
                    .arg(p.y())
                    .arg(surface.Point(p.x(), p.y()), 6, 16, QLatin1Char('0'));
    return {};
}

// Empty when the WallColor pixels of the picture are exactly those of the
// boxes and every other pixel has one of the allowed colours.
QString PictureWallsAre(const QImage& picture, const QList<UnitBox>& boxes, int w, int h,
                        const QList<Color>& allowed) {
    const QList<QRect> walls = PixelRects(boxes, w, h);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Color c = PixelColor(picture, x, y);
            const bool wall = InAny(walls, QPoint(x, y));
            if (wall && c != kWallColor)
                return QStringLiteral("wall pixel (%1, %2) is %3")
                    .arg(x)
                    .arg(y)
                    .arg(c, 6, 16, QLatin1Char('0'));
            if (!wall && !allowed.contains(c))
                return QStringLiteral("pixel (%1, %2) off the walls is %3")
                    .arg(x)
                    .arg(y)
                    .arg(c, 6, 16, QLatin1Char('0'));
        }
    }
    return {};
}

QRect BoundingBox(const QList<QPoint>& pixels) {
    QRect box;
    for (QPoint p : pixels) box |= QRect(p, QSize(1, 1));
    return box;
}

}  // namespace

class TestCellView : public QObject {
    Q_OBJECT

private slots:
    void cellShowsExactlyItsBarsAndBlocks_data();
    void cellShowsExactlyItsBarsAndBlocks();
    void labelIsPrintedInItsColourInsideCentreSquare_data();
    void labelIsPrintedInItsColourInsideCentreSquare();
    void cellThatIsStartAndEndShowsBothWithEndOnTop();
    void labelsNeverTouchWalls_data();
    void labelsNeverTouchWalls();
    void markerIsDiscOfQuarterVerticalUnitInItsColour_data();
    void markerIsDiscOfQuarterVerticalUnitInItsColour();
    void laterMarkerCoversEarlierOne();
    void mouseIsOutlineOfHalfVerticalUnit();
    void noMarkerOrMouseIsPaintedInWallColour();
    void drawCellCreatesEmptyMarkerListsOfItsCell();
    void getZoneSortsPositionsIntoThreeBandsPerAxis_data();
    void getZoneSortsPositionsIntoThreeBandsPerAxis();
};

void TestCellView::cellShowsExactlyItsBarsAndBlocks_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("bars");

    const struct {
        int code;
        const char* bars;
    } inner[] = {{3, "SE"},  {5, "WE"}, {6, "NE"}, {7, "E"}, {9, "WS"}, {10, "NS"},   {11, "S"},
                 {12, "NW"}, {13, "W"}, {14, "N"}, {15, ""}, {0, ""},   {1, ""},      {2, ""},
                 {4, ""},    {8, ""},   {-1, ""},  {16, ""}, {255, ""}, {-32768, ""}, {32767, ""}};
    for (const auto& row : inner)
        QTest::addRow("inner code %d", row.code)
            << row.code << 13 << 13 << QString::fromLatin1(row.bars);

    const struct {
        int x, y;
        const char* bars;
    } borders[] = {{1, 13, "W"}, {25, 13, "E"}, {13, 1, "N"},  {13, 25, "S"},
                   {1, 1, "NW"}, {25, 1, "NE"}, {1, 25, "WS"}, {25, 25, "SE"}};
    for (const auto& row : borders)
        QTest::addRow("code 15 at (%d, %d)", row.x, row.y)
            << 15 << row.x << row.y << QString::fromLatin1(row.bars);
    for (int code : {0, 1, 2, 4, 8})
        for (const auto& row : {borders[0], borders[1], borders[2], borders[3]})
            QTest::addRow("code %d at (%d, %d)", code, row.x, row.y)
                << code << row.x << row.y << QString::fromLatin1(row.bars);

    // A bar that the code already draws is painted again by the border, no more.
    QTest::newRow("code 5 at west border") << 5 << 1 << 13 << QStringLiteral("WE");
    QTest::newRow("code 10 at south border") << 10 << 13 << 25 << QStringLiteral("NS");
    QTest::newRow("code 3 at south-east corner") << 3 << 25 << 25 << QStringLiteral("SE");
}

void TestCellView::cellShowsExactlyItsBarsAndBlocks() {
    QFETCH(int, code);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, bars);

    TestGame t;
    DrawingSurface& view = t.game.picMaze();
    MoveLabelsAway(t.game.State());
    t.game.State().grid(x, y) = static_cast<CellCode>(code);
    // Leftovers of an earlier picture must not survive the repaint.
    view.Line(0, 2000, 4154, 2100, kMouseColor);
    DrawMarker(view, t.game.State(), 2070, 2070, kCyan);

    DrawCell(view, t.game.State(), x, y);

    const QList<UnitBox> walls = WallBoxes(bars);
    const QString pointProblem = WallPointsIntact(view, walls, kUnit, kUnit);
    QVERIFY2(pointProblem.isEmpty(), qPrintable(pointProblem));
    const QString pictureProblem =
        PictureWallsAre(view.Picture(), walls, kUnit, kUnit, {view.BackColor()});
    QVERIFY2(pictureProblem.isEmpty(), qPrintable(pictureProblem));

    // Every side without a bar is floor right through the bar's place, read
    // back through Point: the points of the bar box that no corner block covers.
    const QList<QRect> wallPixels = PixelRects(walls, kUnit, kUnit);
    for (QChar side : QStringLiteral("NWSE")) {
        if (bars.contains(side)) continue;
        for (QPoint p : ScalePoints(Bar(side), kUnit, kUnit)) {
            if (InAny(wallPixels, QPoint(Pixel(p.x()), Pixel(p.y())))) continue;
            QVERIFY2(
                view.Point(p.x(), p.y()) == view.BackColor(),
                qPrintable(QStringLiteral("side %1 at (%2, %3)").arg(side).arg(p.x()).arg(p.y())));
        }
    }
}

void TestCellView::labelIsPrintedInItsColourInsideCentreSquare_data() {
    QTest::addColumn<bool>("start");
    QTest::addColumn<Color>("colour");
    QTest::addColumn<Color>("otherColour");
    QTest::addColumn<double>("anchorX");  // in units
    // The colours as the game is designed, 0x00BBGGRR: yellow and dark green.
    QTest::newRow("Start") << true << Color(0x00FFFF) << Color(0x008000) << 10.5;
    QTest::newRow("End") << false << Color(0x008000) << Color(0x00FFFF) << 11.0;
}

void TestCellView::labelIsPrintedInItsColourInsideCentreSquare() {
    QFETCH(bool, start);
    QFETCH(Color, colour);
    QFETCH(Color, otherColour);
    QFETCH(double, anchorX);

    TestGame t;
    MazeState& state = t.game.State();
    MoveLabelsAway(state);
    state.grid(13, 13) = 15;
    if (start) {
        state.StartX = 13;
        state.StartY = 13;
    } else {
        state.EndX = 13;
        state.EndY = 13;
    }
    t.game.picMaze().ForeColor = kCyan;
    DrawCell(t.game.picMaze(), state, 13, 13);

    const QImage& picture = t.game.picMaze().Picture();
    const QList<QPoint> label = PixelsOf(picture, colour);
    QVERIFY(!label.isEmpty());
    QVERIFY(PixelsOf(picture, otherColour).isEmpty());

    const QPoint anchor(Pixel(anchorX * kUnit), Pixel(11.0 * kUnit));
    const QRect rightOfAndBelowAnchorInCentre(anchor,
                                              QPoint(Pixel(13.0 * kUnit), Pixel(13.0 * kUnit)));
    const QRect box = BoundingBox(label);
    QVERIFY2(rightOfAndBelowAnchorInCentre.contains(box),
             qPrintable(QStringLiteral("label at %1,%2 .. %3,%4")
                            .arg(box.left())
                            .arg(box.top())
                            .arg(box.right())
                            .arg(box.bottom())));
    // It starts at its anchor, give or take the font's bearing and leading.
    QVERIFY(box.left() - anchor.x() <= 3);
    QVERIFY(box.top() - anchor.y() <= 4);
    QCOMPARE(t.game.picMaze().ForeColor, Color(0));
}

void TestCellView::cellThatIsStartAndEndShowsBothWithEndOnTop() {
    TestGame t;
    MazeState& state = t.game.State();
    const QImage& picture = t.game.picMaze().Picture();
    state.grid(13, 13) = 15;

    MoveLabelsAway(state);
    state.StartX = state.StartY = 13;
    DrawCell(t.game.picMaze(), state, 13, 13);
    const QList<QPoint> startOnly = PixelsOf(picture, kStartColor);

    MoveLabelsAway(state);
    state.EndX = state.EndY = 13;
    DrawCell(t.game.picMaze(), state, 13, 13);
    const QList<QPoint> endOnly = PixelsOf(picture, kEndLabelColor);

    state.StartX = state.StartY = 13;
    DrawCell(t.game.picMaze(), state, 13, 13);
    QVERIFY(!PixelsOf(picture, kStartColor).isEmpty());
    QVERIFY(!PixelsOf(picture, kEndLabelColor).isEmpty());

    int shared = 0;
    for (QPoint p : startOnly) {
        if (!endOnly.contains(p)) {
            QCOMPARE(PixelColor(picture, p.x(), p.y()), kStartColor);
            continue;
        }
        ++shared;
        QCOMPARE(PixelColor(picture, p.x(), p.y()), kEndLabelColor);
    }
    for (QPoint p : endOnly) QCOMPARE(PixelColor(picture, p.x(), p.y()), kEndLabelColor);
    QVERIFY2(shared > 0, "the labels should overlap, or the order cannot be seen");
}

void TestCellView::labelsNeverTouchWalls_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("end");
    const int codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, -1};
    for (int code : codes) {
        QTest::addRow("Start, code %d", code) << code << 13 << 13 << true << false;
        QTest::addRow("End, code %d", code) << code << 13 << 13 << false << true;
        QTest::addRow("both, code %d", code) << code << 13 << 13 << true << true;
    }
    QTest::newRow("both at north-west corner") << 0 << 1 << 1 << true << true;
    QTest::newRow("both at south-east corner") << 0 << 25 << 25 << true << true;
}

void TestCellView::labelsNeverTouchWalls() {
    QFETCH(int, code);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, start);
    QFETCH(bool, end);

    TestGame t;
    MazeState& state = t.game.State();
    MoveLabelsAway(state);
    state.grid(x, y) = static_cast<CellCode>(code);
    if (start) {
        state.StartX = static_cast<std::int16_t>(x);
        state.StartY = static_cast<std::int16_t>(y);
    }
    if (end) {
        state.EndX = static_cast<std::int16_t>(x);
        state.EndY = static_cast<std::int16_t>(y);
    }
    DrawCell(t.game.picMaze(), state, x, y);

    const QList<UnitBox> walls = WallBoxes(ExpectedBars(code, x, y));
    const QString pointProblem = WallPointsIntact(t.game.picMaze(), walls, kUnit, kUnit);
    QVERIFY2(pointProblem.isEmpty(), qPrintable(pointProblem));
    const QString pictureProblem =
        PictureWallsAre(t.game.picMaze().Picture(), walls, kUnit, kUnit,
                        {t.game.picMaze().BackColor(), kStartColor, kEndLabelColor});
    QVERIFY2(pictureProblem.isEmpty(), qPrintable(pictureProblem));
}

void TestCellView::markerIsDiscOfQuarterVerticalUnitInItsColour_data() {
    QTest::addColumn<QSize>("viewSize");
    QTest::addColumn<Color>("colour");
    const struct {
        const char* name;
        Color colour;
    } colours[] = {{"white", kWhite}, {"black", kBlack}, {"cyan", kCyan}, {"magenta", kMagenta}};
    for (const auto& c : colours) {
        QTest::addRow("%s, square view", c.name) << QSize(277, 277) << c.colour;
        // UnitW = 180 but UnitH = 255: the radius follows the vertical unit.
        QTest::addRow("%s, tall view", c.name) << QSize(277, 392) << c.colour;
    }
}

void TestCellView::markerIsDiscOfQuarterVerticalUnitInItsColour() {
    QFETCH(QSize, viewSize);
    QFETCH(Color, colour);

    TestGame t(0.0f, viewSize);
    MazeState& state = t.game.State();
    MoveLabelsAway(state);
    state.grid(13, 13) = 15;
    const int px = state.UnitW * 23 / 2;
    const int py = state.UnitH * 23 / 2;
    QVERIFY(AddMarker(state, t.game.Keys(), 13, 13, static_cast<std::int16_t>(px),
                      static_cast<std::int16_t>(py), colour));
    DrawCell(t.game.picMaze(), state, 13, 13);

    const QImage& picture = t.game.picMaze().Picture();
    const double radius = (state.UnitH / 4) / 15.0;  // in pixels
    const QPoint centre(Pixel(px), Pixel(py));
    int painted = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double distance = std::hypot(x - centre.x(), y - centre.y());
            const Color c = PixelColor(picture, x, y);
            if (distance <= radius - 1)
                QVERIFY2(c == colour,
                         qPrintable(QStringLiteral("inside at (%1, %2)").arg(x).arg(y)));
            if (c == colour && c != t.game.picMaze().BackColor()) {
                ++painted;
                QVERIFY2(distance <= radius + 1,
                         qPrintable(QStringLiteral("outside at (%1, %2)").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(painted > 0);
    // The surface is back to transparent fill, so the mouse stays an outline.
    QCOMPARE(t.game.picMaze().FillStyle, int(DrawingSurface::kFillTransparent));
}

void TestCellView::laterMarkerCoversEarlierOne() {
    TestGame t;
    MazeState& state = t.game.State();
    MoveLabelsAway(state);
    state.grid(12, 13) = state.grid(13, 13) = 15;
    // Two discs three pixels apart; the order of dropping, not the colour, decides.
    AddMarker(state, t.game.Keys(), 13, 13, 2070, 2070, kWhite);
    AddMarker(state, t.game.Keys(), 13, 13, 2115, 2070, kBlack);
    AddMarker(state, t.game.Keys(), 12, 13, 2070, 2070, kBlack);
    AddMarker(state, t.game.Keys(), 12, 13, 2115, 2070, kWhite);
    const QImage& picture = t.game.picMaze().Picture();

    DrawCell(t.game.picMaze(), state, 13, 13);
    QCOMPARE(PixelColor(picture, 136, 138), kWhite);  // only under the first disc
    QCOMPARE(PixelColor(picture, 140, 138), kBlack);  // under both
    QCOMPARE(PixelColor(picture, 142, 138), kBlack);  // only under the second

    DrawCell(t.game.picMaze(), state, 12, 13);
    QCOMPARE(PixelColor(picture, 136, 138), kBlack);
    QCOMPARE(PixelColor(picture, 140, 138), kWhite);
    QCOMPARE(PixelColor(picture, 142, 138), kWhite);
}

void TestCellView::mouseIsOutlineOfHalfVerticalUnit() {
    TestGame t(0.0f, QSize(277, 392));  // UnitW = 180, UnitH = 255
    MazeState& state = t.game.State();
    MoveLabelsAway(state);
    state.grid(13, 13) = 15;
    DrawCell(t.game.picMaze(), state, 13, 13);
    state.PosX = 2070;
    state.PosY = 2932;
    t.game.DrawMouse();

    const QList<QPoint> mouse = PixelsOf(t.game.picMaze().Picture(), kMouseColor);
    QVERIFY(!mouse.isEmpty());
    const double radius = (state.UnitH / 2) / 15.0;
    for (QPoint p : mouse) {
        const double distance = std::hypot(p.x() - Pixel(2070), p.y() - Pixel(2932));
        QVERIFY2(std::abs(distance - radius) <= 1.5,
                 qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    }
    QCOMPARE(PixelColor(t.game.picMaze().Picture(), Pixel(2070), Pixel(2932)),
             t.game.picMaze().BackColor());
}

void TestCellView::noMarkerOrMouseIsPaintedInWallColour() {
    TestGame t;
    MazeState& state = t.game.State();
    MoveLabelsAway(state);
    state.grid(13, 13) = 15;
    const int u = kUnit;
    AddMarker(state, t.game.Keys(), 13, 13, 2070, 5 * u, kWhite);
    AddMarker(state, t.game.Keys(), 13, 13, 5 * u, 2070, kBlack);
    AddMarker(state, t.game.Keys(), 13, 13, 2070, 18 * u, kCyan);
    AddMarker(state, t.game.Keys(), 13, 13, 18 * u, 2070, kMagenta);
    DrawCell(t.game.picMaze(), state, 13, 13);
    state.PosX = state.PosY = 2070;
    t.game.DrawMouse();
    DrawMarker(t.game.picMaze(), state, 2070, 2070, kCyan);

    const QString problem = PictureWallsAre(
        t.game.picMaze().Picture(), WallBoxes(QString()), u, u,
        {t.game.picMaze().BackColor(), kWhite, kBlack, kCyan, kMagenta, kMouseColor});
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    for (Color c : {kWhite, kBlack, kCyan, kMagenta, kMouseColor})
        QVERIFY(!PixelsOf(t.game.picMaze().Picture(), c).isEmpty());
}

void TestCellView::drawCellCreatesEmptyMarkerListsOfItsCell() {
    TestGame t;
    MazeState& state = t.game.State();
    const int x = state.StartX == 13 && state.StartY == 13 ? 12 : 13;
    QVERIFY(!state.MarkerXs.Exists(x, 13));
    DrawCell(t.game.picMaze(), state, x, 13);
    QVERIFY(state.MarkerXs.Exists(x, 13));
    QVERIFY(state.MarkerYs.Exists(x, 13));
    QVERIFY(state.MarkerColors.Exists(x, 13));
    QCOMPARE(state.MarkerCount(x, 13), 0);
}

void TestCellView::getZoneSortsPositionsIntoThreeBandsPerAxis_data() {
    // A view of 180 across and 255 down: x limits 1800 and 2340, y limits 2550 and 3315.
    QTest::addColumn<int>("px");
    QTest::addColumn<int>("py");
    QTest::addColumn<int>("zx");
    QTest::addColumn<int>("zy");
    QTest::newRow("just before the centre") << 1799 << 2549 << 1 << 1;
    QTest::newRow("on the first limit") << 1800 << 2550 << 2 << 2;
    QTest::newRow("on the second limit") << 2340 << 3315 << 2 << 2;
    QTest::newRow("just past the centre") << 2341 << 3316 << 3 << 3;
    QTest::newRow("mixed") << 2341 << 2549 << 3 << 1;
    QTest::newRow("start position") << 2070 << 2932 << 2 << 2;
    QTest::newRow("outside the view") << -500 << 9000 << 1 << 3;
    QTest::newRow("16-bit limits") << 32767 << -32768 << 3 << 1;
}

void TestCellView::getZoneSortsPositionsIntoThreeBandsPerAxis() {
    QFETCH(int, px);
    QFETCH(int, py);
    QFETCH(int, zx);
    QFETCH(int, zy);
    TestGame t(0.0f, QSize(277, 392));
    QCOMPARE(t.game.State().UnitW, std::int16_t(180));
    QCOMPARE(t.game.State().UnitH, std::int16_t(255));
    const Zone zone = GetZone(t.game.State(), px, py);
    QCOMPARE(zone.zx, zx);
    QCOMPARE(zone.zy, zy);
}

PATHWICK_TEST_CLASS(TestCellView)
#include "test_cellview.moc"
