#include "progress/progress_store.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/progress_location.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>

using namespace veltrano;
using namespace testing;
using Answer = platform::MessageBox::Answer;

namespace {

FinishedTest missedTest(const QString &uid, int day, const QList<int> &missed)
{
    FinishedTest test{
        uid, QDateTime(QDate(2026, 11, 1).addDays(day), QTime(9, 0)), QStringLiteral("sized"), {}};
    for (const int q : missed)
        test.answers.append({q, 2, 1, false});
    return test;
}

QList<int> questionsOnView(const Form1 &window)
{
    QList<int> questions;
    for (int k = 1; k <= window.practiceTest().testSize(); ++k)
        questions.append(window.practiceTest().item(k).question);
    std::sort(questions.begin(), questions.end());
    return questions;
}

} // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { startAsReturningUser(); }

    void cleanup() { verifyNoWindowLeft(); }

    void menusStandBeforeAbout()
    {
        const auto window = openWindow();
        QStringList bar;
        for (const QAction *action : window->menuBar()->actions())
            bar.append(action->menu() ? action->menu()->objectName() + u'=' + action->text()
                                      : action->objectName());
        QCOMPARE(bar, QStringList({"mpractice=Prac&tice", "mprogress=Progr&ess", "mabout", "mlic",
                                   "other", "mvoice=&Voice", "mlanguage=Lang&uage", "mexit"}));
        QStringList progress;
        for (const QAction *action : child<QMenu>(*window, "mprogress")->actions())
            if (!action->isSeparator())
                progress.append(action->objectName() + u'=' + action->text());
        QCOMPARE(progress, QStringList({"mstats=&Statistics", "mreport=&Print or Save Report…",
                                        "mexport=E&xport Progress…", "mimport=&Import Progress…"}));
        QCOMPARE(child<QAction>(*window, "mweakest")->text(), "&Weakest Questions");
        // No two access keys of the window meet: the menu titles' letters
        // are none of the buttons'.
        const auto accessKey = [](const QString &text) {
            const qsizetype at = text.indexOf(u'&');
            return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
        };
        QList<QChar> keys;
        for (const QAction *action : window->menuBar()->actions())
            keys.append(accessKey(action->text()));
        for (const char *button :
             {"Command2", "Command3", "Command4", "Command6", "Command7", "Command8", "Command10"})
            keys.append(accessKey(child<QAbstractButton>(*window, button)->text()));
        for (const QChar key : keys)
            QVERIFY2(!key.isNull() && keys.count(key) == 1, qPrintable(QString(key)));
        // A report is of a finished test.
        QVERIFY(!child<QAction>(*window, "mreport")->isEnabled());
        QVERIFY2(!QFile::exists(defaultProgressPath()), "the store opened at start-up");
    }

    void finishedTestsAreRecorded()
    {
        const auto window = openWindow(3);
        click(*window, "Command2");
        answer(*window, {2, 4});
        finishTest(*window);
        QVERIFY(child<QAction>(*window, "mreport")->isEnabled());
        click(*window, "Command7"); // redo the two
        answer(*window, {});
        finishTest(*window);

        ProgressStore store(defaultProgressPath(), 165);
        const QList<FinishedTest> tests = store.finishedTests();
        QCOMPARE(tests.size(), 2);
        QCOMPARE(tests.at(0).kind, "sized");
        QCOMPARE(tests.at(0).answers.size(), 5);
        QCOMPARE(tests.at(0).correctCount(), 3);
        QCOMPARE(tests.at(0).finishedAt, ScriptedClock().now());
        QCOMPARE(tests.at(1).kind, "redo");
        QCOMPARE(tests.at(1).correctCount(), 2);
        const FinishedTest &first = tests.at(0);
        for (int k = 0; k < 5; ++k) {
            const AnswerRecord &a = first.answers.at(k);
            QCOMPARE(a.correct, window->questionBank().pAnswer(a.question));
            QCOMPARE(a.right, a.chosen == a.correct);
        }
        // The wrong-answer history is kept as before, beside the store.
        QCOMPARE(storedValue("redo"), QString(165, u'0'));
    }

    void weakestQuestionsDrillWhatTheRuleSays()
    {
        {
            ProgressStore store(defaultProgressPath(), 165);
            // 10 missed three times, 20 and 30 twice (30 answered later),
            // 40 and 50 once; every other question unseen.
            QVERIFY(store.record(missedTest("a", 0, {10, 20, 40})).ok());
            QVERIFY(store.record(missedTest("b", 1, {10, 20, 50})).ok());
            QVERIFY(store.record(missedTest("c", 2, {10, 30})).ok());
            QVERIFY(store.record(missedTest("d", 3, {30})).ok());
        }
        const auto window = openWindow(5);
        child<QComboBox>(*window, "Combo1")->setCurrentIndex(0); // 5 questions
        triggerMenu(*window, "mweakest");
        QCOMPARE(window->practiceTest().kind(), TestKind::Weakest);
        QCOMPARE(questionsOnView(*window), QList<int>({10, 20, 30, 40, 50}));
        answer(*window, {});
        finishTest(*window);
        ProgressStore store(defaultProgressPath(), 165);
        QCOMPARE(store.finishedTests().last().kind, "weakest");

        // A running test is cancelled only when the user agrees.
        click(*window, "Command2");
        const QList<int> running = questionsOnView(*window);
        {
            const ScriptedAnswer keep(Answer::No);
            triggerMenu(*window, "mweakest");
            QVERIFY(keep.wasAsked());
        }
        QCOMPARE(questionsOnView(*window), running);
    }

    void unsavedTestsAreKeptAndSavedLater()
    {
        // A file where the data folder should be: nothing can be created.
        const QString folder = QFileInfo(defaultProgressPath()).absolutePath();
        QDir(folder).removeRecursively();
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        const auto window = openWindow(7);
        click(*window, "Command2");
        answer(*window, {1});
        {
            const ScriptedAnswer told(Answer::Ok);
            finishTest(*window);
            QVERIFY(told.wasAsked());
            QVERIFY2(told.text().startsWith("Your progress could not be saved in"),
                     qPrintable(told.text()));
            QVERIFY(told.text().contains("saved again at the next Finish"));
        }
        QVERIFY(QFile::remove(folder));
        click(*window, "Command2");
        answer(*window, {});
        finishTest(*window);
        ProgressStore store(defaultProgressPath(), 165);
        const QList<FinishedTest> tests = store.finishedTests();
        QCOMPARE(tests.size(), 2);
        QCOMPARE(tests.at(0).correctCount(), 4);
        QCOMPARE(tests.at(1).correctCount(), 5);
    }

    void brokenFileIsToldOnce()
    {
        QDir().mkpath(QFileInfo(defaultProgressPath()).absolutePath());
        QFile broken(defaultProgressPath());
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a database at all");
        broken.close();
        const auto window = openWindow(9);
        click(*window, "Command2");
        answer(*window, {});
        {
            const ScriptedAnswer told(Answer::Ok);
            finishTest(*window);
            QVERIFY(told.wasAsked());
            QVERIFY2(told.text().contains(defaultProgressPath() + ".broken"),
                     qPrintable(told.text()));
        }
        click(*window, "Command2");
        answer(*window, {});
        finishTest(*window); // nothing more to tell: no box is scripted
        QCOMPARE(ProgressStore(defaultProgressPath(), 165).finishedTests().size(), 2);
    }

    void exportAndImportThroughTheMenu()
    {
        const QString elsewhere = home_.path() + "/elsewhere.sqlite";
        const QString exported = home_.path() + "/exported.sqlite";
        const QString hostile = home_.path() + "/hostile.sqlite";
        QFile::remove(elsewhere);
        {
            ProgressStore other(elsewhere, 165);
            QVERIFY(other.record(missedTest("x", 0, {1, 2})).ok());
            QVERIFY(other.exportTo(exported).ok());
        }
        QFile bad(hostile);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("SQLite format 3");
        bad.close();

        Seams seams = testSeams(11);
        auto chooser = std::make_unique<ScriptedFileChooser>();
        ScriptedFileChooser &files = *chooser;
        seams.files = std::move(chooser);
        const auto window = openWindow(std::move(seams));
        click(*window, "Command2");
        answer(*window, {});
        finishTest(*window);

        const auto told = [&](const QString &menu, const QStringList &paths) {
            files.script(paths);
            const ScriptedAnswer box(Answer::Ok);
            triggerMenu(*window, menu);
            return box.wasAsked() ? box.text() : QStringLiteral("(no message)");
        };
        QVERIFY(told("mimport", {exported}).startsWith("Tests imported from "));
        QVERIFY(told("mimport", {exported}).startsWith("Every test in"));
        const QString refused = told("mimport", {hostile});
        QVERIFY2(refused.contains("Nothing was imported") && refused.contains("is not a progress "
                                                                              "file"),
                 qPrintable(refused));
        QCOMPARE(told("mimport", {}), "(no message)"); // cancelled

        const QString mine = home_.path() + "/mine.sqlite";
        QVERIFY(told("mexport", {mine}).startsWith("Your progress was exported to"));
        QVERIFY(files.suggested().endsWith("veltrano-progress-2026-12-01.sqlite"));
        QCOMPARE(ProgressStore(mine, 165).finishedTests().size(), 2);
        const QString unwritable = home_.path() + "/no-such-folder/x.sqlite";
        QVERIFY(told("mexport", {unwritable}).startsWith("Your progress could not be exported"));
    }
};

QTEST_MAIN(ProgressWindowTest)
#include "test_progress_window.moc"
