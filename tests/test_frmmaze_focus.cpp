// The keyboard player's ways round the window: access keys, Tab, Enter and the
// view switch only ever reach a control that shows, and the arrow keys walk
// the colour choices in their order.

#include <QCheckBox>
#include <QRadioButton>
#include <algorithm>

#include "support/testmain.h"
#include "test_frmmaze_support.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

constexpr int kUnit = 180;
constexpr int kCentre = 2070;

// The control shows: it is visible and nothing else of the window lies over
// its middle.
bool Shows(frmMaze& window, QWidget* control) {
    if (!control || !control->isVisible()) return false;
    const QPoint middle = control->mapTo(&window, control->rect().center());
    QWidget* top = window.childAt(middle);
    return top == control || control->isAncestorOf(top);
}

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

}  // namespace

class TestFrmMazeFocus : public QObject {
    Q_OBJECT

private slots:
    void keyboardReachesOnlyControlsThatShow_data();
    void keyboardReachesOnlyControlsThatShow();
    void arrowKeysWalkTheColoursInTheirOrder_data();
    void arrowKeysWalkTheColoursInTheirOrder();
};

void TestFrmMazeFocus::keyboardReachesOnlyControlsThatShow_data() {
    QTest::addColumn<bool>("map");          // the map shows before the keys
    QTest::addColumn<QString>("focus");     // the control focused before the keys
    QTest::addColumn<QStringList>("keys");  // pressed one after another
    QTest::addColumn<QStringList>("path");  // the control focused after each key
    using L = QStringList;
    // The marker colour frames' access key, also with the check boxes left
    // focused on the way out of the map.
    QTest::newRow("map: Alt+M") << true << "cmdViewMap" << L{"Alt+M"} << L{"chkWhite"};
    QTest::newRow("map: Alt+M again")
        << true << "chkCyan" << L{"Alt+M", "Alt+M", "Alt+M"} << L{"chkCyan", "chkCyan", "chkCyan"};
    QTest::newRow("map: Alt+M, Space")
        << true << "picMap" << L{"Alt+M", "Space"} << L{"chkWhite", "chkWhite"};
    QTest::newRow("cell: Alt+M") << false << "picMaze" << L{"Alt+M"} << L{"optWhite"};
    QTest::newRow("cell: Alt+M after a check box on the map")
        << true << "chkCyan" << L{"Alt+V", "Alt+M"} << L{"picMaze", "optWhite"};
    QTest::newRow("cell: Alt+M, Down after Enter on the map")
        << true << "chkBlack" << L{"Return", "Alt+M", "Down"}
        << L{"picMaze", "optWhite", "optBlack"};
    // The buttons' access keys.
    QTest::newRow("cell: Alt+D") << false << "optBlack" << L{"Alt+D"} << L{"picMaze"};
    QTest::newRow("map: Alt+D") << true << "chkBlack" << L{"Alt+D"} << L{"chkBlack"};
    QTest::newRow("cell: Alt+V") << false << "optBlack" << L{"Alt+V"} << L{"chkWhite"};
    QTest::newRow("map: Alt+V") << true << "chkBlack" << L{"Alt+V"} << L{"picMaze"};
    // Tab and Shift+Tab once round each view.
    QTest::newRow("cell: Tab round") << false << "picMaze" << L(4, "Tab")
                                     << L{"optWhite", "cmdDropMarker", "cmdViewMap", "picMaze"};
    QTest::newRow("cell: Shift+Tab round")
        << false << "picMaze" << L(4, "Shift+Tab")
        << L{"cmdViewMap", "cmdDropMarker", "optWhite", "picMaze"};
    QTest::newRow("map: Tab round") << true << "cmdViewMap" << L(7, "Tab")
                                    << L{"picMap",     "chkWhite",      "chkBlack",  "chkCyan",
                                         "chkMagenta", "cmdDropMarker", "cmdViewMap"};
    QTest::newRow("map: Shift+Tab round")
        << true << "cmdViewMap" << L(7, "Shift+Tab")
        << L{"cmdDropMarker", "chkMagenta", "chkCyan",   "chkBlack",
             "chkWhite",      "picMap",     "cmdViewMap"};
    // Enter answers the default button, which switches the view under the
    // focused control.
    QTest::newRow("cell: Enter on picMaze") << false << "picMaze" << L{"Return"} << L{"chkWhite"};
    QTest::newRow("cell: Enter on optCyan, Space")
        << false << "optCyan" << L{"Return", "Space"} << L{"chkWhite", "chkWhite"};
    QTest::newRow("cell: Enter on cmdViewMap")
        << false << "cmdViewMap" << L{"Return"} << L{"cmdViewMap"};
    QTest::newRow("map: Enter on chkCyan") << true << "chkCyan" << L{"Return"} << L{"picMaze"};
    QTest::newRow("map: Enter on picMap") << true << "picMap" << L{"Return"} << L{"picMaze"};
    QTest::newRow("there and back by Enter, Tab")
        << false << "picMaze" << L{"Return", "Return", "Tab"}
        << L{"chkWhite", "picMaze", "optWhite"};
}

void TestFrmMazeFocus::keyboardReachesOnlyControlsThatShow() {
    QFETCH(bool, map);
    QFETCH(QString, focus);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, path);
    TestWindow w;
    if (map) QTest::mouseClick(w->cmdViewMap, Qt::LeftButton);
    QCOMPARE(w.state().MapView, map);
    w.Control(qPrintable(focus))->setFocus();
    Settle();
    QCOMPARE(FocusName(), focus);
    const MazeState before = w.state();
    const int boxes[] = {w->chkWhite->Value(), w->chkBlack->Value(), w->chkCyan->Value(),
                         w->chkMagenta->Value()};

    QStringList visited;
    for (const QString& key : keys) {
        QTest::keySequence(w->windowHandle(), QKeySequence(key));
        // An access key clicks its button a moment later.
        QTRY_VERIFY(!w->cmdDropMarker->isDown() && !w->cmdViewMap->isDown());
        Settle();
        visited.append(FocusName());
        QVERIFY2(Shows(*w, QApplication::focusWidget()),
                 qPrintable(key + QStringLiteral(" left the focus on ") + FocusName()));
        // Nothing changes behind the player's back: the covered option
        // buttons keep the colour, hidden check boxes keep their ticks.
        if (!Shows(*w, w->optWhite)) QCOMPARE(w.state().MarkerColor, before.MarkerColor);
        if (!w->fraMarkerColorChks->isVisible()) {
            const int now[] = {w->chkWhite->Value(), w->chkBlack->Value(), w->chkCyan->Value(),
                               w->chkMagenta->Value()};
            QVERIFY(std::equal(std::begin(now), std::end(now), std::begin(boxes)));
        }
    }
    QCOMPARE(visited, path);
}

void TestFrmMazeFocus::arrowKeysWalkTheColoursInTheirOrder_data() {
    QTest::addColumn<QString>("focus");    // the focused option button
    QTest::addColumn<QString>("checked");  // the selected one
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("colour");
    QTest::newRow("White, Down") << "optWhite"
                                 << "optWhite" << int(Qt::Key_Down) << "optBlack" << kBlack;
    QTest::newRow("White, Right") << "optWhite"
                                  << "optWhite" << int(Qt::Key_Right) << "optBlack" << kBlack;
    QTest::newRow("White, Up") << "optWhite"
                               << "optWhite" << int(Qt::Key_Up) << "optMagenta" << kMagenta;
    QTest::newRow("White, Left") << "optWhite"
                                 << "optWhite" << int(Qt::Key_Left) << "optMagenta" << kMagenta;
    QTest::newRow("Black, Right") << "optBlack"
                                  << "optBlack" << int(Qt::Key_Right) << "optCyan" << kCyan;
    QTest::newRow("Cyan, Left") << "optCyan"
                                << "optCyan" << int(Qt::Key_Left) << "optBlack" << kBlack;
    QTest::newRow("Cyan, Right") << "optCyan"
                                 << "optCyan" << int(Qt::Key_Right) << "optMagenta" << kMagenta;
    QTest::newRow("Magenta, Right") << "optMagenta"
                                    << "optMagenta" << int(Qt::Key_Right) << "optWhite" << kWhite;
    QTest::newRow("Magenta, Up") << "optMagenta"
                                 << "optMagenta" << int(Qt::Key_Up) << "optCyan" << kCyan;
}

void TestFrmMazeFocus::arrowKeysWalkTheColoursInTheirOrder() {
    QFETCH(QString, focus);
    QFETCH(QString, checked);
    QFETCH(int, key);
    QFETCH(QString, chosen);
    QFETCH(int, colour);
    TestWindow w;
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.state().StartX = w.state().StartY = 1;
    w.state().EndX = w.state().EndY = 25;
    w.Control<QRadioButton>(qPrintable(checked))->click();
    w.Control(qPrintable(focus))->setFocus();

    w.Press(key);
    auto* selected = w.Control<QRadioButton>(qPrintable(chosen));
    QVERIFY(selected->isChecked());
    QCOMPARE(FocusName(), chosen);
    QCOMPARE(w.state().MarkerColor, colour);
    // The key moved the mouse as well, one unit.
    const int dx = key == Qt::Key_Left ? -kUnit : key == Qt::Key_Right ? kUnit : 0;
    const int dy = key == Qt::Key_Up ? -kUnit : key == Qt::Key_Down ? kUnit : 0;
    QCOMPARE(int(w.state().PosX), kCentre + dx);
    QCOMPARE(int(w.state().PosY), kCentre + dy);
}

PATHWICK_TEST_MAIN(TestFrmMazeFocus)
#include "test_frmmaze_focus.moc"
