#include "practice/history_codec.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/captions.h"

#include <QCheckBox>
#include <QComboBox>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

const QString notAllSeen =
    QStringLiteral("You have not gone through all the questions. You can use 'Next' button to go "
                   "to the next question.\nDo you want to finish the test now?");

struct Score {
    QString total, correct, percentage;
};

// Finishes (or shows the scores again) and reads the result window.
Score finish(const Form1 &window)
{
    Score score;
    const ModalAnswerer closeResult("Command1", [&score](QWidget *result) {
        QCOMPARE(result->windowTitle(), QStringLiteral("Test Result"));
        score = {child<QLabel>(*result, "Label4")->text(), child<QLabel>(*result, "Label5")->text(),
                 child<QLabel>(*result, "Label6")->text()};
    });
    click(window, "Command6");
    return score;
}

QString storedHistory()
{
    return storedValue(settings::historyKey);
}

QString historyWith(const QList<int> &questions, QChar digit = u'1', int length = 165)
{
    QString value(length, u'0');
    for (const int q : questions)
        value[q - 1] = digit;
    return value;
}

void storeHistory(const QString &value)
{
    writeSettings("[aaa]\nzzz=1\nredo=" + value.toLatin1() + "\n");
}

QList<int> questionsOf(const Form1 &window, const QList<int> &positions)
{
    QList<int> questions;
    for (const int position : positions)
        questions.append(window.practiceTest().item(position).question);
    return questions;
}

// Presses a button that restarts a running test, answering its question.
void restart(const Form1 &window, const char *button, Answer answer)
{
    const ScriptedAnswer scripted(answer);
    click(window, button);
    QVERIFY(scripted.wasAsked());
}

bool isEnabled(const Form1 &window, const char *name)
{
    return child<QWidget>(window, name)->isEnabled();
}

} // namespace

class FinishReviewTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { storeHistory(QString()); }

    void cleanup() { verifyNoWindowLeft(); }

    void finishesAndScores()
    {
        const auto window = openWindow();
        QVERIFY(!isEnabled(*window, "Command7"));
        QVERIFY(!isEnabled(*window, "Command8"));
        click(*window, "Command2");

        // Declined: the test goes on untouched.
        {
            const ScriptedAnswer no(Answer::No);
            click(*window, "Command6");
            QCOMPARE(no.text(), notAllSeen);
        }
        QVERIFY(!window->practiceTest().testIdle());
        QCOMPARE(child<QAbstractButton>(*window, "Command6")->text(), QStringLiteral("&Finish"));

        // Next reached the last question once: no question asked, even from
        // an earlier one.
        answer(*window, {2, 4});
        click(*window, "Command3");
        const Score score = finish(*window); // no question: none is scripted
        QCOMPARE(score.total, QStringLiteral("5"));
        QCOMPARE(score.correct, QStringLiteral("3"));
        QCOMPARE(score.percentage, QStringLiteral("60.0%"));
        QCOMPARE(child<QAbstractButton>(*window, "Command6")->text(), QStringLiteral("Scores"));
        QCOMPARE(child<QAbstractButton>(*window, "Command2")->text(), QStringLiteral("&Start"));

        // The two wrong questions are stored, and only those.
        const QString stored = storedHistory();
        QCOMPARE(stored, historyWith(questionsOf(*window, {2, 4})));
        QVERIFY(isEnabled(*window, "Command7"));
        QVERIFY(isEnabled(*window, "Command8"));

        // Scores again: the same numbers, nothing stored again.
        storeHistory(QStringLiteral("untouched"));
        const Score again = finish(*window);
        QCOMPARE(again.correct, QStringLiteral("3"));
        QCOMPARE(again.percentage, QStringLiteral("60.0%"));
        QCOMPARE(storedHistory(), QStringLiteral("untouched"));
    }

    void reviewShowsVerdictsAndLocksAnswers()
    {
        const auto window = openWindow();
        child<QComboBox>(*window, "Combo1")->setCurrentIndex(1);
        click(*window, "Command2");
        answer(*window, {2, 5, 9}, {9});
        finish(*window);
        QCOMPARE(window->practiceTest().currentPos(), 1);
        // Each verdict comes with why the answer is right.
        const int first = window->practiceTest().currentItem().question;
        QCOMPARE(child<QLabel>(*window, "LabelExplanation")->text(),
                 Captions::explanation(first, window->questionBank()));
        QVERIFY(child<QLabel>(*window, "LabelExplanation")
                    ->text()
                    .startsWith(window->questionBank().explanation(first)));
        QVERIFY(child<QLabel>(*window, "LabelReport")->isVisible());
        auto *wrongOnly = child<QCheckBox>(*window, "Check1");
        QVERIFY(wrongOnly->isEnabled());
        QCOMPARE(child<QLabel>(*window, "Label2")->text(),
                 QStringLiteral("Your answer is CORRECT."));
        QVERIFY(child<QLabel>(*window, "Image2")->isVisible());
        QVERIFY(!child<QLabel>(*window, "Image1")->isVisible());

        // A wrong answer on view: both marks, beside their options.
        click(*window, "Command4");
        const TestItem &item = window->practiceTest().currentItem();
        const QString letter = QString(QChar(u'A' + item.correctSlot - 1));
        QCOMPARE(child<QLabel>(*window, "Label2")->text(),
                 QStringLiteral("Your answer is WRONG, the correct answer is ") + letter);
        const auto *wrongMark = child<QLabel>(*window, "Image1");
        const auto *correctMark = child<QLabel>(*window, "Image2");
        QVERIFY(wrongMark->isVisible() && correctMark->isVisible());
        QCOMPARE(wrongMark->y(),
                 child<QWidget>(*window, QStringLiteral("Option1_%1").arg(item.chosenOption))->y() +
                     3);
        QCOMPARE(
            correctMark->y(),
            child<QWidget>(*window, QStringLiteral("Option1_%1").arg(item.correctSlot - 1))->y() +
                3);

        // Answers are locked once the test is finished.
        const int recorded = item.chosenOption;
        click(*window, QStringLiteral("Option1_%1").arg(item.correctSlot - 1));
        QCOMPARE(window->practiceTest().currentItem().chosenOption, recorded);
        QVERIFY(child<QAbstractButton>(*window, QStringLiteral("Option1_%1").arg(recorded))
                    ->isChecked());

        // Only the wrong ones: 2, 5, 9 and stop at both ends.
        click(*window, "Check1");
        QCOMPARE(window->practiceTest().currentPos(), 2);
        QVERIFY(!isEnabled(*window, "Command3"));
        click(*window, "Command4");
        QCOMPARE(window->practiceTest().currentPos(), 5);
        click(*window, "Command4");
        QCOMPARE(window->practiceTest().currentPos(), 9);
        QVERIFY(!isEnabled(*window, "Command4"));
        // Unanswered: only the correct choice is marked.
        QVERIFY(!child<QLabel>(*window, "Image1")->isVisible());
        QVERIFY(child<QLabel>(*window, "Image2")->isVisible());
        click(*window, "Command3");
        QCOMPARE(window->practiceTest().currentPos(), 5);
        click(*window, "Check1");
        QCOMPARE(window->practiceTest().currentPos(), 1);

        // Ticked from the last review: the next review starts at the first
        // wrong question; all correct disables the box and starts at 1.
        click(*window, "Check1");
        click(*window, "Command2");
        QVERIFY(!wrongOnly->isEnabled());
        // While a test runs, no verdict and nothing that gives the answer.
        QVERIFY(child<QLabel>(*window, "LabelExplanation")->text().isEmpty());
        QVERIFY(!child<QLabel>(*window, "LabelReport")->isVisible());
        answer(*window, {3});
        finish(*window);
        QCOMPARE(window->practiceTest().currentPos(), 3);
        QVERIFY(window->practiceTest().wrongOnlyView());
        click(*window, "Command2");
        answer(*window, {});
        finish(*window);
        QVERIFY(!wrongOnly->isEnabled());
        QCOMPARE(window->practiceTest().currentPos(), 1);
        QCOMPARE(child<QLabel>(*window, "Label2")->text(),
                 QStringLiteral("Your answer is CORRECT."));
    }

    void historyAcrossRuns()
    {
        // The first window's 50 questions hold neither 3 nor 20.
        const std::uint64_t seed = 3;
        // A short value with a 7: questions 161..165 start outside the history.
        QString stored = historyWith({20}, u'1', 160);
        stored[2] = u'7';
        storeHistory(stored);
        {
            const auto window = openWindow(seed);
            QVERIFY(isEnabled(*window, "Command7"));
            child<QComboBox>(*window, "Combo1")->setCurrentIndex(3);
            // A test without question 3 or 20 keeps both flags, and writes 165 digits.
            click(*window, "Command2");
            QVERIFY(!holdsQuestion(*window, 3) && !holdsQuestion(*window, 20));
            answer(*window, {});
            finish(*window);
            QString expected = historyWith({20});
            expected[2] = u'7';
            QCOMPARE(storedHistory(), expected);
        }

        // Redo: exactly the flagged questions, whatever size is chosen.
        {
            const auto window = openWindow(seed);
            child<QComboBox>(*window, "Combo1")->setCurrentIndex(4);
            click(*window, "Command7");
            QCOMPARE(window->practiceTest().testSize(), 2);
            QList<int> redo = questionsOf(*window, {1, 2});
            std::sort(redo.begin(), redo.end());
            QCOMPARE(redo, QList<int>({3, 20}));

            // Declined, the redo stays asked for: the next Start builds it.
            restart(*window, "Command7", Answer::No);
            restart(*window, "Command2", Answer::Yes);
            QCOMPARE(window->practiceTest().testSize(), 2);
            restart(*window, "Command2", Answer::Yes);
            QCOMPARE(window->practiceTest().testSize(), 100);

            // Answered right in a redo test, both leave the history.
            restart(*window, "Command7", Answer::Yes);
            answer(*window, {});
            finish(*window);
            QCOMPARE(storedHistory(), historyWith({}));
            QVERIFY(!isEnabled(*window, "Command7"));
            QVERIFY(!isEnabled(*window, "Command8"));

            // Nothing left to redo: said so, nothing else changes. The button
            // is disabled then; another copy of the program may have emptied
            // the history behind an enabled one, which this stands for.
            const ScriptedAnswer ok(Answer::Ok);
            QMetaObject::invokeMethod(window.get(), "Command7_Click");
            QCOMPARE(ok.text(), QStringLiteral("There are no incorrect questions to redo."));
            QVERIFY(window->practiceTest().testIdle());
            QCOMPARE(window->practiceTest().testSize(), 2);
        }
    }

    void clearsTheHistory()
    {
        storeHistory(historyWith({1, 2, 3}));
        const auto window = openWindow();
        click(*window, "Command2");
        {
            const ScriptedAnswer cancel(Answer::Cancel);
            click(*window, "Command8");
            QCOMPARE(cancel.text(),
                     QStringLiteral("You won't be able to redo incorrect questions if you clear "
                                    "the history. \nContinue to clear?"));
        }
        QCOMPARE(storedHistory(), historyWith({1, 2, 3}));
        QVERIFY(isEnabled(*window, "Command8"));

        // OK, during a running test: stored at once, the test goes on.
        const ScriptedAnswer ok(Answer::Ok);
        click(*window, "Command8");
        QCOMPARE(storedHistory(), historyWith({}));
        QVERIFY(!isEnabled(*window, "Command7"));
        QVERIFY(!isEnabled(*window, "Command8"));
        QVERIFY(!window->practiceTest().testIdle());
    }

    void failedStoreIsReportedAndRetried()
    {
        // A file where the settings folder should be: nothing can be written.
        QFile::remove(settingsFile());
        const QString folder = QFileInfo(settingsFile()).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const auto window = openWindow();
        click(*window, "Command2");
        answer(*window, {1});
        {
            const ScriptedAnswer ok(Answer::Ok);
            finish(*window);
            QVERIFY2(ok.text().startsWith(
                         QStringLiteral("The incorrect-question history could not be saved.")),
                     qPrintable(ok.text()));
        }
        const int missed = window->practiceTest().item(1).question;
        QVERIFY(window->practiceTest().wrongFlags().isFlagged(missed)); // kept in memory
        QVERIFY(isEnabled(*window, "Command7"));

        // Once the folder can be made again, the next store saves it all.
        QVERIFY(QFile::remove(folder));
        click(*window, "Command2");
        answer(*window, {});
        finish(*window);
        QCOMPARE(storedHistory(), encodeHistory(window->practiceTest().wrongFlags(), 165));
        QVERIFY(!holdsQuestion(*window, missed)); // the second test left it alone
        QCOMPARE(storedHistory().at(missed - 1), u'1');
    }
};

QTEST_MAIN(FinishReviewTest)
#include "test_finish_review.moc"
