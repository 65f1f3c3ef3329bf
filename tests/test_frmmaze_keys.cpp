// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard of the main window: every key reaches the game first, whatever
// control has the focus, and moves the mouse or drops markers.

#include <QRadioButton>
#include <QTemporaryDir>

#include "files/mazeformat.h"
#include "support/filegame.h"
#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/speech.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

constexpr int kEastEntry = kViewUnits * kUnit;  // 4140

QWidget* Named(TestWindow& w, const QString& name) {
    return name.isEmpty() ? nullptr : w.ui.Named<QWidget>(name);
}

}  // namespace

class TestFrmMazeKeys : public QObject {
    Q_OBJECT

private slots:
    void keyReachesTheGameOnceWhateverHasTheFocus_data();
    void keyReachesTheGameOnceWhateverHasTheFocus();
    void focusedOptionButtonStillMovesTheSelection();
    void focusedButtonStillPassesTheFocusOn();
    void modifiersDoNotChangeAStep_data();
    void modifiersDoNotChangeAStep();
    void keysDoNothingWhileTheMapShows_data();
    void keysDoNothingWhileTheMapShows();
    void functionKeySelectsItsColourAndDropsAMarker_data();
    void functionKeySelectsItsColourAndDropsAMarker();
    void colourChosenByAFunctionKeySticksForDropMarker();
    void noKeyMakesTheGameUnsaveable_data();
    void noKeyMakesTheGameUnsaveable();
    void enterClicksTheFocusedButtonOrElseViewMap_data();
    void enterClicksTheFocusedButtonOrElseViewMap();

    void fourLeftsFromTheCentreOfAnOpenCellReachSevenAndAHalfUnits();
    void leftBeyondTheWestEdgeEntersTheEastArmOfTheWesternCell();
    void rightBeyondTheEastEdgeEntersTheWesternCellAtTen();
    void westBarStopsTheMouseButMarksTheMazeUnsaved();
    void borderBarKeepsTheMouseInColumnOne();
    void endIsCongratulatedOnceOnReachingItsCentre();
    void markerIsDrawnAgainWhenTheMouseComesBack();
    void mouseStartsInTheMiddleOfTheViewWithRadiusHalfAUnit_data();
    void mouseStartsInTheMiddleOfTheViewWithRadiusHalfAUnit();
};

void TestFrmMazeKeys::keyReachesTheGameOnceWhateverHasTheFocus_data() {
    QTest::addColumn<QString>("focus");       // empty: no control has the focus
    QTest::addColumn<bool>("toFocusWidget");  // sent to the control instead of the window
    for (const char* name : {"picMaze", "cmdDropMarker", "cmdViewMap", "optBlack"}) {
        QTest::addRow("%s via window", name) << name << false;
        QTest::addRow("%s direct", name) << name << true;
    }
    QTest::newRow("no focus via window") << QString() << false;
}

void TestFrmMazeKeys::keyReachesTheGameOnceWhateverHasTheFocus() {
    QFETCH(QString, focus);
    QFETCH(bool, toFocusWidget);
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    if (QWidget* control = Named(w, focus))
        control->setFocus();
    else
        w->focusWidget()->clearFocus();
    Settle();
    QCOMPARE(w->focusWidget(), Named(w, focus));

    if (toFocusWidget)
        QTest::keyClick(w->focusWidget(), Qt::Key_Up);
    else
        w.Press(Qt::Key_Up);
    QCOMPARE(w.State().PosY, std::int16_t{kCentre - kUnit});
    QCOMPARE(w.State().PosX, std::int16_t{kCentre});
}

void TestFrmMazeKeys::focusedOptionButtonStillMovesTheSelection() {
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);  // the option buttons move the focus only there
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.ui.optBlack->click();
    w.ui.optBlack->setFocus();
    QCOMPARE(w.State().MarkerColor, kBlack);

    w.Press(Qt::Key_Down);
    QCOMPARE(w.State().PosY, std::int16_t{kCentre + kUnit});
    QVERIFY(w.ui.optCyan->isChecked());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.optCyan));
    QCOMPARE(w.State().MarkerColor, kCyan);
}

void TestFrmMazeKeys::focusedButtonStillPassesTheFocusOn() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.ui.cmdDropMarker->setFocus();

    w.Press(Qt::Key_Right);
    QCOMPARE(w.State().PosX, std::int16_t{kCentre + kUnit});
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.cmdViewMap));
}

void TestFrmMazeKeys::modifiersDoNotChangeAStep_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Shift+Up") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Up") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+Shift+Up") << (Qt::ControlModifier | Qt::ShiftModifier);
}

void TestFrmMazeKeys::modifiersDoNotChangeAStep() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.Press(Qt::Key_Up, modifiers);
    QCOMPARE(w.State().PosY, std::int16_t{kCentre - kUnit});
    QCOMPARE(w.State().PosX, std::int16_t{kCentre});
}

void TestFrmMazeKeys::keysDoNothingWhileTheMapShows_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Left") << int(Qt::Key_Left);
    QTest::newRow("Up") << int(Qt::Key_Up);
    QTest::newRow("Right") << int(Qt::Key_Right);
    QTest::newRow("Down") << int(Qt::Key_Down);
    QTest::newRow("F1") << int(Qt::Key_F1);
    QTest::newRow("F2") << int(Qt::Key_F2);
    QTest::newRow("F3") << int(Qt::Key_F3);
    QTest::newRow("F4") << int(Qt::Key_F4);
}

void TestFrmMazeKeys::keysDoNothingWhileTheMapShows() {
    QFETCH(int, key);
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    QVERIFY(w.State().MapView);
    const MazeState before = w.State();
    const QImage view = w.game().picMaze().Picture().copy();
    const QImage map = w.game().picMap().Picture().copy();

    w.Press(key);
    QTest::keyClick(w->focusWidget(), static_cast<Qt::Key>(key));
    QVERIFY(w.State() == before);
    QCOMPARE(w.State().MarkerCount(13, 13), 0);
    QVERIFY(w.ui.optWhite->isChecked());
    QCOMPARE(w.game().picMaze().Picture(), view);
    QCOMPARE(w.game().picMap().Picture(), map);
    QVERIFY(w.ui.picMap->isVisible());
}

void TestFrmMazeKeys::functionKeySelectsItsColourAndDropsAMarker_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("colour");
    QTest::newRow("F1") << int(Qt::Key_F1) << "optWhite" << kWhite;
    QTest::newRow("F2") << int(Qt::Key_F2) << "optBlack" << kBlack;
    QTest::newRow("F3") << int(Qt::Key_F3) << "optCyan" << kCyan;
    QTest::newRow("F4") << int(Qt::Key_F4) << "optMagenta" << kMagenta;
}

void TestFrmMazeKeys::functionKeySelectsItsColourAndDropsAMarker() {
    QFETCH(int, key);
    QFETCH(QString, option);
    QFETCH(int, colour);
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre - kUnit, kCentre);
    // Another colour first, so that the key has to change it.
    (option == QLatin1String("optMagenta") ? w.ui.optCyan : w.ui.optMagenta)->click();
    GameSeam::SetSaved(w.game(), QStringLiteral("Y"));
    w.ui.cmdViewMap->setFocus();

    w.Press(key);
    auto* selected = w.ui.Named<QRadioButton>(qPrintable(option));
    QVERIFY(selected->isChecked());
    QCOMPARE(w.State().MarkerColor, colour);
    MazeState& s = w.State();
    QCOMPARE(s.MarkerCount(13, 13), 1);
    const CellMarkers markers = s.Markers(13, 13);
    QCOMPARE(int(markers.MarkerXs.Items()[0]), kCentre - kUnit);
    QCOMPARE(int(markers.MarkerYs.Items()[0]), kCentre);
    QCOMPARE(markers.MarkerColors.Items()[0], colour);
    QCOMPARE(w.game().picMaze().Point(kCentre - kUnit, kCentre), colour);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.picMaze));
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
}

void TestFrmMazeKeys::noKeyMakesTheGameUnsaveable_data() {
    QTest::addColumn<int>("key");       // 0: Drop Marker clicked
    QTest::addColumn<int>("posX");      // the mouse's, in the full cell's middle row
    QTest::addColumn<bool>("refused");  // a marker refused, and the player told why
    QTest::newRow("F4") << int(Qt::Key_F4) << kCentre << true;
    QTest::newRow("Drop Marker clicked") << 0 << kCentre << true;
    QTest::newRow("a step past 16 bits") << int(Qt::Key_Right) << 32700 << false;
}

// A cell has as many markers as its 16-bit count in the file allows, and the
// mouse stands there: no key and no click makes a game that cannot be saved.
void TestFrmMazeKeys::noKeyMakesTheGameUnsaveable() {
    QFETCH(int, key);
    QFETCH(int, posX);
    QFETCH(bool, refused);
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, posX, kCentre);
    for (int i = 0; i < kMaxMarkersInACell; ++i)
        AddMarker(w.State(), GameSeam::Keys(w.game()), 13, 13, kCentre, kCentre, kCyan);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full.maz"));
    QVERIFY(w.game().SaveMazeFile(path));
    const QByteArray before = ReadFileBytes(path);

    if (key)
        w.Press(key);
    else
        w.ui.cmdDropMarker->click();
    QCOMPARE(w.State().MarkerCount(13, 13), kMaxMarkersInACell);
    QCOMPARE(w.dialogs.Messages().size(), refused ? 1 : 0);
    if (refused)
        QVERIFY2(w.dialogs.Messages()[0].startsWith(QStringLiteral("Marker Not Dropped: ")),
                 qPrintable(w.dialogs.Messages()[0]));
    QVERIFY(w.game().SaveMazeFile(path));
    QCOMPARE(ReadFileBytes(path), before);
    QVERIFY(w.game().OpenMazeFile(path));
    QVERIFY(w.game().SaveMazeFile(path));
    QCOMPARE(ReadFileBytes(path), before);
}

void TestFrmMazeKeys::colourChosenByAFunctionKeySticksForDropMarker() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.Press(Qt::Key_F3);
    w.Press(Qt::Key_Up);
    QTest::mouseClick(w.ui.cmdDropMarker, Qt::LeftButton);

    const CellMarkers markers = w.State().Markers(13, 13);
    QCOMPARE(markers.Count(), 2);
    QCOMPARE(markers.MarkerColors.Items()[1], kCyan);
    QCOMPARE(int(markers.MarkerYs.Items()[1]), kCentre - kUnit);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.picMaze));
}

void TestFrmMazeKeys::enterClicksTheFocusedButtonOrElseViewMap_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("mapShows");
    QTest::addColumn<int>("markers");
    QTest::newRow("picMaze") << "picMaze" << true << 0;
    QTest::newRow("optBlack") << "optBlack" << true << 0;
    QTest::newRow("cmdViewMap") << "cmdViewMap" << true << 0;
    QTest::newRow("cmdDropMarker") << "cmdDropMarker" << false << 1;
}

void TestFrmMazeKeys::enterClicksTheFocusedButtonOrElseViewMap() {
    QFETCH(QString, focus);
    QFETCH(bool, mapShows);
    QFETCH(int, markers);
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    Named(w, focus)->setFocus();

    w.Press(Qt::Key_Return);
    QCOMPARE(w.State().MapView, mapShows);
    QCOMPARE(w.ui.picMap->isVisible(), mapShows);
    QCOMPARE(w.State().MarkerCount(13, 13), markers);
}

void TestFrmMazeKeys::fourLeftsFromTheCentreOfAnOpenCellReachSevenAndAHalfUnits() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.PressTimes(Qt::Key_Left, 4);
    QCOMPARE(w.State().PosX, std::int16_t{1350});  // 7.5 units
    QCOMPARE(w.State().PosY, std::int16_t{kCentre});
    QCOMPARE(w.State().MouseX, std::int16_t{13});
    // The mouse is drawn there: its circle's east point, half a unit away.
    QCOMPARE(w.game().picMaze().Point(1350 + kUnit / 2, kCentre), kMouseColor);
}

void TestFrmMazeKeys::leftBeyondTheWestEdgeEntersTheEastArmOfTheWesternCell() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.State().grid(12, 13) = 13;  // the western cell: its west side closed
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);

    w.PressTimes(Qt::Key_Left, 11);
    QCOMPARE(w.State().PosX, std::int16_t{90});  // the last candidate that stays
    QCOMPARE(w.State().MouseX, std::int16_t{13});

    w.Press(Qt::Key_Left);
    QCOMPARE(w.State().MouseX, std::int16_t{12});
    QCOMPARE(w.State().MouseY, std::int16_t{13});
    QCOMPARE(w.State().PosX, std::int16_t{kEastEntry});
    QCOMPARE(w.State().PosY, std::int16_t{kCentre});
    // The view shows the western cell now: its west bar.
    QCOMPARE(w.game().picMaze().Point(9.5 * kUnit, kCentre), kWallColor);
}

void TestFrmMazeKeys::rightBeyondTheEastEdgeEntersTheWesternCellAtTen() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.State().grid(14, 13) = 15;
    const int y = kCentre + kUnit;  // not the middle of the arm: y is kept
    w.PlaceMouse(13, 13, 15, kEastEntry, y);

    w.Press(Qt::Key_Right);
    QCOMPARE(w.State().MouseX, std::int16_t{14});
    QCOMPARE(w.State().PosX, std::int16_t{10});
    QCOMPARE(w.State().PosY, std::int16_t(y));
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
}

void TestFrmMazeKeys::westBarStopsTheMouseButMarksTheMazeUnsaved() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(13, 13, 13, kCentre, kCentre);  // code 13: west closed
    w.Press(Qt::Key_Left);
    QCOMPARE(w.State().PosX, std::int16_t{1890});  // 10.5 units, in front of the bar
    GameSeam::SetSaved(w.game(), QStringLiteral("Y"));
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));

    w.Press(Qt::Key_Left);
    QCOMPARE(w.State().PosX, std::int16_t{1890});
    QCOMPARE(w.State().MouseX, std::int16_t{13});
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
    QCOMPARE(w.game().picMaze().Point(1890, kCentre - kUnit / 2), kMouseColor);
}

void TestFrmMazeKeys::borderBarKeepsTheMouseInColumnOne() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.PlaceMouse(1, 13, 15, kCentre, kCentre);
    w.PressTimes(Qt::Key_Left, 14);
    QCOMPARE(w.State().MouseX, std::int16_t{1});
    QCOMPARE(w.State().PosX, std::int16_t{1890});
}

void TestFrmMazeKeys::endIsCongratulatedOnceOnReachingItsCentre() {
    TestWindow w;
    MazeState& s = w.State();
    MoveEndsAway(s);
    s.EndX = 14;
    s.EndY = 13;
    s.grid(14, 13) = 15;
    w.PlaceMouse(13, 13, 15, kEastEntry, kCentre);

    w.Press(Qt::Key_Right);  // into the end cell's west arm
    QCOMPARE(s.MouseX, std::int16_t{14});
    QCOMPARE(w.dialogs.Messages(), QStringList());
    w.PressTimes(Qt::Key_Right, 9);  // x = 1630, still in the arm
    QCOMPARE(s.PosX, std::int16_t{1630});
    QCOMPARE(w.dialogs.Messages(), QStringList());

    // While the message shows, the step has not yet changed the saved
    // indicator nor been told to a screen reader.
    GameSeam::SetSaved(w.game(), QStringLiteral("Y"));
    QStringList whileShown;
    w.dialogs.onMessage = [&] {
        whileShown << w.ui.lblSaved->text() << Speech::Of(w.ui.picMaze)->LastWords();
    };
    w.Press(Qt::Key_Right);  // x = 1810: the centre square
    const QStringList once{QStringLiteral("Congratulations!: You've reached the end of the maze!")};
    QCOMPARE(w.dialogs.Messages(), once);
    QCOMPARE(whileShown.value(0), QStringLiteral("Y"));
    QVERIFY2(!whileShown.value(1).contains(QLatin1String("End reached")),
             qPrintable(whileShown[1]));
    QVERIFY(Speech::Of(w.ui.picMaze)->LastWords().contains(QLatin1String("End reached")));
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
    QVERIFY(s.EndReached);

    w.PressTimes(Qt::Key_Right, 3);
    w.PressTimes(Qt::Key_Left, 3);
    w.PressTimes(Qt::Key_Left, 9);  // out into the arm and back in
    w.PressTimes(Qt::Key_Right, 9);
    QCOMPARE(w.dialogs.Messages(), once);
}

void TestFrmMazeKeys::markerIsDrawnAgainWhenTheMouseComesBack() {
    TestWindow w;
    MoveEndsAway(w.State());
    w.State().grid(12, 13) = 15;
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.PressTimes(Qt::Key_Left, 2);
    w.Press(Qt::Key_F2);
    const int markerX = kCentre - 2 * kUnit;
    QCOMPARE(w.game().picMaze().Point(markerX, kCentre), kBlack);

    w.PressTimes(Qt::Key_Left, 10);  // over the west edge
    QCOMPARE(w.State().MouseX, std::int16_t{12});
    QVERIFY(w.game().picMaze().Point(markerX, kCentre) != kBlack);

    w.Press(Qt::Key_Right);  // back over the edge
    QCOMPARE(w.State().MouseX, std::int16_t{13});
    QCOMPARE(w.State().PosX, std::int16_t{10});
    QCOMPARE(w.game().picMaze().Point(markerX, kCentre), kBlack);
}

void TestFrmMazeKeys::mouseStartsInTheMiddleOfTheViewWithRadiusHalfAUnit_data() {
    QTest::addColumn<int>("innerPixels");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("middle");
    QTest::newRow("unit 180") << 277 << 180 << 2070;
    QTest::newRow("unit 181") << 278 << 181 << 2082;  // 2081.5 goes to the even 2082
}

void TestFrmMazeKeys::mouseStartsInTheMiddleOfTheViewWithRadiusHalfAUnit() {
    QFETCH(int, innerPixels);
    QFETCH(int, unit);
    QFETCH(int, middle);
    FakeDialogs dialogs;
    SeededRandom random;
    Game game(QSize(innerPixels, innerPixels), QSize(277, 277), random, dialogs);
    game.Start(kFixedTimeOfDay);
    QCOMPARE(int(game.State().UnitW), unit);
    QCOMPARE(int(game.State().UnitH), unit);
    QCOMPARE(int(game.State().PosX), middle);
    QCOMPARE(int(game.State().PosY), middle);
    // Radius 90: the circle passes 90 to the east of the middle, not 120.
    QCOMPARE(game.picMaze().Point(middle + 90, middle), kMouseColor);
    QVERIFY(game.picMaze().Point(middle + 120, middle) != kMouseColor);
}

PATHWICK_TEST_CLASS(TestFrmMazeKeys)
#include "test_frmmaze_keys.moc"
