#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace veltrano {

// Files read and written whole, without surprises: a file is read only when
// it is a regular file no larger than the caller allows, and replaced only
// once every byte of its new contents is on the disk, so that a full disk or
// a killed process never leaves it empty or half written. The program's
// settings and the question command's output both go through here.

// Why a file could not be replaced.
struct FileWriteFailure {
    enum class Cause {
        NotRegularFile,    // a folder, a FIFO, a device: never replaced
        ReadOnly,          // the file itself may not be written
        FolderNotWritable, // no new file can be made beside it
        NoSpace,           // the disk, or the user's quota, is full
        Other,
    };
    Cause cause = Cause::Other;
    QString detail; // the system's words, such as "No space left on device"
};

// Replaces the file at path with bytes, or creates it. The bytes go to a new
// file beside it, are flushed to the disk (fsync) and their size checked;
// only then does the new file take the old one's place, in one rename. On
// any failure the old file is left as it was and the new one removed. A
// symbolic link is followed and its target replaced, as editors do.
//
// The new file gets a fresh name, unless the caller holds a lock that makes
// temporaryPath its own: then that name is used, so that a writer killed
// midway leaves at most that one file behind, for the next to replace.
[[nodiscard]] std::optional<FileWriteFailure> replaceFile(const QString &path, QByteArrayView bytes,
                                                          const QString &temporaryPath = {});

// What a bounded read of a file found.
struct FileContents {
    enum class Status { Read, Missing, NotRegularFile, TooLarge, Unreadable };
    Status status = Status::Missing;
    QByteArray bytes; // when Read
    QString detail;   // the system's words, when Unreadable
};

// Reads the regular file at path (symbolic links followed), or says why not.
// A file larger than maxBytes is refused without being read; a FIFO or a
// device is never opened, so nothing blocks or reads without end.
FileContents readRegularFile(const QString &path, qint64 maxBytes);

// What stands at a path, symbolic links followed.
enum class PathKind { Missing, RegularFile, Other };
PathKind pathKind(const QString &path);

// Whether a and b are one existing file, however they are spelt ("raw.txt",
// "./raw.txt", a symbolic link to it): the same device and inode.
bool isSameFile(const QString &a, const QString &b);

} // namespace veltrano
