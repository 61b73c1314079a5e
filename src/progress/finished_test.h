#pragma once

#include "bank/question_bank.h"
#include "practice/practice_session.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace veltrano {

// One answer of a finished test, in bank terms: the choice made (1..4 as
// the bank numbers them, 0 when none was made) and the correct one.
struct AnswerRecord {
    int question = 0;
    int chosen = 0;
    int correct = 0;
    bool right = false;

    friend bool operator==(const AnswerRecord &, const AnswerRecord &) = default;
};

// A finished test as the progress store keeps it. The uid stays the same in
// every copy of the store, so that an import recognises a test it holds.
struct FinishedTest {
    QString uid;
    QDateTime finishedAt;
    QString kind; // a kindName()
    QList<AnswerRecord> answers;

    int correctCount() const;

    friend bool operator==(const FinishedTest &, const FinishedTest &) = default;
};

// The stable names the store keeps the kinds of test under.
QString kindName(TestKind kind);
// Every kind name the store knows, including those of kinds this copy of the
// program does not offer yet.
const QStringList &knownKindNames();

// The test on view in a finished PracticeTest, with a new uid.
FinishedTest finishedTestOf(const PracticeTest &test, const QuestionBank &bank,
                            const QDateTime &finishedAt);

} // namespace veltrano
