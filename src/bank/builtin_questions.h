#pragma once

#include <array>

namespace veltrano {

// One built-in question as UTF-8 text; the correct answer is choices[0].
struct BuiltInQuestion {
    const char *question;
    std::array<const char *, 4> choices;
};

inline constexpr int builtInQuestionCount = 165;

// The built-in questions in their fixed order: entry i is bank question i + 1.
// The order never changes, because stored histories refer to these numbers.
extern const std::array<BuiltInQuestion, builtInQuestionCount> builtInQuestions;

} // namespace veltrano
