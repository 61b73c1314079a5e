#include "kill_rounds.h"
#include "temporary_home.h"
#include "windows/platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using testing::TemporaryHome;
using veltrano::platform::SettingsStore;

class SettingsStoreTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void readsWhatItWrote()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("OrviTest.conf"));
        QCOMPARE(store.read("aaa", "redo", "fallback"), QStringLiteral("fallback"));
        QVERIFY(store.write("aaa", "redo", "0101"));
        QCOMPARE(store.read("aaa", "redo", "fallback"), QStringLiteral("0101"));
        QFile file(dir.filePath("OrviTest.conf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[aaa]\nredo=0101\n"));
    }

    void unwritableStoreSaysWhy()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(dir.filePath("folder/OrviTest.conf"));
        QString reason;
        QVERIFY(!store.write("aaa", "redo", "1", &reason));
        QVERIFY2(reason.contains(QDir::toNativeSeparators(dir.filePath("folder"))),
                 qPrintable(reason));
    }

    // A store killed at any moment leaves the old value or the new one,
    // never a broken file. CI runs many more rounds (VELTRANO_KILL_ROUNDS).
    void killDuringStoreLosesNothing()
    {
        const int rounds = testing::killRounds();
        QTemporaryDir dir;
        const QString path = dir.filePath("OrviTest.conf");
        const QString zeros(165, u'0');
        const QString ones(165, u'1');
        SettingsStore store(path);
        QVERIFY(store.write("aaa", "redo", zeros));
        QRandomGenerator random(20261208);
        int sawZeros = 0;
        int sawOnes = 0;
        for (int round = 0; round < rounds; ++round) {
            QProcess child;
            child.start(QStringLiteral(SETTINGS_WRITER_CHILD), {path});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000));
            QTest::qSleep(random.bounded(30));
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());
            // A writer killed while creating a lock file leaves it empty; such
            // a lock is taken over only after some seconds, which this test
            // need not wait for.
            QFile::remove(path + QStringLiteral(".lock"));
            QFile::remove(path + QStringLiteral(".veltrano-lock"));
            const QString value = store.read("aaa", "redo", QStringLiteral("missing"));
            QVERIFY2(value == zeros || value == ones, qPrintable(value.left(20)));
            (value == zeros ? sawZeros : sawOnes) += 1;
        }
        qInfo("after %d kills: %d times the all-0 value, %d times the all-1 value", rounds,
              sawZeros, sawOnes);
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "test_settings_store.moc"
