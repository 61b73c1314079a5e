#pragma once

#include "bank/wrong_flags.h"

#include <QString>

namespace veltrano {

// The stored wrong-answer history: one decimal digit per bank question, in
// bank order, no separators. Reading is lenient: a missing or short value
// gives 0 for the missing questions, any character that is not a digit counts
// as 0, and characters past questionCount are ignored.
WrongFlags decodeHistory(const QString &stored, int questionCount);

// The value to store for questions 1..questionCount.
QString encodeHistory(const WrongFlags &flags, int questionCount);

// The value of an empty history: questionCount times "0".
QString emptyHistory(int questionCount);

} // namespace veltrano
