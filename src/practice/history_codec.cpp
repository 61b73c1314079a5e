#include "practice/history_codec.h"

#include <algorithm>

namespace veltrano {

WrongFlags decodeHistory(const QString &stored, int questionCount)
{
    WrongFlags flags;
    const int known = static_cast<int>(std::min<qsizetype>(stored.size(), questionCount));
    for (int i = 1; i <= known; ++i) {
        const QChar c = stored.at(i - 1);
        // Only ASCII digits count; other Unicode digits are as foreign as letters.
        if (c >= u'0' && c <= u'9')
            flags.set(i, c.unicode() - u'0');
    }
    return flags;
}

QString encodeHistory(const WrongFlags &flags, int questionCount)
{
    QString value;
    value.reserve(questionCount);
    for (int i = 1; i <= questionCount; ++i)
        value += QString::number(flags.at(i));
    return value;
}

QString emptyHistory(int questionCount)
{
    return QString(questionCount, u'0');
}

} // namespace veltrano
