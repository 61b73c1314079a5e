#include "windows/platform/settings_lock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano::platform {

namespace {

constexpr std::chrono::milliseconds retryInterval{10};

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

SettingsLock::~SettingsLock()
{
    if (fd_ >= 0)
        ::close(fd_); // drops the lock; the file stays for the next store
}

SettingsLock::Outcome SettingsLock::acquire(std::chrono::milliseconds patience)
{
    const QByteArray name = QFile::encodeName(path_);
    const QDeadlineTimer deadline(patience);
    for (int strays = 0;;) {
        // Neither following a link nor blocking on a FIFO that stands there.
        const int fd =
            ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
        struct stat opened {};
        if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            if (fd >= 0)
                ::close(fd);
            // Something else (a link, a FIFO) took the lock's name, which is
            // the program's own: it goes.
            struct stat there {};
            if (++strays > 2 || ::lstat(name.constData(), &there) != 0 || S_ISREG(there.st_mode) ||
                S_ISDIR(there.st_mode) || ::unlink(name.constData()) != 0)
                return Outcome::Unavailable;
            continue;
        }
        int locked = -1;
        while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 &&
               (errno == EWOULDBLOCK || errno == EINTR) && !deadline.hasExpired())
            QThread::msleep(retryInterval.count());
        const int error = errno;
        // An older copy of the program deletes its lock file when done: a lock
        // on a file no longer at the path excludes nobody.
        struct stat atPath {};
        if (locked == 0 && ::stat(name.constData(), &atPath) == 0 && sameFile(opened, atPath)) {
            fd_ = fd;
            return Outcome::Held;
        }
        ::close(fd);
        if (locked != 0 && error != EWOULDBLOCK && error != EINTR)
            return Outcome::Unavailable; // a file system without locks
        if (deadline.hasExpired())
            return Outcome::Busy;
    }
}

} // namespace veltrano::platform
