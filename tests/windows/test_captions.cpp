#include "windows/captions.h"

#include <QTest>

using namespace veltrano;

// The words of the test on screen, in English.
class CaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void percentage_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("shown");
        QTest::addRow("3 of 5") << 3 << 5 << "60.0%";
        QTest::addRow("2 of 3") << 2 << 3 << "66.7%";
        QTest::addRow("none") << 0 << 20 << "0.0%";
        QTest::addRow("all") << 165 << 165 << "100.0%";
        QTest::addRow("1 of 16 rounds half up") << 1 << 16 << "6.3%";
        QTest::addRow("empty test") << 0 << 0 << "0.0%";
    }

    void percentage()
    {
        QFETCH(int, correct);
        QFETCH(int, total);
        QFETCH(QString, shown);
        QCOMPARE(Captions::percentage(correct, total), shown);
    }

    void questionAndVerdict()
    {
        QuestionBank bank;
        bank.inlineread();
        TestItem item;
        item.position = 7;
        item.question = 3;
        item.slotChoice = {0, 2, 4, 1, 3};
        QCOMPARE(Captions::frame(3, 20), QStringLiteral("Question 3 of 20"));
        QCOMPARE(Captions::question(item, bank), QStringLiteral("7. ") + bank.pQuestion(3));
        QCOMPARE(Captions::option(item, 1, bank), QStringLiteral("A.  ") + bank.pchoice(3, 2));
        QCOMPARE(Captions::option(item, 4, bank), QStringLiteral("D.  ") + bank.pchoice(3, 3));
        QCOMPARE(Captions::verdict({true, 2, 1}), QStringLiteral("Your answer is CORRECT."));
        QCOMPARE(Captions::verdict({false, 3, 0}),
                 QStringLiteral("Your answer is WRONG, the correct answer is C"));
        QCOMPARE(Captions::verdict({false, 4, -1}),
                 QStringLiteral("Your answer is WRONG, the correct answer is D"));
    }
};

QTEST_GUILESS_MAIN(CaptionsTest)
#include "test_captions.moc"
