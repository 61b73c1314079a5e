// How long the user waits on the progress store after ten years of daily
// practice (about 100,000 recorded answers): recording a finished test of
// the whole bank, choosing the weakest questions, opening the statistics
// window. Each is printed beside a baseline measured in the same run: the
// history store Finish already does, drawing a random test, opening the
// About window. Run by bench/progress.sh; not a test, since a timing says
// nothing certain about correctness.

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "bank/test_builder.h"
#include "practice/history_codec.h"
#include "progress/progress_store.h"
#include "progress/weakest_questions.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/platform/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace veltrano;

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

double timeMs(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.nsecsElapsed() / 1e6;
}

FinishedTest randomTest(const QuestionBank &bank, RandomSource &random, const QDateTime &at,
                        int size, double rightShare)
{
    FinishedTest test{
        QUuid::createUuid().toString(QUuid::WithoutBraces), at, QStringLiteral("sized"), {}};
    const TestItems items = buildTest(bank, size, random);
    for (int k = 1; k <= items.count(); ++k) {
        const int q = items.at(k).question;
        const bool right = random.next() < rightShare;
        test.answers.append(
            {q, right ? bank.pAnswer(q) : bank.pAnswer(q) % 4 + 1, bank.pAnswer(q), right});
    }
    return test;
}

// Ten years of daily practice: a test of 20 every day, another of 10 every
// second day and the whole bank every thirtieth, better as the years pass.
int buildHistory(const QString &path, const QuestionBank &bank)
{
    ProgressStore store(path, bank.questionCount());
    SystemRandomSource random(2026);
    const QDateTime start(QDate(2016, 12, 1), QTime(8, 0));
    int answers = 0;
    for (int day = 0; day < 3650; ++day) {
        const double share = 0.5 + 0.4 * day / 3650.0;
        QList<int> sizes{20};
        if (day % 2 == 0)
            sizes.append(10);
        if (day % 30 == 0)
            sizes.append(165);
        for (qsizetype i = 0; i < sizes.size(); ++i) {
            const FinishedTest test =
                randomTest(bank, random, start.addDays(day).addSecs(3600 * i), sizes.at(i), share);
            if (!store.record(test).ok())
                qFatal("could not build the history");
            answers += static_cast<int>(test.answers.size());
        }
    }
    return answers;
}

// Triggers a menu item and times it until the modal window it opens is
// first painted, then closes that window.
class FirstPaintTimer : public QObject {
public:
    double open(QAction *action)
    {
        painted_ = -1;
        closing_ = false;
        qApp->installEventFilter(this);
        timer_.start();
        action->trigger();
        qApp->removeEventFilter(this);
        return painted_;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Timed once the first drawing of the modal window is done.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && !closing_ && widget && widget->window()->isModal()) {
            closing_ = true;
            QWidget *window = widget->window();
            QTimer::singleShot(0, window, [this, window] {
                painted_ = timer_.nsecsElapsed() / 1e6;
                window->close();
            });
        }
        return false;
    }

private:
    QElapsedTimer timer_;
    double painted_ = -1;
    bool closing_ = false;
};

void report(const char *name, double value, const char *baselineName, double baseline,
            double targetMs)
{
    std::printf("%-22s %8.2f ms   %-28s %8.3f ms   ratio %7.1f   target < %g ms: %s\n", name, value,
                baselineName, baseline, baseline > 0 ? value / baseline : 0.0, targetMs,
                value < targetMs ? "met" : "MISSED");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    QApplication app(argc, argv);
    applyProgramFonts();
    QuestionBank bank;
    bank.inlineread();

    // The history is built once (it takes a while: every test is its own
    // synchronous transaction) and copied for each run.
    const QString cached =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("progress-ten-years.sqlite");
    if (!QFile::exists(cached)) {
        std::printf("building ten years of history in %s ...\n", qPrintable(cached));
        std::fflush(stdout);
        const double ms = timeMs([&] { buildHistory(cached, bank); });
        std::printf("built in %.1f s\n", ms / 1000);
    }
    const QString path = home.filePath("progress.sqlite");
    QFile::copy(cached, path);
    {
        ProgressStore store(path, bank.questionCount());
        const ProgressStatistics stats = store.statistics(bank);
        std::printf("history: %d tests, %d answers, %d of %d questions mastered\n",
                    stats.testsTaken, stats.questionsAnswered, stats.masteredCount,
                    stats.questionCount);

        // Recording a finished test of the whole bank, fsync included,
        // against storing the wrong-answer history as Finish does.
        SystemRandomSource random(7);
        QList<double> records;
        QList<double> histories;
        platform::SettingsStore settings(home.filePath("OrviTest.conf"));
        QDateTime at(QDate(2026, 12, 1), QTime(9, 0));
        for (int i = 0; i < 30; ++i) {
            const FinishedTest test = randomTest(bank, random, at.addSecs(60 * i), 165, 0.8);
            records.append(timeMs([&] { store.record(test); }));
            histories.append(timeMs([&] {
                settings.update(QStringLiteral("aaa"), QStringLiteral("redo"), emptyHistory(165),
                                [](const QString &now) {
                                    return now == emptyHistory(165) ? QString(165, u'1')
                                                                    : emptyHistory(165);
                                });
            }));
        }
        report("record 165 answers", median(records), "store the history (Finish)",
               median(histories), 20);

        QList<double> weakest;
        QList<double> draws;
        for (int i = 0; i < 200; ++i) {
            weakest.append(timeMs([&] { weakestQuestions(store.questionRecords(), 20, random); }));
            draws.append(timeMs([&] { buildTest(bank, 20, random); }));
        }
        report("choose 20 weakest", median(weakest), "draw a random test of 20", median(draws), 5);
    }

    // Opening the statistics window, the first time (its module and Qt
    // Charts load, the store opens) and again, against the About window.
    // A returning user: no licence window.
    platform::SettingsStore().write(QStringLiteral("aaa"), QStringLiteral("zzz"),
                                    QStringLiteral("1"));
    Seams seams;
    seams.progressPath = path;
    seams.moduleFolder = QStringLiteral(VELTRANO_MODULE_DIR);
    Form1 window(std::move(seams));
    window.show();
    QApplication::processEvents();
    auto *stats = window.findChild<QAction *>(QStringLiteral("mstats"));
    auto *about = window.findChild<QAction *>(QStringLiteral("mabout"));
    FirstPaintTimer paint;
    const double aboutFirst = paint.open(about);
    const double first = paint.open(stats);
    QList<double> again;
    QList<double> aboutAgain;
    for (int i = 0; i < 10; ++i) {
        again.append(paint.open(stats));
        aboutAgain.append(paint.open(about));
    }
    report("statistics, first open", first, "About window, first open", aboutFirst, 150);
    report("statistics, again", median(again), "About window, again", median(aboutAgain), 150);
    return 0;
}
