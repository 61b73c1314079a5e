#pragma once

#include "bank/question_bank.h"

#include <array>

namespace veltrano {

// One built-in question as UTF-8 text; the correct answer is choices[0].
struct BuiltInQuestion {
    int chapter; // 1..QuestionBank::chapterCount
    const char *question;
    std::array<const char *, QuestionBank::choicesPerQuestion> choices;
    const char *explanation;
};

// The built-in questions of one language, made at build time from
// resources/bank/questions.<language>.json by scripts/bank-to-cpp.py: entry
// i is bank question i + 1, in every language.
struct BuiltInBank {
    const char *reviewed;
    std::array<const char *, QuestionBank::chapterCount> chapterTitles;
    std::array<BuiltInQuestion, QuestionBank::capacity> questions;
    int questionCount;
};

extern const BuiltInBank builtInEnglish;
extern const BuiltInBank builtInFrench;

} // namespace veltrano
