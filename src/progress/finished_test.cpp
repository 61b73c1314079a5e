#include "progress/finished_test.h"

#include <QUuid>

#include <algorithm>

namespace veltrano {

int FinishedTest::correctCount() const
{
    return static_cast<int>(
        std::count_if(answers.cbegin(), answers.cend(), [](const auto &a) { return a.right; }));
}

QString kindName(TestKind kind)
{
    switch (kind) {
    case TestKind::Sized:
        return QStringLiteral("sized");
    case TestKind::Redo:
        return QStringLiteral("redo");
    case TestKind::Exam:
        return QStringLiteral("exam");
    case TestKind::Chapter:
        return QStringLiteral("chapter");
    case TestKind::Weakest:
        return QStringLiteral("weakest");
    }
    return QStringLiteral("sized");
}

const QStringList &knownKindNames()
{
    static const QStringList names{QStringLiteral("sized"), QStringLiteral("redo"),
                                   QStringLiteral("exam"), QStringLiteral("chapter"),
                                   QStringLiteral("weakest")};
    return names;
}

FinishedTest finishedTestOf(const PracticeTest &test, const QuestionBank &bank,
                            const QDateTime &finishedAt)
{
    FinishedTest finished{
        QUuid::createUuid().toString(QUuid::WithoutBraces), finishedAt, kindName(test.kind()), {}};
    for (int position = 1; position <= test.testSize(); ++position) {
        const TestItem &item = test.item(position);
        const int chosen = item.isAnswered() ? item.slotChoice.at(item.chosenOption + 1) : 0;
        finished.answers.append(
            {item.question, chosen, bank.pAnswer(item.question), item.isAnsweredCorrectly()});
    }
    return finished;
}

} // namespace veltrano
