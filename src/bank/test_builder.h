#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_item.h"
#include "bank/wrong_flags.h"

#include <QList>

namespace veltrano {

// Makes item the question at the given test position, with its four choices
// in random display order and correctSlot pointing at the correct one.
void fillTestItem(TestItem &item, int question, int position, const QuestionBank &bank,
                  RandomSource &random);

// A test of testSize different questions drawn at random from the bank. A size
// above the bank's question count is clamped to it; a size below 1 gives an
// empty test.
TestItems buildTest(const QuestionBank &bank, int testSize, RandomSource &random);

// A test of every flagged question, in random order.
TestItems buildRedoTest(const QuestionBank &bank, const WrongFlags &flags, RandomSource &random);

// A test of the given bank questions, in random order; numbers outside the
// bank are left out.
TestItems buildTestOf(const QuestionBank &bank, const QList<int> &questions, RandomSource &random);

} // namespace veltrano
