#pragma once

#include <QApplication>
#include <QtTest>

namespace pathwick::testing {

// The platform the tests run on: offscreen unless QT_QPA_PLATFORM names another, so the tests
// need no display. PATHWICK_TEST_PLATFORM names the platform over both: ctest sets
// QT_QPA_PLATFORM=offscreen for every test, and scripts/test-lane.sh runs the window tests
// again on a real display server (xcb, wayland) through it. Call before QApplication exists.
inline void ChooseTestPlatform() {
    const QByteArray lane = qgetenv("PATHWICK_TEST_PLATFORM");
    if (!lane.isEmpty())
        qputenv("QT_QPA_PLATFORM", lane);
    else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace pathwick::testing

// Like QTEST_MAIN, but on the platform ChooseTestPlatform() picks.
#define PATHWICK_TEST_MAIN(TestClass)            \
    int main(int argc, char** argv) {            \
        pathwick::testing::ChooseTestPlatform(); \
        QApplication app(argc, argv);            \
        TestClass tc;                            \
        QTEST_SET_MAIN_SOURCE_PATH               \
        return QTest::qExec(&tc, argc, argv);    \
    }
