#include "bank/question_bank.h"

#include "bank/builtin_questions.h"

#include <stdexcept>
#include <string>

namespace veltrano {

int QuestionBank::checkedQuestion(int q)
{
    if (q < 0 || q > capacity)
        throw std::out_of_range("question number " + std::to_string(q) + " outside 0.." +
                                std::to_string(capacity));
    return q;
}

QString QuestionBank::pQuestion(int q) const
{
    return questions_.at(checkedQuestion(q));
}

QString QuestionBank::pchoice(int q, int c) const
{
    return choices_.at(checkedQuestion(q)).at(c);
}

int QuestionBank::pAnswer(int q) const
{
    return answers_.at(checkedQuestion(q));
}

void QuestionBank::setQuestion(int q, const QString &text)
{
    questions_.at(checkedQuestion(q)) = text;
}

void QuestionBank::setChoice(int q, int c, const QString &text)
{
    choices_.at(checkedQuestion(q)).at(c) = text;
}

void QuestionBank::setAnswer(int q, int choice)
{
    answers_.at(checkedQuestion(q)) = choice;
}

void QuestionBank::setQuestionCount(int count)
{
    questionCount_ = checkedQuestion(count);
}

void QuestionBank::inlineread()
{
    int q = 0;
    for (const BuiltInQuestion &entry : builtInQuestions) {
        ++q;
        setQuestion(q, QString::fromUtf8(entry.question));
        for (int c = 1; c <= choicesPerQuestion; ++c)
            setChoice(q, c, QString::fromUtf8(entry.choices.at(c - 1)));
    }
    setQuestionCount(builtInQuestionCount);
    for (int i = 1; i <= builtInQuestionCount; ++i)
        setAnswer(i, 1);
}

} // namespace veltrano
