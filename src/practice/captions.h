#pragma once

#include "bank/question_bank.h"
#include "bank/test_item.h"

#include <QString>

namespace veltrano {

// The letter of display slot 1..4: "A" to "D".
QChar slotLetter(int slot);

// "Question 3 of 20".
QString frameCaption(int position, int testSize);

// "7. " and the question text.
QString questionCaption(const TestItem &item, const QuestionBank &bank);

// "A.  " and the text of the choice shown in display slot 1..4.
QString optionCaption(const TestItem &item, int slot, const QuestionBank &bank);

// correct * 100 / total with one decimal, rounded half away from zero, and
// "%": 1 of 16 gives "6.3%". Computed in integers, so no binary rounding
// turns 6.25 into 6.2. A total of 0 gives "0.0%".
QString formatPercentage(int correct, int total);

} // namespace veltrano
