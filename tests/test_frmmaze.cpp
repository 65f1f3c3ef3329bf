// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, menus, size and picture boxes.

#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

#include "support/testmain.h"
#include "support/testwindow.h"

using namespace pathwick;
using namespace pathwick::testing;

class TestFrmMaze : public QObject {
    Q_OBJECT

private slots:
    void controlsLieWhereTheLayoutPutsThem_data();
    void controlsLieWhereTheLayoutPutsThem();
    void controlsShowTheirTexts_data();
    void controlsShowTheirTexts();
    void controlsShowTheirTooltips_data();
    void controlsShowTheirTooltips();
    void windowStartsWithTheCellViewAndWhiteSelected();
    void tabOrderFollowsTheListedControls();
    void tabKeyWalksTheTabOrder();
    void windowHasAFixedClientAreaBelowTheMenuBar();
    void windowIsCentredOnTheScreen();
    void menuCommandsHaveTheirCaptionsAndShortcuts_data();
    void menuCommandsHaveTheirCaptionsAndShortcuts();
    void fileMenuHasASeparatorBeforePrint();
    void pictureBoxesHaveASunkenFrameAroundTheSurfaces();
    void pictureBoxShowsTheSurfaceAndFollowsItsChanges();
    void pictureBoxRepaintsAfterEveryChange_data();
    void pictureBoxRepaintsAfterEveryChange();
    void shapesAreFilledInTheKeyColours_data();
    void shapesAreFilledInTheKeyColours();
    void mapEndSquareTakesTheEndShapesFillColour();
    void savedLabelsUseASmallSerif();
    void startLabelStaysInsideTheCentreSquare();
    void checkBoxValueCountsTickedAsOneAndGreyedAsTwo();
};

void TestFrmMaze::controlsLieWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");  // pixels, 15 twips each
    const QString client = QStringLiteral("client");
    QTest::newRow("fraKey") << client << QRect(312, 8, 97, 73);
    QTest::newRow("lblEnd") << "fraKey" << QRect(32, 48, 41, 17);
    QTest::newRow("lblStart") << "fraKey" << QRect(32, 32, 41, 17);
    QTest::newRow("lblMouse") << "fraKey" << QRect(32, 16, 41, 17);
    QTest::newRow("shpEnd") << "fraKey" << QRect(16, 52, 9, 9);
    QTest::newRow("shpMouse") << "fraKey" << QRect(16, 20, 9, 9);
    QTest::newRow("ShpStart") << "fraKey" << QRect(16, 36, 9, 9);
    QTest::newRow("picMap") << client << QRect(8, 8, 281, 281);
    QTest::newRow("fraMarkerColorOpts") << client << QRect(312, 88, 97, 89);
    QTest::newRow("fraMarkerColorChks") << "fraMarkerColorOpts" << QRect(0, 0, 97, 89);
    QTest::newRow("chkMagenta") << "fraMarkerColorChks" << QRect(8, 64, 65, 17);
    QTest::newRow("chkCyan") << "fraMarkerColorChks" << QRect(8, 48, 65, 17);
    QTest::newRow("chkBlack") << "fraMarkerColorChks" << QRect(8, 32, 65, 17);
    QTest::newRow("chkWhite") << "fraMarkerColorChks" << QRect(8, 16, 57, 17);
    QTest::newRow("optMagenta") << "fraMarkerColorOpts" << QRect(8, 64, 73, 17);
    QTest::newRow("optCyan") << "fraMarkerColorOpts" << QRect(8, 48, 57, 17);
    QTest::newRow("optBlack") << "fraMarkerColorOpts" << QRect(8, 32, 65, 17);
    QTest::newRow("optWhite") << "fraMarkerColorOpts" << QRect(8, 16, 65, 17);
    QTest::newRow("cmdDropMarker") << client << QRect(328, 184, 73, 33);
    QTest::newRow("cmdViewMap") << client << QRect(328, 248, 73, 33);
    QTest::newRow("picMaze") << client << QRect(8, 8, 281, 281);
    QTest::newRow("lblSaved") << client << QRect(416, 296, 9, 17);
    QTest::newRow("lblSaved2") << client << QRect(384, 296, 25, 17);
    QTest::newRow("lblFilePath") << client << QRect(8, 288, 369, 17);
}

void TestFrmMaze::controlsLieWhereTheLayoutPutsThem() {
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    TestWindow w;
    QWidget* control = w.ui.Named<QWidget>(QTest::currentDataTag());
    QVERIFY(control);
    QVERIFY(control->parentWidget());
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
}

void TestFrmMaze::controlsShowTheirTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("fraKey") << "Key";
    QTest::newRow("lblEnd") << "End";
    QTest::newRow("lblStart") << "Start";
    QTest::newRow("lblMouse") << "You";
    QTest::newRow("fraMarkerColorOpts") << "&Marker Color";
    QTest::newRow("fraMarkerColorChks") << "&Marker Color";
    QTest::newRow("chkMagenta") << "Magenta";
    QTest::newRow("chkCyan") << "Cyan";
    QTest::newRow("chkBlack") << "Black";
    QTest::newRow("chkWhite") << "White";
    QTest::newRow("optMagenta") << "Magenta";
    QTest::newRow("optCyan") << "Cyan";
    QTest::newRow("optBlack") << "Black";
    QTest::newRow("optWhite") << "White";
    QTest::newRow("cmdDropMarker") << "&Drop Marker";
    QTest::newRow("cmdViewMap") << "&View Map";
    QTest::newRow("lblSaved2") << "Saved:";
}

void TestFrmMaze::controlsShowTheirTexts() {
    QFETCH(QString, text);
    TestWindow w;
    QWidget* control = w.ui.Named<QWidget>(QTest::currentDataTag());
    QVERIFY(control);
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        shown = frame->title();
    else if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    QCOMPARE(shown, text);
}

void TestFrmMaze::controlsShowTheirTooltips_data() {
    QTest::addColumn<QString>("tip");
    QTest::newRow("fraKey") << "Displays colors used for your mouse, maze Start, and maze End";
    QTest::newRow("picMap") << "Map of the entire maze";
    QTest::newRow("fraMarkerColorOpts") << "Choose a marker color, then click on Drop Marker";
    QTest::newRow("fraMarkerColorChks")
        << "Check the colors of the markers you would like to see, then click on Display Markers";
    QTest::newRow("optMagenta") << "Press F4 to drop a magenta marker";
    QTest::newRow("optCyan") << "Press F3 to drop a cyan marker";
    QTest::newRow("optBlack") << "Press F2 to drop a black marker";
    QTest::newRow("optWhite") << "Press F1 to drop a white marker";
    QTest::newRow("picMaze") << "One coordinate of the maze";
    QTest::newRow("lblSaved") << "Is maze saved?";
    QTest::newRow("lblSaved2") << "Is maze saved?";
    QTest::newRow("lblFilePath") << "Shows filepath of current maze";
    QTest::newRow("cmdDropMarker") << "";
    QTest::newRow("chkWhite") << "";
    QTest::newRow("lblEnd") << "";
}

void TestFrmMaze::controlsShowTheirTooltips() {
    QFETCH(QString, tip);
    TestWindow w;
    QWidget* control = w.ui.Named<QWidget>(QTest::currentDataTag());
    QVERIFY(control);
    QCOMPARE(control->toolTip(), tip);
}

void TestFrmMaze::windowStartsWithTheCellViewAndWhiteSelected() {
    TestWindow w;
    QVERIFY(w.ui.picMaze->isVisible());
    QVERIFY(!w.ui.picMap->isVisible());
    QVERIFY(w.ui.fraMarkerColorOpts->isVisible());
    QVERIFY(!w.ui.fraMarkerColorChks->isVisible());
    QVERIFY(w.ui.optWhite->isChecked());
    QVERIFY(!w.ui.optBlack->isChecked() && !w.ui.optCyan->isChecked() &&
            !w.ui.optMagenta->isChecked());
    for (CheckBox* box : {w.ui.chkWhite, w.ui.chkBlack, w.ui.chkCyan, w.ui.chkMagenta})
        QCOMPARE(box->Value(), 0);
    QCOMPARE(w.State().MarkerColor, kWhite);
    QVERIFY(!w.State().MapView);
    QCOMPARE(w.ui.lblFilePath->text(), QString());
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.picMaze));
    QCOMPARE(w->windowTitle(), QStringLiteral("Pathwick!"));
    QVERIFY(!w->windowIcon().pixmap(16, 16).isNull());
    QVERIFY(!w->windowIcon().pixmap(32, 32).isNull());
}

void TestFrmMaze::tabOrderFollowsTheListedControls() {
    // The order of the chain; Tab itself stops at the chosen colour only.
    TestWindow w;
    const QStringList expected{"picMaze",    "optWhite",      "optBlack",   "optCyan",
                               "optMagenta", "chkWhite",      "chkBlack",   "chkCyan",
                               "chkMagenta", "cmdDropMarker", "cmdViewMap", "picMap"};
    QStringList order;
    QWidget* widget = w.ui.picMaze;
    do {
        if (widget->focusPolicy() != Qt::NoFocus) order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != w.ui.picMaze && order.size() <= expected.size());
    QCOMPARE(order, expected);
}

void TestFrmMaze::tabKeyWalksTheTabOrder() {
    TestWindow w;
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.picMaze));
    w.Press(Qt::Key_Tab);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.optWhite));
    w.ui.cmdDropMarker->setFocus();
    w.Press(Qt::Key_Tab);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.cmdViewMap));
}

void TestFrmMaze::windowHasAFixedClientAreaBelowTheMenuBar() {
    TestWindow w;
    QWidget* client = w->centralWidget();
    QCOMPARE(client->size(), QSize(424, 304));
    QCOMPARE(client->y(), w->menuBar()->geometry().bottom() + 1);
    QCOMPARE(w->height(), 304 + w->menuBar()->height());
    QCOMPARE(w->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));  // it can be maximised

    const QSize before = w->size();
    w->resize(700, 500);
    Settle();
    QCOMPARE(w->size(), before);
    QCOMPARE(client->size(), QSize(424, 304));
}

void TestFrmMaze::windowIsCentredOnTheScreen() {
    // On Wayland the window's place is the compositor's alone, and the program never learns it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QSKIP("a Wayland compositor places windows itself; the program cannot centre its window");
    TestWindow w;
    const QRect screen = w->screen()->availableGeometry();
    const QPoint offset = w->frameGeometry().center() - screen.center();
    // The window manager's title bar may shift it a little.
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 20,
             qPrintable(QStringLiteral("offset %1, %2").arg(offset.x()).arg(offset.y())));
}

void TestFrmMaze::menuCommandsHaveTheirCaptionsAndShortcuts_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("mnuFileNew") << "mnuFile"
                                << "&New" << QKeySequence(QStringLiteral("Ctrl+N"));
    QTest::newRow("mnuFileOpen") << "mnuFile"
                                 << "&Open..." << QKeySequence(QStringLiteral("Ctrl+O"));
    QTest::newRow("mnuFileSave") << "mnuFile"
                                 << "&Save" << QKeySequence(QStringLiteral("Ctrl+S"));
    QTest::newRow("mnuFileSaveAs") << "mnuFile"
                                   << "Save &As..." << QKeySequence();
    QTest::newRow("mnuFilePrint") << "mnuFile"
                                  << "&Print..." << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("mnuFileExit") << "mnuFile"
                                 << "E&xit" << QKeySequence();
    QTest::newRow("mnuHelpRules") << "mnuHelp"
                                  << "&Rules..." << QKeySequence();
    QTest::newRow("mnuHelpAbout") << "mnuHelp"
                                  << "&About..." << QKeySequence();
}

void TestFrmMaze::menuCommandsHaveTheirCaptionsAndShortcuts() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    TestWindow w;
    auto* action = w.ui.Named<QAction>(QLatin1String(QTest::currentDataTag()));
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    auto* owner = w.ui.Named<QMenu>(menu);
    QVERIFY(owner);
    QVERIFY(owner->actions().contains(action));

    const QList<QAction*> bar = w->menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(bar.at(1)->text(), QStringLiteral("&Help"));
    QCOMPARE(bar.at(0)->menu(), w.ui.mnuFile);
    QCOMPARE(bar.at(1)->menu(), w.ui.mnuHelp);
}

void TestFrmMaze::fileMenuHasASeparatorBeforePrint() {
    TestWindow w;
    QStringList names;
    for (QAction* action : w.ui.mnuFile->actions())
        names.append(action->objectName() +
                     (action->isSeparator() ? QStringLiteral("(-)") : QString()));
    QCOMPARE(names, QStringList({"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs",
                                 "mnuFileSep1(-)", "mnuFilePrint", "mnuFileExit"}));
    QStringList help;
    for (QAction* action : w.ui.mnuHelp->actions()) help.append(action->objectName());
    QCOMPARE(help, QStringList({"mnuHelpRules", "mnuHelpAbout"}));
}

void TestFrmMaze::pictureBoxesHaveASunkenFrameAroundTheSurfaces() {
    TestWindow w;
    for (PictureBox* box : {w.ui.picMaze, w.ui.picMap}) {
        QCOMPARE(box->frameShape(), QFrame::Panel);
        QCOMPARE(box->frameShadow(), QFrame::Sunken);
        QCOMPARE(box->frameWidth(), 2);
        QCOMPARE(box->contentsRect(), QRect(2, 2, 277, 277));
    }
    QCOMPARE(w.ui.picMaze->Surface(), &w.game().picMaze());
    QCOMPARE(w.ui.picMap->Surface(), &w.game().picMap());
    QCOMPARE(w.game().picMaze().Picture().size(), QSize(277, 277));
    QCOMPARE(w.game().picMap().Picture().size(), QSize(277, 277));
    QCOMPARE(w.game().picMaze().BackColor(), w.game().picMap().BackColor());
    QCOMPARE(w.ui.picMaze->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(w.State().UnitW, std::int16_t{180});
    QCOMPARE(w.State().UnitH, std::int16_t{180});
}

void TestFrmMaze::pictureBoxShowsTheSurfaceAndFollowsItsChanges() {
    TestWindow w;
    DrawingSurface& surface = w.game().picMaze();
    // A magenta box at pixels 20..29 of the surface.
    surface.Line(300, 300, 449, 449, kMagenta);
    Settle();
    const QImage shown = w.ui.picMaze->grab().toImage();
    const auto at = [&](int x, int y) { return DrawingSurface::FromRgb(shown.pixel(x, y)); };
    QCOMPARE(at(2 + 25, 2 + 25), kMagenta);
    QCOMPARE(at(2 + 19, 2 + 25), DrawingSurface::FromRgb(surface.Picture().pixel(19, 25)));
    QVERIFY(at(2 + 19, 2 + 25) != kMagenta);
    for (int x = 0; x < 277; x += 23)
        for (int y = 0; y < 277; y += 19)
            QCOMPARE(at(2 + x, 2 + y), DrawingSurface::FromRgb(surface.Picture().pixel(x, y)));
}

void TestFrmMaze::pictureBoxRepaintsAfterEveryChange_data() {
    QTest::addColumn<bool>("map");
    QTest::newRow("picMaze, steps of the mouse") << false;
    QTest::newRow("picMap, Display Markers") << true;
}

void TestFrmMaze::pictureBoxRepaintsAfterEveryChange() {
    QFETCH(bool, map);
    TestWindow w;
    if (map) QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    QWidget* box = map ? static_cast<QWidget*>(w.ui.picMap) : w.ui.picMaze;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    // Counts what reaches the screen; grab() would paint on its own.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    box->installEventFilter(&counter);
    for (int change = 0; change < 3; ++change) {
        const int before = counter.paints;
        if (map)
            QTest::mouseClick(w.ui.cmdDropMarker, Qt::LeftButton);
        else
            w.Press(change % 2 ? Qt::Key_Left : Qt::Key_Right);
        QTRY_VERIFY(counter.paints > before);
    }
}

void TestFrmMaze::shapesAreFilledInTheKeyColours_data() {
    QTest::addColumn<int>("colour");
    // Green, red and yellow, 0x00BBGGRR.
    QTest::newRow("shpEnd") << 0x00FF00;
    QTest::newRow("shpMouse") << 0x0000FF;
    QTest::newRow("ShpStart") << 0x00FFFF;
}

void TestFrmMaze::shapesAreFilledInTheKeyColours() {
    QFETCH(int, colour);
    TestWindow w;
    auto* shape = w.ui.Named<Shape>(QTest::currentDataTag());
    QVERIFY(shape);
    QCOMPARE(shape->FillColor(), colour);
    const QImage shown = shape->grab().toImage();
    QCOMPARE(DrawingSurface::FromRgb(shown.pixel(4, 4)), colour);
}

void TestFrmMaze::mapEndSquareTakesTheEndShapesFillColour() {
    TestWindow w;
    w.game().SetEndFillColor(kCyan);
    QCOMPARE(w.ui.shpEnd->FillColor(), kCyan);
    w.game().DrawMap();
    const MazeState& s = w.State();
    // The end's centre square: square (1, 1) of its cell, 55 twips a square.
    const int x = ((s.EndX - 1) * 3 + 1) * 55 + 27;
    const int y = ((s.EndY - 1) * 3 + 1) * 55 + 27;
    QCOMPARE(w.game().picMap().Point(x, y), kCyan);
}

void TestFrmMaze::savedLabelsUseASmallSerif() {
    TestWindow w;
    for (QLabel* label : {w.ui.lblSaved, w.ui.lblSaved2}) {
        const QFontInfo info(label->font());
        QCOMPARE(label->font().styleHint(), QFont::Serif);
        QVERIFY2(info.family().contains(QLatin1String("Serif")), qPrintable(info.family()));
        QVERIFY(qAbs(label->font().pointSizeF() - 6.0) < 0.01);
    }
    const QFontMetrics metrics(w.ui.lblSaved2->font());
    QVERIFY(metrics.horizontalAdvance(w.ui.lblSaved2->text()) <= w.ui.lblSaved2->width());
}

void TestFrmMaze::startLabelStaysInsideTheCentreSquare() {
    TestWindow w;
    MazeState& s = w.State();
    // A corner cell that keeps every side closed: the border bars on the north
    // and west, the bars of code 3 on the east and south.
    s.grid(1, 1) = 3;
    s.StartX = 1;
    s.StartY = 1;
    s.EndX = 2;
    DrawCell(w.game().picMaze(), s, 1, 1);
    const QImage& picture = w.game().picMaze().Picture();
    // The centre square's floor, between the four bars, in pixels of 12 units.
    const QRect floor(120, 120, 36, 36);
    const QRect bars(108, 108, 60, 60);
    int yellow = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Color c = DrawingSurface::FromRgb(picture.pixel(x, y));
            if (c == kStartColor) {
                ++yellow;
                QVERIFY2(floor.contains(x, y),
                         qPrintable(QStringLiteral("label at %1, %2").arg(x).arg(y)));
            } else if (bars.contains(x, y) && !floor.contains(x, y)) {
                // Every point of the bars around the centre is still a wall.
                const bool cornerGap = (x < 120 || x >= 156) && (y < 120 || y >= 156);
                if (!cornerGap) QCOMPARE(c, kWallColor);
            }
        }
    }
    QVERIFY2(yellow > 40, "the label is written");
    QVERIFY(w.game().picMaze().Font().bold());
}

void TestFrmMaze::checkBoxValueCountsTickedAsOneAndGreyedAsTwo() {
    TestWindow w;
    CheckBox* box = w.ui.chkBlack;
    box->setCheckState(Qt::Checked);
    QCOMPARE(box->Value(), 1);
    box->setCheckState(Qt::PartiallyChecked);
    QCOMPARE(box->Value(), 2);
    box->SetValue(0);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    // The player's clicks only tick and untick, also from the greyed state.
    w.ui.cmdViewMap->click();
    box->SetValue(2);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(box->Value(), 1);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(box->Value(), 0);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(box->Value(), 1);
}

PATHWICK_TEST_CLASS(TestFrmMaze)
#include "test_frmmaze.moc"
