// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/pendingsave.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <optional>

#include "files/posixfile.h"

namespace pathwick {

namespace {

// A pending save is one file: the new contents, then the record of the file
// they are for as "key=value" lines, then a footer that gives the record's
// length. The contents come first, so that a pending save kept aside opens as
// the maze file it holds (reading stops after the last value needed).
constexpr QByteArrayView kFooter = "pathwick pending save ";
constexpr qsizetype kFooterSize = 22 + 8 + 1;  // kFooter, the length in 8 digits, LF

// The file a pending save is for, as it was before the save touched it.
struct Record {
    QString path;  // absolute, symbolic links followed
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 seconds = 0;  // the time of its last change
    qint64 nanoseconds = 0;
    qint64 length = 0;  // of the new contents

    bool IsAsItWas(const struct stat& file) const {
        return file.st_size == size && file.st_mtim.tv_sec == seconds &&
               file.st_mtim.tv_nsec == nanoseconds;
    }
};

QByteArray RecordText(const Record& r) {
    QByteArray text = "\npath=" + Native(r.path).toPercentEncoding();
    const std::pair<const char*, qint64> numbers[] = {
        {"device", qint64(r.device)}, {"inode", qint64(r.inode)},     {"size", r.size},
        {"seconds", r.seconds},       {"nanoseconds", r.nanoseconds}, {"length", r.length}};
    for (const auto& [key, value] : numbers)
        text += '\n' + QByteArray(key) + '=' + QByteArray::number(value);
    text += '\n';
    return text + kFooter.toByteArray() + QByteArray::number(text.size()).rightJustified(8, '0') +
           '\n';
}

// Whether fd is a pending save this player made: a regular file of theirs
// with no other name, so that nobody else can have written it.
bool IsOwnPendingSave(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
           info.st_nlink == 1;
}

// Whether the file a record names is the one the pending save at path was made
// for: the name the pending save's own name was made from and, for a pending
// save beside its file, the same folder.
bool IsPendingSaveOf(const QString& path, bool beside, const QString& file) {
    QString name = QFileInfo(path).fileName();
    if (beside && !name.startsWith(QLatin1Char('.'))) return false;
    name = name.mid(beside ? 1 : 0);
    static const QRegularExpression made(QStringLiteral("^(.+)\\.[0-9a-f]{8}\\.pending$"));
    const QRegularExpressionMatch match = made.match(name);
    if (!match.hasMatch() || match.captured(1) != QFileInfo(file).fileName()) return false;
    if (!beside) return true;
    struct stat a {
    }, b{};
    return ::stat(Native(QFileInfo(path).path()).constData(), &a) == 0 &&
           ::stat(Native(QFileInfo(file).path()).constData(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

// Reads the pending save open on fd: its record and new contents.
bool ReadPending(int fd, Record* r, QByteArray* bytes) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < kFooterSize)
        return false;
    QByteArray footer(kFooterSize, Qt::Uninitialized);
    if (!ReadAt(fd, footer.data(), kFooterSize, info.st_size - kFooterSize) ||
        !footer.startsWith(kFooter) || !footer.endsWith('\n'))
        return false;
    bool ok = false;
    const qint64 textSize = footer.mid(kFooter.size(), 8).toLongLong(&ok);
    const qint64 length = info.st_size - kFooterSize - textSize;
    if (!ok || textSize <= 0 || length < 0) return false;
    QByteArray text(textSize, Qt::Uninitialized);
    if (!ReadAt(fd, text.data(), textSize, length)) return false;
    QHash<QByteArray, QByteArray> values;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0) values.insert(line.left(equals), line.mid(equals + 1));
    }
    r->path = QFile::decodeName(QByteArray::fromPercentEncoding(values.value("path")));
    qint64* const numbers[] = {&r->size, &r->seconds, &r->nanoseconds, &r->length};
    const char* const keys[] = {"size", "seconds", "nanoseconds", "length"};
    for (int i = 0; i < 4; ++i) {
        *numbers[i] = values.value(keys[i]).toLongLong(&ok);
        if (!ok) return false;
    }
    r->device = values.value("device").toULongLong(&ok);
    if (!ok) return false;
    r->inode = values.value("inode").toULongLong(&ok);
    if (!ok || r->length != length || !QFileInfo(r->path).isAbsolute()) return false;
    bytes->resize(length);
    return ReadAt(fd, bytes->data(), length, 0);
}

// Writes bytes over the whole of the file open on fd and syncs it. At every
// moment the file holds the first part of bytes, so a write cut off can be
// told from a file changed by someone else.
bool Overwrite(int fd, const QByteArray& bytes) {
    return ::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0 &&
           WriteAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
}

// Opens the regular file at path for writing, and for reading when allowed,
// without waiting on anything that is not a regular file.
Descriptor OpenForWriting(const QByteArray& path, bool* readable, int extraFlags = 0) {
    *readable = true;
    Descriptor fd(::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK | extraFlags));
    if (!fd.valid() && errno == EACCES) {
        *readable = false;
        fd = Descriptor(::open(path.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | extraFlags));
    }
    struct stat info {};
    if (!fd.valid()) return fd;
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        errno = EINVAL;
        return Descriptor();
    }
    return fd;
}

// The pending save of one write in place, held locked while the write goes
// on so that no other game finishes it meanwhile.
class PendingSave {
public:
    // Keeps bytes, which are to replace the file target (as info describes
    // it), complete and on disk. False when there is no place to keep them.
    bool Keep(const QByteArray& bytes, const QString& target, const struct stat& info) {
        const QFileInfo file(QFileInfo(target).absoluteFilePath());
        const QString state = StateFolder();
        NewFile pending;
        const bool beside = pending.Create(target, 0600);
        if (!beside) {
            // The folder takes no new files: the state folder keeps it.
            if ((errno != EACCES && errno != EPERM && errno != EROFS) || !StateFolderUsable(true) ||
                !pending.Create(state + QLatin1Char('/') + file.fileName(), 0600))
                return false;
            RemoveLeftoverTemporaries(state + QLatin1Char('/') + file.fileName(), ProgramStart());
        }
        const QByteArray contents = PendingSaveContents(bytes, file.filePath(), info);
        if (::flock(pending.fd(), LOCK_EX) != 0 ||
            !WriteAll(pending.fd(), contents.constData(), contents.size()) ||
            ::fsync(pending.fd()) != 0)
            return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString name = file.fileName() + QStringLiteral(".%1.pending")
                                                       .arg(QRandomGenerator::global()->generate(),
                                                            8, 16, QLatin1Char('0'));
            path_ = beside ? file.dir().filePath(QLatin1Char('.') + name)
                           : state + QLatin1Char('/') + name;
            if (beside) {
                // A link in the state folder, so that the next start finds it;
                // made first, since a link to nothing is taken for one that is
                // done with.
                link_ = state + QLatin1Char('/') + name;
                const bool usable = StateFolderUsable(true);
                const bool linked =
                    usable && ::symlink(Native(path_).constData(), Native(link_).constData()) == 0;
                if (usable && !linked && errno == EEXIST) continue;
                if (!linked || !SyncFolder(state)) link_.clear();
            }
            if (pending.Name(path_)) {
                lock_ = Descriptor(::dup(pending.fd()));
                if (SyncFolder(QFileInfo(path_).path())) return true;
                Remove();
                return false;
            }
            const bool taken = errno == EEXIST;
            if (!link_.isEmpty()) ::unlink(Native(link_).constData());
            if (!taken) break;
        }
        path_.clear();
        return false;
    }

    // The write is done: the pending save goes.
    void Remove() {
        ::unlink(Native(path_).constData());
        if (!link_.isEmpty()) ::unlink(Native(link_).constData());
    }

private:
    QString path_, link_;
    Descriptor lock_;
};

enum class Finish { kWritten, kWasDone, kChanged, kLater };

// Finishes the write of bytes into the file r names, if it is still that file.
Finish FinishWrite(const Record& r, const QByteArray& bytes) {
    bool readable = true;
    const Descriptor fd = OpenForWriting(Native(r.path), &readable, O_NOFOLLOW);
    struct stat info {};
    if (!fd.valid()) {
        // A folder that is not there (a disk not plugged in) may come back.
        const bool later = errno == EACCES || errno == EIO ||
                           (errno == ENOENT && !QFileInfo::exists(QFileInfo(r.path).path()));
        return later ? Finish::kLater : Finish::kChanged;
    }
    if (::fstat(fd.get(), &info) != 0) return Finish::kLater;
    if (quint64(info.st_dev) != r.device || quint64(info.st_ino) != r.inode)
        return Finish::kChanged;
    if (!r.IsAsItWas(info)) {
        // Only the interrupted write may have changed it: the file holds the
        // first part of the new contents.
        if (!readable || info.st_size > bytes.size()) return Finish::kChanged;
        QByteArray now(info.st_size, Qt::Uninitialized);
        if (!ReadAt(fd.get(), now.data(), now.size(), 0)) return Finish::kLater;
        if (!bytes.startsWith(now)) return Finish::kChanged;
        if (now.size() == bytes.size())
            return ::fsync(fd.get()) == 0 ? Finish::kWasDone : Finish::kLater;
    }
    return Overwrite(fd.get(), bytes) ? Finish::kWritten : Finish::kLater;
}

// The name a pending save gets when it is kept aside: visible, in the same
// folder, ".kept" for ".pending".
QString KeptName(const QString& pending) {
    const QFileInfo info(pending);
    QString name = info.fileName();
    if (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
    name.chop(int(qstrlen(".pending")));
    return info.dir().filePath(name + QStringLiteral(".kept"));
}

}  // namespace

QByteArray PendingSaveContents(const QByteArray& bytes, const QString& file,
                               const struct stat& info) {
    return bytes + RecordText({file, quint64(info.st_dev), quint64(info.st_ino), info.st_size,
                               info.st_mtim.tv_sec, info.st_mtim.tv_nsec, bytes.size()});
}

bool WriteInPlace(const QByteArray& bytes, const QString& target) {
    bool readable = true;
    Descriptor fd = OpenForWriting(Native(target), &readable);
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) return false;
    // The old contents, to put back if the write fails part-way.
    std::optional<QByteArray> old;
    if (readable) {
        old.emplace(info.st_size, Qt::Uninitialized);
        if (!ReadAt(fd.get(), old->data(), old->size(), 0)) return false;
    }
    PendingSave pending;
    if (!pending.Keep(bytes, target, info)) return false;  // nothing written yet
    if (Overwrite(fd.get(), bytes)) {
        pending.Remove();
        return fd.Close();
    }
    if (old && Overwrite(fd.get(), *old)) {
        pending.Remove();
    } else {
        // No cut-off game is left that could be taken for a whole one; the
        // pending save stays and the next start finishes it.
        (void)::ftruncate(fd.get(), 0);
        (void)::fsync(fd.get());
    }
    return false;
}

QList<InterruptedSave> RecoverInterruptedSaves(const QString& file) {
    const QString state = StateFolder();
    const QString only =
        file.isEmpty() ? QString() : QFileInfo(FollowLinks(file)).absoluteFilePath();
    // The player's pending saves and the links to them, each as (pending
    // save, link, whether it lies beside its file). Nothing another user
    // could have made or changed is taken.
    struct Found {
        QString path, link;
        bool beside;
    };
    QList<Found> found;
    if (file.isEmpty()) RemoveNotedTemporaries();
    const QDir::Filters all = QDir::Files | QDir::Hidden | QDir::System;
    const QList<QFileInfo> entries =
        StateFolderUsable(false) ? QDir(state).entryInfoList({QStringLiteral("*.pending")}, all)
                                 : QList<QFileInfo>();
    for (const QFileInfo& entry : entries) {
        struct stat link {
        }, pending{};
        const QByteArray name = Native(entry.filePath());
        if (!entry.isSymLink()) {
            found.append({entry.filePath(), {}, false});
        } else if (::lstat(name.constData(), &link) != 0 || link.st_uid != ::geteuid()) {
            continue;  // not a link of the player's
        } else if (::lstat(Native(entry.symLinkTarget()).constData(), &pending) != 0) {
            ::unlink(name.constData());  // the pending save is done with, but not its link
        } else if (QFileInfo(entry.symLinkTarget()).fileName() ==
                   QLatin1Char('.') + entry.fileName()) {
            found.append({entry.symLinkTarget(), entry.filePath(), true});
        }
    }
    if (!only.isEmpty()) {
        const QFileInfo target(only);
        for (const QFileInfo& entry : target.dir().entryInfoList(
                 {QLatin1Char('.') + target.fileName() + QStringLiteral(".*.pending")}, all)) {
            const bool known = std::any_of(found.begin(), found.end(), [&](const Found& f) {
                return f.path == entry.filePath();
            });
            if (!known) found.append({entry.filePath(), {}, true});
        }
    }

    QList<InterruptedSave> done;
    for (const auto& [path, link, beside] : found) {
        const Descriptor fd(::open(Native(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        Record r;
        QByteArray bytes;
        // A pending save that a running game holds is its own business.
        if (!fd.valid() || !IsOwnPendingSave(fd.get()) ||
            ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || !ReadPending(fd.get(), &r, &bytes) ||
            (!only.isEmpty() && r.path != only) || !IsPendingSaveOf(path, beside, r.path))
            continue;
        const Finish finish = FinishWrite(r, bytes);
        if (finish == Finish::kLater) continue;
        QString kept;
        if (finish == Finish::kChanged) {
            kept = KeptName(path);
            if (::renameat2(AT_FDCWD, Native(path).constData(), AT_FDCWD, Native(kept).constData(),
                            RENAME_NOREPLACE) != 0)
                kept = path;
        } else {
            ::unlink(Native(path).constData());
        }
        if (!link.isEmpty()) ::unlink(Native(link).constData());
        if (finish == Finish::kWritten)
            done.append({InterruptedSave::Outcome::kCompleted, r.path, {}});
        else if (finish == Finish::kChanged)
            done.append({InterruptedSave::Outcome::kKeptAside, r.path, kept});
    }
    return done;
}

void FinishInterruptedSaves(Dialogs& dialogs, const QString& file) {
    if (file.isEmpty() && QFileInfo::exists(StateFolder()) && !StateFolderUsable(false)) {
        dialogs.Message(
            QCoreApplication::translate(
                "pathwick::SaveFile",
                "Interrupted saves are not looked for in %1, and no save keeps anything there, "
                "because other users could change what is in it. Make it a folder of yours that "
                "only you may write to.")
                .arg(StateFolder()),
            QCoreApplication::translate("pathwick::SaveFile", "File Save"));
    }
    for (const InterruptedSave& save : RecoverInterruptedSaves(file)) {
        const QString text =
            save.outcome == InterruptedSave::Outcome::kCompleted
                ? QCoreApplication::translate(
                      "pathwick::SaveFile",
                      "A save of %1 that was interrupted earlier has been completed.")
                      .arg(save.file)
                : QCoreApplication::translate("pathwick::SaveFile",
                                              "A save of %1 that was interrupted earlier was not "
                                              "completed, because the file has changed since; "
                                              "the game it was saving is kept in %2.")
                      .arg(save.file, save.keptAs);
        dialogs.Message(text, QCoreApplication::translate("pathwick::SaveFile", "File Save"));
    }
}

}  // namespace pathwick
