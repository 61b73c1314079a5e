#include "bank/wrong_flags.h"

namespace veltrano {

int WrongFlags::at(int question) const
{
    return flags_.at(QuestionBank::checkedQuestion(question));
}

void WrongFlags::set(int question, int value)
{
    flags_.at(QuestionBank::checkedQuestion(question)) = value;
}

bool WrongFlags::anyFlagged(int count) const
{
    for (int q = 1; q <= count; ++q)
        if (isFlagged(q))
            return true;
    return false;
}

} // namespace veltrano
