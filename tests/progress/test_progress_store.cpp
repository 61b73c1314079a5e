#include "progress_fixtures.h"

#include "bank/question_bank.h"
#include "progress/progress_store.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace veltrano;
using namespace testing;

namespace {

// Runs one statement on the file through a connection of its own.
QVariant sqlValue(const QString &path, const QString &sql)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "probe");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                value = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase("probe");
    return value;
}

} // namespace

class ProgressStoreTest : public QObject {
    Q_OBJECT

    QuestionBank bank;
    QTemporaryDir dir;

    QString path(const QString &name = QStringLiteral("progress.sqlite")) const
    {
        return dir.filePath(name);
    }

private slots:
    void initTestCase() { bank.inlineread(); }

    void keepsEveryFinishedTest()
    {
        QVERIFY(!QFile::exists(path("kept.sqlite")));
        ProgressStore store(path("kept.sqlite"), 165);
        QVERIFY2(!QFile::exists(path("kept.sqlite")), "opened before first use");
        const FinishedTest first = finishedTest("a", day(0), {3, 7, 9}, 0b101);
        FinishedTest second = finishedTest("b", day(1), {7, 9}, 0b11, "redo");
        second.answers[1].chosen = 0; // unanswered
        second.answers[1].right = false;
        QVERIFY(store.record(first).ok());
        QVERIFY(store.record(second).ok());
        QCOMPARE(store.finishedTests(), QList<FinishedTest>({first, second}));

        const QList<QuestionRecord> records = store.questionRecords();
        QCOMPARE(records.size(), 166);
        QCOMPARE(records.at(7).answered, 2);
        QCOMPARE(records.at(7).misses, 1);
        QVERIFY(!records.at(7).mastered());
        QCOMPARE(records.at(3).masteredOn, QDate());
        QCOMPARE(records.at(9).misses, 1);
        QCOMPARE(records.at(1).answered, 0);

        // WAL journal, the current schema version, one connection's file.
        QCOMPARE(sqlValue(path("kept.sqlite"), "PRAGMA journal_mode").toString(), "wal");
        QCOMPARE(sqlValue(path("kept.sqlite"), "PRAGMA user_version").toInt(),
                 ProgressStore::schemaVersion);
        QVERIFY(store.checkConsistency().ok());
    }

    void statisticsOfAWeek()
    {
        ProgressStore store(path("week.sqlite"), bank.questionCount());
        // Question 1 right every day; question 2 wrong on days 0 and 1;
        // question 3 right on day 0, wrong on day 5.
        for (int d = 0; d < 7; ++d) {
            const quint64 mask = 0b001 | (d >= 2 ? 0b010 : 0) | (d != 5 ? 0b100 : 0);
            QVERIFY(store.record(finishedTest(QString::number(d), day(d), {1, 2, 3}, mask)).ok());
        }
        // Exams: 20 questions, the pass mark is 15.
        QList<int> twenty;
        for (int q = 10; q < 30; ++q)
            twenty.append(q);
        QVERIFY(store.record(finishedTest("e1", day(7), twenty, (1 << 15) - 1, "exam")).ok());
        QVERIFY(store.record(finishedTest("e2", day(8), twenty, (1 << 14) - 1, "exam")).ok());

        const ProgressStatistics stats = store.statistics(bank);
        QCOMPARE(stats.testsTaken, 9);
        QCOMPARE(stats.questionsAnswered, 7 * 3 + 2 * 20);
        QCOMPARE(stats.scores.size(), 9);
        QCOMPARE(stats.scores.first().correct, 2);
        QCOMPARE(stats.scores.at(3).correct, 3);
        QCOMPARE(stats.scores.last().correct, 14);
        QVERIFY(stats.scores.at(4).finishedAt < stats.scores.at(5).finishedAt);
        QCOMPARE(stats.mostMissed.size(), 8); // 2, 3 and the exams' 24..29
        QCOMPARE(stats.mostMissed.at(0).question, 2);
        QCOMPARE(stats.mostMissed.at(0).misses, 2);
        QCOMPARE(stats.mostMissed.at(0).answered, 7);
        QCOMPARE(stats.questionCount, 165);
        // 1 and 2, and 10..23 right in both exams; 3 was missed on day 5.
        QCOMPARE(stats.masteredCount, 16);
        QCOMPARE(stats.lastExams.size(), 2);
        QCOMPARE(stats.lastExams.at(0).correct, 14);
        QVERIFY(!stats.lastExams.at(0).passed);
        QVERIFY(stats.lastExams.at(1).passed);
        QCOMPARE(stats.examPassMark, 15);
        int answered = 0;
        int right = 0;
        for (const auto &chapter : stats.chapters) {
            answered += chapter.answered;
            right += chapter.right;
        }
        QCOMPARE(stats.chapters.size(), QuestionBank::chapterCount);
        QCOMPARE(answered, stats.questionsAnswered);
        QCOMPARE(right, 7 + 5 + 6 + 15 + 14);
    }

    void brokenFileIsMovedAsideOnce_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addRow("text") << QByteArray("this is not a database\n");
        QTest::addRow("one byte") << QByteArray("x");
        QTest::addRow("header then garbage")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x7f');
    }

    void brokenFileIsMovedAsideOnce()
    {
        QFETCH(QByteArray, contents);
        const QString file = path(QStringLiteral("broken-%1.sqlite").arg(QTest::currentDataTag()));
        QVERIFY(writeFileBytes(file, contents));
        ProgressStore store(file, 165);
        QVERIFY(store.record(finishedTest("a", day(0), {1}, 1)).ok());
        QCOMPARE(store.takeSetAsideNotice(), std::optional<QString>(file + ".broken"));
        QCOMPARE(store.takeSetAsideNotice(), std::nullopt);
        QCOMPARE(fileBytes(file + ".broken"), contents);
        QCOMPARE(store.finishedTests().size(), 1);

        // A second broken file keeps the first one aside as well.
        ProgressStore again(path("other"), 165);
        QVERIFY(writeFileBytes(file, "again"));
        ProgressStore second(file, 165);
        QVERIFY(second.record(finishedTest("b", day(0), {1}, 1)).ok());
        QCOMPARE(second.takeSetAsideNotice(), std::optional<QString>(file + ".broken.2"));
        QCOMPARE(fileBytes(file + ".broken"), contents);
    }

    void unwritableStoreKeepsTestsUntilItCanWrite()
    {
        // A file where the folder should be: nothing can be created there.
        const QString folder = path("blocked");
        QVERIFY(writeFileBytes(folder, "in the way"));
        ProgressStore store(folder + "/progress.sqlite", 165);
        const StoreStatus failed = store.record(finishedTest("a", day(0), {1, 2}, 0b01));
        QCOMPARE(failed.failure, StoreFailure::CannotOpen);
        QCOMPARE(store.record(finishedTest("b", day(1), {3}, 0b1)).failure,
                 StoreFailure::CannotOpen);
        QCOMPARE(store.pendingCount(), 2);

        QVERIFY(QFile::remove(folder));
        QVERIFY(store.record(finishedTest("c", day(2), {4}, 0b1)).ok());
        QCOMPARE(store.pendingCount(), 0);
        const QList<FinishedTest> tests = store.finishedTests();
        QCOMPARE(tests.size(), 3);
        QCOMPARE(tests.at(0).uid, "a");
        QCOMPARE(tests.at(2).uid, "c");
        QCOMPARE(store.takeSetAsideNotice(), std::nullopt);
    }

    void newerSchemaIsLeftAlone()
    {
        const QString file = path("newer.sqlite");
        {
            ProgressStore store(file, 165);
            QVERIFY(store.record(finishedTest("a", day(0), {1}, 1)).ok());
        }
        sqlValue(file, "PRAGMA user_version = 9");
        const QByteArray before = fileBytes(file);
        ProgressStore store(file, 165);
        QCOMPARE(store.record(finishedTest("b", day(1), {1}, 1)).failure,
                 StoreFailure::NewerSchema);
        QCOMPARE(store.pendingCount(), 1);
        QCOMPARE(store.takeSetAsideNotice(), std::nullopt);
        QCOMPARE(sqlValue(file, "SELECT count(*) FROM tests").toInt(), 1);
        QVERIFY(!QFile::exists(file + ".broken"));
    }

    void twoCopiesShareOneFile()
    {
        const QString file = path("shared.sqlite");
        ProgressStore one(file, 165);
        ProgressStore two(file, 165);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(
                one.record(finishedTest(QStringLiteral("one-%1").arg(i), day(i), {1, 2}, 1)).ok());
            QVERIFY(
                two.record(finishedTest(QStringLiteral("two-%1").arg(i), day(i, 10), {1}, 0)).ok());
        }
        QCOMPARE(one.finishedTests().size(), 20);
        const QList<QuestionRecord> records = two.questionRecords();
        QCOMPARE(records.at(1).answered, 20);
        QCOMPARE(records.at(1).misses, 10);
        QCOMPARE(records.at(2).misses, 10);
        QVERIFY(one.checkConsistency().ok());
    }

    void lateTestsCountInTheOrderTheyWereFinished()
    {
        ProgressStore store(path("late.sqlite"), 165);
        // Right on days 3 and 4, then a miss dated day 1 arrives late: the
        // miss came first, so question 8 is mastered.
        QVERIFY(store.record(finishedTest("d3", day(3), {8}, 1)).ok());
        QVERIFY(store.record(finishedTest("d4", day(4), {8}, 1)).ok());
        QVERIFY(store.record(finishedTest("d1", day(1), {8}, 0)).ok());
        const QuestionRecord record = store.questionRecords().at(8);
        QCOMPARE(record.misses, 1);
        QCOMPARE(record.masteredOn, day(4).date());
        QVERIFY(store.checkConsistency().ok());
    }

    void recordingTheSameTestTwiceKeepsOne()
    {
        ProgressStore store(path("twice.sqlite"), 165);
        const FinishedTest test = finishedTest("same", day(0), {5, 6}, 0b10);
        QVERIFY(store.record(test).ok());
        QVERIFY(store.record(test).ok());
        QCOMPARE(store.finishedTests().size(), 1);
        QCOMPARE(store.questionRecords().at(5).answered, 1);
    }
};

QTEST_GUILESS_MAIN(ProgressStoreTest)
#include "test_progress_store.moc"
