// SPDX-License-Identifier: GPL-3.0-or-later
// Saving where a replace would change what the file is, the folder synced after
// a replace, and Open refusing anything but a regular file. The saves run in a
// copy of this program as the saver: nobody (through setpriv) when run as root.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <thread>

#include "files/mazeformat.h"
#include "files/savefile.h"
#include "support/filegame.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {
QString watched;                 // the file whose folder's syncs are noted
QList<QByteArray> atFolderSync;  // its contents at each of them
}  // namespace

// The game's calls come here instead of to the C library.
extern "C" int fsync(int fd) {
    struct stat info {};
    if (!watched.isEmpty() && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) &&
        QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd)) ==
            QFileInfo(watched).absolutePath())
        atFolderSync.append(ReadFileBytes(watched));
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

const bool kRoot = geteuid() == 0;
const uid_t kSaver = kRoot ? 65534 : geteuid();
const gid_t kSaverGroup = kRoot ? 65534 : getegid();

MazeState GameWith(int markers) {
    MazeState state;
    MarkerKeyCounter keys;
    state.EmptyMarkers();
    for (int i = 0; i < markers; ++i) AddMarker(state, keys, 1, 1, 1000, i % 2000, kCyan);
    return state;
}

struct stat StatOf(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

bool Own(const QString& path, uid_t uid, gid_t gid, mode_t mode) {
    const QByteArray name = QFile::encodeName(path);
    return (!kRoot || ::lchown(name.constData(), uid, gid) == 0) &&
           ::chmod(name.constData(), mode) == 0;
}

// Saves GameWith(markers) to path as the saver, with writes past limit bytes
// failing; the exit status: 0 saved, 1 not.
int SaveAsSaver(const QString& dir, const QString& path, int markers, int limit) {
    const QString copy = dir + QStringLiteral("/saver");
    if (!QFile::exists(copy) && !QFile::copy(QCoreApplication::applicationFilePath(), copy))
        return -1;
    QStringList arguments{copy, "--save", path, QString::number(markers), QString::number(limit)};
    if (kRoot)
        arguments =
            QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + arguments;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(arguments.takeFirst(), arguments);
    return process.waitForFinished(120000) ? process.exitCode() : -1;
}

}  // namespace

class TestMazeFileFilesystem : public QObject {
    Q_OBJECT

private slots:
    void saveKeepsWhatTheFileIs_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("limit");  // writes past it fail part-way; 0: none
        const auto size = [](int markers) { return MazeFileBytes(GameWith(markers))->size(); };
        for (const char* layout : {"folder not writable", "hard link", "another user's file"}) {
            QTest::newRow(layout) << layout << 0;
            QTest::addRow("%s, disk full", layout) << layout << int(size(0) + size(3000)) / 2;
        }
        QTest::newRow("symbolic link") << "symbolic link" << 0;
        QTest::newRow("mode 0640") << "mode 0640" << 0;
    }

    void saveKeepsWhatTheFileIs() {
        QFETCH(QString, layout);
        QFETCH(int, limit);
        if (layout == "another user's file" && !kRoot) QSKIP("only root gives files away");
        QTemporaryDir dir((kRoot ? "/tmp" : QDir::tempPath()) + "/pathwick-save-XXXXXX");
        const QString folder = dir.filePath("games"), file = folder + "/game.maz";
        const QString link = folder + "/link.maz", other = dir.filePath("other.maz");
        const QByteArray old = MazeFileBytes(GameWith(0)).value();
        QVERIFY(Own(dir.path(), geteuid(), getegid(), 0755) && QDir().mkdir(folder));
        QVERIFY(WriteFileBytes(file, old));
        QVERIFY(Own(file, kSaver, kSaverGroup, layout == "mode 0640" ? 0640 : 0644));
        QVERIFY(Own(folder, kSaver, kSaverGroup, layout == "folder not writable" ? 0555 : 0755));
        if (layout == "hard link")
            QVERIFY(::link(QFile::encodeName(file), QFile::encodeName(other)) == 0);
        if (layout == "another user's file")
            QVERIFY(Own(folder, 0, 0, 0777) && Own(file, 0, 0, 0666));
        if (layout == "symbolic link") QVERIFY(QFile::link("game.maz", link));
        const struct stat before = StatOf(file);
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);

        const int status =
            SaveAsSaver(dir.path(), layout == "symbolic link" ? link : file, 3000, limit);
        QVERIFY(Own(folder, kSaver, kSaverGroup, 0755));  // for the clean-up
        QCOMPARE(status, limit ? 1 : 0);
        const QByteArray expected = limit ? old : MazeFileBytes(GameWith(3000)).value();
        QCOMPARE(ReadFileBytes(file), expected);
        const struct stat after = StatOf(file);
        // Only where nobody can tell may the file be replaced by a new one.
        if (layout != "symbolic link" && layout != "mode 0640")
            QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), entries);
        if (layout == "hard link") QCOMPARE(ReadFileBytes(other), expected);
        if (layout == "symbolic link") QVERIFY(S_ISLNK(StatOf(link).st_mode));
    }

    void replacedFileIsFollowedByASyncOfItsFolder() {
        QTemporaryDir dir;
        FileGame g;
        watched = dir.filePath(QStringLiteral("game.maz"));
        QVERIFY(g.game.SaveMazeFile(watched));  // a new file
        g.game.DropMarker();
        QVERIFY(g.game.SaveMazeFile(watched));  // replacing it
        QCOMPARE(atFolderSync.size(), 2);
        QCOMPARE(atFolderSync.last(), MazeFileBytes(g.game.State()).value());
        watched.clear();
    }

    void openingAnythingButARegularFileFailsAtOnce_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("device") << "/dev/zero";
        QTest::newRow("folder") << "/tmp";
    }

    void openingAnythingButARegularFileFailsAtOnce() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QByteArray pipe = QFile::encodeName(dir.filePath(path));
        if (path == "pipe") QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        // A reader that waits for the pipe's writer gets one, and is noted.
        std::atomic<bool> done{false}, waited{false};
        std::thread writer([&] {
            for (int fd; path == "pipe" && !done; ::usleep(1000)) {
                if ((fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK)) >= 0)
                    waited = ::close(fd) == 0;
            }
        });
        FileGame g;
        g.dialogs.fileNames = {path == "pipe" ? dir.filePath(path) : path};
        g.game.Open();
        done = true;
        writer.join();
        QVERIFY(!waited);
        QCOMPARE(g.dialogs.Messages(),
                 QStringList{"File Open Error: There was an error opening the "
                             "file.\r\nNew maze will be generated instead"});
        QCOMPARE(g.game.FilePath(), QString());
    }
};

int main(int argc, char** argv) {
    if (argc == 5 && qstrcmp(argv[1], "--save") == 0) {  // the saving copy
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(atol(argv[4]));
        if (limit.rlim_cur > 0 && setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        return WriteGameFile(GameWith(atoi(argv[3])), QFile::decodeName(argv[2])) ? 0 : 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestMazeFileFilesystem tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_mazefile_filesystem.moc"
