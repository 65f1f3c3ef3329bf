// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The test programs group the test classes of one layer. Each tests/test_*.cpp
// holds one QtTest class and registers it under its file's name with
// PATHWICK_TEST_CLASS; the program's main (testmain.cpp) runs the class named
// by its first argument, each in a process of its own, as ctest does:
//
//     build/tests/tests_ui test_frmmaze [QtTest options and test functions]
//
// Without a name it runs every class it holds, one process each.

#include <QObject>
#include <QtTest>
#include <memory>

namespace pathwick::testing {

struct TestClassEntry {
    const char* file;                       // the source file, for QFINDTESTDATA
    std::unique_ptr<QObject> (*create)();   // a fresh test object
    void (*beforeApplication)() = nullptr;  // environment the class needs before the app
};

// Adds a class to the program's list; true, so it can initialise a constant.
bool RegisterTestClass(const TestClassEntry& entry);

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

#define PATHWICK_TEST_CLASS_SETUP(TestClass, beforeApplication)                                 \
    namespace {                                                                                 \
    [[maybe_unused]] const bool registered##TestClass = ::pathwick::testing::RegisterTestClass( \
        {__FILE__, []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); },  \
         beforeApplication});                                                                   \
    }

// Registers TestClass with the test program; it runs on the platform ChooseTestPlatform() picks.
#define PATHWICK_TEST_CLASS(TestClass) PATHWICK_TEST_CLASS_SETUP(TestClass, nullptr)
