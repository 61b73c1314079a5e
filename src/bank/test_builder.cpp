#include "bank/test_builder.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace veltrano {

namespace {

// Unbiased Fisher-Yates shuffle of picks 1..count (slot 0 unused).
void shuffle(OneBasedList<int> &picks, RandomSource &random)
{
    for (int k = picks.count(); k >= 2; --k)
        std::swap(picks.at(k), picks.at(randomIndex(random, k)));
}

TestItems itemsFor(const OneBasedList<int> &picks, int size, const QuestionBank &bank,
                   RandomSource &random)
{
    TestItems items;
    for (int k = 1; k <= size; ++k) {
        TestItem item;
        fillTestItem(item, picks.at(k), k, bank, random);
        items.append(item);
    }
    return items;
}

// A test of the first testSize questions of the pool, shuffled; of the
// whole pool unless a size is given.
TestItems drawn(OneBasedList<int> pool, const QuestionBank &bank, RandomSource &random,
                int testSize = std::numeric_limits<int>::max())
{
    const int size = std::min(testSize, pool.count());
    if (size < 1)
        return {};
    shuffle(pool, random);
    return itemsFor(pool, size, bank, random);
}

} // namespace

void fillTestItem(TestItem &item, int question, int position, const QuestionBank &bank,
                  RandomSource &random)
{
    item.chosenOption = -1;
    item.flaggedForReview = false;
    item.question = question;
    item.position = position;
    item.slotChoice = {0, 1, 2, 3, 4};
    // Eight random swaps; slightly uneven, but every order is possible.
    for (int i = 0; i < 8; ++i) {
        const int a = randomIndex(random, 4);
        const int b = randomIndex(random, 4);
        std::swap(item.slotChoice.at(a), item.slotChoice.at(b));
    }
    item.correctSlot = 0;
    for (int slot = 1; slot <= 4; ++slot) {
        if (item.slotChoice.at(slot) == bank.pAnswer(question)) {
            item.correctSlot = slot;
            break;
        }
    }
}

TestItems buildTest(const QuestionBank &bank, int testSize, RandomSource &random)
{
    OneBasedList<int> picks;
    for (int q = 1; q <= bank.questionCount(); ++q)
        picks.append(q);
    return drawn(std::move(picks), bank, random, testSize);
}

TestItems buildRedoTest(const QuestionBank &bank, const WrongFlags &flags, RandomSource &random)
{
    OneBasedList<int> picks;
    for (int q = 1; q <= bank.questionCount(); ++q)
        if (flags.isFlagged(q))
            picks.append(q);
    return drawn(std::move(picks), bank, random);
}

OneBasedList<int> chapterQuestions(const QuestionBank &bank, int chapter)
{
    OneBasedList<int> questions;
    for (int q = 1; q <= bank.questionCount(); ++q)
        if (bank.chapter(q) == chapter)
            questions.append(q);
    return questions;
}

TestItems buildChapterTest(const QuestionBank &bank, int chapter, int testSize,
                           RandomSource &random)
{
    return drawn(chapterQuestions(bank, chapter), bank, random, testSize);
}

std::array<int, QuestionBank::chapterCount + 1> chapterQuotas(const QuestionBank &bank,
                                                              int testSize)
{
    constexpr int chapters = QuestionBank::chapterCount;
    std::array<int, chapters + 1> counts{};
    for (int c = 1; c <= chapters; ++c)
        counts.at(c) = chapterQuestions(bank, c).count();
    int total = 0;
    for (const int count : counts)
        total += count;
    std::array<int, chapters + 1> quotas{};
    const int size = std::clamp(testSize, 0, total);
    if (size == 0)
        return quotas;
    // In integers: the share of chapter c is size * count / total, its
    // remainder the numerator left over, so equal remainders are equal.
    std::array<int, chapters> byRemainder{};
    int given = 0;
    for (int c = 1; c <= chapters; ++c) {
        quotas.at(c) = size * counts.at(c) / total;
        given += quotas.at(c);
        byRemainder.at(c - 1) = c;
    }
    const auto remainder = [&](int c) { return size * counts.at(c) % total; };
    std::stable_sort(byRemainder.begin(), byRemainder.end(),
                     [&](int a, int b) { return remainder(a) > remainder(b); });
    for (int i = 0; given < size; ++i, ++given)
        ++quotas.at(byRemainder.at(i));
    return quotas;
}

TestItems buildExamTest(const QuestionBank &bank, int testSize, RandomSource &random)
{
    const auto quotas = chapterQuotas(bank, testSize);
    OneBasedList<int> picks;
    for (int c = 1; c <= QuestionBank::chapterCount; ++c) {
        OneBasedList<int> chapter = chapterQuestions(bank, c);
        shuffle(chapter, random);
        for (int k = 1; k <= quotas.at(c); ++k)
            picks.append(chapter.at(k));
    }
    return drawn(std::move(picks), bank, random);
}

TestItems buildTestOf(const QuestionBank &bank, const QList<int> &questions, RandomSource &random)
{
    OneBasedList<int> picks;
    for (const int q : questions)
        if (q >= 1 && q <= bank.questionCount())
            picks.append(q);
    return drawn(std::move(picks), bank, random);
}

} // namespace veltrano
