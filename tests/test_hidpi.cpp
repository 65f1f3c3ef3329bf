// SPDX-License-Identifier: GPL-3.0-or-later
// The cell view on screens of more than one device pixel per pixel: the game
// reads the same picture at every ratio, and the sharper display picture
// shows every wall over its whole area and nothing else in the wall colour.

#include <QtTest>
#include <cmath>
#include <limits>

#include "game/game.h"
#include "support/cellviewmodel.h"
#include "support/testmain.h"
#include "views/cellview.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

// A cell with every element of the view: its bars, both labels, a marker of
// each colour in the four arms and the mouse in the middle.
void DrawBusyCell(TestGame& t, int code, int x, int y) {
    MazeState& state = t.game.State();
    state.grid(x, y) = static_cast<CellCode>(code);
    state.StartX = state.EndX = static_cast<std::int16_t>(x);
    state.StartY = state.EndY = static_cast<std::int16_t>(y);
    if (state.MarkerCount(x, y) == 0) {
        const int u = kUnit;
        AddMarker(state, t.game.Keys(), x, y, kCentre, 5 * u, kWhite);
        AddMarker(state, t.game.Keys(), x, y, 5 * u, kCentre, kBlack);
        AddMarker(state, t.game.Keys(), x, y, kCentre, 18 * u, kCyan);
        AddMarker(state, t.game.Keys(), x, y, 18 * u, kCentre, kMagenta);
    }
    t.PutMouse(x, y, kCentre, kCentre);
}

// The area of a box of pixels (both corners included) in device pixels of
// the given ratio: those lying wholly inside it and those touching it.
bool DeviceInside(const QRect& pixels, double ratio, int dx, int dy) {
    return dx >= pixels.left() * ratio && dx + 1 <= (pixels.right() + 1) * ratio &&
           dy >= pixels.top() * ratio && dy + 1 <= (pixels.bottom() + 1) * ratio;
}

bool DeviceTouches(const QRect& pixels, double ratio, int dx, int dy) {
    return dx + 1 > pixels.left() * ratio && dx < (pixels.right() + 1) * ratio &&
           dy + 1 > pixels.top() * ratio && dy < (pixels.bottom() + 1) * ratio;
}

// Empty when every device pixel wholly inside a wall box is WallColor and no
// device pixel that touches none of them is; otherwise the first offender.
QString DisplayWallsAre(const QImage& display, double ratio, const QList<QRect>& walls) {
    for (int dy = 0; dy < display.height(); ++dy) {
        for (int dx = 0; dx < display.width(); ++dx) {
            bool inside = false;
            bool touches = false;
            for (const QRect& r : walls) {
                inside = inside || DeviceInside(r, ratio, dx, dy);
                touches = touches || DeviceTouches(r, ratio, dx, dy);
            }
            const Color c = PixelColor(display, dx, dy);
            if (inside && c != kWallColor)
                return QStringLiteral("device pixel (%1, %2) inside a wall is %3")
                    .arg(dx)
                    .arg(dy)
                    .arg(c, 6, 16, QLatin1Char('0'));
            if (!touches && c == kWallColor)
                return QStringLiteral("device pixel (%1, %2) off the walls is the wall colour")
                    .arg(dx)
                    .arg(dy);
        }
    }
    return {};
}

QString WallPointsIntact(const DrawingSurface& surface, const QList<UnitBox>& boxes) {
    for (const UnitBox& box : boxes)
        for (QPoint p : ScalePoints(box, kUnit, kUnit))
            if (surface.Point(p.x(), p.y()) != kWallColor)
                return QStringLiteral("wall point (%1, %2)").arg(p.x()).arg(p.y());
    return {};
}

// The codes of the bar table, and cells at the border of the grid.
void AddCellRows() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    for (double ratio : {1.0, 1.5, 2.0}) {
        for (int code : {3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 0})
            QTest::addRow("ratio %g, code %d", ratio, code) << ratio << code << 13 << 13;
        QTest::addRow("ratio %g, north-west corner", ratio) << ratio << 0 << 1 << 1;
        QTest::addRow("ratio %g, south-east corner", ratio) << ratio << 15 << 25 << 25;
    }
}

// A direction letter for each step of a walk that is the same on every run.
QString WalkStep(quint32& state) {
    state = state * 1664525u + 1013904223u;
    static const QString kDirections[] = {QStringLiteral("L"), QStringLiteral("U"),
                                          QStringLiteral("R"), QStringLiteral("D")};
    return kDirections[(state >> 16) % 4];
}

QList<Place> Walk(TestGame& t, int steps) {
    QList<Place> places;
    quint32 state = 12345;
    for (int i = 0; i < steps; ++i) {
        t.game.MoveMouse(WalkStep(state));
        places.append(Where(t.game.State()));
    }
    return places;
}

}  // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void displayPictureIsPictureTimesRatioRoundedUp_data();
    void displayPictureIsPictureTimesRatioRoundedUp();
    void ratiosOutsideTheUsefulRangeAreLimited_data();
    void ratiosOutsideTheUsefulRangeAreLimited();
    void pictureReadByTheGameIsTheSameAtEveryRatio_data();
    void pictureReadByTheGameIsTheSameAtEveryRatio();
    void displayShowsEveryWallOverItsAreaAndNothingElseInWallColour_data();
    void displayShowsEveryWallOverItsAreaAndNothingElseInWallColour();
    void eachDevicePixelShowsLastBoxTouchingIt_data();
    void eachDevicePixelShowsLastBoxTouchingIt();
    void labelsAppearInTheirColoursInsideCentreSquareOnDisplay_data();
    void labelsAppearInTheirColoursInsideCentreSquareOnDisplay();
    void erasedMouseLeavesNoTraceOnDisplay_data();
    void erasedMouseLeavesNoTraceOnDisplay();
    void walkGoesTheSameWayAtEveryRatio_data();
    void walkGoesTheSameWayAtEveryRatio();
    void newRatioDrawsPictureAgainSharply_data();
    void newRatioDrawsPictureAgainSharply();
    void overlongRecordFallsBackToEnlargedPicture_data();
    void overlongRecordFallsBackToEnlargedPicture();
    void displayUpdatedAtEveryStepEqualsDisplayUpdatedOnce_data();
    void displayUpdatedAtEveryStepEqualsDisplayUpdatedOnce();
    void changeIsAnnouncedOnceUntilThePictureIsShown();
};

void TestHiDpi::displayPictureIsPictureTimesRatioRoundedUp_data() {
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("devicePixels");
    QTest::newRow("1") << QSize(277, 277) << 1.0 << QSize(277, 277);
    // 415.5 device pixels: the half pixel is kept, so the whole view is covered.
    QTest::newRow("1.5") << QSize(277, 277) << 1.5 << QSize(416, 416);
    QTest::newRow("2") << QSize(277, 277) << 2.0 << QSize(554, 554);
    QTest::newRow("1.25, tall") << QSize(277, 392) << 1.25 << QSize(347, 490);
}

void TestHiDpi::displayPictureIsPictureTimesRatioRoundedUp() {
    QFETCH(QSize, pixels);
    QFETCH(double, ratio);
    QFETCH(QSize, devicePixels);
    DrawingSurface surface(pixels.width(), pixels.height());
    surface.SetDevicePixelRatio(ratio);
    QCOMPARE(surface.DevicePixelRatio(), ratio);
    QCOMPARE(surface.Picture().size(), pixels);
    QCOMPARE(surface.DisplayPicture().size(), devicePixels);
    QCOMPARE(surface.DisplayPicture().devicePixelRatio(), ratio);
    surface.Cls();
    QCOMPARE(surface.DisplayPicture().size(), devicePixels);
}

void TestHiDpi::ratiosOutsideTheUsefulRangeAreLimited_data() {
    QTest::addColumn<double>("asked");
    QTest::addColumn<double>("used");
    QTest::newRow("zero") << 0.0 << 1.0;
    QTest::newRow("negative") << -2.0 << 1.0;
    QTest::newRow("below one") << 0.5 << 1.0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity()
                              << DrawingSurface::kMaxDevicePixelRatio;
    QTest::newRow("huge") << 1e6 << DrawingSurface::kMaxDevicePixelRatio;
}

void TestHiDpi::ratiosOutsideTheUsefulRangeAreLimited() {
    QFETCH(double, asked);
    QFETCH(double, used);
    DrawingSurface surface(20, 10);
    surface.SetDevicePixelRatio(2);
    surface.SetDevicePixelRatio(asked);
    QCOMPARE(surface.DevicePixelRatio(), used);
    const QSize expected = QSize(20, 10) * used;
    QCOMPARE(surface.DisplayPicture().size(), expected);
    if (used == 1) QCOMPARE(&surface.DisplayPicture(), &surface.Picture());
}

void TestHiDpi::pictureReadByTheGameIsTheSameAtEveryRatio_data() {
    AddCellRows();
}

void TestHiDpi::pictureReadByTheGameIsTheSameAtEveryRatio() {
    QFETCH(double, ratio);
    QFETCH(int, code);
    QFETCH(int, x);
    QFETCH(int, y);
    TestGame plain;
    TestGame sharp;
    sharp.game.picMaze().SetDevicePixelRatio(ratio);
    DrawBusyCell(plain, code, x, y);
    DrawBusyCell(sharp, code, x, y);

    const QString problem =
        WallPointsIntact(sharp.game.picMaze(), WallBoxes(ExpectedBars(code, x, y)));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(sharp.game.picMaze().Picture(), plain.game.picMaze().Picture());
}

void TestHiDpi::displayShowsEveryWallOverItsAreaAndNothingElseInWallColour_data() {
    AddCellRows();
}

void TestHiDpi::displayShowsEveryWallOverItsAreaAndNothingElseInWallColour() {
    QFETCH(double, ratio);
    QFETCH(int, code);
    QFETCH(int, x);
    QFETCH(int, y);
    TestGame t;
    t.game.picMaze().SetDevicePixelRatio(ratio);
    DrawBusyCell(t, code, x, y);

    const QImage& display = t.game.picMaze().DisplayPicture();
    const QList<QRect> walls = PixelRects(WallBoxes(ExpectedBars(code, x, y)), kUnit, kUnit);
    const QString problem = DisplayWallsAre(display, ratio, walls);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // The other elements are really there, in their colours.
    for (Color c : {kWhite, kBlack, kCyan, kMagenta, kMouseColor, kStartColor, kEndLabelColor})
        QVERIFY2(!PixelsOf(display, c).isEmpty(), qPrintable(QString::number(c, 16)));
}

void TestHiDpi::eachDevicePixelShowsLastBoxTouchingIt_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("count");
    for (double ratio : {1.25, 1.5, 2.0, 3.0})
        for (int count : {12, 200})  // a few, like a cell; many, like the map
            QTest::addRow("%d boxes at %g", count, ratio) << ratio << count;
}

void TestHiDpi::eachDevicePixelShowsLastBoxTouchingIt() {
    QFETCH(double, ratio);
    QFETCH(int, count);
    DrawingSurface surface(61, 47);
    surface.SetDevicePixelRatio(ratio);
    surface.Line(0, 0, 900, 700, kMouseColor);  // left over from before the Cls
    (void)surface.DisplayPicture();
    surface.Cls();
    quint32 seed = 99;
    const auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<quint32>(range));
    };
    QList<QRect> boxes;
    QList<Color> colours;
    // Corners in either order, anywhere in their pixels, some beyond the edges.
    for (int i = 0; i < count; ++i) {
        const int x = next(70) - 5, y = next(56) - 5;
        const QRect pixels(x, y, 1 + next(20), 1 + next(20));
        const Color colour = next(2) ? kWallColor : kCyan;
        const double x1 = pixels.left() * 15 + next(15), y1 = pixels.top() * 15 + next(15);
        const double x2 = pixels.right() * 15 + next(15), y2 = pixels.bottom() * 15 + next(15);
        if (next(2))
            surface.Line(x1, y1, x2, y2, colour);
        else
            surface.Line(x2, y2, x1, y1, colour);
        boxes.append(pixels.intersected(surface.Picture().rect()));
        colours.append(colour);
    }

    const QImage& display = surface.DisplayPicture();
    for (int dy = 0; dy < display.height(); ++dy)
        for (int dx = 0; dx < display.width(); ++dx) {
            Color expected = surface.BackColor();
            for (int i = 0; i < count; ++i)
                if (DeviceTouches(boxes[i], ratio, dx, dy)) expected = colours[i];
            QVERIFY2(PixelColor(display, dx, dy) == expected,
                     qPrintable(QStringLiteral("device pixel (%1, %2)").arg(dx).arg(dy)));
        }
}

void TestHiDpi::labelsAppearInTheirColoursInsideCentreSquareOnDisplay_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("start");
    for (double ratio : {1.5, 2.0}) {
        QTest::addRow("Start at %g", ratio) << ratio << true;
        QTest::addRow("End at %g", ratio) << ratio << false;
    }
}

void TestHiDpi::labelsAppearInTheirColoursInsideCentreSquareOnDisplay() {
    QFETCH(double, ratio);
    QFETCH(bool, start);
    TestGame t;
    MazeState& state = t.game.State();
    MoveLabelsAway(state);
    state.grid(13, 13) = 15;
    (start ? state.StartX : state.EndX) = 13;
    (start ? state.StartY : state.EndY) = 13;
    t.game.picMaze().SetDevicePixelRatio(ratio);
    DrawCell(t.game.picMaze(), state, 13, 13);

    // Text may have soft edges here, so the label is whatever is not background.
    const QImage& display = t.game.picMaze().DisplayPicture();
    const Color back = t.game.picMaze().BackColor();
    QRect ink;
    for (int dy = 0; dy < display.height(); ++dy)
        for (int dx = 0; dx < display.width(); ++dx) {
            const Color c = PixelColor(display, dx, dy);
            if (c != back && c != kWallColor) ink |= QRect(dx, dy, 1, 1);
        }
    QVERIFY(!PixelsOf(display, start ? kStartColor : kEndLabelColor).isEmpty());
    QVERIFY(PixelsOf(display, start ? kEndLabelColor : kStartColor).isEmpty());
    // Within the centre square (10 to 13 units), give or take two pixels: the
    // glyphs of the larger font are hinted a little differently.
    const double from = 10 * kUnit / 15.0 - 2, to = 13 * kUnit / 15.0 + 2;
    const QRectF allowed(QPointF(from * ratio, from * ratio), QPointF(to * ratio, to * ratio));
    QVERIFY2(allowed.contains(QRectF(ink)), qPrintable(QStringLiteral("ink %1,%2 .. %3,%4")
                                                           .arg(ink.left())
                                                           .arg(ink.top())
                                                           .arg(ink.right())
                                                           .arg(ink.bottom())));
}

void TestHiDpi::erasedMouseLeavesNoTraceOnDisplay_data() {
    QTest::addColumn<double>("ratio");
    for (double ratio : {1.0, 1.5, 2.0, 1.75}) QTest::addRow("%g", ratio) << ratio;
}

void TestHiDpi::erasedMouseLeavesNoTraceOnDisplay() {
    QFETCH(double, ratio);
    TestGame t;
    t.OpenGrid();
    t.game.picMaze().SetDevicePixelRatio(ratio);
    t.PutMouse(13, 13, kCentre, kCentre);
    for (const char* step : {"L", "L", "U", "R", "R", "R", "D", "D"})
        t.game.MoveMouse(QString::fromLatin1(step));
    QCOMPARE(t.game.State().PosX, std::int16_t(kCentre + kUnit));
    QCOMPARE(t.game.State().PosY, std::int16_t(kCentre + kUnit));

    // Only the mouse where it stands now is left: a ring about its centre.
    const QList<QPoint> mouse = PixelsOf(t.game.picMaze().DisplayPicture(), kMouseColor);
    QVERIFY(!mouse.isEmpty());
    const double centre = std::floor((kCentre + kUnit) / 15.0) + 0.5;  // in pixels
    const double radius = (kUnit / 2) / 15.0;
    for (QPoint p : mouse) {
        const double distance =
            std::hypot((p.x() + 0.5) / ratio - centre, (p.y() + 0.5) / ratio - centre);
        QVERIFY2(std::abs(distance - radius) <= 1.0,
                 qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    }
}

void TestHiDpi::walkGoesTheSameWayAtEveryRatio_data() {
    QTest::addColumn<float>("seed");
    QTest::addColumn<double>("ratio");
    for (float seed : {0.0f, 0.5f, 17.25f})
        for (double ratio : {1.5, 2.0})
            QTest::addRow("seed %g, ratio %g", seed, ratio) << seed << ratio;
}

void TestHiDpi::walkGoesTheSameWayAtEveryRatio() {
    QFETCH(float, seed);
    QFETCH(double, ratio);
    constexpr int kSteps = 3000;
    TestGame plain(seed);
    TestGame sharp(seed);
    sharp.game.picMaze().SetDevicePixelRatio(ratio);
    sharp.PutMouse(sharp.game.State().MouseX, sharp.game.State().MouseY, sharp.game.State().PosX,
                   sharp.game.State().PosY);
    plain.PutMouse(plain.game.State().MouseX, plain.game.State().MouseY, plain.game.State().PosX,
                   plain.game.State().PosY);

    const QList<Place> expected = Walk(plain, kSteps);
    const QList<Place> walked = Walk(sharp, kSteps);
    // The walk hits walls and crosses into other cells, or it would prove little.
    int blocked = 0, crossings = 0;
    for (int i = 1; i < kSteps; ++i) {
        blocked += expected[i] == expected[i - 1];
        crossings += expected[i].mouseX != expected[i - 1].mouseX ||
                     expected[i].mouseY != expected[i - 1].mouseY;
    }
    QVERIFY(blocked > 0);
    QVERIFY(crossings > 0);
    for (int i = 0; i < kSteps; ++i)
        QVERIFY2(walked[i] == expected[i], qPrintable(QStringLiteral("step %1").arg(i + 1)));
    QCOMPARE(sharp.dialogs.Messages(), plain.dialogs.Messages());
    QCOMPARE(sharp.game.picMaze().Picture(), plain.game.picMaze().Picture());
}

void TestHiDpi::newRatioDrawsPictureAgainSharply_data() {
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::newRow("1 to 2") << 1.0 << 2.0;
    QTest::newRow("1 to 1.5") << 1.0 << 1.5;
    QTest::newRow("2 to 1.5") << 2.0 << 1.5;
    QTest::newRow("1.5 to 2") << 1.5 << 2.0;
    QTest::newRow("2 to 1") << 2.0 << 1.0;
}

void TestHiDpi::newRatioDrawsPictureAgainSharply() {
    QFETCH(double, before);
    QFETCH(double, after);
    TestGame t;
    t.game.picMaze().SetDevicePixelRatio(before);
    DrawBusyCell(t, 12, 13, 13);
    t.game.MoveMouse(QStringLiteral("U"));
    (void)t.game.picMaze().DisplayPicture();
    const QImage picture = t.game.picMaze().Picture();

    t.game.picMaze().SetDevicePixelRatio(after);

    QCOMPARE(t.game.picMaze().Picture(), picture);
    // As if the surface had always had the new ratio.
    TestGame fresh;
    fresh.game.picMaze().SetDevicePixelRatio(after);
    DrawBusyCell(fresh, 12, 13, 13);
    fresh.game.MoveMouse(QStringLiteral("U"));
    QCOMPARE(t.game.picMaze().DisplayPicture(), fresh.game.picMaze().DisplayPicture());
}

void TestHiDpi::overlongRecordFallsBackToEnlargedPicture_data() {
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::newRow("1 to 2") << 1.0 << 2.0;
    QTest::newRow("2 to 1.5") << 2.0 << 1.5;
}

void TestHiDpi::overlongRecordFallsBackToEnlargedPicture() {
    QFETCH(double, before);
    QFETCH(double, after);
    TestGame t;
    t.OpenGrid();
    t.game.picMaze().SetDevicePixelRatio(before);
    DrawBusyCell(t, 12, 13, 13);
    // A mouse going up and down one cell for a long time.
    for (std::size_t i = 0; i < DrawingSurface::kMaxRecordedOperations / 2 + 1; ++i)
        t.game.MoveMouse(QString::fromLatin1(i % 2 ? "U" : "D"));
    const QImage picture = t.game.picMaze().Picture();

    t.game.picMaze().SetDevicePixelRatio(after);

    QCOMPARE(t.game.picMaze().Picture(), picture);
    const QImage& display = t.game.picMaze().DisplayPicture();
    QCOMPARE(display.devicePixelRatio(), after);
    // Each device pixel shows the pixel under its centre.
    for (int dy = 0; dy < display.height(); ++dy)
        for (int dx = 0; dx < display.width(); ++dx) {
            const int px = std::min(static_cast<int>((dx + 0.5) / after), picture.width() - 1);
            const int py = std::min(static_cast<int>((dy + 0.5) / after), picture.height() - 1);
            QVERIFY2(display.pixel(dx, dy) == picture.pixel(px, py),
                     qPrintable(QStringLiteral("device pixel (%1, %2)").arg(dx).arg(dy)));
        }

    // The next cell is sharp again.
    TestGame fresh;
    fresh.game.picMaze().SetDevicePixelRatio(after);
    DrawBusyCell(t, 9, 12, 13);
    DrawBusyCell(fresh, 9, 12, 13);
    QCOMPARE(t.game.picMaze().DisplayPicture(), fresh.game.picMaze().DisplayPicture());
}

void TestHiDpi::displayUpdatedAtEveryStepEqualsDisplayUpdatedOnce_data() {
    QTest::addColumn<double>("ratio");
    for (double ratio : {1.5, 2.0}) QTest::addRow("%g", ratio) << ratio;
}

void TestHiDpi::displayUpdatedAtEveryStepEqualsDisplayUpdatedOnce() {
    QFETCH(double, ratio);
    TestGame everyStep;
    TestGame once;
    TestGame late;  // given the ratio only at the end
    for (TestGame* t : {&everyStep, &once, &late}) {
        t->OpenGrid();
        t->game.State().StartX = t->game.State().EndX = 12;
        t->game.State().StartY = t->game.State().EndY = 13;
        AddMarker(t->game.State(), t->game.Keys(), 12, 13, kCentre, 5 * kUnit, kCyan);
        if (t != &late) t->game.picMaze().SetDevicePixelRatio(ratio);
        t->PutMouse(13, 13, kCentre, kCentre);
    }
    // Along the arm into the next cell (labels, a marker) and back.
    const QString steps = QStringLiteral("LLLLLLLLLLLLLLLLRRRRRRRRRRRRRRRR");
    for (QChar step : steps) {
        everyStep.game.MoveMouse(step);
        once.game.MoveMouse(step);
        late.game.MoveMouse(step);
        (void)everyStep.game.picMaze().DisplayPicture();
    }
    QCOMPARE(everyStep.game.State().MouseX, std::int16_t(13));
    late.game.picMaze().SetDevicePixelRatio(ratio);
    QCOMPARE(everyStep.game.picMaze().DisplayPicture(), once.game.picMaze().DisplayPicture());
    QCOMPARE(late.game.picMaze().DisplayPicture(), once.game.picMaze().DisplayPicture());
}

// A widget repaints when told; a map of thousands of boxes must tell it once,
// not once a box, and a change after the picture was shown must tell it again.
void TestHiDpi::changeIsAnnouncedOnceUntilThePictureIsShown() {
    DrawingSurface surface(50, 50);
    int announced = 0;
    surface.SetChangedCallback([&announced] { ++announced; });

    surface.Cls();
    for (int i = 0; i < 100; ++i) surface.Line(i, i, i + 30, i + 30, kWallColor);
    surface.Circle(300, 300, 90, kMouseColor);
    QCOMPARE(announced, 1);

    surface.DisplayPicture();
    surface.Line(0, 0, 30, 30, kWhite);
    QCOMPARE(announced, 2);
    surface.Print(QStringLiteral("x"));
    QCOMPARE(announced, 2);
}

PATHWICK_TEST_CLASS(TestHiDpi)
#include "test_hidpi.moc"
