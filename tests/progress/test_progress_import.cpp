#include "progress_fixtures.h"

#include "progress/progress_store.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace veltrano;
using namespace testing;

namespace {

// Runs statements on a file through a connection of its own.
bool runOn(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "edit");
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        for (const QString &sql : statements)
            ok = ok && query.exec(sql);
    }
    QSqlDatabase::removeDatabase("edit");
    return ok;
}

// A file's size and first bytes: enough to see that it was not written to.
QByteArray fingerprint(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::number(file.size()) + file.read(1 << 16);
}

// Everything the store holds, to tell whether an import changed it.
QList<FinishedTest> holdings(ProgressStore &store)
{
    return store.finishedTests();
}

} // namespace

class ProgressImportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString exported;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        // "Another machine": a week of tests, exported.
        ProgressStore other(path("other/progress.sqlite"), 165);
        for (int d = 0; d < 7; ++d)
            QVERIFY(other
                        .record(finishedTest(QStringLiteral("other-%1").arg(d), day(d, 20),
                                             {1, 2, 3, 4}, d % 2 ? 0b1111 : 0b0101))
                        .ok());
        exported = path("export.veltrano-progress");
        QVERIFY(other.exportTo(exported).ok());
        QVERIFY(fileBytes(exported).startsWith("SQLite format 3"));
    }

    void importAddsWhatIsMissingOnce()
    {
        ProgressStore mine(path("mine.sqlite"), 165);
        for (int d = 0; d < 3; ++d)
            QVERIFY(
                mine.record(finishedTest(QStringLiteral("mine-%1").arg(d), day(d, 8), {1, 5}, 0b01))
                    .ok());
        const ImportOutcome first = mine.importFrom(exported);
        QVERIFY(first.ok());
        QCOMPARE(first.testsAdded, 7);
        QCOMPARE(first.testsAlreadyHere, 0);
        const QList<FinishedTest> after = holdings(mine);
        QCOMPARE(after.size(), 10);
        QCOMPARE(after.at(0).uid, "mine-0"); // in the order they were finished
        QCOMPARE(after.at(1).uid, "other-0");
        QVERIFY(mine.checkConsistency().ok());
        // Question 1 was answered right by both, on days 0..6: mastered.
        const QList<QuestionRecord> records = mine.questionRecords();
        QCOMPARE(records.at(1).answered, 10);
        QVERIFY(records.at(1).mastered());
        QCOMPARE(records.at(2).misses, 4);

        const QByteArray before = fileBytes(path("mine.sqlite"));
        const ImportOutcome second = mine.importFrom(exported);
        QVERIFY(second.ok());
        QCOMPARE(second.testsAdded, 0);
        QCOMPARE(second.testsAlreadyHere, 7);
        QCOMPARE(holdings(mine), after);
        QCOMPARE(mine.questionRecords(), records);

        // Its own export changes nothing either.
        QVERIFY(mine.exportTo(path("mine-export")).ok());
        QCOMPARE(mine.importFrom(path("mine-export")).testsAdded, 0);
        QCOMPARE(holdings(mine), after);
    }

    void hostileFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("fault");

        const auto copyWith = [this](const QString &name, const QStringList &statements) {
            const QString file = path(name);
            QFile::remove(file);
            QVERIFY(QFile::copy(exported, file));
            QVERIFY(runOn(file, statements));
        };
        const auto bytes = [this](const QString &name, const QByteArray &contents) {
            QVERIFY(writeFileBytes(path(name), contents));
        };
        const QByteArray whole = fileBytes(exported);
        const int none = int(ContentFault::None);

        QTest::addRow("missing") << "no-such-file" << int(ImportProblem::Unreadable) << none;
        bytes("empty", {});
        QTest::addRow("empty") << "empty" << int(ImportProblem::NotProgressFile) << none;
        bytes("text", "uid,finished_at\nx,1\n");
        QTest::addRow("not SQLite") << "text" << int(ImportProblem::NotProgressFile) << none;
        bytes("truncated", whole.left(whole.size() / 2));
        QTest::addRow("truncated") << "truncated" << int(ImportProblem::Damaged) << none;
        bytes("header-only", whole.left(100));
        QTest::addRow("header only") << "header-only" << int(ImportProblem::Damaged) << none;
        QByteArray scribbled = whole;
        for (qsizetype i = 1024; i < scribbled.size(); i += 7)
            scribbled[i] = char(0xA5);
        bytes("scribbled", scribbled);
        QTest::addRow("scribbled") << "scribbled" << int(ImportProblem::Damaged) << none;
        {
            QFile huge(path("huge"));
            QVERIFY(huge.open(QIODevice::WriteOnly));
            huge.write(whole);
            QVERIFY(huge.resize(ProgressStore::maxImportBytes + 1)); // sparse
        }
        QTest::addRow("huge") << "huge" << int(ImportProblem::TooLarge) << none;
        QVERIFY(runOn(path("other-schema"), {"CREATE TABLE notes (id INTEGER, body TEXT)",
                                             "INSERT INTO notes VALUES (1, 'x')"}));
        QTest::addRow("wrong schema")
            << "other-schema" << int(ImportProblem::NotProgressFile) << none;
        copyWith("no-answers", {"DROP TABLE answers"});
        QTest::addRow("a table missing")
            << "no-answers" << int(ImportProblem::NotProgressFile) << none;
        copyWith("future", {"PRAGMA user_version = 2"});
        QTest::addRow("future schema") << "future" << int(ImportProblem::NewerVersion) << none;
        copyWith("kind", {"UPDATE tests SET kind = 'party' WHERE id = 3"});
        QTest::addRow("unknown kind")
            << "kind" << int(ImportProblem::BadContent) << int(ContentFault::UnknownKind);
        // A table made by hand, without the NOT NULL the program declares.
        copyWith("blank-kind", {"CREATE TABLE loose AS SELECT * FROM tests", "DROP TABLE tests",
                                "ALTER TABLE loose RENAME TO tests",
                                "UPDATE tests SET kind = NULL WHERE id = 3"});
        QTest::addRow("blank kind")
            << "blank-kind" << int(ImportProblem::BadContent) << int(ContentFault::UnknownKind);
        copyWith("question", {"UPDATE answers SET question = 999 WHERE test_id = 2"});
        QTest::addRow("question out of range")
            << "question" << int(ImportProblem::BadContent) << int(ContentFault::BadAnswer);
        copyWith("verdict", {"UPDATE answers SET is_right = 1 - is_right WHERE test_id = 4"});
        QTest::addRow("verdict against the choice")
            << "verdict" << int(ImportProblem::BadContent) << int(ContentFault::BadAnswer);
        copyWith("count", {"DELETE FROM answers WHERE test_id = 5 AND position = 1"});
        QTest::addRow("answers missing")
            << "count" << int(ImportProblem::BadContent) << int(ContentFault::CountMismatch);
        copyWith("orphan", {"INSERT INTO answers VALUES (99, 1, 1, 1, 1, 1)"});
        QTest::addRow("answer of no test")
            << "orphan" << int(ImportProblem::BadContent) << int(ContentFault::OrphanAnswer);
        copyWith("date", {"UPDATE tests SET day = '2026-13-45' WHERE id = 1"});
        QTest::addRow("impossible date")
            << "date" << int(ImportProblem::BadContent) << int(ContentFault::BadTest);
        copyWith("text-count", {"UPDATE tests SET question_count = 'four' WHERE id = 1"});
        QTest::addRow("a count that is text")
            << "text-count" << int(ImportProblem::BadContent) << int(ContentFault::BadTest);
    }

    void hostileFilesChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, problem);
        QFETCH(int, fault);
        const QString mine = path(QStringLiteral("hostile-%1.sqlite").arg(QTest::currentDataTag()));
        ProgressStore store(mine, 165);
        QVERIFY(store.record(finishedTest("mine", day(0), {1, 2}, 0b10)).ok());
        const QList<FinishedTest> before = holdings(store);
        const QList<QuestionRecord> records = store.questionRecords();
        const QByteArray hostile = fingerprint(path(name));

        const ImportOutcome outcome = store.importFrom(path(name));
        QCOMPARE(int(outcome.problem), problem);
        QCOMPARE(int(outcome.fault), fault);
        if (fault != int(ContentFault::None))
            QVERIFY(outcome.faultTest > 0);
        QCOMPARE(outcome.testsAdded, 0);
        QCOMPARE(holdings(store), before);
        QCOMPARE(store.questionRecords(), records);
        QVERIFY(store.checkConsistency().ok());
        QCOMPARE(fingerprint(path(name)), hostile); // the file itself is only read
        QCOMPARE(store.takeSetAsideNotice(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(ProgressImportTest)
#include "test_progress_import.moc"
