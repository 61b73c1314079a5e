#include "bank/bank_data.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace veltrano {

namespace {

int chapterNumber(const QString &id)
{
    for (int c = 1; c <= QuestionBank::chapterCount; ++c)
        if (id == QLatin1String(chapterIds.at(c - 1)))
            return c;
    return 0;
}

bool isText(const QJsonValue &value)
{
    return value.isString() && !value.toString().isEmpty();
}

} // namespace

QString loadBankData(const QByteArray &json, QuestionBank &bank)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject())
        return QStringLiteral("not a JSON object: %1").arg(parseError.errorString());
    const QJsonObject root = document.object();

    QuestionBank filled = bank;
    filled.setReviewed(root.value(QLatin1String("reviewed")).toString());
    const QJsonArray chapters = root.value(QLatin1String("chapters")).toArray();
    if (chapters.size() != QuestionBank::chapterCount)
        return QStringLiteral("%1 chapters instead of %2")
            .arg(chapters.size())
            .arg(QuestionBank::chapterCount);
    for (const QJsonValue &entry : chapters) {
        const int chapter = chapterNumber(entry[QLatin1String("id")].toString());
        if (chapter == 0 || !isText(entry[QLatin1String("title")]))
            return QStringLiteral("a chapter without a known id or a title");
        filled.setChapterTitle(chapter, entry[QLatin1String("title")].toString());
    }

    const QJsonArray questions = root.value(QLatin1String("questions")).toArray();
    if (questions.isEmpty() || questions.size() > QuestionBank::capacity)
        return QStringLiteral("%1 questions: 1 to %2 are needed")
            .arg(questions.size())
            .arg(QuestionBank::capacity);
    int q = 0;
    for (const QJsonValue &entry : questions) {
        ++q;
        const QJsonArray distractors = entry[QLatin1String("distractors")].toArray();
        const int chapter = chapterNumber(entry[QLatin1String("chapter")].toString());
        const bool complete = entry[QLatin1String("number")].toInt() == q && chapter != 0 &&
                              isText(entry[QLatin1String("question")]) &&
                              isText(entry[QLatin1String("answer")]) && distractors.size() == 3 &&
                              entry[QLatin1String("explanation")].isString();
        if (!complete)
            return QStringLiteral("question %1 is incomplete or out of order").arg(q);
        filled.setQuestion(q, entry[QLatin1String("question")].toString());
        filled.setChoice(q, 1, entry[QLatin1String("answer")].toString());
        for (int c = 2; c <= QuestionBank::choicesPerQuestion; ++c) {
            if (!isText(distractors.at(c - 2)))
                return QStringLiteral("question %1 has an empty choice").arg(q);
            filled.setChoice(q, c, distractors.at(c - 2).toString());
        }
        filled.setAnswer(q, 1);
        filled.setChapter(q, chapter);
        filled.setExplanation(q, entry[QLatin1String("explanation")].toString());
    }
    filled.setQuestionCount(q);
    bank = filled;
    return {};
}

} // namespace veltrano
