#include "progress/progress_store.h"
#include "temporary_home.h"
#include "window_test_support.h"
#include "windows/progress_location.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableWidget>

using namespace veltrano;
using namespace testing;

namespace {

// Whether a label's text fits its rectangle when wrapped.
bool fits(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
    return needed.height() <= label->height() && needed.width() <= label->width();
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init() { startAsReturningUser(); }

    void cleanup() { verifyNoWindowLeft(); }

    // A week of practice: each morning a test of five, the first two wrong.
    void aWeekOfPracticeShows()
    {
        Seams seams = testSeams(13);
        auto clock = std::make_unique<ScriptedClock>();
        ScriptedClock &today = *clock;
        seams.clock = std::move(clock);
        const auto window = openWindow(std::move(seams));
        child<QComboBox>(*window, "Combo1")->setCurrentIndex(0);
        QList<int> missed;
        for (int day = 0; day < 7; ++day) {
            click(*window, "Command2");
            answer(*window, {1, 2});
            for (const int position : {1, 2})
                missed.append(window->practiceTest().item(position).question);
            finishTest(*window);
            today.advance(24 * 3600 * 1000);
        }

        bool inspected = false;
        const ModalAnswerer close("Command1", [&](QWidget *shown) {
            inspected = true;
            QCOMPARE(shown->objectName(), "FormStatistics");
            QCOMPARE(shown->windowTitle(), "Statistics");
            QCOMPARE(child<QLabel>(*shown, "LabelTests")->text(),
                     "Tests taken: 7.  Questions answered: 35.");
            const int mastered = ProgressStore(defaultProgressPath(), 165)
                                     .statistics(window->questionBank())
                                     .masteredCount;
            QVERIFY(
                child<QLabel>(*shown, "LabelMastered")
                    ->text()
                    .startsWith(
                        QStringLiteral("Readiness: %1 of 165 questions mastered (").arg(mastered)));
            QVERIFY(child<QLabel>(*shown, "LabelExams")->text().startsWith("No mock exam"));
            for (const char *name : {"LabelTests", "LabelMastered", "LabelExams"})
                QVERIFY2(fits(child<QLabel>(*shown, name)), name);

            const QChart *chart = child<QChartView>(*shown, "ChartScores")->chart();
            const auto *scores = qobject_cast<QLineSeries *>(chart->series().at(0));
            QVERIFY(scores);
            QCOMPARE(scores->count(), 7);
            for (const QPointF &point : scores->points())
                QCOMPARE(point.y(), 60.0);
            QCOMPARE(qint64(scores->at(6).x() - scores->at(0).x()), qint64(6) * 24 * 3600 * 1000);

            const auto *chapters = child<QTableWidget>(*shown, "TableChapters");
            QCOMPARE(chapters->rowCount(), 10);
            int answered = 0;
            int right = 0;
            for (int row = 0; row < 10; ++row) {
                QCOMPARE(chapters->item(row, 0)->text(),
                         window->questionBank().chapterTitle(row + 1));
                answered += chapters->item(row, 1)->text().toInt();
                right += chapters->item(row, 2)->text().toInt();
            }
            QCOMPARE(answered, 35);
            QCOMPARE(right, 21);

            const auto *mostMissed = child<QTableWidget>(*shown, "TableMissed");
            QCOMPARE(mostMissed->rowCount(),
                     std::min<int>(10, QSet<int>(missed.begin(), missed.end()).size()));
            QVERIFY(mostMissed->item(0, 0)->text().size() > 0);
            QList<QString> questionTexts;
            for (const int q : missed)
                questionTexts.append(window->questionBank().pQuestion(q));
            for (int row = 0; row < mostMissed->rowCount(); ++row) {
                QVERIFY(questionTexts.contains(mostMissed->item(row, 0)->text()));
                const int q = missed.at(questionTexts.indexOf(mostMissed->item(row, 0)->text()));
                QCOMPARE(mostMissed->item(row, 1)->text(),
                         window->questionBank().pchoice(q, window->questionBank().pAnswer(q)));
            }
        });
        triggerMenu(*window, "mstats");
        QVERIFY(inspected);
    }

    void emptyProgressShowsAnEmptyChart()
    {
        const auto window = openWindow();
        bool inspected = false;
        const ModalAnswerer close("Command1", [&](QWidget *shown) {
            inspected = true;
            QCOMPARE(child<QLabel>(*shown, "LabelTests")->text(),
                     "Tests taken: 0.  Questions answered: 0.");
            const QChart *chart = child<QChartView>(*shown, "ChartScores")->chart();
            QCOMPARE(qobject_cast<QLineSeries *>(chart->series().at(0))->count(), 0);
            QCOMPARE(child<QTableWidget>(*shown, "TableMissed")->rowCount(), 0);
            // Screen readers have a name for what has no text of its own.
            for (const char *name : {"ChartScores", "TableChapters", "TableMissed"})
                QVERIFY2(!child<QWidget>(*shown, name)->accessibleName().isEmpty(), name);
        });
        triggerMenu(*window, "mstats");
        QVERIFY(inspected);
    }

    void missingModuleIsReported()
    {
        Seams seams = testSeams();
        seams.moduleFolder = home_.path() + "/no-modules";
        const auto window = openWindow(std::move(seams));
        const ScriptedAnswer told(platform::MessageBox::Answer::Ok);
        triggerMenu(*window, "mstats");
        QVERIFY(told.text().startsWith("The statistics window could not be opened."));
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "test_statistics_window.moc"
