#include "bank/builtin_questions.h"
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

    // The texts must fit the question display and stay distinguishable.
    void builtInTextsKeepTheirLimits()
    {
        QuestionBank bank;
        bank.inlineread();
        int questionMarks = 0;
        int withQuote = 0;
        int withEAcute = 0;
        const auto checkText = [&](const QString &text, int minLength, int maxLength) {
            QVERIFY2(text.size() >= minLength && text.size() <= maxLength, qPrintable(text));
            QCOMPARE(text.trimmed(), text);
            QVERIFY2(!text.contains(u'&'), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("  ")), qPrintable(text));
            QVERIFY2(!text.contains(QChar(0xFFFD)), qPrintable(text)); // decoded cleanly
            if (text.contains(u'"'))
                ++withQuote;
            if (text.contains(QChar(0x00E9)))
                ++withEAcute;
        };
        for (int q = 1; q <= bank.questionCount(); ++q) {
            const QString question = bank.pQuestion(q);
            checkText(question, 17, 102);
            if (question.endsWith(u'?'))
                ++questionMarks;
            QSet<QString> choices;
            for (int c = 1; c <= 4; ++c) {
                const QString choice = bank.pchoice(q, c);
                checkText(choice, 3, 93);
                QVERIFY2(choice != question, qPrintable(question));
                choices.insert(choice);
            }
            QVERIFY2(choices.size() == 4, qPrintable(question));
        }
        QVERIFY(questionMarks >= 160 && questionMarks < 165);
        QVERIFY(withQuote >= 5 && withQuote <= 12);
        QVERIFY(withEAcute >= 6 && withEAcute <= 14);
    }
};

QTEST_GUILESS_MAIN(QuestionBankTest)
#include "test_question_bank.moc"
