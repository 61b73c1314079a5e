#include "bank/question_bank.h"

#include "bank/builtin_bank.h"

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

int QuestionBank::chapter(int q) const
{
    return chapters_.at(checkedQuestion(q));
}

QString QuestionBank::explanation(int q) const
{
    return explanations_.at(checkedQuestion(q));
}

QString QuestionBank::chapterTitle(int chapter) const
{
    return chapterTitles_.at(chapter);
}

void QuestionBank::setChapter(int q, int chapter)
{
    chapters_.at(checkedQuestion(q)) = chapter;
}

void QuestionBank::setExplanation(int q, const QString &text)
{
    explanations_.at(checkedQuestion(q)) = text;
}

void QuestionBank::setChapterTitle(int chapter, const QString &title)
{
    chapterTitles_.at(chapter) = title;
}

void QuestionBank::inlineread(Language language)
{
    const BuiltInBank &builtIn = language == Language::French ? builtInFrench : builtInEnglish;
    setReviewed(QString::fromUtf8(builtIn.reviewed));
    for (int c = 1; c <= chapterCount; ++c)
        setChapterTitle(c, QString::fromUtf8(builtIn.chapterTitles.at(c - 1)));
    for (int q = 1; q <= builtIn.questionCount; ++q) {
        const BuiltInQuestion &entry = builtIn.questions.at(q - 1);
        setQuestion(q, QString::fromUtf8(entry.question));
        for (int c = 1; c <= choicesPerQuestion; ++c)
            setChoice(q, c, QString::fromUtf8(entry.choices.at(c - 1)));
        setAnswer(q, 1);
        setChapter(q, entry.chapter);
        setExplanation(q, QString::fromUtf8(entry.explanation));
    }
    setQuestionCount(builtIn.questionCount);
}

} // namespace veltrano
