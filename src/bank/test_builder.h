#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_item.h"
#include "bank/wrong_flags.h"

#include <QList>

#include <array>

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

// The bank questions of chapter 1..chapterCount, in bank order.
OneBasedList<int> chapterQuestions(const QuestionBank &bank, int chapter);

// A test of testSize different questions of one chapter, drawn at random; all
// of them, in random order, when the chapter has fewer.
TestItems buildChapterTest(const QuestionBank &bank, int chapter, int testSize,
                           RandomSource &random);

// How many of testSize questions each chapter (index 1..chapterCount; [0]
// unused) gives when a test draws in proportion to the chapters' shares of
// the bank: each gets the whole part of its share, and the questions left
// over go to the largest remainders, the earlier chapter first on a tie. No
// chapter gives more questions than it has.
std::array<int, QuestionBank::chapterCount + 1> chapterQuotas(const QuestionBank &bank,
                                                              int testSize);

// A test of testSize questions drawn across the chapters by chapterQuotas,
// at random within each chapter, asked in random order.
TestItems buildExamTest(const QuestionBank &bank, int testSize, RandomSource &random);

// A test of the given bank questions, in random order; numbers outside the
// bank are left out.
TestItems buildTestOf(const QuestionBank &bank, const QList<int> &questions, RandomSource &random);

} // namespace veltrano
