#include "practice/history_codec.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/platform/message_box.h"

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
    answerNextModal("Command1", [&score](QWidget *result) {
        QCOMPARE(result->windowTitle(), QStringLiteral("Test Result"));
        score = {child<QLabel>(*result, "Label4")->text(), child<QLabel>(*result, "Label5")->text(),
                 child<QLabel>(*result, "Label6")->text()};
    });
    click(window, "Command6");
    return score;
}

QString storedHistory()
{
    return storedSetting("redo");
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

bool isEnabled(const Form1 &window, const char *name)
{
    return child<QWidget>(window, name)->isEnabled();
}

} // namespace

class FinishReviewTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init()
    {
        storeHistory(QString());
        platform::MessageBox::takeShownTexts();
    }

    void cleanup()
    {
        QCOMPARE(platform::MessageBox::pendingScriptedAnswers(), 0);
        platform::MessageBox::scriptAnswers({});
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void finishesAndScores()
    {
        Form1 window;
        window.show();
        QVERIFY(!isEnabled(window, "Command7"));
        QVERIFY(!isEnabled(window, "Command8"));
        click(window, "Command2");

        // Declined: the test goes on untouched.
        platform::MessageBox::scriptAnswers({Answer::No});
        click(window, "Command6");
        QCOMPARE(platform::MessageBox::takeShownTexts(), QStringList{notAllSeen});
        QVERIFY(!window.practiceTest().testIdle());
        QCOMPARE(child<QAbstractButton>(window, "Command6")->text(), QStringLiteral("&Finish"));

        // Next reached the last question once: no question asked, even from
        // an earlier one.
        answer(window, {2, 4});
        click(window, "Command3");
        const Score score = finish(window);
        QVERIFY(platform::MessageBox::takeShownTexts().isEmpty());
        QCOMPARE(score.total, QStringLiteral("5"));
        QCOMPARE(score.correct, QStringLiteral("3"));
        QCOMPARE(score.percentage, QStringLiteral("60.0%"));
        QCOMPARE(child<QAbstractButton>(window, "Command6")->text(), QStringLiteral("Scores"));
        QCOMPARE(child<QAbstractButton>(window, "Command2")->text(), QStringLiteral("&Start"));

        // The two wrong questions are stored, and only those.
        const QString stored = storedHistory();
        QCOMPARE(stored, historyWith(questionsOf(window, {2, 4})));
        QVERIFY(isEnabled(window, "Command7"));
        QVERIFY(isEnabled(window, "Command8"));

        // Scores again: the same numbers, nothing stored again.
        storeHistory(QStringLiteral("untouched"));
        const Score again = finish(window);
        QCOMPARE(again.correct, QStringLiteral("3"));
        QCOMPARE(again.percentage, QStringLiteral("60.0%"));
        QCOMPARE(storedHistory(), QStringLiteral("untouched"));
    }

    void reviewShowsVerdictsAndLocksAnswers()
    {
        Form1 window;
        window.show();
        child<QComboBox>(window, "Combo1")->setCurrentIndex(1);
        click(window, "Command2");
        answer(window, {2, 5, 9}, {9});
        finish(window);
        QCOMPARE(window.practiceTest().currentPos(), 1);
        auto *wrongOnly = child<QCheckBox>(window, "Check1");
        QVERIFY(wrongOnly->isEnabled());
        QCOMPARE(child<QLabel>(window, "Label2")->text(),
                 QStringLiteral("Your answer is CORRECT."));
        QVERIFY(child<QLabel>(window, "Image2")->isVisible());
        QVERIFY(!child<QLabel>(window, "Image1")->isVisible());

        // A wrong answer on view: both marks, beside their options.
        click(window, "Command4");
        const TestItem &item = window.practiceTest().currentItem();
        const QString letter = QString(QChar(u'A' + item.correctSlot - 1));
        QCOMPARE(child<QLabel>(window, "Label2")->text(),
                 QStringLiteral("Your answer is WRONG, the correct answer is ") + letter);
        const auto *wrongMark = child<QLabel>(window, "Image1");
        const auto *correctMark = child<QLabel>(window, "Image2");
        QVERIFY(wrongMark->isVisible() && correctMark->isVisible());
        QCOMPARE(wrongMark->y(),
                 child<QWidget>(window, QStringLiteral("Option1_%1").arg(item.chosenOption))->y() +
                     3);
        QCOMPARE(
            correctMark->y(),
            child<QWidget>(window, QStringLiteral("Option1_%1").arg(item.correctSlot - 1))->y() +
                3);

        // Answers are locked once the test is finished.
        const int recorded = item.chosenOption;
        click(window, QStringLiteral("Option1_%1").arg(item.correctSlot - 1));
        QCOMPARE(window.practiceTest().currentItem().chosenOption, recorded);
        QVERIFY(child<QAbstractButton>(window, QStringLiteral("Option1_%1").arg(recorded))
                    ->isChecked());

        // Only the wrong ones: 2, 5, 9 and stop at both ends.
        click(window, "Check1");
        QCOMPARE(window.practiceTest().currentPos(), 2);
        QVERIFY(!isEnabled(window, "Command3"));
        click(window, "Command4");
        QCOMPARE(window.practiceTest().currentPos(), 5);
        click(window, "Command4");
        QCOMPARE(window.practiceTest().currentPos(), 9);
        QVERIFY(!isEnabled(window, "Command4"));
        // Unanswered: only the correct choice is marked.
        QVERIFY(!child<QLabel>(window, "Image1")->isVisible());
        QVERIFY(child<QLabel>(window, "Image2")->isVisible());
        click(window, "Command3");
        QCOMPARE(window.practiceTest().currentPos(), 5);
        click(window, "Check1");
        QCOMPARE(window.practiceTest().currentPos(), 1);

        // Ticked from the last review: the next review starts at the first
        // wrong question; all correct disables the box and starts at 1.
        click(window, "Check1");
        click(window, "Command2");
        QVERIFY(!wrongOnly->isEnabled());
        answer(window, {3});
        finish(window);
        QCOMPARE(window.practiceTest().currentPos(), 3);
        QVERIFY(window.practiceTest().wrongOnlyView());
        click(window, "Command2");
        answer(window, {});
        finish(window);
        QVERIFY(!wrongOnly->isEnabled());
        QCOMPARE(window.practiceTest().currentPos(), 1);
        QCOMPARE(child<QLabel>(window, "Label2")->text(),
                 QStringLiteral("Your answer is CORRECT."));
    }

    void historyAcrossRuns()
    {
        // A short value with a 7: questions 161..165 start outside the history.
        QString stored = historyWith({20}, u'1', 160);
        stored[2] = u'7';
        storeHistory(stored);
        {
            Form1 window;
            window.show();
            QVERIFY(isEnabled(window, "Command7"));
            child<QComboBox>(window, "Combo1")->setCurrentIndex(3);
            // A test without question 3 or 20 keeps both flags, and writes 165 digits.
            do {
                platform::MessageBox::scriptAnswers({Answer::Yes});
                click(window, "Command2");
                platform::MessageBox::scriptAnswers({});
            } while (holdsQuestion(window, 3) || holdsQuestion(window, 20));
            platform::MessageBox::takeShownTexts();
            answer(window, {});
            finish(window);
            QString expected = historyWith({20});
            expected[2] = u'7';
            QCOMPARE(storedHistory(), expected);
        }

        // Redo: exactly the flagged questions, whatever size is chosen.
        {
            Form1 window;
            window.show();
            child<QComboBox>(window, "Combo1")->setCurrentIndex(4);
            click(window, "Command7");
            QCOMPARE(window.practiceTest().testSize(), 2);
            QList<int> redo = questionsOf(window, {1, 2});
            std::sort(redo.begin(), redo.end());
            QCOMPARE(redo, QList<int>({3, 20}));

            // Declined, the redo stays asked for: the next Start builds it.
            platform::MessageBox::scriptAnswers({Answer::No});
            click(window, "Command7");
            platform::MessageBox::scriptAnswers({Answer::Yes});
            click(window, "Command2");
            QCOMPARE(window.practiceTest().testSize(), 2);
            platform::MessageBox::scriptAnswers({Answer::Yes});
            click(window, "Command2");
            QCOMPARE(window.practiceTest().testSize(), 100);

            // Answered right in a redo test, both leave the history.
            platform::MessageBox::scriptAnswers({Answer::Yes});
            click(window, "Command7");
            answer(window, {});
            finish(window);
            QCOMPARE(storedHistory(), historyWith({}));
            QVERIFY(!isEnabled(window, "Command7"));
            QVERIFY(!isEnabled(window, "Command8"));

            // Nothing left to redo: said so, nothing else changes.
            platform::MessageBox::takeShownTexts();
            platform::MessageBox::scriptAnswers({Answer::Ok});
            window.Command7_Click();
            QCOMPARE(platform::MessageBox::takeShownTexts(),
                     QStringList{"There are no incorrect questions to redo."});
            QVERIFY(window.practiceTest().testIdle());
            QCOMPARE(window.practiceTest().testSize(), 2);
        }
    }

    void clearsTheHistory()
    {
        storeHistory(historyWith({1, 2, 3}));
        Form1 window;
        window.show();
        click(window, "Command2");
        platform::MessageBox::scriptAnswers({Answer::Cancel});
        click(window, "Command8");
        QCOMPARE(platform::MessageBox::takeShownTexts(),
                 QStringList{"You won't be able to redo incorrect questions if you clear the "
                             "history. \nContinue to clear?"});
        QCOMPARE(storedHistory(), historyWith({1, 2, 3}));
        QVERIFY(isEnabled(window, "Command8"));

        // OK, during a running test: stored at once, the test goes on.
        platform::MessageBox::scriptAnswers({Answer::Ok});
        click(window, "Command8");
        QCOMPARE(storedHistory(), historyWith({}));
        QVERIFY(!isEnabled(window, "Command7"));
        QVERIFY(!isEnabled(window, "Command8"));
        QVERIFY(!window.practiceTest().testIdle());
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
        Form1 window;
        window.show();
        click(window, "Command2");
        answer(window, {1});
        platform::MessageBox::scriptAnswers({Answer::Ok});
        finish(window);
        const QStringList told = platform::MessageBox::takeShownTexts();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().startsWith(
                     QStringLiteral("The incorrect-question history could not be saved.")),
                 qPrintable(told.first()));
        const int missed = window.practiceTest().item(1).question;
        QVERIFY(window.practiceTest().wrongFlags().isFlagged(missed)); // kept in memory
        QVERIFY(isEnabled(window, "Command7"));

        // Once the folder can be made again, the next store saves it all.
        QVERIFY(QFile::remove(folder));
        click(window, "Command2");
        answer(window, {});
        finish(window);
        QCOMPARE(storedHistory(), encodeHistory(window.practiceTest().wrongFlags(), 165));
        if (!holdsQuestion(window, missed))
            QCOMPARE(storedHistory().at(missed - 1), u'1');
    }
};

QTEST_MAIN(FinishReviewTest)
#include "test_finish_review.moc"
