#include "practice/practice_session.h"

#include <QTest>

using namespace veltrano;

namespace {

constexpr qint64 minute = 60'000;

void answerHere(PracticeTest &test, bool correctly)
{
    const int correct = test.currentItem().correctSlot - 1;
    QVERIFY(test.choose(correctly ? correct : (correct + 1) % 4, true));
}

QList<int> positionsVisited(PracticeTest &test, bool forward)
{
    QList<int> visited;
    while (forward ? test.next() : test.previous())
        visited.append(test.currentPos());
    return visited;
}

} // namespace

// The mock exam as PracticeTest runs it, without a window.
class PracticeExamTest : public QObject {
    Q_OBJECT

    QuestionBank bank;
    SystemRandomSource random{1212};

private slots:
    void initTestCase() { bank.inlineread(); }

    // The clock is read, not counted: the warning comes once, and a tick
    // that comes late (a busy machine) gives no extra time.
    void examRunsOutOfTime()
    {
        ScriptedClock clock;
        clock.advance(123'456); // a monotonic clock does not start at 0
        PracticeTest test(bank, random);
        QVERIFY(!test.start(TestKind::Exam)); // an exam needs its rules and clock
        QVERIFY(test.startExam(citizenshipExam, clock));
        QCOMPARE(test.testSize(), 20);
        QCOMPARE(test.timeLeftMs(), 45 * minute);
        answerHere(test, true);
        test.next();
        answerHere(test, false);

        clock.advance(40 * minute - 1);
        QCOMPARE(test.tick(), ExamTick::Counting);
        clock.advance(1);
        QCOMPARE(test.tick(), ExamTick::Warning);
        QCOMPARE(test.tick(), ExamTick::Counting); // said once
        clock.advance(5 * minute - 1);
        answerHere(test, true); // the last moment still counts
        clock.advance(1);
        QCOMPARE(test.tick(), ExamTick::TimeUp);
        // No answer is taken once time is up, even before the exam is finished.
        QVERIFY(!test.choose(0, false));
        QCOMPARE(test.unansweredCount(), 18);
        test.finish(false);
        QCOMPARE(test.correctCount(), 2);
        QVERIFY(!test.passed());
        QCOMPARE(test.tick(), ExamTick::NotRunning);

        // Late by far: time up at once, no warning first.
        test.startExam(citizenshipExam, clock);
        clock.advance(60 * minute);
        QCOMPARE(test.tick(), ExamTick::TimeUp);
        // Any other start ends the exam and its clock.
        QVERIFY(test.start(TestKind::Sized, 5));
        QCOMPARE(test.tick(), ExamTick::NotRunning);
        QVERIFY(test.choose(0, true));
    }

    // Previous and Next in the flagged-only view stop only at flagged
    // questions; the view ends with the last flag.
    void flaggedQuestionsAreEasyToRevisit()
    {
        ScriptedClock clock;
        PracticeTest test(bank, random);
        test.startExam(citizenshipExam, clock);
        test.setFlaggedOnlyView(true);
        QVERIFY(!test.flaggedOnlyView()); // nothing flagged yet
        for (const int position : {3, 7, 12}) {
            while (test.currentPos() < position)
                test.next();
            QVERIFY(test.setFlaggedForReview(true));
        }
        while (test.next()) {
        }
        test.setFlaggedOnlyView(true);
        QCOMPARE(positionsVisited(test, false), QList<int>({12, 7, 3}));
        QCOMPARE(positionsVisited(test, true), QList<int>({7, 12}));

        // Unflagged on the way, a question drops out of the view.
        test.previous();
        test.setFlaggedForReview(false);
        QCOMPARE(positionsVisited(test, false), QList<int>({3}));
        test.setFlaggedForReview(false);
        QCOMPARE(positionsVisited(test, true), QList<int>({12}));
        test.setFlaggedForReview(false);
        QVERIFY(!test.flaggedOnlyView()); // no flag left: every question again
        QCOMPARE(positionsVisited(test, true), QList<int>({13, 14, 15, 16, 17, 18, 19, 20}));

        // Finishing ends the view and locks the flags.
        test.setFlaggedForReview(true);
        test.setFlaggedOnlyView(true);
        test.finish(false);
        QVERIFY(!test.flaggedOnlyView());
        QVERIFY(!test.setFlaggedForReview(false));
        test.startExam(citizenshipExam, clock);
        QCOMPARE(test.flaggedForReviewCount(), 0);
    }
};

QTEST_GUILESS_MAIN(PracticeExamTest)
#include "test_practice_exam.moc"
