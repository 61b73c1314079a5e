#include "practice/practice_session.h"

#include "bank/test_builder.h"
#include "practice/history_codec.h"

namespace veltrano {

PracticeTest::PracticeTest(const QuestionBank &bank, RandomSource &random)
    : bank_(bank), random_(random)
{
}

bool PracticeTest::start(TestKind kind, int size)
{
    return begin(kind, kind == TestKind::Redo ? buildRedoTest(bank_, wrongFlags_, random_)
                                              : buildTest(bank_, size, random_));
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
    correctCount_ = 0;
    wrongList_.clear();
    wrongCursor_ = 0;
    return true;
}

bool PracticeTest::choose(int optionIndex, bool chosen)
{
    if (state_ != TestState::Running || optionIndex < 0 || optionIndex > 3)
        return false;
    items_.at(currentPos_).chosenOption = chosen ? optionIndex : -1;
    return true;
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

bool PracticeTest::canGoPrevious() const
{
    return cursor().index >= 2;
}

bool PracticeTest::canGoNext() const
{
    const Cursor at = cursor();
    return at.index < at.count;
}

bool PracticeTest::previous()
{
    if (!canGoPrevious())
        return false;
    moveTo(cursor().index - 1);
    return true;
}

bool PracticeTest::next()
{
    if (!canGoNext())
        return false;
    moveTo(cursor().index + 1);
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
