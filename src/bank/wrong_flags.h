#pragma once

#include "bank/question_bank.h"

#include <array>

namespace veltrano {

// The wrong-answer history in memory: one small integer per bank question,
// 0 = not in the history, above 0 = in it. A value read from storage (a 7,
// say) is kept as it was until the question is checked again.
class WrongFlags {
public:
    int at(int question) const;
    void set(int question, int value);
    bool isFlagged(int question) const { return at(question) > 0; }
    // Whether any of questions 1..count is flagged.
    bool anyFlagged(int count) const;
    void clear() { flags_.fill(0); }

    friend bool operator==(const WrongFlags &, const WrongFlags &) = default;

private:
    std::array<int, QuestionBank::capacity + 1> flags_{};
};

} // namespace veltrano
