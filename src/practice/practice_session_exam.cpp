// PracticeTest's tests drawn by chapter: a mock exam across the chapters,
// timed, and a test of one chapter.

#include "bank/test_builder.h"
#include "practice/practice_session.h"

#include <algorithm>

namespace veltrano {

bool PracticeTest::startChapter(int chapter, int size)
{
    if (!begin(TestKind::Chapter, buildChapterTest(bank_, chapter, size, random_)))
        return false;
    chapter_ = chapter;
    return true;
}

bool PracticeTest::startExam(const ExamRules &rules, const Clock &clock)
{
    if (!begin(TestKind::Exam, buildExamTest(bank_, rules.questionCount, random_)))
        return false;
    examRules_ = rules;
    examClock_ = &clock;
    examDeadlineMs_ = clock.monotonicMs() + rules.durationMs();
    return true;
}

qint64 PracticeTest::timeLeftMs() const
{
    if (!isExam() || state_ != TestState::Running || !examClock_)
        return 0;
    return std::max<qint64>(0, examDeadlineMs_ - examClock_->monotonicMs());
}

ExamTick PracticeTest::tick()
{
    if (!isExam() || state_ != TestState::Running)
        return ExamTick::NotRunning;
    const qint64 left = timeLeftMs();
    if (left == 0)
        return ExamTick::TimeUp;
    if (!examWarned_ && left <= examRules_.warningMs()) {
        examWarned_ = true;
        return ExamTick::Warning;
    }
    return ExamTick::Counting;
}

} // namespace veltrano
