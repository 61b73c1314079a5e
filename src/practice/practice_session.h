#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_item.h"
#include "bank/wrong_flags.h"
#include "practice/clock.h"
#include "practice/exam_rules.h"

#include <QString>

#include <array>

namespace veltrano {

// What kind of test is built: a random test of a chosen size, the
// questions of the wrong-answer history, a timed mock exam drawn across the
// chapters, a test of one chapter, or the questions the progress store finds
// weakest.
enum class TestKind { Sized, Redo, Exam, Chapter, Weakest };

// Idle: no test yet. Running: answers can be given. Reviewing: the test is
// finished and on view; answers are locked and every question shows its
// verdict.
enum class TestState { Idle, Running, Reviewing };

// The verdict on one answered (or unanswered) test item; the window words it.
struct Verdict {
    bool correct = false;
    int correctSlot = 0;   // display slot 1..4 of the correct choice
    int chosenOption = -1; // option index 0..3, -1 when nothing was chosen
};

// What the clock of a running exam says at a tick.
enum class ExamTick {
    NotRunning, // no exam is running
    Counting,   // time is left
    Warning,    // the warning time was just reached; said once per exam
    TimeUp,     // no time is left: no more answers, the exam is to be finished
};

// One practice test and the wrong-answer history, without any widget: start,
// answer, navigate, finish and review. The main window binds its controls to
// this object and asks it what to show.
class PracticeTest {
public:
    PracticeTest(const QuestionBank &bank, RandomSource &random);

    // --- Test control
    TestState state() const { return state_; }
    TestKind kind() const { return kind_; }
    // True while no test is running: at start-up and once a test is finished.
    bool testIdle() const { return state_ != TestState::Running; }
    bool isReviewing() const { return state_ == TestState::Reviewing; }
    bool restartNeedsConfirmation() const { return state_ == TestState::Running; }
    // The redo button asks for a redo test; the request stands until a
    // start goes ahead, even when the user keeps the running test.
    bool redoRequested() const { return redoRequested_; }
    void setRedoRequested(bool requested) { redoRequested_ = requested; }
    // Starts a sized or a redo test; size counts only for a sized test and
    // is clamped to the bank. Everything the last test owned is reset.
    // Returns false, changing nothing, when that test would hold no question
    // (and for the kinds started below).
    bool start(TestKind kind, int size = 0);
    // Starts a test of size questions of chapter 1..chapterCount, or of all
    // of them when it has fewer; otherwise as start().
    bool startChapter(int chapter, int size);
    // Starts a mock exam under rules, timed by clock from now on; the clock
    // must outlive the exam. Otherwise as start().
    bool startExam(const ExamRules &rules, const Clock &clock);
    // The chapter a chapter test draws on; 0 for every other kind.
    int chapter() const { return kind_ == TestKind::Chapter ? chapter_ : 0; }
    // Starts a test of exactly these bank questions, in random order.
    bool startWith(TestKind kind, const QList<int> &questions);

    // --- The current test
    int testSize() const { return items_.count(); }
    int currentPos() const { return currentPos_; }
    const TestItem &item(int position) const { return items_.at(position); }
    const TestItem &currentItem() const { return items_.at(currentPos_); }
    // Records option optionIndex (0..3) of the current question as chosen,
    // or clears the answer when chosen is false. Only a running test takes
    // answers, and an exam only while time is left: otherwise returns false
    // and records nothing.
    bool choose(int optionIndex, bool chosen);
    int unansweredCount() const;

    // --- Navigation
    bool wrongOnlyView() const { return wrongOnlyView_; }
    bool reachedLast() const { return reachedLast_; }
    // Each returns whether it moved.
    bool previous();
    bool next();
    // The "wrong answers only" box was ticked or unticked: restarts the review
    // at the first question of the chosen view.
    void setWrongOnlyView(bool ticked);
    bool canGoPrevious() const;
    bool canGoNext() const;

    // --- Flags for review: questions of a running test the user means to
    // come back to. In the flagged-only view Previous and Next step between
    // flagged questions; it ends when no question is flagged.
    // Flags or unflags the current question; only while the test runs.
    bool setFlaggedForReview(bool flagged);
    int flaggedForReviewCount() const;
    bool flaggedOnlyView() const { return flaggedOnlyView_; }
    void setFlaggedOnlyView(bool ticked);

    // --- Marking and finishing
    // Whether the item at position is answered correctly; puts its question
    // into the wrong-answer history or takes it out.
    bool isCorrect(int position);
    // Marks every item; these verdicts are what the next store writes.
    void markExam();
    // Checks the current question and says what to show for it. Looking at a
    // question is not an answer: it never changes what the next store writes.
    Verdict checkAnswer();
    int correctCount() const { return correctCount_; }
    int wrongCount() const { return wrongList_.count(); }
    const OneBasedList<int> &wrongList() const { return wrongList_; }
    // Finishing asks first when the last question was never reached with Next.
    bool finishNeedsConfirmation() const { return !reachedLast_ && testSize() > 1; }
    // Marks the test and enters the review, at the first wrong question when
    // wrongOnlyTicked and some answer is wrong, else at question 1.
    void finish(bool wrongOnlyTicked);

    // --- The exam
    bool isExam() const { return kind_ == TestKind::Exam; }
    const ExamRules &examRules() const { return examRules_; }
    // Milliseconds left in a running exam, 0 once time is up or when no exam
    // runs. Read from the clock every time: a late tick gives no extra time.
    qint64 timeLeftMs() const;
    bool timeUp() const { return isExam() && state_ == TestState::Running && timeLeftMs() == 0; }
    // Says what the clock means now; call it about once a second.
    ExamTick tick();
    // Whether the warning time was reached in this exam.
    bool examWarningGiven() const { return examWarned_; }
    // Whether a finished exam reached the pass mark.
    bool passed() const { return isExam() && isReviewing() && examRules_.passes(correctCount_); }

    // --- Wrong-answer history
    const WrongFlags &wrongFlags() const { return wrongFlags_; }
    // Drives the redo and clear buttons; recomputed only at load, store and
    // clear (and refreshRedoHistory), as the buttons are.
    bool hasRedoHistory() const { return hasRedoHistory_; }
    bool anyFlagged() const { return wrongFlags_.anyFlagged(bank_.questionCount()); }
    void loadHistory(const QString &stored);
    // The value to store when storedNow is what the settings hold at this
    // moment (another copy of the program may have stored since this one
    // loaded): the verdicts of tests finished here since the last load or
    // store, every other digit as stored.
    QString mergedHistory(const QString &storedNow) const;
    // The merged value was stored: it is now this copy's history too.
    void historyStored(const QString &stored);
    // Whether this copy holds verdicts or a clear that are not stored yet.
    bool hasUnstoredHistory() const;
    // Empties the history; until it is stored, every question counts as
    // changed, so that a later store writes the emptied history whole.
    void clearHistory();
    void refreshRedoHistory() { hasRedoHistory_ = anyFlagged(); }

private:
    // Where Previous and Next step: through every position, or in the
    // review's wrong-only view through the wrong ones.
    struct Cursor {
        int index = 0;
        int count = 0;
    };
    Cursor cursor() const;
    void moveTo(int index);
    // The nearest flagged position before (direction -1) or after (+1) the
    // current one; 0 when there is none.
    int flaggedNeighbour(int direction) const;
    // Makes items the running test of the given kind, resetting everything
    // the last test owned; false, changing nothing, when items is empty.
    bool begin(TestKind kind, TestItems items);

    const QuestionBank &bank_;
    RandomSource &random_;
    TestState state_ = TestState::Idle;
    TestKind kind_ = TestKind::Sized;
    TestItems items_;
    int currentPos_ = 0;
    bool redoRequested_ = false;
    bool wrongOnlyView_ = false;
    bool reachedLast_ = false;
    bool flaggedOnlyView_ = false;
    int chapter_ = 0;
    ExamRules examRules_;
    const Clock *examClock_ = nullptr;
    qint64 examDeadlineMs_ = 0;
    bool examWarned_ = false;
    int correctCount_ = 0;
    OneBasedList<int> wrongList_;
    int wrongCursor_ = 0;
    WrongFlags wrongFlags_;
    // Questions whose verdict changed the history since it was last loaded
    // or stored: only these are written over another copy's store.
    std::array<bool, QuestionBank::capacity + 1> changedSinceStore_{};
    bool hasRedoHistory_ = false;
};

// correct * 100 / total in tenths of a percent, rounded half away from zero:
// 1 of 16 gives 63 (6.3%). In integers, so no binary rounding turns 6.25
// into 6.2. A total of 0 gives 0.
int percentageTenths(int correct, int total);

} // namespace veltrano
