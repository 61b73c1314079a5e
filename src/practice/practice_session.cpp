#include "practice/practice_session.h"

#include "bank/test_builder.h"
#include "practice/history_codec.h"

#include <algorithm>

namespace veltrano {

PracticeTest::PracticeTest(const QuestionBank &bank, RandomSource &random)
    : bank_(bank), random_(random)
{
}

bool PracticeTest::start(TestKind kind, int size)
{
    switch (kind) {
    case TestKind::Sized:
        return begin(kind, buildTest(bank_, size, random_));
    case TestKind::Redo:
        return begin(kind, buildRedoTest(bank_, wrongFlags_, random_));
    case TestKind::Exam:
    case TestKind::Chapter:
    case TestKind::Weakest:
        break;
    }
    return false;
}

bool PracticeTest::startWith(TestKind kind, const QList<int> &questions)
{
    return begin(kind, buildTestOf(bank_, questions, random_));
}

bool PracticeTest::begin(TestKind kind, TestItems items)
{
    if (items.isEmpty())
        return false;
    state_ = TestState::Running;
    kind_ = kind;
    items_ = std::move(items);
    currentPos_ = 1;
    redoRequested_ = false;
    wrongOnlyView_ = false;
    reachedLast_ = false;
    flaggedOnlyView_ = false;
    chapter_ = 0;
    examRules_ = {};
    examClock_ = nullptr;
    examDeadlineMs_ = 0;
    examWarned_ = false;
    correctCount_ = 0;
    wrongList_.clear();
    wrongCursor_ = 0;
    return true;
}

bool PracticeTest::choose(int optionIndex, bool chosen)
{
    if (state_ != TestState::Running || timeUp() || optionIndex < 0 || optionIndex > 3)
        return false;
    items_.at(currentPos_).chosenOption = chosen ? optionIndex : -1;
    return true;
}

int PracticeTest::unansweredCount() const
{
    int unanswered = 0;
    for (int position = 1; position <= testSize(); ++position)
        unanswered += item(position).isAnswered() ? 0 : 1;
    return unanswered;
}

PracticeTest::Cursor PracticeTest::cursor() const
{
    if (wrongOnlyView_)
        return {wrongCursor_, wrongCount()};
    return {currentPos_, testSize()};
}

void PracticeTest::moveTo(int index)
{
    if (wrongOnlyView_) {
        wrongCursor_ = index;
        currentPos_ = wrongList_.at(index);
        return;
    }
    currentPos_ = index;
    // Only Next marks the last question as reached; see next().
}

int PracticeTest::flaggedNeighbour(int direction) const
{
    for (int position = currentPos_ + direction; position >= 1 && position <= testSize();
         position += direction)
        if (item(position).flaggedForReview)
            return position;
    return 0;
}

bool PracticeTest::canGoPrevious() const
{
    if (flaggedOnlyView_)
        return flaggedNeighbour(-1) > 0;
    return cursor().index >= 2;
}

bool PracticeTest::canGoNext() const
{
    if (flaggedOnlyView_)
        return flaggedNeighbour(+1) > 0;
    const Cursor at = cursor();
    return at.index < at.count;
}

bool PracticeTest::previous()
{
    if (!canGoPrevious())
        return false;
    // The flagged-only view runs only during a test, the wrong-only view
    // only in a review: a flagged neighbour is a position.
    moveTo(flaggedOnlyView_ ? flaggedNeighbour(-1) : cursor().index - 1);
    return true;
}

bool PracticeTest::next()
{
    if (!canGoNext())
        return false;
    moveTo(flaggedOnlyView_ ? flaggedNeighbour(+1) : cursor().index + 1);
    if (!wrongOnlyView_ && currentPos_ == testSize())
        reachedLast_ = true;
    return true;
}

void PracticeTest::setWrongOnlyView(bool ticked)
{
    // The wrong-only view exists only in a review with a wrong question to
    // stand on.
    wrongOnlyView_ = ticked && state_ == TestState::Reviewing && wrongCount() > 0;
    if (wrongOnlyView_) {
        wrongCursor_ = 1;
        currentPos_ = wrongList_.at(1);
    } else {
        currentPos_ = 1;
    }
}

bool PracticeTest::setFlaggedForReview(bool flagged)
{
    if (state_ != TestState::Running)
        return false;
    items_.at(currentPos_).flaggedForReview = flagged;
    if (flaggedForReviewCount() == 0)
        flaggedOnlyView_ = false;
    return true;
}

int PracticeTest::flaggedForReviewCount() const
{
    int flagged = 0;
    for (int position = 1; position <= testSize(); ++position)
        flagged += item(position).flaggedForReview ? 1 : 0;
    return flagged;
}

void PracticeTest::setFlaggedOnlyView(bool ticked)
{
    flaggedOnlyView_ = ticked && state_ == TestState::Running && flaggedForReviewCount() > 0;
}

bool PracticeTest::isCorrect(int position)
{
    const TestItem &item = items_.at(position);
    const bool correct = item.isAnsweredCorrectly();
    wrongFlags_.set(item.question, correct ? 0 : 1);
    return correct;
}

void PracticeTest::markExam()
{
    correctCount_ = 0;
    wrongList_.clear();
    for (int position = 1; position <= testSize(); ++position) {
        if (isCorrect(position))
            ++correctCount_;
        else
            wrongList_.append(position);
        changedSinceStore_.at(QuestionBank::checkedQuestion(item(position).question)) = true;
    }
}

Verdict PracticeTest::checkAnswer()
{
    const TestItem &item = currentItem();
    return {isCorrect(currentPos_), item.correctSlot, item.chosenOption};
}

void PracticeTest::finish(bool wrongOnlyTicked)
{
    state_ = TestState::Reviewing;
    flaggedOnlyView_ = false;
    markExam();
    setWrongOnlyView(wrongOnlyTicked);
}

void PracticeTest::loadHistory(const QString &stored)
{
    wrongFlags_ = decodeHistory(stored, bank_.questionCount());
    changedSinceStore_.fill(false);
    refreshRedoHistory();
}

QString PracticeTest::mergedHistory(const QString &storedNow) const
{
    WrongFlags merged = decodeHistory(storedNow, bank_.questionCount());
    for (int q = 1; q <= bank_.questionCount(); ++q)
        if (changedSinceStore_.at(q))
            merged.set(q, wrongFlags_.at(q));
    return encodeHistory(merged, bank_.questionCount());
}

void PracticeTest::historyStored(const QString &stored)
{
    loadHistory(stored);
}

bool PracticeTest::hasUnstoredHistory() const
{
    for (int q = 1; q <= bank_.questionCount(); ++q)
        if (changedSinceStore_.at(q))
            return true;
    return false;
}

void PracticeTest::clearHistory()
{
    wrongFlags_.clear();
    changedSinceStore_.fill(true);
    hasRedoHistory_ = false;
}

int percentageTenths(int correct, int total)
{
    if (total <= 0)
        return 0;
    const long long scaled = static_cast<long long>(correct) * 1000;
    long long tenths = scaled / total;
    if ((scaled % total) * 2 >= total)
        ++tenths;
    return static_cast<int>(tenths);
}

} // namespace veltrano
