#include "kill_rounds.h"
#include "small_disk.h"
#include "temporary_home.h"
#include "windows/platform/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using testing::SmallDisk;
using testing::TemporaryHome;
using veltrano::platform::SettingsStore;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A child process that holds a lock on the settings file until it goes.
class LockHolder {
public:
    LockHolder(const QString &mode, const QString &settingsPath)
    {
        child_.start(QStringLiteral(SETTINGS_WRITER_CHILD), {mode, settingsPath});
        holding_ = child_.waitForReadyRead(10000) && child_.readAll().startsWith("locked");
    }
    ~LockHolder() { stop(); }
    LockHolder(const LockHolder &) = delete;
    LockHolder &operator=(const LockHolder &) = delete;

    bool isHolding() const { return holding_; }
    void stop()
    {
        child_.kill();
        child_.waitForFinished();
    }

private:
    QProcess child_;
    bool holding_ = false;
};

} // namespace

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

    // The program reads its settings as QSettings reads them, as text.
    void readsSettingsAsQtDoes_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("redo"); // null: missing

        QTest::addRow("plain") << QByteArray("[aaa]\nredo=0101\n") << "0101";
        QTest::addRow("blanks around") << QByteArray("[ aaa ]\n  redo  =  0 1  \n") << "0 1";
        QTest::addRow("CR LF") << QByteArray("[aaa]\r\nredo=0101\r\n") << "0101";
        QTest::addRow("quoted") << QByteArray("[aaa]\nredo=\"a, b\" \n") << "a, b";
        QTest::addRow("escapes") << QByteArray("[aaa]\nredo=a\\tb\\x41\\101\\\"\n") << "a\tbAA\"";
        QTest::addRow("a list") << QByteArray("[aaa]\nredo=1, 1\n") << "1, 1";
        QTest::addRow("doubled @") << QByteArray("[aaa]\nredo=@@x\n") << "@x";
        QTest::addRow("comment after") << QByteArray("[aaa]\nredo=01 ; old\n") << "01";
        QTest::addRow("comment lines") << QByteArray("; mine\n[aaa]\n; redo=1\nredo=0\n") << "0";
        QTest::addRow("line goes on") << QByteArray("[aaa]\nredo=0\\\n1\n") << "01";
        QTest::addRow("last one counts")
            << QByteArray("[aaa]\nredo=1\n[bbb]\nredo=2\n[aaa]\nredo=3\n") << "3";
        QTest::addRow("other section only") << QByteArray("[bbb]\nredo=1\n") << QString();
        QTest::addRow("other case") << QByteArray("[AAA]\nREDO=1\n") << QString();
        QTest::addRow("UTF-8") << QByteArray("[aaa]\nredo=\xc3\xa9t\xc3\xa9\n")
                               << QStringLiteral("été");
        QTest::addRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[aaa]\nredo=11\n") << "11";
    }

    void readsSettingsAsQtDoes()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, redo);

        QTemporaryDir dir;
        const QString path = dir.filePath("OrviTest.conf");
        QVERIFY(writeFile(path, contents));
        SettingsStore store(path);
        QCOMPARE(store.read("aaa", "redo", QString()), redo);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("aaa/redo").toStringList().join(", "),
                 redo.isNull() ? QString() : redo);
        QVERIFY(store.takeNotices().isEmpty());
    }

    // A store changes its own value and keeps every other byte of the file;
    // a byte-order mark is no reason to report a failure.
    void storesChangeOnlyTheirValue_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::addRow("value replaced") << QByteArray("[aaa]\nredo=1111\nzzz=1\n") << "0101"
                                        << QByteArray("[aaa]\nredo=0101\nzzz=1\n");
        QTest::addRow("added at the end of its section")
            << QByteArray("[aaa]\nzzz=1\nlanguage=fr\n\n[window]\nx=1\n") << "0101"
            << QByteArray("[aaa]\nzzz=1\nlanguage=fr\nredo=0101\n\n[window]\nx=1\n");
        QTest::addRow("section added") << QByteArray("[window]\nx=1\n") << "0101"
                                       << QByteArray("[window]\nx=1\n\n[aaa]\nredo=0101\n");
        QTest::addRow("no line end at the end")
            << QByteArray("[aaa]\nzzz=1") << "0101" << QByteArray("[aaa]\nzzz=1\nredo=0101\n");
        QTest::addRow("CR LF kept") << QByteArray("[aaa]\r\nzzz=1\r\n") << "0101"
                                    << QByteArray("[aaa]\r\nzzz=1\r\nredo=0101\r\n");
        QTest::addRow("comments and a byte-order mark")
            << QByteArray("\xEF\xBB\xBF; mine\n[aaa]\nredo=1 ; old\n# note\nzzz=1\n") << "0101"
            << QByteArray("\xEF\xBB\xBF; mine\n[aaa]\nredo=0101; old\n# note\nzzz=1\n");
        QTest::addRow("a line going on at the end") << QByteArray("[aaa]\nzzz=1\\") << "0101"
                                                    << QByteArray("[aaa]\nzzz=1\\\n\nredo=0101\n");
        QTest::addRow("an escaped line end at the end")
            << QByteArray("[aaa]\nzzz=1\\\r") << "0101"
            << QByteArray("[aaa]\nzzz=1\\\r\n\nredo=0101\n");
        QTest::addRow("text QSettings would take for a type")
            << QByteArray("[aaa]\nzzz=1\n") << "@Variant(x), y"
            << QByteArray("[aaa]\nzzz=1\nredo=\"@@Variant(x), y\"\n");
    }

    void storesChangeOnlyTheirValue()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);

        QTemporaryDir dir;
        const QString path = dir.filePath("OrviTest.conf");
        QVERIFY(writeFile(path, before));
        SettingsStore store(path);
        QString reason;
        QVERIFY2(store.write("aaa", "redo", value, &reason), qPrintable(reason));
        QCOMPARE(fileBytes(path), after);
        QCOMPARE(store.read("aaa", "redo", QString()), value);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("aaa/redo").toString(), value);
    }

    // Whatever text is stored reads back the same.
    void keepsAnyTextWhole_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addRow("blanks around") << QStringLiteral("  a b  ");
        QTest::addRow("separators") << QStringLiteral("a, b; c = d");
        QTest::addRow("quotes and backslashes") << QStringLiteral("\"\\\"\\");
        QTest::addRow("control characters") << QStringLiteral("\t\n\r\x01"
                                                              "0\x1f"
                                                              "a");
        QTest::addRow("NUL and a digit") << QString(QChar(0)) + QStringLiteral("7");
        QTest::addRow("starts with @") << QStringLiteral("@Size(1 2)");
        QTest::addRow("byte-order mark first") << QString(QChar(0xFEFF)) + QStringLiteral("x");
        QTest::addRow("lone surrogate")
            << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
        QTest::addRow("outside the BMP") << QStringLiteral("é😀");
    }

    void keepsAnyTextWhole()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("OrviTest.conf"));
        QVERIFY(store.write("aaa", "language", value));
        QCOMPARE(store.read("aaa", "language", QString()), value);
        QCOMPARE(SettingsStore(dir.filePath("OrviTest.conf")).read("aaa", "language", QString()),
                 value);
    }

    // On a full disk a store fails and says so, and the file stays whole;
    // the lock never takes the space the file needs.
    void fullDiskKeepsTheFile_data()
    {
        QTest::addColumn<bool>("storedBefore"); // else the lock file is still to be made
        QTest::addColumn<qint64>("roomLeft");
        QTest::addColumn<bool>("stored");

        QTest::addRow("full") << true << qint64(0) << false;
        QTest::addRow("full, no lock file yet") << false << qint64(0) << false;
        QTest::addRow("one page left") << true << qint64(4096) << true;
        QTest::addRow("one page left, no lock file yet") << false << qint64(4096) << true;
    }

    void fullDiskKeepsTheFile()
    {
        QFETCH(bool, storedBefore);
        QFETCH(qint64, roomLeft);
        QFETCH(bool, stored);

        SmallDisk disk;
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QString path = disk.filePath("OrviTest.conf");
        const QByteArray earlier = "[aaa]\nzzz=1\nredo=" + QByteArray(165, '0') + "\n";
        SettingsStore store(path);
        if (storedBefore)
            QVERIFY(store.write("aaa", "redo", QString(165, u'0')));
        QVERIFY(writeFile(path, earlier));
        QVERIFY(disk.fill(roomLeft));

        QString reason;
        QCOMPARE(store.write("aaa", "redo", QString(165, u'1'), &reason), stored);
        if (stored) {
            QCOMPARE(store.read("aaa", "redo", QString()), QString(165, u'1'));
        } else {
            QCOMPARE(reason, QDir::toNativeSeparators(path) +
                                 QStringLiteral(" could not be written: the disk is full."));
            QCOMPARE(fileBytes(path), earlier);
        }
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".veltrano-new")));
    }

    // Each store reads the file's bytes afresh: a copy that stored a value of
    // the same size within the same millisecond is seen, not written over.
    void seesStoresOfTheSameSizeAndTime()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("OrviTest.conf");
        SettingsStore store(path);
        QVERIFY(store.write("aaa", "redo", QString(165, u'0')));
        QCOMPARE(store.read("aaa", "redo", QString()), QString(165, u'0'));

        // Another copy's store: same size, and the same time to the millisecond.
        const QDateTime time = QFileInfo(path).lastModified();
        QVERIFY(writeFile(path, "[aaa]\nredo=" + QByteArray(165, '1') + "\n"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(QFileInfo(path).lastModified(), time);

        QCOMPARE(store.read("aaa", "redo", QString()), QString(165, u'1'));
        QVERIFY(store.update("aaa", "redo", QString(),
                             [](const QString &storedNow) { return u'0' + storedNow.mid(1); }));
        QCOMPARE(store.read("aaa", "redo", QString()), u'0' + QString(164, u'1'));
    }

    // A lock left by a copy that was killed is taken over at once; one that a
    // running copy holds is waited for briefly, then the store says why it
    // failed.
    void locksNeverFreezeAStore_data()
    {
        QTest::addColumn<QString>("lockFile"); // beside the settings file
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("holder"); // a child's mode, or none
        QTest::addColumn<bool>("stored");

        const QByteArray deadCopy =
            "999999999\nveltrano-test\n" + QSysInfo::machineHostName().toUtf8();
        QTest::addRow("empty Qt lock") << ".lock" << QByteArray() << QString() << true;
        QTest::addRow("empty program lock")
            << ".veltrano-lock" << QByteArray() << QString() << true;
        QTest::addRow("Qt lock of a dead copy") << ".lock" << deadCopy << QString() << true;
        QTest::addRow("program lock of a dead copy")
            << ".veltrano-lock" << deadCopy << QString() << true;
        QTest::addRow("Qt lock held by a live copy")
            << ".lock" << QByteArray() << "--hold-qt-lock" << true;
        QTest::addRow("program lock held by a live copy")
            << ".veltrano-lock" << QByteArray() << "--hold-lock" << false;
    }

    void locksNeverFreezeAStore()
    {
        QFETCH(QString, lockFile);
        QFETCH(QByteArray, contents);
        QFETCH(QString, holder);
        QFETCH(bool, stored);

        QTemporaryDir dir;
        const QString path = dir.filePath("OrviTest.conf");
        QVERIFY(writeFile(path, "[aaa]\nzzz=1\n"));
        std::unique_ptr<LockHolder> live;
        if (holder.isEmpty()) {
            QVERIFY(writeFile(path + lockFile, contents));
        } else {
            live = std::make_unique<LockHolder>(holder, path);
            QVERIFY(live->isHolding());
        }

        SettingsStore store(path);
        QString reason;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(store.write("aaa", "redo", "0101", &reason), stored);
        const qint64 waited = timer.elapsed();
        if (stored) {
            QVERIFY2(waited < 1000, qPrintable(QString::number(waited)));
            QCOMPARE(store.read("aaa", "redo", QString()), QStringLiteral("0101"));
            return;
        }
        QVERIFY2(waited >= 1000 && waited < 3000, qPrintable(QString::number(waited)));
        QCOMPARE(reason,
                 QStringLiteral("Another copy of the program is saving to %1 at this moment.")
                     .arg(QDir::toNativeSeparators(path)));
        QCOMPARE(fileBytes(path), QByteArray("[aaa]\nzzz=1\n"));

        // The copy ends: the next store goes through at once.
        live->stop();
        timer.restart();
        QVERIFY(store.write("aaa", "redo", "0101"));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }

    // A store killed at any moment leaves the old value or the new one,
    // never a broken file, and whatever locks it left behind: the next start
    // and store go through at once. CI runs many more rounds
    // (VELTRANO_KILL_ROUNDS).
    void killDuringStoreLosesNothing()
    {
        const int rounds = testing::killRounds();
        QTemporaryDir dir;
        const QString path = dir.filePath("OrviTest.conf");
        const QString zeros(165, u'0');
        const QString ones(165, u'1');
        QVERIFY(SettingsStore(path).write("aaa", "redo", zeros));
        QRandomGenerator random(20261208);
        int sawZeros = 0;
        int sawOnes = 0;
        qint64 slowest = 0;
        for (int round = 0; round < rounds; ++round) {
            QProcess child;
            child.start(QStringLiteral(SETTINGS_WRITER_CHILD), {path});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000));
            QTest::qSleep(random.bounded(30));
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());

            // As the next start of the program would: read, then store.
            QElapsedTimer timer;
            timer.start();
            SettingsStore store(path);
            const QString value = store.read("aaa", "redo", QStringLiteral("missing"));
            QVERIFY2(value == zeros || value == ones, qPrintable(value.left(20)));
            QVERIFY(store.takeNotices().isEmpty());
            QVERIFY(store.write("aaa", "zzz", QString::number(round)));
            slowest = qMax(slowest, timer.elapsed());
            QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
            (value == zeros ? sawZeros : sawOnes) += 1;
        }
        // Beside the file: its lock and at most one new file a kill cut short.
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size() <= 3);
        qInfo("after %d kills: %d times the all-0 value, %d times the all-1 value; the slowest "
              "start and store after a kill took %lld ms",
              rounds, sawZeros, sawOnes, slowest);
    }
};

QTEST_MAIN(SettingsStoreTest)
#include "test_settings_store.moc"
