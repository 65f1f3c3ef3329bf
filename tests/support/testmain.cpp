// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every grouped test program.

#include "support/testmain.h"

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace pathwick::testing {

namespace {

std::vector<TestClassEntry>& Registry() {
    static std::vector<TestClassEntry> entries;
    return entries;
}

QString NameOf(const TestClassEntry& entry) {
    return QFileInfo(QString::fromLocal8Bit(entry.file)).completeBaseName();
}

const TestClassEntry* Find(const char* name) {
    for (const TestClassEntry& entry : Registry())
        if (NameOf(entry) == QLatin1String(name)) return &entry;
    return nullptr;
}

// Runs one class in this process; argv[1] is its name, the rest go to QtTest.
int RunOne(const TestClassEntry& entry, int argc, char** argv) {
    ChooseTestPlatform();
    // What the game keeps between runs stays in the test's own folder.
    const QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    if (entry.beforeApplication) entry.beforeApplication();
    // QtTest sees the program name and the options, not the class name.
    std::vector<char*> args{argv[0]};
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    QApplication app(count, args.data());
    std::unique_ptr<QObject> test = entry.create();
    QTest::setMainSourcePath(entry.file);
    return QTest::qExec(test.get(), count, args.data());
}

// Runs every class, each in a process of its own, as ctest would.
int RunAll(const char* program) {
    int failed = 0;
    for (const TestClassEntry& entry : Registry()) {
        const QString name = NameOf(entry);
        if (QProcess::execute(QString::fromLocal8Bit(program), {name}) != 0) {
            ++failed;
            qWarning("FAILED: %s", qPrintable(name));
        }
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace

bool RegisterTestClass(const TestClassEntry& entry) {
    Registry().push_back(entry);
    return true;
}

}  // namespace pathwick::testing

int main(int argc, char** argv) {
    using namespace pathwick::testing;
    if (argc < 2) return RunAll(argv[0]);
    if (const TestClassEntry* entry = Find(argv[1])) return RunOne(*entry, argc, argv);
    fprintf(stderr, "Usage: %s [TEST_FILE_NAME [QtTest options]]\nTest classes here:\n", argv[0]);
    for (const TestClassEntry& entry : Registry())
        fprintf(stderr, "  %s\n", qPrintable(NameOf(entry)));
    return 2;
}
