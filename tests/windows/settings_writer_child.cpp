// Child process of the settings store test: stores two history values in
// turn, as fast as it can, until it is killed. Says "stored" once the first
// store is done, so that the kills land in the middle of later stores.

#include "windows/platform/settings_store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    veltrano::platform::SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const QString values[] = {QString(165, u'1'), QString(165, u'0')};
    for (unsigned long i = 0;; ++i) {
        if (i == 1) {
            std::puts("stored");
            std::fflush(stdout);
        }
        if (!store.write(QStringLiteral("aaa"), QStringLiteral("redo"), values[i % 2]))
            return 1;
    }
}
