#include "progress/progress_store.h"

#include "practice/exam_rules.h"
#include "progress/progress_content.h"
#include "progress/progress_database.h"

#include <QSqlQuery>

#include <algorithm>

namespace veltrano {

ProgressStore::ProgressStore(QString path, int questionCount)
    : path_(std::move(path)), questionCount_(questionCount),
      db_(std::make_unique<ProgressDatabase>(path_))
{
}

ProgressStore::~ProgressStore() = default;

std::optional<QString> ProgressStore::takeSetAsideNotice()
{
    return db_->takeSetAsideNotice();
}

StoreStatus ProgressStore::record(FinishedTest test)
{
    pending_.append(std::move(test));
    return flushPending();
}

StoreStatus ProgressStore::flushPending()
{
    while (!pending_.isEmpty()) {
        StoreStatus status = db_->open();
        if (status.ok())
            status = writeTest(pending_.first());
        if (!status.ok())
            return status;
        pending_.removeFirst();
    }
    return {};
}

StoreStatus ProgressStore::writeTest(const FinishedTest &test)
{
    for (int attempt = 0;; ++attempt) {
        QSqlError error;
        StoreStatus status = db_->begin(&error);
        if (status.ok()) {
            const QSqlDatabase db = db_->connection();
            QSqlQuery query(db);
            // The per-question records follow the answers in the order the
            // tests were finished. A test finished before the latest one
            // held (a clock set back, another copy's late write) means
            // working them out again from every answer.
            bool ok =
                runSql(query, QStringLiteral("SELECT max(finished_at) FROM tests")) && query.next();
            const bool inOrder = ok && (query.isNull(0) || query.value(0).toLongLong() <=
                                                               test.finishedAt.toMSecsSinceEpoch());
            ok = ok && runSql(query,
                              QStringLiteral("INSERT OR IGNORE INTO tests (uid, finished_at, day,"
                                             " kind, question_count, correct_count)"
                                             " VALUES (?, ?, ?, ?, ?, ?)"),
                              {test.uid, test.finishedAt.toMSecsSinceEpoch(),
                               test.finishedAt.date().toString(Qt::ISODate), test.kind,
                               static_cast<int>(test.answers.size()), test.correctCount()});
            // A test already written (another try that did land) is not
            // written twice.
            if (ok && query.numRowsAffected() == 1) {
                const QVariant testId = query.lastInsertId();
                QList<QuestionRecord> records = readQuestionState(db, questionCount_, &error);
                ok = !records.isEmpty() &&
                     query.prepare(QStringLiteral("INSERT INTO answers (test_id, position,"
                                                  " question, chosen, correct, is_right)"
                                                  " VALUES (?, ?, ?, ?, ?, ?)"));
                QList<int> touched;
                for (qsizetype i = 0; ok && i < test.answers.size(); ++i) {
                    const AnswerRecord &a = test.answers.at(i);
                    for (const QVariant &value :
                         {testId, QVariant(i + 1), QVariant(a.question), QVariant(a.chosen),
                          QVariant(a.correct), QVariant(a.right)})
                        query.addBindValue(value);
                    ok = query.exec();
                    if (ok && a.question >= 1 && a.question <= questionCount_) {
                        applyAnswer(records[a.question], test.finishedAt.date(), a.right);
                        touched.append(a.question);
                    }
                }
                if (!inOrder && ok) {
                    records = replayAnswers(db, questionCount_, &error);
                    touched.clear();
                    ok = !records.isEmpty();
                }
                ok = ok && writeQuestionState(db, records, touched, &error);
            }
            if (!ok && !error.isValid())
                error = query.lastError();
            if (ok)
                return db_->commit();
            db_->rollback();
            status = {StoreFailure::CannotWrite, error.text()};
        }
        if (attempt > 0 || !isBrokenFile(error))
            return status;
        // The file went bad under us: keep it aside and write to a new one.
        status = db_->startOver();
        if (!status.ok())
            return status;
    }
}

QList<QuestionRecord> ProgressStore::questionRecords(StoreStatus *status)
{
    flushPending();
    StoreStatus opened = db_->open();
    QList<QuestionRecord> records(questionCount_ + 1);
    if (opened.ok()) {
        QSqlError error;
        const QList<QuestionRecord> stored =
            readQuestionState(db_->connection(), questionCount_, &error);
        if (error.isValid())
            opened = {StoreFailure::CannotOpen, error.text()};
        else
            records = stored;
    }
    if (status)
        *status = opened;
    return records;
}

ProgressStatistics ProgressStore::statistics(const QuestionBank &bank, StoreStatus *status)
{
    ProgressStatistics stats;
    stats.questionCount = bank.questionCount();
    stats.examPassMark = citizenshipExam.passMark;
    stats.examQuestionCount = citizenshipExam.questionCount;
    StoreStatus read;
    const QList<QuestionRecord> records = questionRecords(&read);
    for (int chapter = 1; chapter <= QuestionBank::chapterCount; ++chapter)
        stats.chapters.append({chapter, 0, 0});
    for (int q = 1; q < records.size() && q <= bank.questionCount(); ++q) {
        const QuestionRecord &r = records.at(q);
        const int chapter = bank.chapter(q);
        if (chapter >= 1 && chapter <= QuestionBank::chapterCount) {
            stats.chapters[chapter - 1].answered += r.answered;
            stats.chapters[chapter - 1].right += r.rightCount();
        }
        if (r.mastered())
            ++stats.masteredCount;
        if (r.misses > 0)
            stats.mostMissed.append({q, r.misses, r.answered});
    }
    std::stable_sort(stats.mostMissed.begin(), stats.mostMissed.end(),
                     [](const auto &a, const auto &b) { return a.misses > b.misses; });
    stats.mostMissed = stats.mostMissed.mid(0, 10);
    if (status)
        *status = read;
    if (!read.ok())
        return stats;

    QSqlQuery query(db_->connection());
    query.setForwardOnly(true);
    const auto failed = [&] {
        if (status)
            *status = {StoreFailure::CannotOpen, query.lastError().text()};
        return stats;
    };
    if (!runSql(query, QStringLiteral("SELECT finished_at, correct_count, question_count, kind"
                                      " FROM tests ORDER BY finished_at, id")))
        return failed();
    while (query.next()) {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong());
        const int correct = query.value(1).toInt();
        const int total = query.value(2).toInt();
        stats.scores.append({at, correct, total});
        ++stats.testsTaken;
        stats.questionsAnswered += total;
        if (query.value(3).toString() == QLatin1String("exam"))
            stats.lastExams.prepend({at, correct, total, citizenshipExam.passes(correct)});
    }
    stats.lastExams = stats.lastExams.mid(0, 5);
    return stats;
}

QList<FinishedTest> ProgressStore::finishedTests(StoreStatus *status)
{
    flushPending();
    StoreStatus opened = db_->open();
    QList<FinishedTest> tests;
    QSqlQuery query(opened.ok() ? db_->connection() : QSqlDatabase());
    query.setForwardOnly(true);
    if (opened.ok() &&
        !runSql(query, QStringLiteral("SELECT t.uid, t.finished_at, t.kind, a.question, a.chosen,"
                                      " a.correct, a.is_right FROM tests t JOIN answers a"
                                      " ON a.test_id = t.id ORDER BY t.finished_at, t.id,"
                                      " a.position")))
        opened = {StoreFailure::CannotOpen, query.lastError().text()};
    while (opened.ok() && query.next()) {
        const QString uid = query.value(0).toString();
        if (tests.isEmpty() || tests.last().uid != uid)
            tests.append({uid,
                          QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong()),
                          query.value(2).toString(),
                          {}});
        tests.last().answers.append({query.value(3).toInt(), query.value(4).toInt(),
                                     query.value(5).toInt(), query.value(6).toBool()});
    }
    if (status)
        *status = opened;
    return tests;
}

ConsistencyReport ProgressStore::checkConsistency()
{
    ConsistencyReport report;
    if (!db_->open().ok())
        return report;
    const QSqlDatabase db = db_->connection();
    QSqlQuery query(db);
    report.sound = runSql(query, QStringLiteral("PRAGMA integrity_check")) && query.next() &&
                   query.value(0).toString() == QLatin1String("ok");
    const ContentCheck content = checkContent(db, questionCount_);
    report.fault = content.fault;
    report.faultTest = content.test;
    QSqlError error;
    report.questionStateMatches = !content.error.isValid() &&
                                  replayAnswers(db, questionCount_, &error) ==
                                      readQuestionState(db, questionCount_, &error) &&
                                  !error.isValid();
    if (runSql(query, QStringLiteral("SELECT count(*) FROM tests")) && query.next())
        report.testCount = query.value(0).toInt();
    return report;
}

} // namespace veltrano
