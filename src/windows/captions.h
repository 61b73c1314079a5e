#pragma once

#include "bank/question_bank.h"
#include "bank/test_item.h"
#include "practice/practice_session.h"

#include <QCoreApplication>
#include <QString>

namespace veltrano {

// How the test's numbers and verdicts are worded on screen, in the
// program's language.
class Captions {
    Q_DECLARE_TR_FUNCTIONS(Captions)

public:
    // The letter of display slot 1..4: "A" to "D".
    static QChar slotLetter(int slot);
    // "Question 3 of 20"; in a chapter test "Question 3 of 12 — Canada's
    // History".
    static QString frame(int position, int testSize, const QString &chapterTitle = {});
    // "7. " and the question text.
    static QString question(const TestItem &item, const QuestionBank &bank);
    // "A.  " and the text of the choice shown in display slot 1..4.
    static QString option(const TestItem &item, int slot, const QuestionBank &bank);
    // "Your answer is CORRECT." or "Your answer is WRONG, the correct answer is C".
    static QString verdict(const Verdict &verdict);
    // Why the answer to question q is right, and the study-guide chapter it
    // comes from.
    static QString explanation(int q, const QuestionBank &bank);
    // The share of correct answers with one decimal: "6.3%".
    static QString percentage(int correct, int total);
    // The time left in an exam, in whole seconds rounded up: "Time left: 44:59".
    static QString timeLeft(qint64 ms);

    // --- What screen readers and read-aloud say, fuller than the screen.
    // "Question 3 of 20. Which ...?"
    static QString spokenQuestion(const TestItem &item, int testSize, const QuestionBank &bank);
    // "Correct. You chose C.", "Wrong. You chose C. The correct answer is D."
    // or "Unanswered. The correct answer is D."
    static QString spokenVerdict(const Verdict &verdict);
    // What the review's marks say about the choice in display slot 1..4:
    // "Your answer, correct.", "Your answer, wrong.", "The correct answer."
    // or nothing.
    static QString choiceMark(const Verdict &verdict, int slot);
    // The question and its four choices, as read aloud: "Question 3 of 20.
    // Which ...? A: First choice. B: ..."
    static QString readAloud(const TestItem &item, int testSize, const QuestionBank &bank);
};

} // namespace veltrano
