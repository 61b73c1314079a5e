#pragma once

#include "bank/question_bank.h"

#include <QByteArray>
#include <QString>

namespace veltrano {

// The language-free names of the study guide's chapters, in its order: the
// bank files name a question's chapter by these.
inline constexpr std::array<const char *, QuestionBank::chapterCount> chapterIds{
    "rights",    "who",     "history", "modern",  "government",
    "elections", "justice", "symbols", "economy", "regions"};

// Fills bank from a bank file: JSON with "reviewed", "chapters" (id and title
// of each chapter) and "questions" (numbered 1..n in order, each with its
// chapter id, question, answer, three distractors and explanation). The
// answer becomes choice 1. Returns an empty string, or what is wrong with the
// file; on error the bank is left as it was.
QString loadBankData(const QByteArray &json, QuestionBank &bank);

} // namespace veltrano
