// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/posixfile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <ctime>

namespace pathwick {

namespace {

const struct timespec kProgramStart = [] {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

bool Older(const struct timespec& a, const struct timespec& b) {
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

}  // namespace

bool Descriptor::Close() {
    if (fd_ < 0) return true;
    const int result = ::close(std::exchange(fd_, -1));
    return result == 0 || errno == EINTR;
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

bool WriteAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool ReadAt(int fd, char* data, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t count = ::pread(fd, data, static_cast<size_t>(size), offset);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        data += count;
        size -= count;
        offset += count;
    }
    return true;
}

bool SyncFolder(const QString& folder) {
    Descriptor dir(::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid()) return true;
    if (::fsync(dir.get()) == 0) return true;
    return errno == EINVAL || errno == EROFS;
}

QString FollowLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 64 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

QString TemporaryName(const QString& name) {
    return QStringLiteral(".%1.%2").arg(name).arg(QRandomGenerator::global()->generate(), 8, 16,
                                                  QLatin1Char('0'));
}

bool IsTemporaryOf(const QString& file, const QString& target) {
    const QString name = QFileInfo(target).fileName();
    const QString prefix = QLatin1Char('.') + name + QLatin1Char('.');
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{8}$"));
    return file.startsWith(prefix) && hex.match(file.mid(prefix.size())).hasMatch();
}

bool NewFile::Create(const QString& target, mode_t mode) {
    const QFileInfo info(target);
    fd_ =
        Descriptor(::open(Native(info.path()).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    // Locked while it is open (a new file, so nobody else holds it), so that a
    // leftover can be told from a file that a running game is writing.
    if (fd_.valid()) return ::flock(fd_.get(), LOCK_EX | LOCK_NB), true;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
    // No files without names here: one under a temporary name.
    for (int attempt = 0; attempt < 100; ++attempt) {
        Note(info.dir().filePath(TemporaryName(info.fileName())));
        fd_ = Descriptor(::open(Native(temporary_).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
        // Locked while it is open (a new file, so nobody else holds it), so that a
        // leftover can be told from a file that a running game is writing.
        if (fd_.valid()) return ::flock(fd_.get(), LOCK_EX | LOCK_NB), true;
        const bool taken = errno == EEXIST;
        Forget();
        if (!taken) break;
    }
    return false;
}

NewFile::~NewFile() {
    fd_.Close();
    if (!temporary_.isEmpty()) ::unlink(Native(temporary_).constData());
    Forget();
}

void NewFile::Note(const QString& temporary) {
    temporary_ = temporary;
    // Made before the name, so that no name of the game's goes unnoted.
    if (!StateFolderUsable(true)) return;
    note_ = StateFolder() + QLatin1Char('/') + QFileInfo(temporary).fileName().mid(1) +
            QStringLiteral(".temporary");
    if (::symlink(Native(temporary).constData(), Native(note_).constData()) != 0) note_.clear();
}

void NewFile::Forget() {
    if (!note_.isEmpty()) ::unlink(Native(note_).constData());
    note_.clear();
    temporary_.clear();
}

bool NewFile::LinkTo(const QString& name) {
    const QByteArray self = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd_.get());
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(name).constData(),
                 AT_SYMLINK_FOLLOW) == 0)
        return true;
    // Without /proc, the file itself (which needs more privileges).
    return errno == ENOENT &&
           ::linkat(fd_.get(), "", AT_FDCWD, Native(name).constData(), AT_EMPTY_PATH) == 0;
}

bool NewFile::Name(const QString& name) {
    if (temporary_.isEmpty()) return LinkTo(name);
    const QByteArray from = Native(temporary_), to = Native(name);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) != 0 &&
        (errno != EINVAL || ::rename(from.constData(), to.constData()) != 0))
        return false;
    Forget();
    return true;
}

bool NewFile::Replace(const QString& target) {
    if (temporary_.isEmpty()) {
        // A file without a name can only take a new one: it takes a temporary
        // name for the moment of the rename.
        if (LinkTo(target)) return true;
        if (errno != EEXIST) return false;
        const QFileInfo info(target);
        for (int attempt = 0; temporary_.isEmpty() && attempt < 100; ++attempt) {
            Note(info.dir().filePath(TemporaryName(info.fileName())));
            if (LinkTo(temporary_)) break;
            const bool taken = errno == EEXIST;
            Forget();
            if (!taken) return false;
        }
        if (temporary_.isEmpty()) return false;
    }
    if (::rename(Native(temporary_).constData(), Native(target).constData()) != 0) return false;
    Forget();
    return true;
}

void RemoveLeftoverTemporaries(const QString& target, const struct timespec& before) {
    const QFileInfo info(target);
    const QDir dir = info.dir();
    const QStringList names =
        dir.entryList({QLatin1Char('.') + info.fileName() + QStringLiteral(".*")},
                      QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!IsTemporaryOf(name, target)) continue;
        const QByteArray path = Native(dir.filePath(name));
        struct stat file {};
        if (::lstat(path.constData(), &file) == 0 && S_ISREG(file.st_mode) &&
            Older(file.st_mtim, before))
            ::unlink(path.constData());
    }
}

QString StateFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.local/state";
    return base + QStringLiteral("/pathwick");
}

bool StateFolderUsable(bool create) {
    const QString state = StateFolder();
    if (create) QDir().mkpath(QFileInfo(state).path()), ::mkdir(Native(state).constData(), 0700);
    struct stat info {};
    return ::lstat(Native(state).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 022) == 0;
}

void RemoveNotedTemporaries() {
    if (!StateFolderUsable(false)) return;
    const QDir::Filters all = QDir::Files | QDir::Hidden | QDir::System;
    for (const QFileInfo& note :
         QDir(StateFolder()).entryInfoList({QStringLiteral("*.temporary")}, all)) {
        struct stat link {
        }, file{};
        const QByteArray notePath = Native(note.filePath());
        if (!note.isSymLink() || ::lstat(notePath.constData(), &link) != 0 ||
            link.st_uid != ::geteuid())
            continue;
        const QString temporary = note.symLinkTarget();
        const QString made = note.fileName().chopped(int(qstrlen(".temporary")));
        const QByteArray path = Native(temporary);
        const Descriptor fd(
            ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd.valid() && ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;  // a running game's
        // Only what the game made under the name it gave it.
        if (fd.valid() && ::fstat(fd.get(), &file) == 0 && S_ISREG(file.st_mode) &&
            file.st_uid == ::geteuid() && file.st_nlink == 1 &&
            QFileInfo(temporary).fileName() == QLatin1Char('.') + made &&
            IsTemporaryOf(QLatin1Char('.') + made, made.chopped(9)))
            ::unlink(path.constData());
        ::unlink(notePath.constData());
    }
}

const struct timespec& ProgramStart() {
    return kProgramStart;
}

}  // namespace pathwick
