#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_builder.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace veltrano;

namespace {

QuestionBank builtInBank()
{
    QuestionBank bank;
    bank.inlineread();
    return bank;
}

// The draw the program once used: questionCount * 1.3 random swaps. Kept here
// only to show that the statistical check below would catch it.
OneBasedList<int> swapDraw(int count, RandomSource &random)
{
    OneBasedList<int> picks;
    for (int q = 1; q <= count; ++q)
        picks.append(q);
    const int swaps = static_cast<int>(std::nearbyint(count * 1.3));
    for (int i = 0; i < swaps; ++i)
        std::swap(picks.at(randomIndex(random, count)), picks.at(randomIndex(random, count)));
    return picks;
}

void verifyItem(const TestItem &item, const QuestionBank &bank)
{
    QList<int> order(item.slotChoice.begin() + 1, item.slotChoice.end());
    std::sort(order.begin(), order.end());
    QCOMPARE(order, QList<int>({1, 2, 3, 4}));
    QCOMPARE(item.slotChoice.at(item.correctSlot), bank.pAnswer(item.question));
    QCOMPARE(item.chosenOption, -1);
}

} // namespace

class TestBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void randomIndexStaysInRange()
    {
        const double largestBelowOne = std::nextafter(1.0, 0.0);
        ScriptedRandomSource random(
            {0.0, largestBelowOne, double(std::nextafter(1.0f, 0.0f)), 0.5});
        for (const int n : {1, 3, 4, 165, 200}) {
            QCOMPARE(randomIndex(random, n), 1);
            QCOMPARE(randomIndex(random, n), n);
            QCOMPARE(randomIndex(random, n), n);
            QCOMPARE(randomIndex(random, n), n / 2 + 1);
        }
        ScriptedRandomSource broken({1.0, -0.5});
        QCOMPARE(randomIndex(broken, 4), 4);
        QCOMPARE(randomIndex(broken, 4), 1);
    }

    void wholeBankTestHoldsEveryQuestionOnce()
    {
        const QuestionBank bank = builtInBank();
        SystemRandomSource random(7);
        const TestItems items = buildTest(bank, 165, random);
        QCOMPARE(items.count(), 165);
        QSet<int> seen;
        for (int k = 1; k <= items.count(); ++k) {
            QCOMPARE(items.at(k).position, k);
            seen.insert(items.at(k).question);
            verifyItem(items.at(k), bank);
        }
        QCOMPARE(seen.size(), 165);
        QCOMPARE(*std::min_element(seen.begin(), seen.end()), 1);
        QCOMPARE(*std::max_element(seen.begin(), seen.end()), 165);
    }

    void sizesAreClamped()
    {
        const QuestionBank bank = builtInBank();
        SystemRandomSource random(8);
        QCOMPARE(buildTest(bank, 5, random).count(), 5);
        QCOMPARE(buildTest(bank, 500, random).count(), 165);
        QVERIFY(buildTest(bank, 0, random).isEmpty());
        QVERIFY(buildTest(bank, -3, random).isEmpty());
    }

    void redoTestHoldsExactlyTheFlaggedQuestions()
    {
        const QuestionBank bank = builtInBank();
        SystemRandomSource random(9);
        WrongFlags flags;
        QVERIFY(buildRedoTest(bank, flags, random).isEmpty());
        const QSet<int> flagged{1, 17, 99, 165};
        for (const int q : flagged)
            flags.set(q, q == 99 ? 7 : 1); // any value above 0 is in the history
        flags.set(166, 1);                 // beyond the bank: never drawn
        const TestItems items = buildRedoTest(bank, flags, random);
        QSet<int> drawn;
        for (int k = 1; k <= items.count(); ++k) {
            drawn.insert(items.at(k).question);
            verifyItem(items.at(k), bank);
        }
        QCOMPARE(items.count(), 4);
        QCOMPARE(drawn, flagged);
    }

    void choiceOrderFollowsTheDraws()
    {
        // All draws 0 keep slot 1 swapping with itself: the stored order stays.
        const QuestionBank bank = builtInBank();
        ScriptedRandomSource zeros({0.0});
        TestItem item;
        fillTestItem(item, 12, 3, bank, zeros);
        QCOMPARE(item.position, 3);
        QCOMPARE(item.question, 12);
        QCOMPARE(item.correctSlot, 1);
        // Eight swaps of slots 1 and 4 cancel out; an item filled again is
        // a new question, answered and flagged by no one.
        item.chosenOption = 2;
        item.flaggedForReview = true;
        ScriptedRandomSource oneFour({0.0, 0.99});
        fillTestItem(item, 12, 3, bank, oneFour);
        QCOMPARE(item.correctSlot, 1);
        QVERIFY(!item.isAnswered() && !item.flaggedForReview);
        // One swap of slots 1 and 4, then seven that change nothing.
        QList<double> draws(16, 0.0);
        draws[1] = 0.99;
        ScriptedRandomSource once(draws);
        fillTestItem(item, 12, 3, bank, once);
        QCOMPARE(item.correctSlot, 4);
        verifyItem(item, bank);
    }

    // Each question should land in a 5-question test 5/165 = 3.0 % of the
    // time. 20 000 draws give a standard deviation of 0.12 %; the tolerance
    // of 0.6 % is five of those, so a fair draw never fails, while the old
    // swap draw (about 10 %) always does.
    void drawIsUnbiased()
    {
        const QuestionBank bank = builtInBank();
        constexpr int draws = 20000;
        const auto shareOfQuestionOne = [&](auto draw) {
            SystemRandomSource random(20261208);
            int hits = 0;
            for (int i = 0; i < draws; ++i) {
                const QList<int> questions = draw(random);
                hits += questions.contains(1) ? 1 : 0;
            }
            return 100.0 * hits / draws;
        };
        const double fair = shareOfQuestionOne([&](RandomSource &random) {
            const TestItems items = buildTest(bank, 5, random);
            QList<int> questions;
            for (int k = 1; k <= items.count(); ++k)
                questions.append(items.at(k).question);
            return questions;
        });
        const double old = shareOfQuestionOne([&](RandomSource &random) {
            const OneBasedList<int> picks = swapDraw(165, random);
            QList<int> questions;
            for (int k = 1; k <= 5; ++k)
                questions.append(picks.at(k));
            return questions;
        });
        const double expected = 100.0 * 5 / 165;
        QVERIFY2(std::abs(fair - expected) <= 0.6, qPrintable(QString::number(fair)));
        QVERIFY2(std::abs(old - expected) > 0.6, qPrintable(QString::number(old)));
    }
};

QTEST_GUILESS_MAIN(TestBuilderTest)
#include "test_test_builder.moc"
