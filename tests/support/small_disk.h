#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <sys/statvfs.h>
#include <unistd.h>

namespace testing {

// A tmpfs of a few KiB mounted on a temporary folder for as long as it
// lives, to see what happens when the disk is full. Mounting needs root (as
// in CI); where it cannot be mounted, whyNot() says why, for QSKIP.
class SmallDisk {
public:
    explicit SmallDisk(int kibibytes = 64)
    {
        if (::geteuid() != 0) {
            whyNot_ = QStringLiteral("mounting a tmpfs needs root");
            return;
        }
        QProcess mount;
        mount.start(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=%1k").arg(kibibytes), QStringLiteral("tmpfs"),
                     dir_.path()});
        if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit ||
            mount.exitCode() != 0) {
            whyNot_ = QStringLiteral("mount -t tmpfs failed: ") +
                      QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk()
    {
        if (mounted_ && QProcess::execute(QStringLiteral("umount"), {dir_.path()}) != 0)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), dir_.path()});
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return mounted_; }
    QString whyNot() const { return whyNot_; }
    QString filePath(const QString &name) const { return dir_.filePath(name); }

    qint64 freeBytes() const
    {
        struct statvfs disk {};
        if (::statvfs(QFile::encodeName(dir_.path()).constData(), &disk) != 0)
            return -1;
        return static_cast<qint64>(disk.f_bavail) * static_cast<qint64>(disk.f_frsize);
    }

    // Fills the disk with a file of its own, then gives back `leave` bytes
    // (whole 4 KiB pages on a tmpfs). Returns whether the disk ended so.
    bool fill(qint64 leave = 0)
    {
        QFile filler(filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return false;
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size()) {
        }
        while (filler.write(page.left(1)) == 1) {
        }
        if (freeBytes() != 0)
            return false;
        return leave == 0 || (filler.resize(filler.size() - leave) && freeBytes() >= leave);
    }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString whyNot_;
};

} // namespace testing
