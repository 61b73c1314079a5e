#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_item.h"
#include "bank/wrong_flags.h"

#include <QString>

#include <array>

namespace veltrano {

// What kind of test is built: a random test of a chosen size, the questions
// of the wrong-answer history, or the questions the progress store finds
// weakest.
enum class TestKind { Sized, Redo, Weakest };

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
    // Starts a test of the given kind; size counts only for a sized test and
    // is clamped to the bank. Everything the last test owned is reset.
    // Returns false, changing nothing, when that test would hold no question.
    bool start(TestKind kind, int size = 0);
    // Starts a test of exactly these bank questions, in random order.
    bool startWith(TestKind kind, const QList<int> &questions);

    // --- The current test
    int testSize() const { return items_.count(); }
    int currentPos() const { return currentPos_; }
    const TestItem &item(int position) const { return items_.at(position); }
    const TestItem &currentItem() const { return items_.at(currentPos_); }
    // Records option optionIndex (0..3) of the current question as chosen,
    // or clears the answer when chosen is false. Only a running test takes
    // answers: otherwise returns false and records nothing.
    bool choose(int optionIndex, bool chosen);

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
