// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The file system calls that saving is made of: descriptors that close
// themselves, whole writes, synced folders, and new files that get their
// name only once they are complete.

#include <sys/stat.h>
#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <utility>

namespace pathwick {

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
    bool Close();

private:
    int fd_;
};

QByteArray Native(const QString& path);

// Writes all of data at the file's current offset.
bool WriteAll(int fd, const char* data, qint64 size);

// Reads size bytes from offset; nothing short of that is an error.
bool ReadAt(int fd, char* data, qint64 size, qint64 offset);

// Makes the folder's entries durable, so that a new name in it survives a
// crash of the machine. A folder that cannot be opened for reading (one the
// player may write into but not list) or a file system that cannot sync
// folders leaves nothing more to do.
bool SyncFolder(const QString& folder);

// The file that path names once symbolic links are followed; a dangling link
// names the file it would create.
QString FollowLinks(const QString& path);

// The game's temporary name for a new version of the file called name:
// ".name." and eight hexadecimal digits, in the same folder.
QString TemporaryName(const QString& name);

// Whether file is a temporary file the game makes for target (same folder).
bool IsTemporaryOf(const QString& file, const QString& target);

// A new file in a folder that gets its name only once it is complete: a file
// without a name where the file system has them (O_TMPFILE), otherwise one
// under the game's temporary name, which goes again if the file is not kept.
class NewFile {
public:
    // Creates the file in the folder of target with mode (less the umask);
    // false with errno set when it cannot be created.
    bool Create(const QString& target, mode_t mode);
    ~NewFile();

    int fd() const { return fd_.get(); }
    // Gives the file the name, which must be new; false when it exists.
    bool Name(const QString& name);
    // Puts the file in place of target, which may exist.
    bool Replace(const QString& target);
    // Closes the file; false when closing reported an error.
    bool Close() { return fd_.Close(); }

private:
    bool LinkTo(const QString& name);
    // Takes temporary as the file's name-to-be, noted in the state folder.
    void Note(const QString& temporary);
    // The file no longer has its temporary name, nor the note of it.
    void Forget();

    Descriptor fd_;
    QString temporary_;  // the name of a named file not yet put in place
    QString note_;       // the state folder's link to it
};

// Removes the game's own temporary files for target that are older than
// before: files beside it named as TemporaryName makes them.
void RemoveLeftoverTemporaries(const QString& target, const struct timespec& before);

// Where the game keeps what it must find again at its next start: pending
// saves that cannot lie beside their file, a link to every one that does, and
// a link to each temporary file while it has a name:
// $XDG_STATE_HOME/pathwick, by default ~/.local/state/pathwick.
QString StateFolder();

// Whether the state folder may be used: it is the player's own and nobody else
// may write into it, since a folder another user can change could hand the
// game their files. With create, a missing one is made for the player alone.
bool StateFolderUsable(bool create);

// Removes the temporary files that runs stopped before their end left, of
// which the state folder keeps a link.
void RemoveNotedTemporaries();

// When the running program started.
const struct timespec& ProgramStart();

}  // namespace pathwick
