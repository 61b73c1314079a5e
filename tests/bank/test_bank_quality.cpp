#include "bank/question_bank.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using veltrano::Language;
using veltrano::QuestionBank;

Q_DECLARE_METATYPE(Language)

namespace {

// How long each text may be: the main window is laid out for these, and
// French runs about a fifth longer than English.
struct Limits {
    int questionMax;
    int choiceMax;
    int explanationMax;
};

// The expected score of a candidate who always picks the longest (or the
// shortest) choice: 1 when the answer is strictly that choice, 1/k when it
// ties with k - 1 others.
double pickScore(const QList<qsizetype> &lengths, bool longest)
{
    const qsizetype target = longest ? *std::max_element(lengths.begin(), lengths.end())
                                     : *std::min_element(lengths.begin(), lengths.end());
    if (lengths.first() != target)
        return 0;
    return 1.0 / static_cast<double>(lengths.count(target));
}

// Matches the words anywhere in a text, as whole words, in any case.
QRegularExpression wholeWords(const QString &words)
{
    return QRegularExpression(
        QStringLiteral("(^|\\W)%1($|\\W)").arg(QRegularExpression::escape(words)),
        QRegularExpression::CaseInsensitiveOption);
}

} // namespace

// The built-in questions in each language: complete, readable in the window,
// and fair (no choice gives itself away by its length, no question by
// another's text).
class BankQualityTest : public QObject {
    Q_OBJECT

private slots:
    void everyQuestionTeaches_data() { languages(); }
    void everyQuestionTeaches()
    {
        QFETCH(Language, language);
        QFETCH(int, questionMax);
        QFETCH(int, choiceMax);
        QFETCH(int, explanationMax);
        QuestionBank bank;
        bank.inlineread(language);
        QCOMPARE(bank.questionCount(), 165);
        QVERIFY(!bank.reviewed().isEmpty());
        QuestionBank english;
        english.inlineread(Language::English);

        const auto fits = [](const QString &text, int min, int max) {
            return text.size() >= min && text.size() <= max && text.trimmed() == text &&
                   !text.contains(u'&') && !text.contains(QStringLiteral("  ")) &&
                   !text.contains(u'\n') && !text.contains(QChar(0xFFFD));
        };
        std::array<int, QuestionBank::chapterCount + 1> perChapter{};
        int endInQuestionMark = 0;
        for (int q = 1; q <= bank.questionCount(); ++q) {
            const QString question = bank.pQuestion(q);
            QVERIFY2(fits(question, 17, questionMax), qPrintable(question));
            QVERIFY2(fits(bank.explanation(q), 60, explanationMax), qPrintable(question));
            QSet<QString> choices;
            for (int c = 1; c <= 4; ++c) {
                QVERIFY2(fits(bank.pchoice(q, c), 3, choiceMax), qPrintable(bank.pchoice(q, c)));
                QVERIFY2(bank.pchoice(q, c) != question, qPrintable(question));
                choices.insert(bank.pchoice(q, c));
            }
            QVERIFY2(choices.size() == 4, qPrintable(question));
            // Question numbers and chapters mean the same in every language.
            QCOMPARE(bank.chapter(q), english.chapter(q));
            ++perChapter.at(bank.chapter(q));
            if (question.endsWith(u'?'))
                ++endInQuestionMark;
        }
        QVERIFY(endInQuestionMark >= 160);
        QStringList counts;
        for (int c = 1; c <= QuestionBank::chapterCount; ++c) {
            QVERIFY2(perChapter.at(c) >= 8, qPrintable(bank.chapterTitle(c)));
            counts.append(QStringLiteral("%1 %2").arg(bank.chapterTitle(c)).arg(perChapter.at(c)));
        }
        qInfo("questions per chapter: %s", qPrintable(counts.join(QStringLiteral(", "))));
    }

    void noChoiceGivesItselfAway_data() { languages(); }
    void noChoiceGivesItselfAway()
    {
        QFETCH(Language, language);
        QuestionBank bank;
        bank.inlineread(language);
        double longest = 0;
        double shortest = 0;
        QSet<QString> questions;
        QList<QRegularExpression> answers{QRegularExpression()};
        for (int q = 1; q <= bank.questionCount(); ++q)
            answers.append(wholeWords(bank.pchoice(q, 1)));
        for (int q = 1; q <= bank.questionCount(); ++q) {
            QList<qsizetype> lengths; // the answer first
            for (int c = 1; c <= 4; ++c)
                lengths.append(bank.pchoice(q, c).size());
            longest += pickScore(lengths, true);
            shortest += pickScore(lengths, false);
            const qsizetype longestDistractor =
                *std::max_element(lengths.begin() + 1, lengths.end());
            QVERIFY2(lengths.first() * 10 < longestDistractor * 13, qPrintable(bank.pQuestion(q)));

            QVERIFY2(!questions.contains(bank.pQuestion(q)), qPrintable(bank.pQuestion(q)));
            questions.insert(bank.pQuestion(q));
            // No question names its own answer, or another question's.
            for (int other = 1; other <= bank.questionCount(); ++other) {
                if (bank.pchoice(other, 1).size() >= 4)
                    QVERIFY2(!answers.at(other).match(bank.pQuestion(q)).hasMatch(),
                             qPrintable(QStringLiteral("question %1 gives away the answer to %2")
                                            .arg(q)
                                            .arg(other)));
            }
        }
        longest /= bank.questionCount();
        shortest /= bank.questionCount();
        qInfo("always picking the longest choice scores %.1f%%, the shortest %.1f%%", longest * 100,
              shortest * 100);
        QVERIFY(longest <= 0.28);
        QVERIFY(shortest <= 0.28);
    }

private:
    static void languages()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("questionMax");
        QTest::addColumn<int>("choiceMax");
        QTest::addColumn<int>("explanationMax");
        QTest::addRow("English") << Language::English << 102 << 93 << 280;
        QTest::addRow("French") << Language::French << 125 << 112 << 340;
    }
};

QTEST_GUILESS_MAIN(BankQualityTest)
#include "test_bank_quality.moc"
