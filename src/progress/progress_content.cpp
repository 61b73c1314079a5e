#include "progress/progress_content.h"

#include "progress/finished_test.h"
#include "progress/progress_database.h"

#include <QSqlQuery>

namespace veltrano {

namespace {

QString dayText(const QDate &day)
{
    return day.isValid() ? day.toString(Qt::ISODate) : QString();
}

// Runs a SELECT to be read once through; false, with *error set, when it
// failed.
bool select(QSqlQuery &query, const QString &sql, QSqlError *error)
{
    query.setForwardOnly(true);
    if (runSql(query, sql))
        return true;
    if (error)
        *error = query.lastError();
    return false;
}

QDate dayOf(const QVariant &value)
{
    return value.isNull() ? QDate() : QDate::fromString(value.toString(), Qt::ISODate);
}

} // namespace

ContentCheck checkContent(const QSqlDatabase &db, int questionCount)
{
    QStringList quoted;
    for (const QString &kind : knownKindNames())
        quoted.append(u'\'' + kind + u'\'');
    const QString kinds = quoted.join(QStringLiteral(", "));
    const QString cap = QString::number(questionCount);
    // Each query names the first offending test, or returns no row.
    const QList<std::pair<ContentFault, QString>> rules{
        {ContentFault::BadTest,
         QStringLiteral("SELECT id FROM tests WHERE typeof(id) != 'integer'"
                        " OR typeof(uid) != 'text' OR length(uid) = 0"
                        " OR typeof(finished_at) != 'integer' OR finished_at < 0"
                        " OR typeof(day) != 'text' OR date(day) IS NULL OR date(day) != day"
                        " OR typeof(question_count) != 'integer'"
                        " OR question_count < 1 OR question_count > %1"
                        " OR typeof(correct_count) != 'integer'"
                        " OR correct_count < 0 OR correct_count > question_count"
                        " ORDER BY id LIMIT 1")
             .arg(cap)},
        {ContentFault::DuplicateTest,
         QStringLiteral("SELECT max(id) FROM tests GROUP BY uid HAVING count(*) > 1"
                        " ORDER BY 1 LIMIT 1")},
        {ContentFault::UnknownKind,
         QStringLiteral("SELECT id FROM tests WHERE kind IS NULL OR kind NOT IN (%1)"
                        " ORDER BY id LIMIT 1")
             .arg(kinds)},
        {ContentFault::OrphanAnswer,
         QStringLiteral("SELECT test_id FROM answers WHERE test_id NOT IN (SELECT id FROM tests)"
                        " ORDER BY test_id LIMIT 1")},
        {ContentFault::BadAnswer,
         QStringLiteral("SELECT a.test_id FROM answers a JOIN tests t ON t.id = a.test_id"
                        " WHERE typeof(a.position) != 'integer' OR a.position < 1"
                        " OR a.position > t.question_count"
                        " OR typeof(a.question) != 'integer' OR a.question < 1 OR a.question > %1"
                        " OR typeof(a.chosen) != 'integer' OR a.chosen < 0 OR a.chosen > 4"
                        " OR typeof(a.correct) != 'integer' OR a.correct < 1 OR a.correct > 4"
                        " OR a.is_right IS NOT (a.chosen = a.correct)"
                        " ORDER BY a.test_id LIMIT 1")
             .arg(cap)},
        {ContentFault::CountMismatch,
         QStringLiteral("SELECT t.id FROM tests t LEFT JOIN (SELECT test_id, count(*) AS n,"
                        " sum(is_right) AS r FROM answers GROUP BY test_id) a ON a.test_id = t.id"
                        " WHERE coalesce(a.n, 0) != t.question_count"
                        " OR coalesce(a.r, 0) != t.correct_count ORDER BY t.id LIMIT 1")},
    };
    QSqlQuery query(db);
    for (const auto &[fault, sql] : rules) {
        if (!runSql(query, sql))
            return {ContentFault::None, 0, query.lastError()};
        if (query.next())
            return {fault, query.value(0).toInt(), {}};
    }
    return {};
}

QList<QuestionRecord> replayAnswers(const QSqlDatabase &db, int questionCount, QSqlError *error)
{
    QList<QuestionRecord> records(questionCount + 1);
    QSqlQuery query(db);
    if (!select(query,
                QStringLiteral("SELECT t.day, a.question, a.is_right FROM tests t"
                               " JOIN answers a ON a.test_id = t.id"
                               " ORDER BY t.finished_at, t.id, a.position"),
                error))
        return {};
    QString lastDayText;
    QDate day;
    while (query.next()) {
        const QString text = query.value(0).toString();
        if (text != lastDayText) {
            lastDayText = text;
            day = QDate::fromString(text, Qt::ISODate);
        }
        const int question = query.value(1).toInt();
        if (question >= 1 && question <= questionCount)
            applyAnswer(records[question], day, query.value(2).toBool());
    }
    return records;
}

QList<QuestionRecord> readQuestionState(const QSqlDatabase &db, int questionCount, QSqlError *error)
{
    QList<QuestionRecord> records(questionCount + 1);
    QSqlQuery query(db);
    if (!select(query,
                QStringLiteral("SELECT question, answered, misses, last_answered, last_miss,"
                               " right_days_since_miss, last_right_day, mastered_on"
                               " FROM question_state"),
                error))
        return {};
    while (query.next()) {
        const int question = query.value(0).toInt();
        if (question < 1 || question > questionCount)
            continue;
        records[question] = {query.value(1).toInt(), query.value(2).toInt(), dayOf(query.value(3)),
                             dayOf(query.value(4)),  query.value(5).toInt(), dayOf(query.value(6)),
                             dayOf(query.value(7))};
    }
    return records;
}

bool writeQuestionState(const QSqlDatabase &db, const QList<QuestionRecord> &records,
                        const QList<int> &questions, QSqlError *error)
{
    QList<int> which = questions;
    if (which.isEmpty())
        for (int q = 1; q < records.size(); ++q)
            which.append(q);
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("INSERT OR REPLACE INTO question_state (question, answered,"
                                      " misses, last_answered, last_miss, right_days_since_miss,"
                                      " last_right_day, mastered_on)"
                                      " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"))) {
        if (error)
            *error = query.lastError();
        return false;
    }
    for (const int q : which) {
        const QuestionRecord &r = records.at(q);
        if (r.answered == 0)
            continue;
        query.addBindValue(q);
        query.addBindValue(r.answered);
        query.addBindValue(r.misses);
        query.addBindValue(dayText(r.lastAnswered));
        query.addBindValue(dayText(r.lastMiss));
        query.addBindValue(r.rightDaysSinceMiss);
        query.addBindValue(dayText(r.lastRightDay));
        query.addBindValue(dayText(r.masteredOn));
        if (!query.exec()) {
            if (error)
                *error = query.lastError();
            return false;
        }
    }
    return true;
}

} // namespace veltrano
