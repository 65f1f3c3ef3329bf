// SPDX-License-Identifier: GPL-3.0-or-later
// Saving where a replace would change what the file is, the folder synced after
// a replace, saves killed at any moment, and Open refusing anything but a
// regular file. The saves run in a copy of this program, or a child of it, as
// the saver: nobody (through setpriv) when run as root.

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <thread>

#include "files/mazeformat.h"
#include "files/pendingsave.h"
#include "files/posixfile.h"
#include "files/savefile.h"
#include "support/filegame.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {
QString watched;                 // the file whose folder's syncs are noted
QList<QByteArray> atFolderSync;  // its contents at each of them
char* trace = nullptr;           // a killed save notes each call that changes files here
int killAt = 0, calls = 0;       // and dies before the killAt-th, or while writing it
double written = 0;              // the share of that write done before

bool Step(char call) {
    if (trace) trace[calls] = call;
    return trace && ++calls == killAt;
}
}  // namespace

// The game's calls come here instead of to the C library.
extern "C" ssize_t write(int fd, const void* data, size_t size) {
    if (Step('w')) ::syscall(SYS_write, fd, data, size_t(double(size) * written)), raise(SIGKILL);
    return ::syscall(SYS_write, fd, data, size);
}
#define KILL_POINT(call, code, params, ...)             \
    extern "C" int call params {                        \
        if (Step(code)) raise(SIGKILL);                 \
        return int(::syscall(SYS_##call, __VA_ARGS__)); \
    }
KILL_POINT(ftruncate, 't', (int fd, off_t size), fd, size)
KILL_POINT(linkat, 'l', (int a, const char* b, int c, const char* d, int e), a, b, c, d, e)
KILL_POINT(rename, 'r', (const char* from, const char* to), from, to)
KILL_POINT(unlink, 'u', (const char* path), path)
KILL_POINT(symlink, 's', (const char* target, const char* path), target, path)

extern "C" int fsync(int fd) {
    if (Step('f')) raise(SIGKILL);
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

const uid_t kOther = 65533;  // another user, in the saver's group

// Acts as user (the effective ids) while it lasts, where the test is root.
struct As {
    As(uid_t uid, gid_t gid) {
        if (kRoot && (::setegid(gid) != 0 || ::seteuid(uid) != 0)) qFatal("cannot be %u", uid);
    }
    ~As() {
        if (kRoot && (::seteuid(0) != 0 || ::setegid(0) != 0)) qFatal("cannot be root again");
    }
};

MazeState GameWith(int markers) {
    MazeState state;
    MarkerKeyCounter keys;
    state.EmptyMarkers();
    state.MouseX = state.MouseY = 1;
    for (int i = 0; i < markers; ++i)
        AddMarker(state, keys, 1 + i % 25, 1 + i / 25 % 25, 1000, i % 2000, kCyan);
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

// Saves game to file in a child as the saver, killed at its kill-th call that
// changes files (0: never); the calls it made, as their codes (see Step).
QByteArray SaveKilledAt(const MazeState& game, const QString& file, int kill, double share = 0) {
    static char* const shared = static_cast<char*>(
        ::mmap(nullptr, 4096, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    std::fill_n(shared, 4096, 0);
    if (const pid_t child = fork()) return ::waitpid(child, nullptr, 0), QByteArray(shared);
    trace = shared, killAt = kill, written = share;
    if (!kRoot || (!setgroups(0, nullptr) && !setgid(kSaverGroup) && !setuid(kSaver)))
        WriteGameFile(game, file);
    _exit(0);
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

    // Killed at any call that changes files, or part-way through a write, a
    // save leaves every name of the file holding the old game or the new one
    // once the next start has finished what it can, and nothing of its own:
    // not even the temporary name it was about to rename.
    // Killed as it begins to write the file itself, it is finished by the next
    // start, Open or Save of the file, or kept aside if the file has changed.
    void killedSaveIsFinishedOrKeptAside_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("then");  // after a kill as the write begins; or kills anywhere
        for (const char* layout : {"single name", "hard link", "folder not writable"})
            QTest::addRow("%s, killed anywhere", layout) << layout << QString();
        for (const char* then : {"start", "Open", "Save", "written, start", "replaced, Save"})
            QTest::addRow("killed writing, then %s", then) << "hard link" << QString(then);
    }

    void killedSaveIsFinishedOrKeptAside() {
        QFETCH(QString, layout);
        QFETCH(QString, then);
        // In memory where there is a file system there: the kills count, not the disk.
        QTemporaryDir dir(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/pathwick-XXXXXX"
                                                             : "/tmp/pathwick-XXXXXX");
        const QString file = dir.filePath("game.maz"), other = dir.filePath("other.maz");
        const auto cleanUp = qScopeGuard([&] { Own(dir.path(), kSaver, kSaverGroup, 0755); });
        const MazeState game = GameWith(100000);
        QByteArray old = MazeFileBytes(GameWith(60000)).value();
        const QByteArray saved = MazeFileBytes(game).value();
        QVERIFY(WriteFileBytes(file, old) && Own(file, kSaver, kSaverGroup, 0644));
        QVERIFY(layout != "hard link" || ::link(Native(file), Native(other)) == 0);
        QVERIFY(
            Own(dir.path(), kSaver, kSaverGroup, layout == "folder not writable" ? 0555 : 0755));
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        const QStringList entries = QDir(dir.path()).entryList(all);
        const QByteArray calls = SaveKilledAt(game, file, 0);
        QCOMPARE(ReadFileBytes(file), saved);
        for (int i = 0, kills = then.isEmpty() ? 70 : 1; i < kills; ++i) {
            const int kill =
                then.isEmpty() ? 1 + i * int(calls.size()) / kills : int(calls.indexOf('t')) + 1;
            QVERIFY(WriteFileBytes(file, old));
            const QByteArray made = SaveKilledAt(game, file, kill, i * 37 % 100 / 100.0);
            QCOMPARE(made.size(), kill);
            if (!then.isEmpty()) break;
            const As saver(kSaver, kSaverGroup);
            for (const InterruptedSave& s : RecoverInterruptedSaves())
                QCOMPARE(s.outcome, InterruptedSave::Outcome::kCompleted);
            const QByteArray now = ReadFileBytes(file);
            QVERIFY2(now == old || now == saved, made.constData());
            if (layout == "hard link") QCOMPARE(ReadFileBytes(other), now);
            QCOMPARE(QDir(dir.path()).entryList(all), entries);
            QCOMPARE(QDir(StateFolder()).entryList(all), QStringList());
        }
        if (then.isEmpty()) return;

        if (then.startsWith("written")) QVERIFY(WriteFileBytes(other, old += "1\r\n"));
        if (then.startsWith("replaced"))
            QVERIFY(QFile::remove(file) && WriteFileBytes(file, {}) &&
                    Own(file, kSaver, kSaverGroup, 0644));
        const As saver(kSaver, kSaverGroup);
        FileGame g;
        g.dialogs.fileNames = {file};
        g.game.State() = game;
        if (then.endsWith("start")) FinishInterruptedSaves(g.dialogs);
        if (then == "Open") g.game.Open();
        if (then.endsWith("Save")) QVERIFY(g.game.SaveMazeFile(file));
        const QStringList kept = QDir(dir.path()).entryList({"*.kept"});
        const QString keptAs = dir.filePath(kept.value(0));
        QCOMPARE(kept.isEmpty(), !then.contains(','));
        QCOMPARE(g.dialogs.Messages(),
                 QStringList{"File Save: A save of " + file + " that was interrupted earlier " +
                             (kept.isEmpty() ? QString("has been completed.")
                                             : "was not completed, because the file has changed "
                                               "since; the game it was saving is kept in " +
                                                   keptAs + ".")});
        QCOMPARE(ReadFileBytes(other), kept.isEmpty() ? saved : old);
        if (then == "Open") QCOMPARE(MazeFileBytes(g.game.State()).value(), saved);
        if (!kept.isEmpty()) QVERIFY(ReadFileBytes(keptAs).startsWith(saved));
        QCOMPARE(RecoverInterruptedSaves(), QList<InterruptedSave>());
    }

    // What another user leaves where the player's game looks for pending saves
    // is never applied nor reported as done: a pending save of theirs in place
    // of the player's in a shared folder, in a state folder of theirs, or
    // beside the file in a folder open to all.
    void othersPendingSavesAreNeverApplied_data() {
        QTest::addColumn<QString>("then");  // the folder, then what the player does
        for (const char* route : {"group folder, start", "state folder, start",
                                  "sticky folder, Open", "sticky folder, Save"})
            QTest::newRow(route) << route;
    }

    void othersPendingSavesAreNeverApplied() {
        QFETCH(QString, then);
        const QString folder = then.section(' ', 0, 0);
        if (!kRoot) QSKIP("only root can be a second user here");
        QTemporaryDir dir("/tmp/pathwick-others-XXXXXX");
        const QString games = dir.filePath("games"), file = games + "/game.maz";
        const QString bashrc = dir.filePath(".bashrc"), state = dir.filePath("state");
        const QByteArray old = MazeFileBytes(GameWith(0)).value(), theirs = "evil\n";
        QVERIFY(Own(dir.path(), 0, 0, 0755) && QDir().mkdir(games) && QDir().mkdir(state));
        QVERIFY(Own(games, kSaver, kSaverGroup, folder == "sticky" ? 01777 : 0775));
        QVERIFY(Own(state, 0, 0, 0777));
        for (const QString& f : {file, bashrc})
            QVERIFY(WriteFileBytes(f, old) && Own(f, kSaver, kSaverGroup, 0644));
        const QByteArray oldState = qgetenv("XDG_STATE_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("XDG_STATE_HOME", oldState);
            for (const QString& f : QDir(StateFolder()).entryList(QDir::System | QDir::Hidden))
                QFile::remove(StateFolder() + '/' + f);
        });
        if (folder == "state") qputenv("XDG_STATE_HOME", QFile::encodeName(state));
        QString planted;
        if (folder == "group") {  // the player's save killed as it writes a file with two names
            QVERIFY(::link(Native(file), Native(games + "/other.maz")) == 0);
            const QByteArray calls = SaveKilledAt(GameWith(5), file, 0);
            QVERIFY(WriteFileBytes(file, old));
            SaveKilledAt(GameWith(5), file, int(calls.indexOf('t')) + 1);
            planted = QDir(games)
                          .entryInfoList({".game.maz.*.pending"}, QDir::Files | QDir::Hidden)
                          .value(0)
                          .filePath();
            QVERIFY(!planted.isEmpty());
        }
        {
            const As other(kOther, kSaverGroup);
            const QString victim = folder == "sticky" ? file : bashrc;
            if (folder != "group")
                planted = folder == "state" ? StateFolder() + "/.bashrc.0badf00d.pending"
                                            : games + "/.game.maz.0badf00d.pending";
            QVERIFY(folder != "state" || QDir().mkdir(StateFolder()));
            QVERIFY(folder != "group" || QFile::remove(planted));
            QVERIFY(WriteFileBytes(planted, PendingSaveContents(theirs, victim, StatOf(victim))));
        }
        const QByteArray plantedBytes = ReadFileBytes(planted);
        const As saver(kSaver, kSaverGroup);
        FileGame g;
        g.dialogs.fileNames = {file};
        if (then.endsWith("start")) FinishInterruptedSaves(g.dialogs);
        if (then.endsWith("Open")) g.game.Open();
        if (then.endsWith("Save")) QVERIFY(g.game.SaveMazeFile(file));
        QCOMPARE(ReadFileBytes(bashrc), old);
        QCOMPARE(ReadFileBytes(planted), plantedBytes);
        QVERIFY(ReadFileBytes(file) != theirs);
        const QStringList messages = g.dialogs.Messages();
        QCOMPARE(messages.filter("has been completed"), QStringList());
        QCOMPARE(messages.filter(StateFolder() + ", and no save").size(), int(folder == "state"));
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
    const QTemporaryDir state;  // what the game keeps between runs, the saver's
    if (!Own(state.path(), kSaver, kSaverGroup, 0755)) return 2;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QApplication app(argc, argv);
    TestMazeFileFilesystem tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_mazefile_filesystem.moc"
