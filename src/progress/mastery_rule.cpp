#include "progress/mastery_rule.h"

namespace veltrano {

void applyAnswer(QuestionRecord &record, const QDate &day, bool right)
{
    ++record.answered;
    record.lastAnswered = day;
    if (!right) {
        ++record.misses;
        record.lastMiss = day;
        record.rightDaysSinceMiss = 0;
        record.lastRightDay = QDate();
        record.masteredOn = QDate();
        return;
    }
    if (record.lastRightDay.isValid() && day <= record.lastRightDay)
        return;
    record.lastRightDay = day;
    if (++record.rightDaysSinceMiss == masteryDays)
        record.masteredOn = day;
}

} // namespace veltrano
