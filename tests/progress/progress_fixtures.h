#pragma once

#include "progress/finished_test.h"

#include <QDateTime>
#include <QFile>
#include <QString>

namespace testing {

// A finished test of the given questions, right where rightMask has its
// bit set (bit i for the i-th question), finished at `at`.
inline veltrano::FinishedTest finishedTest(const QString &uid, const QDateTime &at,
                                           const QList<int> &questions, quint64 rightMask,
                                           const QString &kind = QStringLiteral("sized"))
{
    veltrano::FinishedTest test{uid, at, kind, {}};
    for (int i = 0; i < questions.size(); ++i) {
        const bool right = rightMask & (quint64(1) << i);
        test.answers.append({questions.at(i), right ? 1 : 2, 1, right});
    }
    return test;
}

inline QDateTime day(int n, int hour = 9)
{
    return QDateTime(QDate(2026, 12, 1).addDays(n), QTime(hour, 0));
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace testing
