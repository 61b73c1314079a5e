#pragma once

#include "bank/random_source.h"
#include "progress/mastery_rule.h"

#include <QList>

namespace veltrano {

// The count weakest of questions 1..records.size()-1 (records[0] unused):
// first the questions not mastered, most missed first and, among equals,
// the longest unanswered (never answered counts as longest); then the
// mastered ones, least recently mastered first. Equals are drawn at random.
QList<int> weakestQuestions(const QList<QuestionRecord> &records, int count, RandomSource &random);

} // namespace veltrano
