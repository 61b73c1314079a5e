#include "practice/captions.h"

namespace veltrano {

QChar slotLetter(int slot)
{
    return QChar(u'A' + slot - 1);
}

QString frameCaption(int position, int testSize)
{
    return QStringLiteral("Question %1 of %2").arg(position).arg(testSize);
}

QString questionCaption(const TestItem &item, const QuestionBank &bank)
{
    return QString::number(item.position) + QStringLiteral(". ") + bank.pQuestion(item.question);
}

QString optionCaption(const TestItem &item, int slot, const QuestionBank &bank)
{
    return slotLetter(slot) + QStringLiteral(".  ") +
           bank.pchoice(item.question, item.slotChoice.at(slot));
}

QString formatPercentage(int correct, int total)
{
    if (total <= 0)
        return QStringLiteral("0.0%");
    // Tenths of a percent, rounded half away from zero (both are non-negative).
    const long long scaled = static_cast<long long>(correct) * 1000;
    long long tenths = scaled / total;
    if ((scaled % total) * 2 >= total)
        ++tenths;
    return QStringLiteral("%1.%2%").arg(tenths / 10).arg(tenths % 10);
}

} // namespace veltrano
