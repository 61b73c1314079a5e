#include "bank/random_source.h"
#include "progress/mastery_rule.h"
#include "progress/weakest_questions.h"

#include <QTest>

using namespace veltrano;

namespace {

const QDate monday(2026, 11, 30);

// "+0 -1 +2": right on day 0, wrong on day 1, right on day 2 (days after monday).
QuestionRecord replay(const QString &script)
{
    QuestionRecord record;
    for (const QString &step : script.split(u' ', Qt::SkipEmptyParts))
        applyAnswer(record, monday.addDays(step.mid(1).toInt()), step.front() == u'+');
    return record;
}

} // namespace

class MasteryRuleTest : public QObject {
    Q_OBJECT

private slots:
    void masteredAfterRightAnswersOnTwoDays_data()
    {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("masteredOnDay"); // -1: not mastered
        QTest::addColumn<int>("misses");
        QTest::addRow("never answered") << "" << -1 << 0;
        QTest::addRow("right once") << "+0" << -1 << 0;
        QTest::addRow("right twice on one day") << "+0 +0" << -1 << 0;
        QTest::addRow("right on two days") << "+0 +1" << 1 << 0;
        QTest::addRow("right on two days a week apart") << "+0 +7" << 7 << 0;
        QTest::addRow("right on three days") << "+0 +1 +2" << 1 << 0;
        QTest::addRow("a miss starts over") << "+0 +1 -2" << -1 << 1;
        QTest::addRow("a miss between the days") << "+0 -1 +1" << -1 << 1;
        QTest::addRow("two days after the miss") << "+0 -1 +1 +2" << 2 << 1;
        QTest::addRow("a miss on the same day after a right") << "-0 +0 +1" << 1 << 1;
        QTest::addRow("clock set back adds no day") << "+3 +1" << -1 << 0;
        QTest::addRow("missed every time") << "-0 -1 -2" << -1 << 3;
    }

    void masteredAfterRightAnswersOnTwoDays()
    {
        QFETCH(QString, answers);
        QFETCH(int, masteredOnDay);
        QFETCH(int, misses);
        const QuestionRecord record = replay(answers);
        QCOMPARE(record.mastered(), masteredOnDay >= 0);
        QCOMPARE(record.masteredOn, masteredOnDay >= 0 ? monday.addDays(masteredOnDay) : QDate());
        QCOMPARE(record.misses, misses);
        QCOMPARE(record.answered, static_cast<int>(answers.split(u' ', Qt::SkipEmptyParts).size()));
    }

    void weakestComeFirst()
    {
        QList<QuestionRecord> records(9);
        records[1] = replay("+0 +1");          // mastered on day 1
        records[2] = replay("-0 -1");          // missed twice
        records[3] = replay("-0");             // missed once, answered on day 0
        records[4] = replay("-2");             // missed once, answered on day 2
        records[5] = replay("+2 +3");          // mastered on day 3
        records[6] = replay("+0");             // right once, not yet mastered
        records[7] = QuestionRecord();         // never answered
        records[8] = replay("-0 +0 +4 -5 -6"); // missed three times
        SystemRandomSource random(7);
        QCOMPARE(weakestQuestions(records, 8, random), QList<int>({8, 2, 3, 4, 7, 6, 1, 5}));
        QCOMPARE(weakestQuestions(records, 3, random), QList<int>({8, 2, 3}));
        QCOMPARE(weakestQuestions(records, 0, random), QList<int>());
        QCOMPARE(weakestQuestions(records, 50, random).size(), 8);
    }

    void equalsAreDrawnAtRandom()
    {
        // With no history every question is equal: over many draws of 5 of
        // 20, each question is chosen about a quarter of the time.
        const QList<QuestionRecord> records(21);
        SystemRandomSource random(11);
        QList<int> chosen(21);
        const int draws = 4000;
        for (int i = 0; i < draws; ++i)
            for (const int q : weakestQuestions(records, 5, random))
                ++chosen[q];
        for (int q = 1; q <= 20; ++q)
            QVERIFY2(qAbs(chosen.at(q) - draws / 4) < draws / 20, qPrintable(QString::number(q)));
    }
};

QTEST_GUILESS_MAIN(MasteryRuleTest)
#include "test_mastery_rule.moc"
