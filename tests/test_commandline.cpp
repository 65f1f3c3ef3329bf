// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: what it answers without starting, and a maze file given to it,
// opened once the game has started as File > Open opens it.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include "app/commandline.h"
#include "support/filegame.h"
#include "support/testmain.h"
#include "support/testwindow.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const QString kOpenError = QStringLiteral(
    "File Open Error: There was an error opening the file.\r\nNew maze will be generated instead");

// A game started as main() starts it, with scripted dialogs.
struct StartedGame {
    FakeDialogs dialogs;
    SeededRandom random;
    frmMaze window{random, dialogs, [] { return kFixedTimeOfDay; }};
    MazeState first = window.game().State();  // the maze the game starts with

    explicit StartedGame(const QString& file) { StartGame(window, file); }

    QString FilePathShown() {
        return window.findChild<QLabel*>(QStringLiteral("lblFilePath"))->text();
    }
};

// Saves a game with a step and a marker in it to path; returns its state.
MazeState SaveAGame(const QString& path) {
    TestWindow w;
    w.Press(Qt::Key_F2);
    w.Press(Qt::Key_Left);
    if (!w.game().SaveMazeFile(path)) qWarning("the game was not saved");
    return w.State();
}

// What a maze file keeps of a game: the grid, the start, the end, the mouse and the markers
// (cell, position, colour) in order.
QStringList Kept(const MazeState& s) {
    QStringList kept{QStringLiteral("start %1,%2 end %3,%4 mouse %5,%6 at %7,%8")
                         .arg(s.StartX)
                         .arg(s.StartY)
                         .arg(s.EndX)
                         .arg(s.EndY)
                         .arg(s.MouseX)
                         .arg(s.MouseY)
                         .arg(s.PosX)
                         .arg(s.PosY)};
    for (int x = 1; x <= kMazeSize; ++x)
        for (int y = 1; y <= kMazeSize; ++y) {
            QString cell = QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(s.grid(x, y));
            if (const auto* xs = s.MarkerXs.Find(x, y))
                for (int i = 0; i < xs->Count(); ++i)
                    cell += QStringLiteral(" marker %1,%2 %3")
                                .arg(xs->Items()[i])
                                .arg(s.MarkerYs.Find(x, y)->Items()[i])
                                .arg(s.MarkerColors.Find(x, y)->Items()[i]);
            kept.append(cell);
        }
    return kept;
}

int MarkerCount(const MazeState& s) {
    int count = 0;
    for (int x = 1; x <= kMazeSize; ++x)
        for (int y = 1; y <= kMazeSize; ++y) count += s.MarkerCount(x, y);
    return count;
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // Some tests start the game from another folder.
    void cleanup() { QDir::setCurrent(startFolder_); }

    void argumentsAreRead_data();
    void argumentsAreRead();
    void helpNamesTheFileArgument();
    void noFileStartsTheGameAsAlways();
    void validFileIsOpenedByItsWholePath_data();
    void validFileIsOpenedByItsWholePath();
    void unreadableFileIsReportedAndGivesAFreshMaze_data();
    void unreadableFileIsReportedAndGivesAFreshMaze();

private:
    const QString startFolder_ = QDir::currentPath();
};

void TestCommandLine::argumentsAreRead_data() {
    using Answer = CommandLine::Answer;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("ignored");
    const auto row = [](const char* name, QStringList arguments, Answer answer, QString file,
                        int ignored) {
        arguments.prepend(QStringLiteral("pathwick"));
        QTest::newRow(name) << arguments << answer << file << ignored;
    };
    row("nothing", {}, Answer::kNone, {}, 0);
    row("a file", {"a.maz"}, Answer::kNone, "a.maz", 0);
    row("--help", {"--help"}, Answer::kHelp, {}, 0);
    row("-h", {"-h"}, Answer::kHelp, {}, 0);
    row("--version", {"--version"}, Answer::kVersion, {}, 0);
    row("-version, one dash", {"-version"}, Answer::kVersion, {}, 0);
    row("first answer wins: version", {"--version", "--help"}, Answer::kVersion, {}, 0);
    row("first answer wins: help", {"a.maz", "-h", "--version"}, Answer::kHelp, "a.maz", 0);
    row("unknown option", {"--fullscreen", "a.maz"}, Answer::kNone, "a.maz", 1);
    row("two files", {"a.maz", "b.maz"}, Answer::kNone, "a.maz", 1);
    row("a file named like an option", {"--", "-h.maz"}, Answer::kNone, "-h.maz", 0);
    row("file URI", {"file:///home/me/M%C3%A4ze%20%231.maz"}, Answer::kNone,
        "/home/me/M\u00e4ze #1.maz", 0);
    row("file URI of localhost", {"FILE://localhost/tmp/a.maz"}, Answer::kNone, "/tmp/a.maz", 0);
}

void TestCommandLine::argumentsAreRead() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Answer, answer);
    QFETCH(QString, file);
    QFETCH(int, ignored);
    const CommandLine line = ParseCommandLine(arguments);
    QCOMPARE(line.answer, answer);
    QCOMPARE(line.file, file);
    QCOMPARE(line.ignored.size(), ignored);
}

void TestCommandLine::helpNamesTheFileArgument() {
    QVERIFY(HelpText().startsWith(QStringLiteral("Usage: pathwick [--help] [--version] [FILE]\n")));
}

void TestCommandLine::noFileStartsTheGameAsAlways() {
    StartedGame g({});
    QVERIFY(QTest::qWaitForWindowExposed(&g.window));
    Settle();
    QVERIFY(g.dialogs.shown.isEmpty());
    QCOMPARE(g.FilePathShown(), QString());
    QCOMPARE(g.window.game().State(), g.first);
}

void TestCommandLine::validFileIsOpenedByItsWholePath_data() {
    QTest::addColumn<QString>("argument");  // DIR: the folder of the file, the current folder
    QTest::newRow("whole path") << "DIR/saved g\u00e4me.maz";
    QTest::newRow("relative to the current folder") << "saved g\u00e4me.maz";
    QTest::newRow("file URI, percent-encoded") << "file://DIR/saved%20g%C3%A4me.maz";
}

void TestCommandLine::validFileIsOpenedByItsWholePath() {
    QFETCH(QString, argument);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("saved g\u00e4me.maz"));
    const MazeState saved = SaveAGame(path);
    QCOMPARE(MarkerCount(saved), 1);
    QVERIFY(QDir::setCurrent(dir.path()));

    StartedGame g(ParseCommandLine({"pathwick", argument.replace("DIR", dir.path())}).file);
    QVERIFY(g.window.isVisible());
    QTRY_VERIFY(!g.FilePathShown().isEmpty());
    QVERIFY(QFileInfo(g.FilePathShown()).isAbsolute());
    QCOMPARE(QFileInfo(g.FilePathShown()).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    QCOMPARE(g.window.game().Saved(), QStringLiteral("Y"));
    QCOMPARE(Kept(g.window.game().State()), Kept(saved));
    QVERIFY(g.dialogs.shown.isEmpty());
}

void TestCommandLine::unreadableFileIsReportedAndGivesAFreshMaze_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    // One file the reader refuses and one that is not there: the kinds of broken file are
    // File > Open's tests; here the argument must reach the same failure path.
    QTest::newRow("not a maze") << QByteArray("<html>\n") << true;
    QTest::newRow("missing file") << QByteArray() << false;
}

void TestCommandLine::unreadableFileIsReportedAndGivesAFreshMaze() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString bad = dir.filePath(QStringLiteral("bad.maz"));
    if (exists) QVERIFY(WriteFileBytes(bad, contents));

    StartedGame g(bad);
    QVERIFY(g.window.isVisible());
    QTRY_COMPARE(g.dialogs.Messages(), QStringList{kOpenError});
    QCOMPARE(g.FilePathShown(), QString());
    QCOMPARE(g.window.game().Saved(), QStringLiteral("N"));
    // Another maze than the one the game started with, the mouse on its start, no markers.
    const MazeState& s = g.window.game().State();
    QVERIFY(!(s.grid == g.first.grid));
    QVERIFY(s.grid(s.StartX, s.StartY) != 0 && s.grid(s.EndX, s.EndY) != 0);
    QCOMPARE(s.MouseX, s.StartX);
    QCOMPARE(s.MouseY, s.StartY);
    QCOMPARE(MarkerCount(s), 0);
}

PATHWICK_TEST_CLASS(TestCommandLine)
#include "test_commandline.moc"
