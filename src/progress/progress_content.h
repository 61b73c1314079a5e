#pragma once

#include "progress/mastery_rule.h"
#include "progress/progress_store.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>

namespace veltrano {

// The first test in the database that breaks a rule an exported file must
// keep: known kinds, sizes and dates that can be, answers within range that
// add up to their test's counts. Checked before an import changes anything.
struct ContentCheck {
    ContentFault fault = ContentFault::None;
    int test = 0; // the test's id
    QSqlError error;
};
ContentCheck checkContent(const QSqlDatabase &db, int questionCount);

// The per-question records, worked out from every answer in the order the
// tests were finished: what question_state must hold.
QList<QuestionRecord> replayAnswers(const QSqlDatabase &db, int questionCount, QSqlError *error);

// question_state as stored, records[q] for q in 1..questionCount.
QList<QuestionRecord> readQuestionState(const QSqlDatabase &db, int questionCount,
                                        QSqlError *error);

// Writes the records of the given questions (every question when empty).
bool writeQuestionState(const QSqlDatabase &db, const QList<QuestionRecord> &records,
                        const QList<int> &questions, QSqlError *error);

} // namespace veltrano
