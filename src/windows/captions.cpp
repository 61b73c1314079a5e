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

namespace {

// Text ending as a sentence, so that speech pauses after it.
QString sentence(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.endsWith(u'.') || trimmed.endsWith(u'?') ||
        trimmed.endsWith(u'!'))
        return trimmed;
    return trimmed + u'.';
}

} // namespace

QString Captions::spokenQuestion(const TestItem &item, int testSize, const QuestionBank &bank)
{
    return sentence(frame(item.position, testSize)) + u' ' +
           sentence(bank.pQuestion(item.question));
}

QString Captions::spokenVerdict(const Verdict &verdict)
{
    const QChar correct = slotLetter(verdict.correctSlot);
    if (verdict.chosenOption < 0)
        return tr("Unanswered. The correct answer is %1.").arg(correct);
    const QChar chosen = slotLetter(verdict.chosenOption + 1);
    if (verdict.correct)
        return tr("Correct. You chose %1.").arg(chosen);
    return tr("Wrong. You chose %1. The correct answer is %2.").arg(chosen).arg(correct);
}

QString Captions::choiceMark(const Verdict &verdict, int slot)
{
    const bool chosen = verdict.chosenOption == slot - 1;
    if (chosen)
        return verdict.correct ? tr("Your answer, correct.") : tr("Your answer, wrong.");
    if (slot == verdict.correctSlot)
        return tr("The correct answer.");
    return {};
}

QString Captions::readAloud(const TestItem &item, int testSize, const QuestionBank &bank)
{
    // "A: Iqaluit.", not "A. Iqaluit": an engine may take a lone letter
    // for a sentence of its own, which flite (Qt 6.4) fails to play.
    QStringList parts{spokenQuestion(item, testSize, bank)};
    for (int slot = 1; slot <= 4; ++slot)
        parts.append(
            tr("%1: %2")
                .arg(slotLetter(slot))
                .arg(sentence(bank.pchoice(item.question, item.slotChoice.at(slot)).simplified())));
    return parts.join(u' ');
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
