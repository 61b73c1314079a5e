// Child process of the settings store test.
//
//   settings-writer-child PATH             stores two history values in turn,
//                                          as fast as it can, until killed
//   settings-writer-child --hold-lock PATH holds the program's lock on PATH
//   settings-writer-child --hold-qt-lock PATH
//                                          holds QSettings' own lock on PATH
//
// Says "stored" once its first store is done, or "locked" once it holds the
// lock, so that the test knows when to act.

#include "windows/platform/settings_lock.h"
#include "windows/platform/settings_store.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

void say(const char *word)
{
    std::puts(word);
    std::fflush(stdout);
}

[[noreturn]] void waitToBeKilled()
{
    for (;;)
        QThread::sleep(60);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0) {
        veltrano::platform::SettingsLock lock(QString::fromLocal8Bit(argv[2]) +
                                              QStringLiteral(".veltrano-lock"));
        if (lock.acquire(std::chrono::seconds(10)) !=
            veltrano::platform::SettingsLock::Outcome::Held)
            return 1;
        say("locked");
        waitToBeKilled();
    }
    if (argc == 3 && std::strcmp(argv[1], "--hold-qt-lock") == 0) {
        QLockFile lock(QString::fromLocal8Bit(argv[2]) + QStringLiteral(".lock"));
        if (!lock.tryLock(10000))
            return 1;
        say("locked");
        waitToBeKilled();
    }
    if (argc != 2)
        return 2;
    veltrano::platform::SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const QString values[] = {QString(165, u'1'), QString(165, u'0')};
    for (unsigned long i = 0;; ++i) {
        if (i == 1)
            say("stored");
        if (!store.write(QStringLiteral("aaa"), QStringLiteral("redo"), values[i % 2]))
            return 1;
    }
}
