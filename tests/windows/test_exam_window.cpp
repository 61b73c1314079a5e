#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/captions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>

#include <optional>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

constexpr qint64 minute = 60'000;

struct ExamWindow {
    std::unique_ptr<Form1> window;
    ScriptedClock *clock = nullptr;
};

ExamWindow openExamWindow(std::uint64_t seed = 1)
{
    Seams seams = testSeams(seed);
    auto *clock = static_cast<ScriptedClock *>(seams.clock.get());
    return {openWindow(std::move(seams)), clock};
}

// What the exam clock does about once a second.
void tick(const Form1 &window)
{
    QVERIFY(QMetaObject::invokeMethod(child<QTimer>(window, "TimerExam"), "timeout"));
}

void trigger(const Form1 &window, const char *action)
{
    child<QAction>(window, action)->trigger();
}

QString text(const Form1 &window, const char *name)
{
    return child<QLabel>(window, name)->text();
}

bool shown(const Form1 &window, const char *name)
{
    return child<QWidget>(window, name)->isVisible();
}

// While it lives, reads the result window when it opens, then closes it.
struct ResultReader {
    QString verdict, passMark, correct;
    bool verdictShown = false;
    int opened = 0;
    ModalAnswerer closer{"Command1", [this](QWidget *result) {
                             const auto *label = child<QLabel>(*result, "LabelVerdict");
                             verdictShown = label->isVisible();
                             verdict = label->text();
                             passMark = child<QLabel>(*result, "LabelPassMark")->text();
                             correct = child<QLabel>(*result, "Label5")->text();
                             ++opened;
                         }};
};

} // namespace

// The mock exam and the chapter tests through the real widgets.
class ExamWindowTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { writeSettings("[aaa]\nzzz=1\n"); }
    void cleanup() { verifyNoWindowLeft(); }

    void examFromTheMenu_data()
    {
        QTest::addColumn<QList<int>>("wrong");
        QTest::addColumn<QString>("verdict");
        // Three left unanswered in both.
        QTest::addRow("15 correct pass") << QList<int>{4, 11} << "PASS";
        QTest::addRow("14 correct fail") << QList<int>{4, 11, 20} << "FAIL";
    }

    void examFromTheMenu()
    {
        QFETCH(QList<int>, wrong);
        QFETCH(QString, verdict);
        const auto [window, clock] = openExamWindow();
        const PracticeTest &test = window->practiceTest();
        trigger(*window, "mexam");
        QCOMPARE(child<QGroupBox>(*window, "Frame1")->title(), QStringLiteral("Question 1 of 20"));
        QCOMPARE(text(*window, "LabelTimer"), QStringLiteral("Time left: 45:00"));
        clock->advance(1000);
        tick(*window);
        QCOMPARE(text(*window, "LabelTimer"), QStringLiteral("Time left: 44:59"));
        // "Flagged only" stands where the review's wrong-only box stands.
        QVERIFY(shown(*window, "CheckFlaggedOnly") && !shown(*window, "Check1"));

        // Nothing is revealed while the exam runs.
        const QList<int> skip{2, 9, 14};
        answer(*window, wrong, skip);
        QVERIFY(text(*window, "Label2").isEmpty() && text(*window, "LabelExplanation").isEmpty());
        QVERIFY(!shown(*window, "Image1") && !shown(*window, "Image2"));

        for (const int position : {3, 7}) {
            goTo(*window, position);
            click(*window, "CheckFlag");
        }
        click(*window, "CheckFlaggedOnly");
        click(*window, "Command3");
        QCOMPARE(test.currentPos(), 3);
        QVERIFY(child<QCheckBox>(*window, "CheckFlag")->isChecked());
        QVERIFY(!child<QWidget>(*window, "Command3")->isEnabled());

        {
            const ScriptedAnswer no(Answer::No);
            click(*window, "Command6");
            QCOMPARE(no.text(),
                     QStringLiteral("You have 3 unanswered questions. Finish the exam anyway?"));
        }
        QVERIFY(!test.testIdle());
        ResultReader result;
        {
            const ScriptedAnswer yes(Answer::Yes);
            click(*window, "Command6");
        }
        QVERIFY(result.verdictShown);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.passMark, QStringLiteral("Pass mark: 15 of 20"));
        QCOMPARE(result.correct, QString::number(17 - wrong.size()));

        // Then the usual review, and the history.
        QVERIFY(!shown(*window, "LabelTimer") && !shown(*window, "CheckFlag"));
        QVERIFY(!text(*window, "LabelExplanation").isEmpty());
        click(*window, "Check1");
        QCOMPARE(test.currentPos(), 2);
        QString history(165, u'0');
        for (const int position : wrong + skip)
            history[test.item(position).question - 1] = u'1';
        QCOMPARE(storedValue(settings::historyKey), history);
    }

    // A notice once, five minutes before the end; then the exam ends by
    // itself and says so.
    void examEndsWhenTimeRunsOut()
    {
        const auto [window, clock] = openExamWindow(2);
        const PracticeTest &test = window->practiceTest();
        trigger(*window, "mexam");
        answer(*window, {}, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
        clock->advance(40 * minute);
        tick(*window);
        QCOMPARE(text(*window, "LabelTimer"), QStringLiteral("Time left: 5:00"));
        QVERIFY(text(*window, "LabelTimeNotice").startsWith(QStringLiteral("5 minutes left.")));
        QVERIFY(shown(*window, "LabelTimeNotice"));

        clock->advance(5 * minute);
        ResultReader result;
        {
            const ScriptedAnswer timeUp(Answer::Ok);
            tick(*window);
            QCOMPARE(timeUp.text(), QStringLiteral("Time is up: the exam is finished."));
        }
        QCOMPARE(result.verdict, QStringLiteral("FAIL"));
        QCOMPARE(result.correct, QStringLiteral("2"));
        QVERIFY(test.isReviewing());
        QVERIFY(!child<QTimer>(*window, "TimerExam")->isActive());
        QCOMPARE(storedValue(settings::historyKey).count(u'1'), 18);

        // Time runs out while the question at Finish is open: the exam ends
        // by itself, and the Yes given afterwards does not end it again.
        trigger(*window, "mexam");
        int resultsShown = 0;
        std::optional<ResultReader> afterYes;
        const ModalAnswerer question("none", [&](QWidget *box) {
            clock->advance(45 * minute);
            const ScriptedAnswer timeUp(Answer::Ok);
            {
                ResultReader timedOut;
                tick(*window);
                resultsShown = timedOut.opened;
            }
            afterYes.emplace();
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
        });
        click(*window, "Command6");
        QCOMPARE(resultsShown, 1);
        QCOMPARE(afterYes->opened, 0);
    }

    // Restart cancels an exam for a sized test, which shows no clock and no
    // verdict in its result.
    void sizedTestShowsNoClock()
    {
        const auto [window, clock] = openExamWindow();
        trigger(*window, "mexam");
        {
            const ScriptedAnswer yes(Answer::Yes);
            click(*window, "Command2");
            QCOMPARE(yes.text(),
                     QStringLiteral("Do you want to cancel the current practice test?"));
        }
        for (const char *exam : {"LabelTimer", "LabelTimeNotice", "CheckFlag", "CheckFlaggedOnly"})
            QVERIFY2(!shown(*window, exam), exam);
        QVERIFY(!child<QTimer>(*window, "TimerExam")->isActive());
        answer(*window, {});
        ResultReader result;
        click(*window, "Command6");
        QCOMPARE(result.opened, 1);
        QVERIFY(!result.verdictShown);
    }

    void chapterFromTheMenu()
    {
        const auto [window, clock] = openExamWindow();
        const PracticeTest &test = window->practiceTest();
        const QList<QAction *> chapters = child<QMenu>(*window, "mchapter")->actions();
        QCOMPARE(chapters.size(), 10);
        QCOMPARE(chapters.at(2)->text(), QStringLiteral("&3 Canada's History (38 questions)"));
        QCOMPARE(chapters.at(9)->text(), QStringLiteral("1&0 Canada's Regions (20 questions)"));

        child<QComboBox>(*window, "Combo1")->setCurrentIndex(2);
        trigger(*window, "mchapter3");
        QCOMPARE(test.testSize(), 20);
        for (int k = 1; k <= 20; ++k)
            QCOMPARE(window->questionBank().chapter(test.item(k).question), 3);
        QCOMPARE(child<QGroupBox>(*window, "Frame1")->title(),
                 QStringLiteral("Question 1 of 20 — Canada's History"));

        // A chapter with fewer questions gives all of them.
        {
            const ScriptedAnswer yes(Answer::Yes);
            trigger(*window, "mchapter9");
        }
        QCOMPARE(test.testSize(), 8);
        answer(*window, {1});
        ResultReader result;
        click(*window, "Command6");
        QCOMPARE(result.correct, QStringLiteral("7"));
        QCOMPARE(child<QGroupBox>(*window, "Frame1")->title(),
                 QStringLiteral("Question 1 of 8 — Canada's Economy"));
        QCOMPARE(storedValue(settings::historyKey).count(u'1'), 1);
    }

    // Alt+P stays with Previous; the menu has Alt+T.
    void examFromTheKeyboard()
    {
        const auto [owned, clock] = openExamWindow();
        Form1 &window = *owned;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const PracticeTest &test = window.practiceTest();
        QWidget *practice = child<QMenu>(window, "mpractice");
        press(window, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), practice);
        QTest::keyClick(practice, Qt::Key_E);
        QTRY_VERIFY(test.isExam());

        press(window, Qt::Key_N, Qt::AltModifier);
        press(window, Qt::Key_G, Qt::AltModifier);
        QVERIFY(test.item(2).flaggedForReview);
        press(window, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(test.currentPos(), 1);
        press(window, Qt::Key_Y, Qt::AltModifier);
        QVERIFY(test.flaggedOnlyView());
        press(window, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), practice);
        practice->close();
    }

    void examTextsFit()
    {
        const auto [window, clock] = openExamWindow();
        trigger(*window, "mexam");
        clock->advance(40 * minute);
        tick(*window);
        const auto *timer = child<QLabel>(*window, "LabelTimer");
        QVERIFY(timer->fontMetrics().horizontalAdvance(QStringLiteral("Time left: 45:00")) <=
                timer->contentsRect().width());
        const auto *notice = child<QLabel>(*window, "LabelTimeNotice");
        QVERIFY(notice->fontMetrics()
                    .boundingRect(notice->contentsRect(), Qt::TextWordWrap, notice->text())
                    .height() <= notice->contentsRect().height());
        for (const char *box : {"CheckFlag", "CheckFlaggedOnly"})
            QVERIFY2(child<QWidget>(*window, box)->sizeHint().width() <=
                         child<QWidget>(*window, box)->width(),
                     box);
        const auto *frame = child<QGroupBox>(*window, "Frame1");
        for (int c = 1; c <= QuestionBank::chapterCount; ++c) {
            const QString title = Captions::frame(38, 38, window->questionBank().chapterTitle(c));
            QVERIFY2(frame->fontMetrics().horizontalAdvance(title) < frame->width() - 40,
                     qPrintable(title));
        }
        // The verdict and pass mark fit between the score and OK.
        const ModalAnswerer check("Command1", [](QWidget *result) {
            const int okTop = child<QWidget>(*result, "Command1")->y();
            for (const char *name : {"LabelVerdict", "LabelPassMark"}) {
                const auto *label = child<QLabel>(*result, name);
                QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <=
                        label->contentsRect().width());
                QVERIFY(label->y() > child<QWidget>(*result, "Frame1")->geometry().bottom());
                QVERIFY(label->geometry().bottom() < okTop);
            }
        });
        const ScriptedAnswer yes(Answer::Yes);
        click(*window, "Command6");
        QVERIFY(check.answered());
    }
};

QTEST_MAIN(ExamWindowTest)
#include "test_exam_window.moc"
