#pragma once

#include <QApplication>
#include <QtTest>

// Like QTEST_MAIN, but runs on the offscreen platform unless told otherwise,
// so the tests need no display.
#define PATHWICK_TEST_MAIN(TestClass)                       \
    int main(int argc, char** argv) {                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) \
            qputenv("QT_QPA_PLATFORM", "offscreen");        \
        QApplication app(argc, argv);                       \
        TestClass tc;                                       \
        QTEST_SET_MAIN_SOURCE_PATH                          \
        return QTest::qExec(&tc, argc, argv);               \
    }
