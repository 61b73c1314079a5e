#pragma once

#include <QDate>

namespace veltrano {

// What the store knows about one question: how often it was answered and
// missed, and where it stands in the mastery rule.
struct QuestionRecord {
    int answered = 0;
    int misses = 0;
    QDate lastAnswered;
    QDate lastMiss;
    // Calendar days, since the last miss, on which it was answered right.
    int rightDaysSinceMiss = 0;
    QDate lastRightDay;
    // The day it became mastered; invalid while it is not.
    QDate masteredOn;

    bool mastered() const { return masteredOn.isValid(); }
    int rightCount() const { return answered - misses; }

    friend bool operator==(const QuestionRecord &, const QuestionRecord &) = default;
};

// The mastery rule, the only place it is written down: a question is
// mastered once it was answered right on two different days since its last
// miss (answers on one day count once; a miss starts over). Answers are
// applied in the order they were given; an answer dated before the last
// right day (a clock set back) adds no day.
inline constexpr int masteryDays = 2;
void applyAnswer(QuestionRecord &record, const QDate &day, bool right);

} // namespace veltrano
