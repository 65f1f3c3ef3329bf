// SPDX-License-Identifier: GPL-3.0-or-later
// Writing maze files: the format byte for byte, "&Save" and "Save &As...",
// and every way a save can fail without harming the previous file.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/mazeformat.h"
#include "support/filegame.h"
#include "support/testmain.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const QString kSaveErrorMessage =
    QStringLiteral("File Save Error: There was an error saving the file.");

// Splits a file into its records at every CR LF; what follows the last one
// is left out.
QList<QByteArray> Records(const QByteArray& bytes) {
    QList<QByteArray> records;
    qsizetype start = 0;
    for (qsizetype end; (end = bytes.indexOf("\r\n", start)) >= 0; start = end + 2)
        records.append(bytes.mid(start, end - start));
    return records;
}

// A file size limit for this process while it lives: writes past it fail
// (as on a full disk) instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }
    bool Active() const { return active_; }

private:
    rlimit old_{};
    sighandler_t oldHandler_ = SIG_DFL;
    bool active_ = false;
};

}  // namespace

class TestMazeFileSave : public QObject {
    Q_OBJECT

    // A game saved to previous and then changed by a marker, so that a
    // successful save would change the file.
    struct SavedGame {
        FileGame g;
        QString previous;
        QByteArray previousBytes;
    };

    static void SaveThenChange(SavedGame& s, const QString& path) {
        s.previous = path;
        QVERIFY(s.g.game.SaveMazeFile(path));
        s.previousBytes = ReadFileBytes(path);
        s.g.game.DropMarker();
        QCOMPARE(s.g.game.Saved(), QStringLiteral("N"));
    }

    // Saves to path, which must fail: the message, the labels and the game as
    // they were.
    static void CheckSaveFails(FileGame& g, const QString& path) {
        const MazeState before = g.game.State();
        const QString filePath = g.game.FilePath();
        const QString saved = g.game.Saved();
        QVERIFY(!g.game.SaveMazeFile(path));
        QCOMPARE(g.dialogs.Messages(), QStringList{kSaveErrorMessage});
        QCOMPARE(g.game.FilePath(), filePath);
        QCOMPARE(g.game.Saved(), saved);
        QVERIFY(g.game.State() == before);
    }

private slots:
    void workedExampleComesOutByteForByte() {
        QTemporaryDir dir;
        FileGame g;
        MazeState& s = g.game.State();
        s.StartX = 1;
        s.StartY = 14;
        s.EndX = 25;
        s.EndY = 9;
        s.MouseX = 1;
        s.MouseY = 14;
        s.PosX = 2070;
        s.PosY = 2070;
        s.grid(1, 1) = 12;
        s.grid(1, 2) = 7;
        s.grid(1, 3) = 5;
        s.EmptyMarkers();
        AddMarker(s, g.game.Keys(), 1, 2, 1620, 2070, kWhite);
        AddMarker(s, g.game.Keys(), 1, 2, 2070, 1620, kCyan);

        const QString path = dir.filePath(QStringLiteral("example.maz"));
        QVERIFY(g.game.SaveMazeFile(path));
        const QByteArray expected = QByteArray::fromHex(
            "31 2C 31 34 0D 0A"
            "32 35 2C 39 0D 0A"
            "31 2C 31 34 0D 0A"
            "32 30 37 30 2C 32 30 37 30 0D 0A"
            "31 32 0D 0A"
            "30 0D 0A"
            "37 0D 0A"
            "32 0D 0A"
            "31 36 32 30 2C 32 30 37 30 2C 31 36 37 37 37 32 31 35 0D 0A"
            "32 30 37 30 2C 31 36 32 30 2C 31 36 37 37 36 39 36 30 0D 0A"
            // and on with the block of cell (1, 3): code 5, no markers
            "35 0D 0A 30 0D 0A");
        QCOMPARE(ReadFileBytes(path).left(expected.size()), expected);
    }

    void gameWithoutMarkersGives1254RecordsColumnByColumn() {
        QTemporaryDir dir;
        FileGame g(7.25f);
        const MazeState& s = g.game.State();
        const QString path = dir.filePath(QStringLiteral("plain.maz"));
        QVERIFY(g.game.SaveMazeFile(path));
        const QByteArray bytes = ReadFileBytes(path);

        QVERIFY(bytes.endsWith("\r\n"));
        const QList<QByteArray> records = Records(bytes);
        QCOMPARE(records.size(), 1254);
        // Decimal numbers without leading zeros, single commas, nothing else.
        const QRegularExpression record(QStringLiteral("^(0|-?[1-9][0-9]*)(,(0|-?[1-9][0-9]*))*$"));
        for (const QByteArray& r : records)
            QVERIFY2(record.match(QString::fromLatin1(r)).hasMatch(), r.constData());

        const auto pair = [](int a, int b) {
            return QByteArray::number(a) + ',' + QByteArray::number(b);
        };
        QCOMPARE(records[0], pair(s.StartX, s.StartY));
        QCOMPARE(records[1], pair(s.EndX, s.EndY));
        QCOMPARE(records[2], pair(s.MouseX, s.MouseY));
        QCOMPARE(records[3], pair(s.PosX, s.PosY));
        for (int k = 0; k < kCellCount; ++k) {
            const int x = k / kMazeSize + 1;
            const int y = k % kMazeSize + 1;
            QCOMPARE(records[4 + 2 * k], QByteArray::number(s.grid(x, y)));
            QCOMPARE(records[5 + 2 * k], QByteArray("0"));
        }
    }

    void cellWithThreeMarkersListsThemInDropOrder() {
        QTemporaryDir dir;
        FileGame g;
        MazeState& s = g.game.State();
        const struct {
            int x, y;
            Color colour;
        } drops[] = {{1000, 1100, kWhite}, {1200, 1300, kBlack}, {1400, 1500, kMagenta}};
        for (const auto& d : drops) {
            s.PosX = static_cast<std::int16_t>(d.x);
            s.PosY = static_cast<std::int16_t>(d.y);
            s.MarkerColor = d.colour;
            g.game.DropMarker();
        }
        const QString path = dir.filePath(QStringLiteral("three.maz"));
        QVERIFY(g.game.SaveMazeFile(path));

        const QList<QByteArray> records = Records(ReadFileBytes(path));
        QCOMPARE(records.size(), 1254 + 3);
        const int block = 4 + 2 * ((s.MouseX - 1) * kMazeSize + (s.MouseY - 1));
        QCOMPARE(records[block], QByteArray::number(s.grid(s.MouseX, s.MouseY)));
        QCOMPARE(records[block + 1], QByteArray("3"));
        QCOMPARE(records[block + 2], QByteArray("1000,1100,16777215"));
        QCOMPARE(records[block + 3], QByteArray("1200,1300,0"));
        QCOMPARE(records[block + 4], QByteArray("1400,1500,16711935"));
    }

    void savingTwiceGivesIdenticalFiles() {
        QTemporaryDir dir;
        FileGame g(3.5f);
        for (int i = 0; i < 5; ++i) {
            AddMarker(g.game.State(), g.game.Keys(), 1 + i, 2 + i,
                      static_cast<std::int16_t>(100 * i), -7, kCyan);
        }
        const QString first = dir.filePath(QStringLiteral("first.maz"));
        const QString second = dir.filePath(QStringLiteral("second.maz"));
        QVERIFY(g.game.SaveMazeFile(first));
        const QByteArray bytes = ReadFileBytes(first);
        QVERIFY(g.game.SaveMazeFile(first));
        QVERIFY(g.game.SaveMazeFile(second));
        QCOMPARE(ReadFileBytes(first), bytes);
        QCOMPARE(ReadFileBytes(second), bytes);
    }

    void successfulSaveSetsLabelsAndLeavesGameAlone() {
        QTemporaryDir dir;
        FileGame g;
        g.game.DropMarker();
        const MazeState before = g.game.State();
        const QString path = dir.filePath(QStringLiteral("game.maz"));
        QVERIFY(g.game.SaveMazeFile(path));
        QCOMPARE(g.game.FilePath(), path);
        QCOMPARE(g.game.Saved(), QStringLiteral("Y"));
        QVERIFY(g.game.State() == before);
        QVERIFY(g.dialogs.shown.isEmpty());
    }

    void saveOfGameWithoutFileShowsSaveAsDialog() {
        QTemporaryDir dir;
        FileGame g;
        const QString path = dir.filePath(QStringLiteral("new.maz"));
        g.dialogs.fileNames = {path};
        g.game.Save();

        QCOMPARE(g.dialogs.Count(QStringLiteral("save")), 1);
        const FileDialogSetup& setup = g.dialogs.shown.first().setup;
        QCOMPARE(setup.fileName, QString());
        const QList<std::pair<QString, QString>> filters{
            {QStringLiteral("Text (*.txt) "), QStringLiteral("*.txt")},
            {QStringLiteral("Maze file (*.maz) "), QStringLiteral("*.maz")}};
        QCOMPARE(setup.filters, filters);
        QCOMPARE(setup.filterIndex, 2);
        QCOMPARE(ReadFileBytes(path), MazeFileBytes(g.game.State()).value());
        QCOMPARE(g.game.FilePath(), path);
        QCOMPARE(g.game.Saved(), QStringLiteral("Y"));
    }

    void saveOfGameWithFileWritesThereWithoutDialog() {
        QTemporaryDir dir;
        SavedGame s;
        SaveThenChange(s, dir.filePath(QStringLiteral("game.maz")));
        s.g.game.Save();
        QVERIFY(s.g.dialogs.shown.isEmpty());
        QCOMPARE(ReadFileBytes(s.previous), MazeFileBytes(s.g.game.State()).value());
        QVERIFY(ReadFileBytes(s.previous) != s.previousBytes);
        QCOMPARE(s.g.game.Saved(), QStringLiteral("Y"));
    }

    void saveAsProposesTheCurrentFile() {
        QTemporaryDir dir;
        SavedGame s;
        SaveThenChange(s, dir.filePath(QStringLiteral("game.maz")));
        const QString other = dir.filePath(QStringLiteral("other.txt"));
        s.g.dialogs.fileNames = {other};
        s.g.game.SaveAs();
        QCOMPARE(s.g.dialogs.shown.first().setup.fileName, s.previous);
        QCOMPARE(s.g.dialogs.shown.first().setup.filterIndex, 2);
        QCOMPARE(s.g.game.FilePath(), other);
        QCOMPARE(ReadFileBytes(other), MazeFileBytes(s.g.game.State()).value());
        QCOMPARE(ReadFileBytes(s.previous), s.previousBytes);
    }

    void cancelInSaveAsWritesNothing_data() {
        QTest::addColumn<bool>("hasFile");
        QTest::newRow("game without a file") << false;
        QTest::newRow("game with a file") << true;
    }
    void cancelInSaveAsWritesNothing() {
        QFETCH(bool, hasFile);
        QTemporaryDir dir;
        SavedGame s;
        if (hasFile) SaveThenChange(s, dir.filePath(QStringLiteral("game.maz")));
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        const QString filePath = s.g.game.FilePath();

        s.g.game.SaveAs();  // no name queued: the player cancels

        QCOMPARE(s.g.dialogs.Count(QStringLiteral("save")), 1);
        QCOMPARE(s.g.dialogs.Messages(), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
        if (hasFile) QCOMPARE(ReadFileBytes(s.previous), s.previousBytes);
        QCOMPARE(s.g.game.FilePath(), filePath);
        QCOMPARE(s.g.game.Saved(), QStringLiteral("N"));
    }

    void typedNameIsUsedWithoutAddingAnExtension() {
        QTemporaryDir dir;
        FileGame g;
        const QString path = dir.filePath(QStringLiteral("mygame"));
        g.dialogs.fileNames = {path};
        g.game.SaveAs();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("mygame")});
        QCOMPARE(ReadFileBytes(path), MazeFileBytes(g.game.State()).value());
        QCOMPARE(g.game.FilePath(), path);
    }

    void savingOverAnExistingFileReplacesItWithoutAsking() {
        QTemporaryDir dir;
        FileGame g;
        const QString path = dir.filePath(QStringLiteral("old.maz"));
        QVERIFY(WriteFileBytes(path, QByteArray(5000, 'x')));
        g.dialogs.fileNames = {path};
        g.game.SaveAs();
        QCOMPARE(g.dialogs.Count(QStringLiteral("question")), 0);
        QCOMPARE(g.dialogs.Messages(), QStringList());
        QCOMPARE(ReadFileBytes(path), MazeFileBytes(g.game.State()).value());
    }

    void cellWithMoreMarkersThanTheCountHoldsIsNotSaved() {
        QTemporaryDir dir;
        SavedGame s;
        SaveThenChange(s, dir.filePath(QStringLiteral("game.maz")));
        for (int i = 0; i < 32768; ++i)
            AddMarker(s.g.game.State(), s.g.game.Keys(), 3, 4, 10, 20, kBlack);

        CheckSaveFails(s.g, s.previous);
        QCOMPARE(ReadFileBytes(s.previous), s.previousBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("game.maz")});
    }

    void cellWithAsManyMarkersAsTheCountHoldsIsSaved() {
        QTemporaryDir dir;
        FileGame g;
        g.game.State().EmptyMarkers();
        for (int i = 0; i < 32767; ++i)
            AddMarker(g.game.State(), g.game.Keys(), 1, 1, 10, 20, kBlack);
        const QString path = dir.filePath(QStringLiteral("full.maz"));
        QVERIFY(g.game.SaveMazeFile(path));
        const QList<QByteArray> records = Records(ReadFileBytes(path));
        QCOMPARE(records.size(), 1254 + 32767);
        QCOMPARE(records[5], QByteArray("32767"));
        QCOMPARE(records[6 + 32766], QByteArray("10,20,0"));
    }

    void saveRemovesOnlyTheGamesOwnLeftoverTemporaries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("old");  // from before the game started
        QTest::addColumn<bool>("removed");
        QTest::newRow("left by an earlier run") << ".game.maz.0123abcd" << true << true;
        QTest::newRow("of a save running now") << ".game.maz.0123abcd" << false << false;
        QTest::newRow("of another file") << ".other.maz.0123abcd" << true << false;
        QTest::newRow("not a name the game makes") << ".game.maz.0123abcd.txt" << true << false;
    }
    void saveRemovesOnlyTheGamesOwnLeftoverTemporaries() {
        QFETCH(QString, name);
        QFETCH(bool, old);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        QFile leftover(dir.filePath(name));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        if (old) QVERIFY(leftover.setFileTime({{2020, 1, 1}, {}}, QFile::FileModificationTime));
        QVERIFY(FileGame().game.SaveMazeFile(dir.filePath("game.maz")));
        QCOMPARE(leftover.exists(), !removed);
    }

    // ---- failures of the file system

    void saveUnderAFileInsteadOfAFolderFails() {
        QTemporaryDir dir;
        FileGame g;
        const QString notAFolder = dir.filePath(QStringLiteral("plain.txt"));
        QVERIFY(WriteFileBytes(notAFolder, "text"));
        CheckSaveFails(g, notAFolder + QStringLiteral("/game.maz"));
        QCOMPARE(ReadFileBytes(notAFolder), QByteArray("text"));
    }

    void saveToAFolderPathFails() {
        QTemporaryDir dir;
        FileGame g;
        CheckSaveFails(g, dir.path());
        QVERIFY(QFileInfo(dir.path()).isDir());
    }

    void saveOverAPipeFailsAndLeavesItAPipe() {
        // Replacing by renaming would turn a pipe (or a device) into a plain
        // file; such names are refused.
        QTemporaryDir dir;
        FileGame g;
        const QString fifo = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        CheckSaveFails(g, fifo);
        struct stat info {};
        QCOMPARE(stat(QFile::encodeName(fifo).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void saveIntoReadOnlyFolderKeepsThePreviousFile() {
        if (geteuid() == 0)
            QSKIP(
                "running as root, which ignores permission bits; "
                "saveIntoFolderThatRefusesNewFilesFails covers a folder that refuses root");
        QTemporaryDir dir;
        SavedGame s;
        SaveThenChange(s, dir.filePath(QStringLiteral("game.maz")));
        // A writable file there is written in place; this one is read-only too.
        QVERIFY(QFile::setPermissions(s.previous, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        CheckSaveFails(s.g, s.previous);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(ReadFileBytes(s.previous), s.previousBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("game.maz")});
    }

    void saveIntoFolderThatRefusesNewFilesFails() {
        // Nobody, root included, can create files in /proc.
        if (!QFileInfo(QStringLiteral("/proc/self")).exists()) QSKIP("no /proc on this system");
        FileGame g;
        const QString path = QStringLiteral("/proc/pathwick-%1.maz").arg(getpid());
        CheckSaveFails(g, path);
        QVERIFY(!QFileInfo::exists(path));
    }

    void saveOnFullDiskKeepsThePreviousFile() {
        QTemporaryDir dir;
        SavedGame s;
        SaveThenChange(s, dir.filePath(QStringLiteral("game.maz")));
        bool limited = false;
        {
            // Room for the first kilobyte only: the write of the rest fails
            // the way it does on a full disk.
            FileSizeLimit limit(1024);
            limited = limit.Active();
            if (limited) s.g.game.SaveMazeFile(s.previous);
        }
        if (!limited) QSKIP("the file size limit cannot be set here");
        QCOMPARE(s.g.dialogs.Messages(), QStringList{kSaveErrorMessage});
        QCOMPARE(s.g.game.FilePath(), s.previous);
        QCOMPARE(s.g.game.Saved(), QStringLiteral("N"));
        QCOMPARE(ReadFileBytes(s.previous), s.previousBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("game.maz")});
    }

    void failedSaveWorksAgainOnceTheCauseIsGone() {
        QTemporaryDir dir;
        SavedGame s;
        SaveThenChange(s, dir.filePath(QStringLiteral("game.maz")));
        {
            FileSizeLimit limit(1024);
            if (!limit.Active()) QSKIP("the file size limit cannot be set here");
            s.g.game.Save();
        }
        QCOMPARE(s.g.dialogs.Messages(), QStringList{kSaveErrorMessage});
        QCOMPARE(ReadFileBytes(s.previous), s.previousBytes);

        s.g.game.Save();
        QCOMPARE(s.g.dialogs.Messages().size(), 1);
        QCOMPARE(ReadFileBytes(s.previous), MazeFileBytes(s.g.game.State()).value());
        QCOMPARE(s.g.game.FilePath(), s.previous);
        QCOMPARE(s.g.game.Saved(), QStringLiteral("Y"));
    }
};

PATHWICK_TEST_CLASS(TestMazeFileSave)
#include "test_mazefile_save.moc"
