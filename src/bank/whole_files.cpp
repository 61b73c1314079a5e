#include "bank/whole_files.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#else
#include <QSaveFile>
#endif

namespace veltrano {

#ifdef Q_OS_UNIX

namespace {

// Closes the descriptor it holds when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Closes now, saying whether the system took every byte (a network file
    // system may report a failed write only here).
    bool close()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Removes the file at path when it goes, unless kept.
class RemovedUnlessKept {
public:
    explicit RemovedUnlessKept(QByteArray path) : path_(std::move(path)) {}
    RemovedUnlessKept(const RemovedUnlessKept &) = delete;
    RemovedUnlessKept &operator=(const RemovedUnlessKept &) = delete;
    ~RemovedUnlessKept()
    {
        if (!path_.isEmpty())
            ::unlink(path_.constData());
    }
    void keep() { path_.clear(); }

private:
    QByteArray path_;
};

QByteArray systemName(const QString &path)
{
    return QFile::encodeName(path);
}

FileWriteFailure failure(int error)
{
    using Cause = FileWriteFailure::Cause;
    const Cause cause = error == ENOSPC || error == EDQUOT ? Cause::NoSpace : Cause::Other;
    return {cause, qt_error_string(error)};
}

// An editor that saves through a symbolic link replaces the file it points
// to, not the link. A dangling link is replaced itself.
QString replacedPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

// Makes the new file: at temporaryPath (any file left there by a killed
// writer goes first), or at a fresh name beside target.
int createNewFile(const QString &target, const QString &temporaryPath, QByteArray *madePath)
{
    constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW;
    constexpr mode_t everyone = 0666; // less the umask, as for any new file
    if (!temporaryPath.isEmpty()) {
        *madePath = systemName(temporaryPath);
        ::unlink(madePath->constData());
        return ::open(madePath->constData(), flags, everyone);
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        *madePath =
            systemName(target + u'.' + QString::number(QRandomGenerator::system()->generate(), 36));
        const int fd = ::open(madePath->constData(), flags, everyone);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, QByteArrayView bytes)
{
    const char *next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// Flushes the folder's entry for the renamed file, so that the new name
// survives a power cut too. Some file systems cannot; the file is whole
// either way.
void syncFolderOf(const QString &path)
{
    const Descriptor folder(
        ::open(systemName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC));
    if (folder.isOpen())
        ::fsync(folder.get());
}

} // namespace

std::optional<FileWriteFailure> replaceFile(const QString &path, QByteArrayView bytes,
                                            const QString &temporaryPath)
{
    using Cause = FileWriteFailure::Cause;
    const QString target = replacedPath(path);
    const QByteArray targetName = systemName(target);
    struct stat old {};
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return FileWriteFailure{Cause::NotRegularFile, QStringLiteral("not a regular file")};
    if (exists && ::access(targetName.constData(), W_OK) != 0)
        return FileWriteFailure{Cause::ReadOnly, qt_error_string(errno)};

    QByteArray newName;
    // The caller's name for the new file is beside path, not beside a link's
    // target, which may be on another file system.
    Descriptor file(createNewFile(target, target == path ? temporaryPath : QString(), &newName));
    if (!file.isOpen()) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS)
            return FileWriteFailure{Cause::FolderNotWritable, qt_error_string(error)};
        return failure(error);
    }
    RemovedUnlessKept removed(newName);
    if (exists)
        ::fchmod(file.get(), old.st_mode & 07777); // keep the old file's permissions

    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0)
        return failure(errno);
    struct stat written {};
    if (::fstat(file.get(), &written) != 0)
        return failure(errno);
    if (written.st_size != bytes.size())
        return FileWriteFailure{Cause::Other, QStringLiteral("only %1 of %2 bytes reached the disk")
                                                  .arg(written.st_size)
                                                  .arg(bytes.size())};
    if (!file.close())
        return failure(errno);
    if (::rename(newName.constData(), targetName.constData()) != 0)
        return failure(errno);
    removed.keep();
    syncFolderOf(target);
    return std::nullopt;
}

FileContents readRegularFile(const QString &path, qint64 maxBytes)
{
    using Status = FileContents::Status;
    const QByteArray name = systemName(path);
    const auto unreadable = [](int error) {
        if (error == ENOENT || error == ENOTDIR)
            return FileContents{Status::Missing, {}, {}};
        return FileContents{Status::Unreadable, {}, qt_error_string(error)};
    };
    // Looked at before it is opened: opening a FIFO waits for a writer, and
    // opening a device may do anything.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return unreadable(errno);
    if (!S_ISREG(info.st_mode))
        return {Status::NotRegularFile, {}, {}};
    if (info.st_size > maxBytes)
        return {Status::TooLarge, {}, {}};

    // Non-blocking, in case something else took the name in between.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!file.isOpen())
        return unreadable(errno);
    if (::fstat(file.get(), &info) != 0)
        return unreadable(errno);
    if (!S_ISREG(info.st_mode))
        return {Status::NotRegularFile, {}, {}};

    // Reads one byte past the limit, to see a file that grew meanwhile.
    QByteArray bytes(qMin<qint64>(info.st_size, maxBytes) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxBytes)
                return {Status::TooLarge, {}, {}};
            bytes.resize(qMin<qint64>(2 * total, maxBytes + 1));
        }
        const ssize_t got =
            ::read(file.get(), bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return unreadable(errno);
        if (got == 0)
            break;
        total += got;
    }
    if (total > maxBytes)
        return {Status::TooLarge, {}, {}};
    bytes.truncate(total);
    return {Status::Read, bytes, {}};
}

PathKind pathKind(const QString &path)
{
    struct stat info {};
    if (::stat(systemName(path).constData(), &info) != 0)
        return PathKind::Missing;
    return S_ISREG(info.st_mode) ? PathKind::RegularFile : PathKind::Other;
}

bool isSameFile(const QString &a, const QString &b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(systemName(a).constData(), &first) == 0 &&
           ::stat(systemName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

#else // Not POSIX: the same promises, as far as Qt can keep them.

std::optional<FileWriteFailure> replaceFile(const QString &path, QByteArrayView bytes,
                                            const QString &)
{
    using Cause = FileWriteFailure::Cause;
    if (pathKind(path) == PathKind::Other)
        return FileWriteFailure{Cause::NotRegularFile, QStringLiteral("not a regular file")};
    // Unbuffered, so that a failed write is seen by write() and commit()
    // refuses to replace the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        return FileWriteFailure{Cause::Other, file.errorString()};
    return std::nullopt;
}

FileContents readRegularFile(const QString &path, qint64 maxBytes)
{
    using Status = FileContents::Status;
    const QFileInfo info(path);
    if (!info.exists())
        return {Status::Missing, {}, {}};
    if (!info.isFile())
        return {Status::NotRegularFile, {}, {}};
    if (info.size() > maxBytes)
        return {Status::TooLarge, {}, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Status::Unreadable, {}, file.errorString()};
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return {Status::TooLarge, {}, {}};
    return {Status::Read, bytes, {}};
}

PathKind pathKind(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return PathKind::Missing;
    return info.isFile() ? PathKind::RegularFile : PathKind::Other;
}

bool isSameFile(const QString &a, const QString &b)
{
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

#endif

} // namespace veltrano
