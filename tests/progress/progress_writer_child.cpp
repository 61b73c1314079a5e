// Child process of the progress kill test: records 20-question tests into
// the named store, one after another, until it is killed. Says "recorded"
// once the first test is in, so that the kills land in later records.

#include "progress/progress_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QUuid>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    veltrano::ProgressStore store(QString::fromLocal8Bit(argv[1]), 165);
    QDateTime at = QDateTime::currentDateTime();
    // An hour apart: the next child starts before this one's last test,
    // as a copy of the program with its clock set back would.
    for (int i = 0;; ++i) {
        veltrano::FinishedTest test{
            QUuid::createUuid().toString(), at.addSecs(i * 3600), QStringLiteral("sized"), {}};
        for (int k = 0; k < 20; ++k) {
            const bool right = (i + k) % 3 != 0;
            test.answers.append({1 + (i * 7 + k) % 165, right ? 1 : 3, 1, right});
        }
        if (!store.record(test).ok())
            return 1;
        if (i == 0) {
            std::puts("recorded");
            std::fflush(stdout);
        }
    }
}
