#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_item.h"
#include "bank/wrong_flags.h"

#include <QString>

#include <array>

namespace veltrano {

// The verdict on one answered (or unanswered) test item.
struct Verdict {
    bool correct = false;
    int correctSlot = 0;   // display slot 1..4 of the correct choice
    int chosenOption = -1; // option index 0..3, -1 when nothing was chosen
    QString text;          // the verdict line shown under the choices
};

// One practice test and the wrong-answer history, without any widget: start,
// answer, navigate, finish and review. The main window binds its controls to
// this object and asks it what to show.
class PracticeTest {
public:
    PracticeTest(const QuestionBank &bank, RandomSource &random);

    // --- Test control
    // True while no test is running: at start-up and once a test is finished.
    bool testIdle() const { return testIdle_; }
    // True while a finished test is on view; its answers are then locked.
    bool isReviewing() const { return testIdle_ && testSize() > 0; }
    bool restartNeedsConfirmation() const { return !testIdle_; }
    bool redoRequested() const { return redoRequested_; }
    void setRedoRequested(bool requested) { redoRequested_ = requested; }
    // Starts a test: a redo test when one was requested, otherwise one of the
    // given size (clamped to the bank). Returns false, changing nothing, when
    // that test would hold no question.
    bool start(int requestedSize);
    // The leading decimal number of a size-list entry: "20 Questions" gives 20;
    // a text without one gives 0.
    static int parseTestSize(const QString &listText);

    // --- The current test
    int testSize() const { return items_.count(); }
    int currentPos() const { return currentPos_; }
    const TestItem &item(int position) const { return items_.at(position); }
    const TestItem &currentItem() const { return items_.at(currentPos_); }
    // Records a click on option optionIndex (0..3) of the current question:
    // chosen stores the index, not chosen clears the answer. A finished test's
    // answers are locked: returns false and records nothing.
    bool choose(int optionIndex, bool chosen);

    // --- Navigation
    bool wrongOnlyView() const { return wrongOnlyView_; }
    int wrongCursor() const { return wrongCursor_; }
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
    void markExam();
    // Checks the current question and says what to show for it.
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
    // loaded): the flags this copy checked since its last load or store,
    // every other digit as stored.
    QString mergedHistory(const QString &storedNow) const;
    // The merged value was stored: it is now this copy's history too.
    void historyStored(const QString &stored);
    // Empties the history; until it is stored, every question counts as
    // checked, so that a later store writes the emptied history whole.
    void clearHistory();
    void refreshRedoHistory() { hasRedoHistory_ = anyFlagged(); }
    // Whether the history holds changes not yet stored.
    bool hasUnstoredHistory() const;

private:
    const QuestionBank &bank_;
    RandomSource &random_;
    TestItems items_;
    int currentPos_ = 0;
    bool testIdle_ = true;
    bool redoRequested_ = false;
    bool wrongOnlyView_ = false;
    bool reachedLast_ = false;
    int correctCount_ = 0;
    OneBasedList<int> wrongList_;
    int wrongCursor_ = 0;
    WrongFlags wrongFlags_;
    // Questions checked since the history was last loaded or stored.
    std::array<bool, QuestionBank::capacity + 1> checkedSinceStore_{};
    bool hasRedoHistory_ = false;
};

} // namespace veltrano
