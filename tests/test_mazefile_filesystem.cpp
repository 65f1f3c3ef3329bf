// Saving and opening where the file system has a say: files written in place
// where replacing them would change what they are, the folder synced after a
// replace, and opening anything but a regular file.
//
// The saves of the in-place cases run in a copy of this program as an
// unprivileged user ("nobody" when the tests run as root, which would ignore
// the folder's permissions), started with setpriv; the copy saves a game and
// tells by its exit status whether the save succeeded.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <thread>

#include "files/gamefiles.h"
#include "files/mazefile.h"
#include "support/testmain.h"
#include "test_mazefile_support.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

constexpr uid_t kNobody = 65534;

// Every fsync of a folder in this program, with the contents that the watched
// file had at that moment.
QString watchedFile;
QList<QByteArray> contentsAtFolderSync;

}  // namespace

// Calls from the game's code come here instead of the C library.
extern "C" int fsync(int fd) {
    struct stat info {};
    if (!watchedFile.isEmpty() && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        const QString folder = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
        if (folder == QFileInfo(watchedFile).absolutePath())
            contentsAtFolderSync.append(ReadFileBytes(watchedFile));
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

const QString kOpenErrorMessage = QStringLiteral(
    "File Open Error: There was an error opening the file.\r\nNew maze will be generated instead");

// The game the saving copy writes: a fresh state with markers in cell (1, 1).
MazeState GameWithMarkers(int markers) {
    MazeState state;
    MarkerKeyCounter keys;
    state.EmptyMarkers();
    state.StartX = state.MouseX = 1;
    state.StartY = state.MouseY = 1;
    state.EndX = state.EndY = 25;
    for (int i = 0; i < markers; ++i) AddMarker(state, keys, 1, 1, 1000, 1000 + i % 2000, kCyan);
    return state;
}

QByteArray BytesOf(int markers) {
    return MazeFileBytes(GameWithMarkers(markers)).value();
}

// The saving copy: `--save PATH MARKERS LIMIT` saves the game with MARKERS
// markers to PATH, with writes past LIMIT bytes failing (0: no limit).
int SaveAndExit(const char* path, int markers, long limit) {
    if (limit > 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit fileSize{};
        getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = static_cast<rlim_t>(limit);
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0) return 2;
    }
    return WriteGameFile(GameWithMarkers(markers), QFile::decodeName(path)) ? 0 : 1;
}

struct stat StatOf(const QString& path, bool followLinks = true) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    if ((followLinks ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        qWarning("cannot stat %s", name.constData());
    return info;
}

// The user who saves in the copy: nobody for root, else the user himself.
uid_t SaverUid() {
    return geteuid() == 0 ? kNobody : geteuid();
}
gid_t SaverGid() {
    return geteuid() == 0 ? kNobody : getegid();
}

enum class Layout {
    kFolderNotWritable,  // the file in a folder the saver may not write
    kHardLinked,         // the file with a second name in another folder
    kOwnedByRoot,        // another user's file that the saver may write
    kSymlink,            // a symbolic link to the file
    kReadOnlyToOthers,   // the saver's own file, mode 0640
};

}  // namespace

class TestMazeFileFilesystem : public QObject {
    Q_OBJECT

    // Prepares a folder for the saving copy to write in; the copy of this
    // program goes there too, where the saver can run it. As root the folder
    // lies in /tmp, which everyone can reach.
    static QString FolderTemplate() {
        return (geteuid() == 0 ? QStringLiteral("/tmp") : QDir::tempPath()) +
               QStringLiteral("/pathwick-save-XXXXXX");
    }
    static bool Prepare(QTemporaryDir& dir) {
        const QString program = dir.filePath(QStringLiteral("saver"));
        return ::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0 &&
               QFile::copy(QCoreApplication::applicationFilePath(), program) &&
               ::chmod(QFile::encodeName(program).constData(), 0755) == 0;
    }

    // Runs the saving copy as the saver; its exit status, or -1.
    static int SaveAsSaver(const QTemporaryDir& dir, const QString& path, int markers,
                           long limit = 0) {
        QStringList arguments{dir.filePath(QStringLiteral("saver")), QStringLiteral("--save"), path,
                              QString::number(markers), QString::number(limit)};
        QString program = arguments.takeFirst();
        if (geteuid() == 0) {
            arguments =
                QStringList{QStringLiteral("--reuid=%1").arg(kNobody),
                            QStringLiteral("--regid=%1").arg(kNobody),
                            QStringLiteral("--clear-groups"), QStringLiteral("--"), program} +
                arguments;
            program = QStringLiteral("setpriv");
        }
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        return process.exitCode();
    }

    static bool Own(const QString& path, uid_t uid, gid_t gid, mode_t mode) {
        const QByteArray name = QFile::encodeName(path);
        if (geteuid() == 0 && ::lchown(name.constData(), uid, gid) != 0) return false;
        return ::chmod(name.constData(), mode) == 0;
    }

private slots:
    void saveKeepsWhatTheFileIs_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("limit");  // writes past it fail; 0: none
        QTest::addColumn<bool>("saved");
        const int big = static_cast<int>(BytesOf(3000).size());
        const int small = static_cast<int>(BytesOf(0).size());
        const int between = (small + big) / 2;
        QTest::newRow("folder not writable") << int(Layout::kFolderNotWritable) << 0 << true;
        QTest::newRow("hard linked") << int(Layout::kHardLinked) << 0 << true;
        QTest::newRow("another user's file") << int(Layout::kOwnedByRoot) << 0 << true;
        QTest::newRow("symbolic link") << int(Layout::kSymlink) << 0 << true;
        QTest::newRow("permissions") << int(Layout::kReadOnlyToOthers) << 0 << true;
        QTest::newRow("folder not writable, disk full part-way")
            << int(Layout::kFolderNotWritable) << between << false;
        QTest::newRow("hard linked, disk full part-way")
            << int(Layout::kHardLinked) << between << false;
    }

    void saveKeepsWhatTheFileIs() {
        QFETCH(int, layout);
        QFETCH(int, limit);
        QFETCH(bool, saved);
        if (layout == int(Layout::kOwnedByRoot) && geteuid() != 0)
            QSKIP("only root can give a file to another user");
        QTemporaryDir dir(FolderTemplate());
        QVERIFY(Prepare(dir));
        const QString folder = dir.filePath(QStringLiteral("games"));
        QVERIFY(QDir().mkdir(folder));
        const QString file = QDir(folder).filePath(QStringLiteral("game.maz"));
        const QByteArray old = BytesOf(0);
        QVERIFY(WriteFileBytes(file, old));
        QVERIFY(Own(folder, SaverUid(), SaverGid(), 0755));
        QVERIFY(Own(file, SaverUid(), SaverGid(), 0644));
        QString savedTo = file;
        const QString otherName = dir.filePath(QStringLiteral("other-name.maz"));
        switch (static_cast<Layout>(layout)) {
            case Layout::kFolderNotWritable:
                QVERIFY(Own(folder, SaverUid(), SaverGid(), 0555));
                break;
            case Layout::kHardLinked:
                QCOMPARE(::link(QFile::encodeName(file).constData(),
                                QFile::encodeName(otherName).constData()),
                         0);
                break;
            case Layout::kOwnedByRoot:
                QVERIFY(Own(folder, 0, 0, 0777));
                QVERIFY(Own(file, 0, 0, 0666));
                break;
            case Layout::kSymlink:
                savedTo = QDir(folder).filePath(QStringLiteral("link.maz"));
                QVERIFY(QFile::link(QStringLiteral("game.maz"), savedTo));
                break;
            case Layout::kReadOnlyToOthers:
                QVERIFY(Own(file, SaverUid(), SaverGid(), 0640));
                break;
        }
        const struct stat before = StatOf(file);
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);

        QCOMPARE(SaveAsSaver(dir, savedTo, 3000, limit), saved ? 0 : 1);

        ::chmod(QFile::encodeName(folder).constData(), 0755);
        const QByteArray expected = saved ? BytesOf(3000) : old;
        QCOMPARE(ReadFileBytes(file), expected);
        const struct stat after = StatOf(file);
        // Where the file can be replaced without anyone noticing, it may be.
        if (layout != int(Layout::kSymlink) && layout != int(Layout::kReadOnlyToOthers))
            QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), entries);
        if (layout == int(Layout::kHardLinked)) QCOMPARE(ReadFileBytes(otherName), expected);
        if (layout == int(Layout::kSymlink)) QVERIFY(S_ISLNK(StatOf(savedTo, false).st_mode));
    }

    void replacedFileIsFollowedByASyncOfItsFolder() {
        QTemporaryDir dir;
        FileGame g;
        const QString path = dir.filePath(QStringLiteral("game.maz"));
        watchedFile = path;
        contentsAtFolderSync.clear();
        QVERIFY(g.game.SaveMazeFile(path));  // a new file
        g.game.DropMarker();
        QVERIFY(g.game.SaveMazeFile(path));  // replacing the old one
        watchedFile.clear();
        QCOMPARE(contentsAtFolderSync.size(), 2);
        QCOMPARE(contentsAtFolderSync.last(), MazeFileBytes(g.game.state).value());
    }

    void openingAnythingButARegularFileFailsAtOnce_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("device") << "/dev/zero";
        QTest::newRow("folder") << "folder";
    }

    void openingAnythingButARegularFileFailsAtOnce() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = kind;
        if (kind == QLatin1String("fifo")) {
            path = dir.filePath(QStringLiteral("pipe.maz"));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            path = dir.path();
        }
        // A reader waiting on the pipe is let go at once and noted.
        std::atomic<bool> done{false};
        std::atomic<bool> pipeOpened{false};
        std::thread writer([&] {
            const QByteArray name = QFile::encodeName(path);
            while (kind == QLatin1String("fifo") && !done) {
                const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    pipeOpened = true;
                    ::close(fd);
                }
                ::usleep(1000);
            }
        });
        FileGame g;
        g.game.SetFilePath(QStringLiteral("/somewhere/before.maz"));
        g.dialogs.fileNames = {path};
        OpenGame(g.game);
        done = true;
        writer.join();

        QVERIFY(!pipeOpened);
        QCOMPARE(g.dialogs.Messages(), QStringList{kOpenErrorMessage});
        QCOMPARE(g.game.FilePath(), QString());
        QCOMPARE(g.game.Saved(), QStringLiteral("N"));
    }
};

int main(int argc, char** argv) {
    if (argc == 5 && qstrcmp(argv[1], "--save") == 0)
        return SaveAndExit(argv[2], atoi(argv[3]), atol(argv[4]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestMazeFileFilesystem tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_mazefile_filesystem.moc"
