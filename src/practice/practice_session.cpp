#include "practice/practice_session.h"

#include "bank/test_builder.h"
#include "practice/captions.h"
#include "practice/history_codec.h"

#include <algorithm>

namespace veltrano {

PracticeTest::PracticeTest(const QuestionBank &bank, RandomSource &random)
    : bank_(bank), random_(random)
{
}

int PracticeTest::parseTestSize(const QString &listText)
{
    qsizetype digits = 0;
    while (digits < listText.size() && listText.at(digits) >= u'0' && listText.at(digits) <= u'9')
        ++digits;
    bool ok = false;
    const int size = listText.left(digits).toInt(&ok);
    return ok ? size : 0;
}

bool PracticeTest::start(int requestedSize)
{
    TestItems items = redoRequested_ ? buildRedoTest(bank_, wrongFlags_, random_)
                                     : buildTest(bank_, requestedSize, random_);
    if (items.isEmpty())
        return false;
    items_ = std::move(items);
    currentPos_ = 1;
    reachedLast_ = false;
    redoRequested_ = false;
    wrongOnlyView_ = false;
    testIdle_ = false;
    return true;
}

bool PracticeTest::choose(int optionIndex, bool chosen)
{
    if (testIdle_ || optionIndex < 0 || optionIndex > 3)
        return false;
    items_.at(currentPos_).chosenOption = chosen ? optionIndex : -1;
    return true;
}

bool PracticeTest::previous()
{
    if (wrongOnlyView_) {
        if (wrongCursor_ <= 1)
            return false;
        --wrongCursor_;
        currentPos_ = wrongList_.at(wrongCursor_);
        return true;
    }
    if (currentPos_ <= 1)
        return false;
    --currentPos_;
    return true;
}

bool PracticeTest::next()
{
    if (wrongOnlyView_) {
        if (wrongCursor_ >= wrongCount())
            return false;
        ++wrongCursor_;
        currentPos_ = wrongList_.at(wrongCursor_);
        return true;
    }
    if (currentPos_ >= testSize())
        return false;
    ++currentPos_;
    if (currentPos_ == testSize())
        reachedLast_ = true;
    return true;
}

void PracticeTest::setWrongOnlyView(bool ticked)
{
    // The wrong-only view needs a wrong question to stand on.
    wrongOnlyView_ = ticked && wrongCount() > 0;
    if (wrongOnlyView_) {
        wrongCursor_ = 1;
        currentPos_ = wrongList_.at(1);
    } else {
        currentPos_ = 1;
    }
}

bool PracticeTest::canGoPrevious() const
{
    const int position = (testIdle_ && wrongOnlyView_) ? wrongCursor_ : currentPos_;
    return position >= 2;
}

bool PracticeTest::canGoNext() const
{
    if (testIdle_ && wrongOnlyView_)
        return wrongCursor_ < wrongCount();
    return currentPos_ < testSize();
}

bool PracticeTest::isCorrect(int position)
{
    const TestItem &item = items_.at(position);
    const bool correct = item.isAnsweredCorrectly();
    wrongFlags_.set(item.question, correct ? 0 : 1);
    checkedSinceStore_.at(QuestionBank::checkedQuestion(item.question)) = true;
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
    }
}

Verdict PracticeTest::checkAnswer()
{
    Verdict verdict;
    const TestItem &item = currentItem();
    verdict.correctSlot = item.correctSlot;
    verdict.chosenOption = item.chosenOption;
    verdict.correct = isCorrect(currentPos_);
    if (verdict.correct) {
        verdict.text = QStringLiteral("Your answer is CORRECT.");
    } else {
        verdict.text = QStringLiteral("Your answer is WRONG, the correct answer is ") +
                       slotLetter(item.correctSlot);
    }
    return verdict;
}

void PracticeTest::finish(bool wrongOnlyTicked)
{
    testIdle_ = true;
    markExam();
    setWrongOnlyView(wrongOnlyTicked);
}

void PracticeTest::loadHistory(const QString &stored)
{
    wrongFlags_ = decodeHistory(stored, bank_.questionCount());
    checkedSinceStore_.fill(false);
    refreshRedoHistory();
}

QString PracticeTest::mergedHistory(const QString &storedNow) const
{
    WrongFlags merged = decodeHistory(storedNow, bank_.questionCount());
    for (int q = 1; q <= bank_.questionCount(); ++q)
        if (checkedSinceStore_.at(q))
            merged.set(q, wrongFlags_.at(q));
    return encodeHistory(merged, bank_.questionCount());
}

void PracticeTest::historyStored(const QString &stored)
{
    loadHistory(stored);
}

bool PracticeTest::hasUnstoredHistory() const
{
    return std::find(checkedSinceStore_.cbegin(), checkedSinceStore_.cend(), true) !=
           checkedSinceStore_.cend();
}

void PracticeTest::clearHistory()
{
    wrongFlags_.clear();
    checkedSinceStore_.fill(true);
    hasRedoHistory_ = false;
}

} // namespace veltrano
