// Walks the real program through the states a user sees and saves a PNG of
// the screen in each: start-up, a running test, the result window, a review
// showing a wrong answer, a running exam and its result, the first-run
// licence and the About window.
// Run under a display (scripts/screenshots.sh starts Xvfb for it).

#include "practice/clock.h"
#include "window_test_support.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/platform/message_box.h"
#include "windows/window_setup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QString outputDir;

void settle(int ms = 150)
{
    QTest::qWait(ms);
}

void shoot(const QString &name, QWidget *window)
{
    settle();
    const QPixmap screen = window->grab();
    const QString path = QDir(outputDir).filePath(name + QStringLiteral(".png"));
    if (!screen.save(path))
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

template <typename T = QAbstractButton> T *find(QObject *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// Does something with the next modal window, then presses its button.
void onNextModal(std::function<void(QWidget *)> act, const char *button)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, button] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        settle(300);
        if (act)
            act(modal);
        if (auto *b = modal->findChild<QAbstractButton *>(QString::fromLatin1(button)))
            b->click();
        else
            modal->close();
    });
    timer->start(20);
}

// Moves to the question of the test with the longest text: its question
// (choice 0) or one of its choices (1..4).
void showLongest(veltrano::Form1 &window, bool choices)
{
    const veltrano::PracticeTest &test = window.practiceTest();
    const veltrano::QuestionBank &bank = window.questionBank();
    const auto longest = [&](int position) {
        const int q = test.item(position).question;
        qsizetype size = choices ? 0 : bank.pQuestion(q).size();
        for (int c = 1; choices && c <= 4; ++c)
            size = std::max(size, bank.pchoice(q, c).size());
        return size;
    };
    int best = 1;
    for (int k = 1; k <= test.testSize(); ++k)
        if (longest(k) > longest(best))
            best = k;
    while (test.currentPos() > best)
        find(&window, "Command3")->click();
    while (test.currentPos() < best)
        find(&window, "Command4")->click();
}

// In a review, moves to the question whose explanation is the longest.
void showLongestExplanation(veltrano::Form1 &window)
{
    const veltrano::PracticeTest &test = window.practiceTest();
    const veltrano::QuestionBank &bank = window.questionBank();
    int best = 1;
    for (int k = 1; k <= test.testSize(); ++k)
        if (bank.explanation(test.item(k).question).size() >
            bank.explanation(test.item(best).question).size())
            best = k;
    while (test.currentPos() > best)
        find(&window, "Command3")->click();
    while (test.currentPos() < best)
        find(&window, "Command4")->click();
}

// Chooses the answer at the current question: the correct one, or the one
// after it.
void chooseAnswer(veltrano::Form1 &window, bool correctly)
{
    const int correct = window.practiceTest().currentItem().correctSlot - 1;
    const int option = correctly ? correct : (correct + 1) % 4;
    find(&window, QStringLiteral("Option1_%1").arg(option).toLatin1().constData())->click();
}

// An exam from the menu, forty minutes and a half in: a few questions
// answered and flagged, the clock and the notice that time is short. Then
// the rest answered, 17 of 20 correctly, and finished.
void takeExam(veltrano::Form1 &window, veltrano::ScriptedClock &clock)
{
    find<QAction>(&window, "mexam")->trigger();
    for (int position = 1; position <= 7; ++position) {
        chooseAnswer(window, position != 3);
        if (position == 2 || position == 5)
            find(&window, "CheckFlag")->click();
        find(&window, "Command4")->click();
    }
    clock.advance((40 * 60 + 31) * 1000);
    QMetaObject::invokeMethod(find<QTimer>(&window, "TimerExam"), "timeout");
    find(&window, "CheckFlag")->click();
    shoot(QStringLiteral("exam-running"), &window);

    for (int position = 8;; ++position) {
        chooseAnswer(window, position % 6 != 0);
        if (!window.practiceTest().canGoNext())
            break;
        find(&window, "Command4")->click();
    }
    onNextModal([](QWidget *w) { shoot(QStringLiteral("exam-result"), w); }, "Command1");
    find(&window, "Command6")->click();
    settle(300);
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    return dark;
}

// Answers the test on view: right except where wrongEvery divides the
// position, then finishes it and closes the result window.
void answerAndFinish(veltrano::Form1 &window, int wrongEvery)
{
    while (window.practiceTest().currentPos() > 1)
        find(&window, "Command3")->click();
    for (int position = 1;; ++position) {
        const int correct = window.practiceTest().currentItem().correctSlot - 1;
        const int option = position % wrongEvery == 0 ? (correct + 1) % 4 : correct;
        find(&window, QStringLiteral("Option1_%1").arg(option).toLatin1().constData())->click();
        if (!window.practiceTest().canGoNext())
            break;
        find(&window, "Command4")->click();
    }
    onNextModal(nullptr, "Command1");
    find(&window, "Command6")->click();
    settle(100);
}

// A week of practice, a test of 20 each day and fewer mistakes as the week
// goes on; then the statistics window, a page of each tab, and the report
// of the last test saved as a PDF.
void practiseForAWeek(veltrano::Form1 &window, veltrano::ScriptedClock &clock,
                      testing::ScriptedFileChooser &files)
{
    find<QComboBox>(&window, "Combo1")->setCurrentIndex(2);
    for (int day = 0; day < 7; ++day) {
        clock.setNow(QDateTime(QDate(2026, 11, 24).addDays(day), QTime(8 + day % 3, 15)));
        find(&window, "Command2")->click();
        answerAndFinish(window, 2 + day);
        if (day % 2 == 1) { // an evening round of the weakest questions
            clock.setNow(clock.now().addSecs(10 * 3600));
            window.findChild<QAction *>(QStringLiteral("mweakest"))->trigger();
            answerAndFinish(window, 3);
        }
    }
    onNextModal(
        [](QWidget *statistics) {
            shoot(QStringLiteral("statistics"), statistics);
            auto *tabs = find<QTabWidget>(statistics, "TabPages");
            tabs->setCurrentIndex(1);
            shoot(QStringLiteral("statistics-chapters"), statistics);
            tabs->setCurrentIndex(2);
            shoot(QStringLiteral("statistics-most-missed"), statistics);
        },
        "Command1");
    QMetaObject::invokeMethod(
        &window, [&window] { find<QAction>(&window, "mstats")->trigger(); }, Qt::QueuedConnection);
    settle(2500);
    files.script({QDir(outputDir).filePath(QStringLiteral("report.pdf"))});
    veltrano::platform::MessageBox::scriptNextAnswer(veltrano::platform::MessageBox::Answer::No);
    find<QAction>(&window, "mreport")->trigger();
    std::printf("%s\n", qPrintable(QDir(outputDir).filePath(QStringLiteral("report.pdf"))));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir configHome; // a first run, away from the user's own settings and progress
    qputenv("XDG_CONFIG_HOME", configHome.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", configHome.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    // "--dark" as second argument: a dark desktop theme, to see that every
    // colour not fixed by the design follows the palette.
    if (argc > 2 && qstrcmp(argv[2], "--dark") == 0)
        QApplication::setPalette(darkPalette());
    QDir().mkpath(outputDir);
    veltrano::applyProgramFonts();

    veltrano::Seams seams;
    auto clock =
        std::make_unique<veltrano::ScriptedClock>(QDateTime(QDate(2026, 11, 23), QTime(18, 30)));
    veltrano::ScriptedClock &today = *clock;
    veltrano::ScriptedClock &examClock = *clock;
    seams.clock = std::move(clock);
    auto chooser = std::make_unique<testing::ScriptedFileChooser>();
    testing::ScriptedFileChooser &files = *chooser;
    seams.files = std::move(chooser);
    seams.moduleFolder = QStringLiteral(VELTRANO_MODULE_DIR);
    veltrano::Form1 window(std::move(seams));
    window.adjustSize();
    veltrano::centreWindow(&window);
    window.show();

    onNextModal([](QWidget *w) { shoot(QStringLiteral("licence-first-run"), w); }, "Command1");
    settle(1200);
    shoot(QStringLiteral("startup"), &window);

    find<QComboBox>(&window, "Combo1")->setCurrentIndex(5);
    find(&window, "Command2")->click();
    showLongest(window, true);
    shoot(QStringLiteral("longest-choice"), &window);
    showLongest(window, false);
    find(&window, "Option1_2")->click();
    shoot(QStringLiteral("running-test"), &window);

    // Answer every question, two in three correctly, then go back to the first.
    while (window.practiceTest().currentPos() > 1)
        find(&window, "Command3")->click();
    for (int position = 1;; ++position) {
        const int correct = window.practiceTest().currentItem().correctSlot - 1;
        const int option = position % 3 == 1 ? (correct + 1) % 4 : correct;
        find(&window, QStringLiteral("Option1_%1").arg(option).toLatin1().constData())->click();
        if (!window.practiceTest().canGoNext())
            break;
        find(&window, "Command4")->click();
    }
    while (window.practiceTest().currentPos() > 1)
        find(&window, "Command3")->click();
    onNextModal([](QWidget *w) { shoot(QStringLiteral("result"), w); }, "Command1");
    find(&window, "Command6")->click();
    settle(300);
    shoot(QStringLiteral("review"), &window);
    showLongestExplanation(window);
    shoot(QStringLiteral("review-longest-explanation"), &window);

    takeExam(window, examClock);

    onNextModal([](QWidget *w) { shoot(QStringLiteral("about"), w); }, "Command1");
    QMetaObject::invokeMethod(
        &window, [&window] { find<QAction>(&window, "other")->trigger(); }, Qt::QueuedConnection);
    settle(1500);

    practiseForAWeek(window, today, files);
    return 0;
}
