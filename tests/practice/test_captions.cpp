#include "practice/captions.h"

#include <QTest>

using namespace veltrano;

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
        QTest::addRow("1 of 3") << 1 << 3 << "33.3%";
        QTest::addRow("none") << 0 << 20 << "0.0%";
        QTest::addRow("all") << 165 << 165 << "100.0%";
        QTest::addRow("1 of 16 rounds half up") << 1 << 16 << "6.3%";
        QTest::addRow("3 of 16") << 3 << 16 << "18.8%";
        QTest::addRow("1 of 8") << 1 << 8 << "12.5%";
        QTest::addRow("empty test") << 0 << 0 << "0.0%";
    }

    void percentage()
    {
        QFETCH(int, correct);
        QFETCH(int, total);
        QFETCH(QString, shown);
        QCOMPARE(formatPercentage(correct, total), shown);
    }

    void questionCaptions()
    {
        QuestionBank bank;
        bank.inlineread();
        TestItem item;
        item.position = 7;
        item.question = 3;
        item.slotChoice = {0, 2, 4, 1, 3};
        QCOMPARE(frameCaption(3, 20), QStringLiteral("Question 3 of 20"));
        QCOMPARE(questionCaption(item, bank), QStringLiteral("7. ") + bank.pQuestion(3));
        QCOMPARE(optionCaption(item, 1, bank), QStringLiteral("A.  ") + bank.pchoice(3, 2));
        QCOMPARE(optionCaption(item, 4, bank), QStringLiteral("D.  ") + bank.pchoice(3, 3));
    }
};

QTEST_GUILESS_MAIN(CaptionsTest)
#include "test_captions.moc"
