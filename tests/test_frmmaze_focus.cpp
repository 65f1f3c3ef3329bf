// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard player's ways round the window: access keys, Tab, Enter and the
// view switch only ever reach a control that shows, and the arrow keys walk
// the colour choices in their order.

#include <QRadioButton>

#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/speech.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

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
    // The view that shows, the focused control, then each key with the
    // control it leaves the focus on.
    QTest::addColumn<QString>("route");
    for (const char* route :
         {"map cmdViewMap Alt+M>chkWhite", "map chkCyan Alt+M>chkCyan Alt+M>chkCyan",
          "cell picMaze Alt+M>optWhite", "map chkCyan Alt+V>picMaze Alt+M>optWhite",
          "map chkBlack Return>picMaze Alt+M>optWhite Down>optBlack", "cell optBlack Alt+D>picMaze",
          "map chkBlack Alt+D>chkBlack", "cell optBlack Alt+V>chkWhite",
          "map chkBlack Alt+V>picMaze",
          "cell picMaze Tab>optWhite Tab>cmdDropMarker Tab>cmdViewMap Tab>picMaze",
          "cell picMaze Shift+Tab>cmdViewMap Shift+Tab>cmdDropMarker Shift+Tab>optWhite",
          "map cmdViewMap Tab>picMap Tab>chkWhite Tab>chkBlack Tab>chkCyan Tab>chkMagenta "
          "Tab>cmdDropMarker Tab>cmdViewMap",
          "map cmdViewMap Shift+Tab>cmdDropMarker Shift+Tab>chkMagenta Shift+Tab>chkCyan "
          "Shift+Tab>chkBlack Shift+Tab>chkWhite Shift+Tab>picMap Shift+Tab>cmdViewMap",
          "cell picMaze Return>chkWhite Return>picMaze Tab>optWhite",
          "cell optCyan Return>chkWhite", "cell cmdViewMap Return>cmdViewMap",
          "map chkCyan Return>picMaze", "map picMap Return>picMaze",
          // The keypad's Enter is the screen reader's, never the view switch.
          "cell picMaze Enter>picMaze Tab>optWhite",
          // The colours are one tab stop, entered at the chosen one, left both ways.
          "cell picMaze Tab>optWhite Down>optBlack Tab>cmdDropMarker Shift+Tab>optBlack "
          "Shift+Tab>picMaze"})
        QTest::newRow(route) << QString::fromLatin1(route);
}

void TestFrmMazeFocus::keyboardReachesOnlyControlsThatShow() {
    QFETCH(QString, route);
    const QStringList steps = route.split(QLatin1Char(' '));
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);  // the keyboard goes to the active window
    if (steps[0] == QLatin1String("map")) QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    w.ui.Named<QWidget>(qPrintable(steps[1]))->setFocus();
    QCOMPARE(FocusName(), steps[1]);

    for (const QString& step : steps.mid(2)) {
        const QString key = step.section(QLatin1Char('>'), 0, 0);
        QTest::keySequence(w->windowHandle(), QKeySequence(key));
        // An access key clicks its button a moment later.
        QTRY_VERIFY(!w.ui.cmdDropMarker->isDown() && !w.ui.cmdViewMap->isDown());
        Settle();
        QVERIFY2(Shows(*w, QApplication::focusWidget()), qPrintable(step + " on " + FocusName()));
        QCOMPARE(FocusName(), step.section(QLatin1Char('>'), 1));
    }
}

void TestFrmMazeFocus::arrowKeysWalkTheColoursInTheirOrder_data() {
    QTest::addColumn<QString>("focus");  // the chosen and focused option button
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("colour");
    QTest::newRow("White, Down") << "optWhite" << int(Qt::Key_Down) << "optBlack" << kBlack;
    QTest::newRow("White, Right") << "optWhite" << int(Qt::Key_Right) << "optBlack" << kBlack;
    QTest::newRow("White, Up") << "optWhite" << int(Qt::Key_Up) << "optMagenta" << kMagenta;
    QTest::newRow("White, Left") << "optWhite" << int(Qt::Key_Left) << "optMagenta" << kMagenta;
    QTest::newRow("Cyan, Left") << "optCyan" << int(Qt::Key_Left) << "optBlack" << kBlack;
    QTest::newRow("Cyan, Right") << "optCyan" << int(Qt::Key_Right) << "optMagenta" << kMagenta;
    QTest::newRow("Magenta, Right") << "optMagenta" << int(Qt::Key_Right) << "optWhite" << kWhite;
}

void TestFrmMazeFocus::arrowKeysWalkTheColoursInTheirOrder() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, chosen);
    QFETCH(int, colour);
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);  // the keyboard goes to the active window
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.ui.Named<QRadioButton>(qPrintable(focus))->click();
    w.ui.Named<QWidget>(qPrintable(focus))->setFocus();

    w.Press(key);
    QVERIFY(w.ui.Named<QRadioButton>(qPrintable(chosen))->isChecked());
    QCOMPARE(FocusName(), chosen);
    QCOMPARE(w.State().MarkerColor, colour);
    // The key moved the mouse as well, one unit.
    const int dx = key == Qt::Key_Left ? -kUnit : key == Qt::Key_Right ? kUnit : 0;
    const int dy = key == Qt::Key_Up ? -kUnit : key == Qt::Key_Down ? kUnit : 0;
    QCOMPARE(QPoint(w.State().PosX, w.State().PosY), QPoint(kCentre + dx, kCentre + dy));
    // Both are said: the colour, then where the mouse went.
    const QString said = Speech::Of(w.ui.picMaze)->LastWords();
    const QString name =
        w.ui.Named<QRadioButton>(qPrintable(chosen))->text().remove(QLatin1Char('&'));
    QVERIFY2(said.startsWith(name + QStringLiteral(" chosen. In the centre, 1 step ")),
             qPrintable(said));
}

PATHWICK_TEST_CLASS(TestFrmMazeFocus)
#include "test_frmmaze_focus.moc"
