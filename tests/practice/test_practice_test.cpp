#include "practice/history_codec.h"
#include "practice/practice_session.h"

#include <QTest>

using namespace veltrano;

namespace {

int correctOption(const TestItem &item)
{
    return item.correctSlot - 1;
}
int wrongOption(const TestItem &item)
{
    return item.correctSlot % 4;
}

// Answers every question of a running test: wrong at the given positions,
// unanswered where skip holds them, correct elsewhere.
void answerAll(PracticeTest &test, const QList<int> &wrong, const QList<int> &skip = {})
{
    while (test.previous()) {
    }
    for (int position = 1;; ++position) {
        const TestItem &item = test.currentItem();
        if (skip.contains(position))
            test.choose(0, false);
        else
            test.choose(wrong.contains(position) ? wrongOption(item) : correctOption(item), true);
        if (!test.next())
            break;
    }
}

QList<int> wrongPositions(const PracticeTest &test)
{
    QList<int> positions;
    for (int k = 1; k <= test.wrongList().count(); ++k)
        positions.append(test.wrongList().at(k));
    return positions;
}

} // namespace

class PracticeTestTest : public QObject {
    Q_OBJECT

    QuestionBank bank;
    SystemRandomSource random{42};

private slots:
    void initTestCase() { bank.inlineread(); }

    void answersAndMovesThroughATest()
    {
        PracticeTest test(bank, random);
        QVERIFY(test.testIdle());
        QVERIFY(!test.isReviewing());
        QVERIFY(!test.start(TestKind::Sized, 0)); // no question: nothing starts
        QVERIFY(test.testIdle());

        QVERIFY(test.start(TestKind::Sized, 5));
        QVERIFY(!test.testIdle());
        QVERIFY(test.restartNeedsConfirmation());
        QCOMPARE(test.testSize(), 5);
        QCOMPARE(test.currentPos(), 1);
        QVERIFY(!test.canGoPrevious());
        QVERIFY(test.canGoNext());
        QVERIFY(!test.previous());

        QVERIFY(test.choose(1, true));
        QVERIFY(test.next());
        QCOMPARE(test.currentItem().chosenOption, -1);
        QVERIFY(test.previous());
        QCOMPARE(test.currentItem().chosenOption, 1);
        QVERIFY(test.choose(1, false)); // an option reported as not chosen clears the answer
        QCOMPARE(test.currentItem().chosenOption, -1);
        QVERIFY(!test.choose(4, true));

        QVERIFY(test.finishNeedsConfirmation());
        while (test.next()) {
        }
        QCOMPARE(test.currentPos(), 5);
        QVERIFY(test.reachedLast());
        QVERIFY(!test.canGoNext());
        QVERIFY(test.previous());
        QVERIFY(!test.finishNeedsConfirmation()); // reached once is enough

        // Restarting clears the reach and builds afresh.
        QVERIFY(test.start(TestKind::Sized, 10));
        QCOMPARE(test.testSize(), 10);
        QVERIFY(!test.reachedLast());

        QVERIFY(test.start(TestKind::Sized, 1));
        QVERIFY(!test.canGoPrevious());
        QVERIFY(!test.canGoNext());
        QVERIFY(!test.finishNeedsConfirmation());
    }

    void marksAndKeepsTheHistory()
    {
        PracticeTest test(bank, random);
        test.start(TestKind::Sized, 5);
        answerAll(test, {}, {1, 2, 3, 4, 5});
        test.markExam();
        QCOMPARE(test.correctCount(), 0);
        QCOMPARE(wrongPositions(test), QList<int>({1, 2, 3, 4, 5}));
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(test.wrongFlags().at(test.item(k).question), 1);

        answerAll(test, {});
        test.markExam();
        QCOMPARE(test.correctCount(), 5);
        QCOMPARE(test.wrongCount(), 0);
        QVERIFY(!test.anyFlagged());

        answerAll(test, {2, 4}, {5});
        test.markExam();
        QCOMPARE(test.correctCount(), 2);
        QCOMPARE(wrongPositions(test), QList<int>({2, 4, 5}));
        QCOMPARE(test.correctCount() + test.wrongCount(), test.testSize());
        QCOMPARE(test.wrongFlags().at(test.item(1).question), 0);
        QCOMPARE(test.wrongFlags().at(test.item(4).question), 1);
    }

    void verdictsSayWhatToShow()
    {
        PracticeTest test(bank, random);
        test.start(TestKind::Sized, 3);
        const TestItem first = test.currentItem();
        test.choose(correctOption(first), true);
        Verdict verdict = test.checkAnswer();
        QVERIFY(verdict.correct);
        QCOMPARE(verdict.correctSlot, first.correctSlot);

        test.choose(wrongOption(first), true);
        verdict = test.checkAnswer();
        QVERIFY(!verdict.correct);
        QCOMPARE(verdict.chosenOption, wrongOption(first));
        QCOMPARE(test.wrongFlags().at(first.question), 1);

        test.choose(0, false);
        verdict = test.checkAnswer();
        QVERIFY(!verdict.correct);
        QCOMPARE(verdict.chosenOption, -1); // only the correct choice gets a mark
    }

    void reviewWalksTheWrongAnswers()
    {
        PracticeTest test(bank, random);
        test.start(TestKind::Sized, 10);
        answerAll(test, {2, 5, 9});
        test.finish(true);
        QVERIFY(test.testIdle());
        QVERIFY(test.isReviewing());
        QVERIFY(test.wrongOnlyView());
        QCOMPARE(test.currentPos(), 2);
        QVERIFY(!test.canGoPrevious());
        QVERIFY(test.next());
        QCOMPARE(test.currentPos(), 5);
        QVERIFY(test.next());
        QCOMPARE(test.currentPos(), 9);
        QVERIFY(!test.canGoNext());
        QVERIFY(!test.next());
        QVERIFY(test.previous());
        QVERIFY(test.previous());
        QCOMPARE(test.currentPos(), 2);
        QVERIFY(!test.previous());

        test.setWrongOnlyView(false);
        QCOMPARE(test.currentPos(), 1);
        QVERIFY(test.next());
        QCOMPARE(test.currentPos(), 2);

        // A finished test's answers are locked.
        const int recorded = test.currentItem().chosenOption;
        QVERIFY(!test.choose(correctOption(test.currentItem()), true));
        QCOMPARE(test.currentItem().chosenOption, recorded);

        // All correct: no wrong-only view even with the box ticked.
        test.start(TestKind::Sized, 4);
        answerAll(test, {});
        test.finish(true);
        QVERIFY(!test.wrongOnlyView());
        QCOMPARE(test.currentPos(), 1);
    }

    // One state at a time; a start leaves nothing of the test before.
    void statesAndWhatAStartResets()
    {
        PracticeTest test(bank, random);
        QCOMPARE(test.state(), TestState::Idle);
        QVERIFY(!test.choose(0, true));
        test.setWrongOnlyView(true);
        QVERIFY(!test.wrongOnlyView()); // no review to view

        test.start(TestKind::Sized, 6);
        QCOMPARE(test.state(), TestState::Running);
        QCOMPARE(test.kind(), TestKind::Sized);
        test.setWrongOnlyView(true);
        QVERIFY(!test.wrongOnlyView()); // only a finished test has wrong answers
        answerAll(test, {1, 3});
        test.finish(true);
        QCOMPARE(test.state(), TestState::Reviewing);
        QCOMPARE(test.wrongCount(), 2);
        QVERIFY(!test.choose(0, true));

        test.start(TestKind::Sized, 6);
        QCOMPARE(test.state(), TestState::Running);
        QCOMPARE(test.wrongCount(), 0);
        QCOMPARE(test.correctCount(), 0);
        QVERIFY(!test.wrongOnlyView());
        QVERIFY(!test.reachedLast());
        QCOMPARE(test.currentPos(), 1);
        // Previous and Next follow the positions again, not the old wrong list.
        QVERIFY(!test.canGoPrevious());
        QVERIFY(test.next());
        QCOMPARE(test.currentPos(), 2);
    }

    // Showing a question in review checks it again, but only the verdicts of
    // the finished test are written over another copy's store.
    void startsATestOfGivenQuestions()
    {
        PracticeTest test(bank, random);
        QVERIFY(!test.startWith(TestKind::Weakest, {}));
        QVERIFY(!test.startWith(TestKind::Weakest, {0, 166}));
        QVERIFY(test.testIdle());
        QVERIFY(test.startWith(TestKind::Weakest, {9, 5, 300, 120}));
        QCOMPARE(test.kind(), TestKind::Weakest);
        QCOMPARE(test.testSize(), 3);
        QList<int> asked;
        for (int k = 1; k <= 3; ++k) {
            asked.append(test.item(k).question);
            QCOMPARE(test.item(k).position, k);
        }
        std::sort(asked.begin(), asked.end());
        QCOMPARE(asked, QList<int>({5, 9, 120}));
        QCOMPARE(test.currentPos(), 1);
    }

    void lookingAtAQuestionIsNotAnAnswer()
    {
        PracticeTest test(bank, random);
        test.loadHistory(QString(165, u'0'));
        QVERIFY(!test.hasUnstoredHistory());
        test.start(TestKind::Sized, 2);
        answerAll(test, {1});
        test.finish(false);
        QVERIFY(test.hasUnstoredHistory());
        test.historyStored(test.mergedHistory(QString(165, u'0')));
        QVERIFY(!test.hasUnstoredHistory());

        // Another copy answers question item(1) right meanwhile.
        const int looked = test.item(1).question;
        QString newer(165, u'0');
        QVERIFY(!test.checkAnswer().correct); // reviewing position 1 again
        QVERIFY(!test.hasUnstoredHistory());
        QCOMPARE(test.mergedHistory(newer).at(looked - 1), u'0');
    }

    void percentageInTenths_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("tenths");
        QTest::addRow("3 of 5") << 3 << 5 << 600;
        QTest::addRow("2 of 3") << 2 << 3 << 667;
        QTest::addRow("1 of 3") << 1 << 3 << 333;
        QTest::addRow("none") << 0 << 20 << 0;
        QTest::addRow("all") << 165 << 165 << 1000;
        QTest::addRow("1 of 16 rounds half up") << 1 << 16 << 63;
        QTest::addRow("3 of 16") << 3 << 16 << 188;
        QTest::addRow("empty test") << 0 << 0 << 0;
    }

    void percentageInTenths()
    {
        QFETCH(int, correct);
        QFETCH(int, total);
        QFETCH(int, tenths);
        QCOMPARE(percentageTenths(correct, total), tenths);
    }

    // Another copy of the program stored since this one loaded: a store keeps
    // its digits and writes over only the questions checked here.
    void mergesWithAnotherCopysHistory()
    {
        PracticeTest test(bank, random);
        test.loadHistory(QString(165, u'0'));
        test.start(TestKind::Sized, 3);
        answerAll(test, {2});
        test.finish(false);
        const QList<int> mine{test.item(1).question, test.item(2).question, test.item(3).question};
        QString other(165, u'0');
        for (const int q : {1, 2, 3, 50, 165})
            if (!mine.contains(q))
                other[q - 1] = u'1';
        other[mine.at(0) - 1] = u'1'; // the other copy got it wrong, this one right
        QString expected = other;
        expected[mine.at(0) - 1] = u'0';
        expected[mine.at(1) - 1] = u'1';
        expected[mine.at(2) - 1] = u'0';
        const QString merged = test.mergedHistory(other);
        QCOMPARE(merged, expected);
        test.historyStored(merged);
        QCOMPARE(encodeHistory(test.wrongFlags(), 165), expected);
        QCOMPARE(test.mergedHistory(QString(165, u'7')),
                 QString(165, u'7')); // nothing checked since

        // A cleared history is written whole, even over another copy's flags.
        test.clearHistory();
        QCOMPARE(test.mergedHistory(other), QString(165, u'0'));
    }

    void historyDrivesRedoTests()
    {
        PracticeTest test(bank, random);
        test.loadHistory(QString());
        QVERIFY(!test.hasRedoHistory());
        QVERIFY(!test.start(TestKind::Redo)); // nothing to redo: nothing starts
        QVERIFY(test.testIdle());

        QString stored(165, u'0');
        stored[16] = u'1';
        stored[99] = u'7';
        test.loadHistory(stored);
        QVERIFY(test.hasRedoHistory());
        test.setRedoRequested(true);
        QVERIFY(test.start(TestKind::Redo, 50)); // a redo ignores the size asked for
        QVERIFY(!test.redoRequested());
        QCOMPARE(test.kind(), TestKind::Redo);
        QCOMPARE(test.testSize(), 2);
        QList<int> questions{test.item(1).question, test.item(2).question};
        std::sort(questions.begin(), questions.end());
        QCOMPARE(questions, QList<int>({17, 100}));

        // Answer question 17 correctly, leave 100: the 7 becomes a 1.
        for (int k = 1; k <= 2; ++k) {
            if (test.currentItem().question == 17)
                test.choose(correctOption(test.currentItem()), true);
            test.next();
        }
        test.finish(false);
        QString expected(165, u'0');
        expected[99] = u'1';
        QCOMPARE(encodeHistory(test.wrongFlags(), 165), expected);
        QCOMPARE(test.mergedHistory(stored), expected); // alone, the merge changes nothing
        test.historyStored(expected);
        QVERIFY(test.hasRedoHistory());

        test.clearHistory();
        QVERIFY(!test.hasRedoHistory());
        QCOMPARE(encodeHistory(test.wrongFlags(), 165), QString(165, u'0'));

        // A stored 7 stays a 7 until its question is checked again.
        stored.fill(u'0');
        stored[2] = u'7';
        test.loadHistory(stored + QStringLiteral("junk"));
        test.start(TestKind::Sized, 1);
        QCOMPARE(encodeHistory(test.wrongFlags(), 165).at(2), u'7');
    }
};

QTEST_GUILESS_MAIN(PracticeTestTest)
#include "test_practice_test.moc"
