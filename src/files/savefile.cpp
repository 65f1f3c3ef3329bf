// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <optional>
#include <utility>

#include "files/mazeformat.h"
#include "files/pendingsave.h"
#include "files/posixfile.h"

namespace pathwick {

namespace {

// Writes state to the file open on fd from its current offset.
bool WriteState(const MazeState& state, int fd) {
    QFile file;
    // Unbuffered, so that every refused write shows at once.
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return false;
    return WriteMazeFile(state, file) && file.error() == QFileDevice::NoError;
}

enum class Replace { kDone, kFailed, kInPlace };

// Writes state to a new file beside target and puts it in place of target
// once it is complete and on disk. The new file has no name until then where
// the file system allows it, so that a save cut off leaves nothing behind.
// When target exists, the new file takes its owner, group and permissions;
// where it cannot (the folder takes no new files, or the owner cannot be
// given), nothing has been touched and the file is to be written in place.
Replace ReplaceAtomically(const MazeState& state, const QString& target,
                          const struct stat* existing) {
    NewFile file;
    if (!file.Create(target, 0666)) return existing ? Replace::kInPlace : Replace::kFailed;
    if (existing) {
        struct stat created {};
        if (::fstat(file.fd(), &created) != 0) return Replace::kFailed;
        if ((created.st_uid != existing->st_uid || created.st_gid != existing->st_gid) &&
            ::fchown(file.fd(), existing->st_uid, existing->st_gid) != 0)
            return Replace::kInPlace;
        if (::fchmod(file.fd(), existing->st_mode & 07777) != 0) return Replace::kInPlace;
    }
    if (!WriteState(state, file.fd()) || ::fsync(file.fd()) != 0 || !file.Replace(target) ||
        !file.Close())
        return Replace::kFailed;
    return SyncFolder(QFileInfo(target).path()) ? Replace::kDone : Replace::kFailed;
}

// Opens the regular file at path for reading. Anything else (a pipe, a
// device, a folder) is refused before it is opened, and a file that turns into
// something else before it is opened is refused without waiting for it.
bool OpenRegularFile(const QString& path, QFile& file) {
    struct stat info {};
    if (::stat(Native(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    Descriptor fd(::open(Native(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return false;
    if (!file.open(fd.get(), QIODevice::ReadOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle))
        return false;
    fd.release();  // the file closes it now
    return true;
}

}  // namespace

bool WriteGameFile(const MazeState& state, const QString& path) {
    if (!FitsMazeFile(state)) return false;
    const QString target = FollowLinks(path);
    struct stat info {};
    if (::stat(Native(target).constData(), &info) != 0) {
        if (errno != ENOENT) return false;
        RemoveLeftoverTemporaries(target, ProgramStart());
        return ReplaceAtomically(state, target, nullptr) == Replace::kDone;
    }
    if (!S_ISREG(info.st_mode)) return false;
    // A file the player may not write is not replaced either.
    {
        Descriptor probe(::open(Native(target).constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
        if (!probe.valid()) return false;
    }
    RemoveLeftoverTemporaries(target, ProgramStart());
    if (info.st_nlink == 1) {
        switch (ReplaceAtomically(state, target, &info)) {
            case Replace::kDone:
                return true;
            case Replace::kFailed:
                return false;
            case Replace::kInPlace:
                break;
        }
    }
    const std::optional<QByteArray> bytes = MazeFileBytes(state);
    return bytes && WriteInPlace(*bytes, target);
}

bool ReadGameFile(const QString& path, MazeState& state, MarkerKeyCounter& keys) {
    QFile file;
    if (!OpenRegularFile(path, file)) return false;
    return ReadMazeFile(file, state, keys) == MazeFileError::kNone;
}

}  // namespace pathwick
