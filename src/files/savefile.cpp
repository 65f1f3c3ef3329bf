// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <optional>
#include <utility>

#include "files/mazeformat.h"

namespace pathwick {

namespace {

// The largest file whose old contents a save in place keeps aside to put
// back on failure; a maze file is far smaller.
constexpr qint64 kMaxKeptBytes = qint64{512} * 1024 * 1024;

// A file descriptor that is closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        return *this;
    }

    int get() const { return fd_; }
    // Gives the descriptor up without closing it.
    int release() { return std::exchange(fd_, -1); }
    bool valid() const { return fd_ >= 0; }
    // Closes the descriptor; false when closing reported an error.
    bool Close() {
        if (fd_ < 0) return true;
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 || errno == EINTR;
    }

private:
    int fd_;
};

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

// Reads the whole of the regular file open on fd from its start; nothing
// when it cannot be read or is too large to keep.
std::optional<QByteArray> ReadAll(int fd, qint64 size) {
    if (size > kMaxKeptBytes) return std::nullopt;
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(size));
    qint64 done = 0;
    while (done < size) {
        const ssize_t count = ::pread(fd, bytes.data() + done, static_cast<size_t>(size - done),
                                      static_cast<off_t>(done));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return std::nullopt;
        done += count;
    }
    return bytes;
}

// Writes state to the file open on fd from its current offset.
bool WriteState(const MazeState& state, int fd) {
    QFile file;
    // Unbuffered, so that every refused write shows at once.
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return false;
    return WriteMazeFile(state, file) && file.error() == QFileDevice::NoError;
}

// Makes the folder's entries durable, so that a rename in it survives a
// crash of the machine. A folder that cannot be opened for reading (one the
// player may write into but not list) or a file system that cannot sync
// folders leaves nothing more to do.
bool SyncFolder(const QString& folder) {
    Descriptor dir(::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid()) return true;
    if (::fsync(dir.get()) == 0) return true;
    return errno == EINVAL || errno == EROFS;
}

// The file that path names once symbolic links are followed; a dangling link
// names the file it would create.
QString FollowLinks(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 64 && info.isSymLink(); ++depth) info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Creates a new, empty file beside target under a name of its own, with the
// permissions a new file gets; its name goes into *name.
Descriptor CreateBeside(const QString& target, QString* name) {
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = info.dir().filePath(
            QStringLiteral(".%1.%2")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        Descriptor fd(::open(Native(*name).constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (fd.valid() || errno != EEXIST) return fd;
    }
    return Descriptor();
}

enum class Replace { kDone, kFailed, kInPlace };

// Writes state to a new file beside target and renames it over target once it
// is complete and on disk. When target exists, the new file takes its owner,
// group and permissions; where it cannot (the folder takes no new files, or
// the owner cannot be given), nothing has been touched and the file is to be
// written in place.
Replace ReplaceAtomically(const MazeState& state, const QString& target,
                          const struct stat* existing) {
    QString temporary;
    Descriptor fd = CreateBeside(target, &temporary);
    if (!fd.valid()) return existing ? Replace::kInPlace : Replace::kFailed;
    const auto discard = [&](Replace result) {
        fd.Close();
        ::unlink(Native(temporary).constData());
        return result;
    };
    if (existing) {
        struct stat created {};
        if (::fstat(fd.get(), &created) != 0) return discard(Replace::kFailed);
        if ((created.st_uid != existing->st_uid || created.st_gid != existing->st_gid) &&
            ::fchown(fd.get(), existing->st_uid, existing->st_gid) != 0)
            return discard(Replace::kInPlace);
        if (::fchmod(fd.get(), existing->st_mode & 07777) != 0) return discard(Replace::kInPlace);
    }
    if (!WriteState(state, fd.get()) || ::fsync(fd.get()) != 0 || !fd.Close())
        return discard(Replace::kFailed);
    if (::rename(Native(temporary).constData(), Native(target).constData()) != 0)
        return discard(Replace::kFailed);
    return SyncFolder(QFileInfo(target).path()) ? Replace::kDone : Replace::kFailed;
}

// Writes state into the existing regular file target itself, which keeps its
// identity: its other names, owner, group and permissions. The old contents
// are kept aside first and put back if the write fails part-way; a file whose
// old contents cannot be read is emptied instead, so that no cut-off game is
// left behind that could be taken for a whole one.
bool WriteInPlace(const MazeState& state, const QString& target) {
    bool readable = true;
    Descriptor fd(::open(Native(target).constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid() && errno == EACCES) {
        readable = false;
        fd = Descriptor(::open(Native(target).constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
    }
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return false;

    std::optional<QByteArray> old;
    if (readable) {
        old = ReadAll(fd.get(), info.st_size);
        if (!old) return false;  // nothing written yet
    }
    if (::ftruncate(fd.get(), 0) == 0 && ::lseek(fd.get(), 0, SEEK_SET) == 0 &&
        WriteState(state, fd.get()) && ::fsync(fd.get()) == 0)
        return fd.Close();

    const bool restored = ::ftruncate(fd.get(), 0) == 0 && old &&
                          ::lseek(fd.get(), 0, SEEK_SET) == 0 &&
                          WriteAll(fd.get(), old->constData(), old->size());
    if (!restored) (void)::ftruncate(fd.get(), 0);
    (void)::fsync(fd.get());
    return false;
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
        return ReplaceAtomically(state, target, nullptr) == Replace::kDone;
    }
    if (!S_ISREG(info.st_mode)) return false;
    // A file the player may not write is not replaced either.
    {
        Descriptor probe(::open(Native(target).constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
        if (!probe.valid()) return false;
    }
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
    return WriteInPlace(state, target);
}

bool ReadGameFile(const QString& path, MazeState& state, MarkerKeyCounter& keys) {
    QFile file;
    if (!OpenRegularFile(path, file)) return false;
    return ReadMazeFile(file, state, keys) == MazeFileError::kNone;
}

}  // namespace pathwick
