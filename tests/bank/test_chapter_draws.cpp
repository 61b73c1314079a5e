#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_builder.h"

#include <QSet>
#include <QTest>

#include <cmath>

using namespace veltrano;

using Quotas = std::array<int, QuestionBank::chapterCount + 1>;

// The mock exam drawn across the chapters in proportion to their shares of
// the bank, and a test of one chapter.
class ChapterDrawsTest : public QObject {
    Q_OBJECT

    QuestionBank bank;

private slots:
    void initTestCase() { bank.inlineread(); }

    void quotas_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<Quotas>("quotas");
        // The chapters hold 14, 14, 38, 14, 18, 14, 9, 16, 8 and 20 questions.
        // 20 * 14/165 = 1.70 and 20 * 8/165 = 0.97: the four chapters of 14
        // and the two largest remainders (chapters 8 and 9) get one more.
        QTest::addRow("exam of 20") << 20 << Quotas{0, 2, 2, 4, 2, 2, 2, 1, 2, 1, 2};
        // Chapter 9 (share 0.48) gives none, chapter 7 (0.55) one.
        QTest::addRow("10") << 10 << Quotas{0, 1, 1, 2, 1, 1, 1, 1, 1, 0, 1};
        QTest::addRow("more than the bank")
            << 500 << Quotas{0, 14, 14, 38, 14, 18, 14, 9, 16, 8, 20};
        QTest::addRow("none") << 0 << Quotas{};
    }

    void quotas()
    {
        QFETCH(int, size);
        QFETCH(Quotas, quotas);
        QCOMPARE(chapterQuotas(bank, size), quotas);
    }

    // 2,000 exams of 20 different questions, each with its quotas: each
    // chapter's share of all questions asked is its share of the bank to
    // within one question in 20. Every question of a chapter, and every
    // chapter at position 1, comes as often as chance says, within five
    // standard deviations: a fair draw never fails.
    void examsDrawAcrossTheChapters()
    {
        constexpr int exams = 2000;
        const Quotas quotas = chapterQuotas(bank, 20);
        SystemRandomSource random(20261212);
        std::array<int, QuestionBank::capacity + 1> asked{};
        Quotas firstAsked{};
        for (int exam = 0; exam < exams; ++exam) {
            const TestItems items = buildExamTest(bank, 20, random);
            Quotas inThisExam{};
            QSet<int> questions;
            for (int k = 1; k <= items.count(); ++k) {
                questions.insert(items.at(k).question);
                ++asked.at(items.at(k).question);
                ++inThisExam.at(bank.chapter(items.at(k).question));
            }
            QCOMPARE(questions.size(), 20);
            QCOMPARE(inThisExam, quotas);
            ++firstAsked.at(bank.chapter(items.at(1).question));
        }
        const auto fair = [](int hits, int tries, double chance) {
            return std::abs(hits - tries * chance) <= 5 * std::sqrt(tries * chance * (1 - chance));
        };
        for (int c = 1; c <= QuestionBank::chapterCount; ++c) {
            const OneBasedList<int> members = chapterQuestions(bank, c);
            const double share = quotas.at(c) / 20.0;
            QVERIFY(std::abs(share - double(members.count()) / bank.questionCount()) < 1.0 / 20);
            QVERIFY2(fair(firstAsked.at(c), exams, share), qPrintable(QString::number(c)));
            for (int k = 1; k <= members.count(); ++k)
                QVERIFY2(
                    fair(asked.at(members.at(k)), exams, double(quotas.at(c)) / members.count()),
                    qPrintable(QString::number(members.at(k))));
        }
    }

    void chapterTestsDrawFromTheirChapterOnly()
    {
        SystemRandomSource random(12);
        const TestItems history = buildChapterTest(bank, 3, 20, random);
        QSet<int> questions;
        for (int k = 1; k <= history.count(); ++k) {
            QCOMPARE(bank.chapter(history.at(k).question), 3);
            questions.insert(history.at(k).question);
        }
        QCOMPARE(questions.size(), 20);
        // Fewer questions than asked for: all of them.
        const TestItems economy = buildChapterTest(bank, 9, 50, random);
        QCOMPARE(economy.count(), chapterQuestions(bank, 9).count());
        QVERIFY(buildChapterTest(bank, 11, 5, random).isEmpty());
    }
};

QTEST_GUILESS_MAIN(ChapterDrawsTest)
#include "test_chapter_draws.moc"
