#include "windows/captions.h"

#include <algorithm>

namespace veltrano {

QChar Captions::slotLetter(int slot)
{
    return QChar(u'A' + slot - 1);
}

QString Captions::frame(int position, int testSize, const QString &chapterTitle)
{
    const QString numbers = tr("Question %1 of %2").arg(position).arg(testSize);
    if (chapterTitle.isEmpty())
        return numbers;
    //: %1 "Question 3 of 12", %2 the title of the study guide's chapter
    return tr("%1 — %2").arg(numbers, chapterTitle);
}

QString Captions::question(const TestItem &item, const QuestionBank &bank)
{
    return QString::number(item.position) + QStringLiteral(". ") + bank.pQuestion(item.question);
}

QString Captions::option(const TestItem &item, int slot, const QuestionBank &bank)
{
    return slotLetter(slot) + QStringLiteral(".  ") +
           bank.pchoice(item.question, item.slotChoice.at(slot));
}

QString Captions::verdict(const Verdict &verdict)
{
    if (verdict.correct)
        return tr("Your answer is CORRECT.");
    return tr("Your answer is WRONG, the correct answer is %1")
        .arg(slotLetter(verdict.correctSlot));
}

QString Captions::explanation(int q, const QuestionBank &bank)
{
    const QString why = bank.explanation(q);
    if (why.isEmpty())
        return {};
    //: %1 the explanation, %2 the title of the study guide's chapter
    return tr("%1 (Study guide: %2)").arg(why, bank.chapterTitle(bank.chapter(q)));
}

QString Captions::percentage(int correct, int total)
{
    const int tenths = percentageTenths(correct, total);
    //: %1 whole percent, %2 the tenth: "6.3%"
    return tr("%1.%2%").arg(tenths / 10).arg(tenths % 10);
}

QString Captions::timeLeft(qint64 ms)
{
    const qint64 seconds = (std::max<qint64>(ms, 0) + 999) / 1000;
    //: %1 minutes, %2 seconds (two digits)
    return tr("Time left: %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

} // namespace veltrano
