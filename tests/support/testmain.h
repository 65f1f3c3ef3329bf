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

}  // namespace pathwick::testing

#define PATHWICK_TEST_CLASS_SETUP(TestClass, beforeApplication)                                 \
    namespace {                                                                                 \
    [[maybe_unused]] const bool registered##TestClass = ::pathwick::testing::RegisterTestClass( \
        {__FILE__, []() -> std::unique_ptr<QObject> { return std::make_unique<TestClass>(); },  \
         beforeApplication});                                                                   \
    }

// Registers TestClass with the test program; it runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise, so the tests need no display.
#define PATHWICK_TEST_CLASS(TestClass) PATHWICK_TEST_CLASS_SETUP(TestClass, nullptr)
