// SPDX-License-Identifier: GPL-3.0-or-later
// The picture boxes on a screen of two device pixels per pixel. The whole
// program runs at that scale here: the ratio has to be chosen before the
// application object exists, so this test has a main function of its own.

#include <QApplication>
#include <QPixmap>
#include <QtTest>

#include "support/cellviewmodel.h"
#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/picturebox.h"
#include "views/cellview.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

constexpr int kFrame = 2;  // the picture box's frame, in pixels

// Pixels only, whatever ratio the images are tagged with.
QImage Untagged(QImage image) {
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// The device pixels a widget shows inside its frame.
QImage GrabInner(QWidget& widget, QSize devicePixels) {
    const QPixmap grabbed = widget.grab();
    if (grabbed.devicePixelRatio() != 2) return {};
    const int frame = kFrame * 2;
    return Untagged(grabbed.toImage().copy(QRect(QPoint(frame, frame), devicePixels)));
}

// A cell with bars, both labels, a marker and the mouse, drawn at the surface's ratio.
void DrawBusyCell(TestGame& t) {
    MazeState& state = t.game.State();
    state.grid(13, 13) = 6;
    state.StartX = state.EndX = 13;
    state.StartY = state.EndY = 13;
    AddMarker(state, t.game.Keys(), 13, 13, 2070, 900, kMagenta);
    t.PutMouse(13, 13, 2070, 2070);
}

}  // namespace

class TestHiDpiWidget : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void surfaceTakesWidgetsRatioBeforeItIsShown();
    void widgetShowsDisplayPictureDevicePixelForDevicePixel();
    void paintingCatchesUpWithRatioChangedBehindItsBack();
    void changeOfScreenReachesHiddenWidget();
    void mainWindowDrawsFirstCellAtScreenResolution();
};

void TestHiDpiWidget::initTestCase() {
    if (qApp->devicePixelRatio() != 2)
        QSKIP(qPrintable(QStringLiteral("the platform gives a device pixel ratio of %1, not 2")
                             .arg(qApp->devicePixelRatio())));
}

void TestHiDpiWidget::surfaceTakesWidgetsRatioBeforeItIsShown() {
    PictureBox box;
    DrawingSurface surface(277, 277);
    QVERIFY(!box.isVisible());
    box.SetSurface(&surface);
    QCOMPARE(surface.DevicePixelRatio(), 2.0);
    QCOMPARE(surface.DisplayPicture().size(), QSize(554, 554));
    box.ReleaseSurface();
}

void TestHiDpiWidget::widgetShowsDisplayPictureDevicePixelForDevicePixel() {
    TestGame t;
    PictureBox box;
    box.setFixedSize(277 + 2 * kFrame, 277 + 2 * kFrame);
    box.SetSurface(&t.game.picMaze());
    DrawBusyCell(t);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    const QImage display = Untagged(t.game.picMaze().DisplayPicture());
    // Circles and text are finer than the picture enlarged, so a box that
    // showed the enlarged picture would fail the comparison below.
    const QImage enlarged = t.game.picMaze().Picture().scaled(display.size(), Qt::IgnoreAspectRatio,
                                                              Qt::FastTransformation);
    QVERIFY(display != Untagged(enlarged));
    QCOMPARE(GrabInner(box, display.size()), display);
    box.ReleaseSurface();
}

void TestHiDpiWidget::paintingCatchesUpWithRatioChangedBehindItsBack() {
    TestGame t;
    PictureBox box;
    box.setFixedSize(277 + 2 * kFrame, 277 + 2 * kFrame);
    box.SetSurface(&t.game.picMaze());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    t.game.picMaze().SetDevicePixelRatio(1);

    const QImage shown = GrabInner(box, QSize(554, 554));
    QCOMPARE(t.game.picMaze().DevicePixelRatio(), 2.0);
    QCOMPARE(shown, Untagged(t.game.picMaze().DisplayPicture()));
    box.ReleaseSurface();
}

void TestHiDpiWidget::changeOfScreenReachesHiddenWidget() {
    PictureBox box;
    DrawingSurface surface(277, 277);
    box.SetSurface(&surface);
    surface.SetDevicePixelRatio(1);
    QEvent screenChange(QEvent::ScreenChangeInternal);
    QApplication::sendEvent(&box, &screenChange);
    QCOMPARE(surface.DevicePixelRatio(), 2.0);
    box.ReleaseSurface();
}

void TestHiDpiWidget::mainWindowDrawsFirstCellAtScreenResolution() {
    TestWindow w;
    Game& game = w.game();
    QCOMPARE(game.picMaze().DevicePixelRatio(), 2.0);
    QCOMPARE(game.picMap().DevicePixelRatio(), 2.0);

    // The same first cell drawn on a surface that had the ratio from the start.
    DrawingSurface expected(game.picMaze().Picture().width(), game.picMaze().Picture().height());
    expected.SetDevicePixelRatio(2);
    expected.SetFont(game.picMaze().Font());
    expected.SetBackColor(game.picMaze().BackColor());
    MazeState state = game.State();
    DrawCell(expected, state, state.MouseX, state.MouseY);
    DrawMouseFigure(expected, state, kMouseColor);
    QCOMPARE(Untagged(game.picMaze().DisplayPicture()), Untagged(expected.DisplayPicture()));

    auto* picMaze = w.ui.picMaze;
    QVERIFY(picMaze);
    const QImage display = Untagged(game.picMaze().DisplayPicture());
    QCOMPARE(GrabInner(*picMaze, display.size()), display);
}

// The window on a screen of two device pixels a pixel.
PATHWICK_TEST_CLASS_SETUP(TestHiDpiWidget, [] { qputenv("QT_SCALE_FACTOR", "2"); })

#include "test_hidpi_widget.moc"
