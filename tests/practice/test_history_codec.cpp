#include "practice/history_codec.h"

#include <QTest>

using namespace veltrano;

class HistoryCodecTest : public QObject {
    Q_OBJECT

private slots:
    void historyValue_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("flags"); // questions 1..5
        QTest::addColumn<QString>("storedAgain");
        QTest::addRow("empty") << "" << QList<int>{0, 0, 0, 0, 0} << "00000";
        QTest::addRow("plain") << "01001" << QList<int>{0, 1, 0, 0, 1} << "01001";
        QTest::addRow("short") << "11" << QList<int>{1, 1, 0, 0, 0} << "11000";
        QTest::addRow("long") << "1000011111" << QList<int>{1, 0, 0, 0, 0} << "10000";
        QTest::addRow("a 7 stays") << "00700" << QList<int>{0, 0, 7, 0, 0} << "00700";
        QTest::addRow("non-digits") << "x1 -\u0661" << QList<int>{0, 1, 0, 0, 0} << "01000";
    }

    void historyValue()
    {
        QFETCH(QString, stored);
        QFETCH(QList<int>, flags);
        QFETCH(QString, storedAgain);
        const WrongFlags decoded = decodeHistory(stored, 5);
        for (int q = 1; q <= 5; ++q)
            QCOMPARE(decoded.at(q), flags.at(q - 1));
        QCOMPARE(decoded.at(6), 0); // beyond the bank nothing is read
        QCOMPARE(encodeHistory(decoded, 5), storedAgain);
        QCOMPARE(emptyHistory(3), QStringLiteral("000"));
    }
};

QTEST_GUILESS_MAIN(HistoryCodecTest)
#include "test_history_codec.moc"
