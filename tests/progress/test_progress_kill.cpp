#include "kill_rounds.h"
#include "progress/progress_store.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using veltrano::ConsistencyReport;
using veltrano::ProgressStore;

class ProgressKillTest : public QObject {
    Q_OBJECT

private slots:
    // A record killed at any moment leaves whole tests only, in a file that
    // opens. CI runs many more rounds (VELTRANO_KILL_ROUNDS).
    void killDuringRecordKeepsWholeTests()
    {
        const int rounds = testing::killRounds();
        QTemporaryDir dir;
        const QString path = dir.filePath("progress.sqlite");
        QRandomGenerator random(20261209);
        int tests = 0;
        for (int round = 0; round < rounds; ++round) {
            QProcess child;
            child.start(QStringLiteral(PROGRESS_WRITER_CHILD), {path});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000));
            QTest::qSleep(random.bounded(40));
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());

            ProgressStore store(path, 165);
            const ConsistencyReport report = store.checkConsistency();
            QVERIFY2(report.sound, qPrintable(QString::number(round)));
            QCOMPARE(int(report.fault), 0);
            QVERIFY(report.questionStateMatches);
            QCOMPARE(store.takeSetAsideNotice(), std::nullopt);
            QVERIFY(report.testCount > tests); // at least the child's first test is in
            tests = report.testCount;
        }
        qInfo("after %d kills: %d whole tests, the file sound every time", rounds, tests);
    }
};

QTEST_GUILESS_MAIN(ProgressKillTest)
#include "test_progress_kill.moc"
