#include "bank/question_bank.h"

#include <QSet>
#include <QTest>

using veltrano::QuestionBank;

class QuestionBankTest : public QObject {
    Q_OBJECT

private slots:
    void filledBankKeepsItsShape()
    {
        QuestionBank bank;
        QCOMPARE(bank.questionCount(), 0);
        bank.inlineread();
        QCOMPARE(bank.questionCount(), 165);
        QCOMPARE(bank.pAnswer(1), 1);
        QCOMPARE(bank.pAnswer(165), 1);
        QCOMPARE(bank.pAnswer(166), 0);
        QVERIFY(bank.pQuestion(0).isEmpty());
        QVERIFY(bank.pQuestion(166).isEmpty());
        QVERIFY(bank.pQuestion(200).isEmpty());
        for (int q = 0; q <= QuestionBank::capacity; ++q)
            QVERIFY(bank.pchoice(q, 0).isEmpty());
        // Nothing is stored or read outside the capacity.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.pQuestion(201));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.pchoice(-1, 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.setQuestion(201, QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(QuestionBankTest)
#include "test_question_bank.moc"
