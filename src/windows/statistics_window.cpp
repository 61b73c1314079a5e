#include "windows/statistics_window.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>

namespace veltrano {

namespace {

double percent(int part, int whole)
{
    return whole > 0 ? 100.0 * part / whole : 0.0;
}

QString percentText(int part, int whole)
{
    //: %1 the share with one decimal in the user's locale: "62.5%"
    return StatisticsWindow::tr("%1%").arg(QLocale().toString(percent(part, whole), 'f', 1));
}

QLabel *wrappingLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QTableWidget *table(QWidget *parent, const char *name, int columns)
{
    auto *made = new QTableWidget(0, columns, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setEditTriggers(QAbstractItemView::NoEditTriggers);
    made->setSelectionBehavior(QAbstractItemView::SelectRows);
    made->setWordWrap(true);
    made->verticalHeader()->hide();
    made->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    made->horizontalHeader()->setStretchLastSection(true);
    return made;
}

void setCell(QTableWidget *table, int row, int column, const QString &text,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    table->setItem(row, column, item);
}

} // namespace

StatisticsWindow::StatisticsWindow(StatisticsPage page, QWidget *parent)
    : QDialog(parent), page_(std::move(page))
{
    setObjectName(QStringLiteral("FormStatistics"));
    createControls();
    retranslateUi();
}

void StatisticsWindow::createControls()
{
    auto *layout = new QVBoxLayout(this);
    TabPages = new QTabWidget(this);
    TabPages->setObjectName(QStringLiteral("TabPages"));
    layout->addWidget(TabPages);

    auto *overview = new QWidget(TabPages);
    overview->setObjectName(QStringLiteral("PageOverview"));
    auto *overviewLayout = new QVBoxLayout(overview);
    LabelTests = wrappingLabel(overview, "LabelTests");
    LabelMastered = wrappingLabel(overview, "LabelMastered");
    LabelExams = wrappingLabel(overview, "LabelExams");
    for (QLabel *label : {LabelTests, LabelMastered, LabelExams})
        overviewLayout->addWidget(label);

    auto *chart = new QChart();
    // The chart follows a dark desktop theme as the rest of the window does.
    chart->setTheme(palette().color(QPalette::Window).lightness() < 128 ? QChart::ChartThemeDark
                                                                        : QChart::ChartThemeLight);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    ChartScores = new QChartView(chart, overview);
    ChartScores->setObjectName(QStringLiteral("ChartScores"));
    ChartScores->setRenderHint(QPainter::Antialiasing);
    ChartScores->setMinimumSize(680, 300);
    overviewLayout->addWidget(ChartScores, 1);
    TabPages->addTab(overview, QString());

    TableChapters = table(TabPages, "TableChapters", 4);
    TabPages->addTab(TableChapters, QString());
    TableMissed = table(TabPages, "TableMissed", 3);
    TabPages->addTab(TableMissed, QString());

    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void StatisticsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void StatisticsWindow::retranslateUi()
{
    const ProgressStatistics &n = page_.numbers;
    setWindowTitle(tr("Statistics"));
    TabPages->setTabText(0, tr("Overview"));
    TabPages->setTabText(1, tr("Chapters"));
    TabPages->setTabText(2, tr("Most missed"));
    Command1->setText(tr("OK"));
    // Screen readers name the chart and the tables; the labels by their text.
    ChartScores->setAccessibleName(tr("Chart of your scores over time"));
    TableChapters->setAccessibleName(tr("Accuracy per chapter"));
    TableMissed->setAccessibleName(tr("The questions you missed most, with their answers"));
    LabelTests->setText(
        tr("Tests taken: %1.  Questions answered: %2.").arg(n.testsTaken).arg(n.questionsAnswered));
    LabelMastered->setText(tr("Readiness: %1 of %2 questions mastered (%3); a question is "
                              "mastered once you answer it right on two different days "
                              "without missing it in between.")
                               .arg(n.masteredCount)
                               .arg(n.questionCount)
                               .arg(percentText(n.masteredCount, n.questionCount)));
    QStringList exams;
    for (const ProgressStatistics::Exam &exam : n.lastExams)
        exams.append(tr("%1: %2 of %3, %4")
                         .arg(QLocale().toString(exam.finishedAt.date(), QLocale::ShortFormat))
                         .arg(exam.correct)
                         .arg(exam.total)
                         .arg(exam.passed ? tr("PASS") : tr("FAIL")));
    LabelExams->setText(exams.isEmpty() ? tr("No mock exam taken yet; the pass mark is %1 of %2.")
                                              .arg(n.examPassMark)
                                              .arg(n.examQuestionCount)
                                        : tr("Last mock exams (the pass mark is %1 of %2): %3.")
                                              .arg(n.examPassMark)
                                              .arg(n.examQuestionCount)
                                              .arg(exams.join(QStringLiteral("; "))));

    QChart *chart = ChartScores->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(tr("Scores over time"));
    auto *scores = new QLineSeries(chart);
    scores->setName(tr("Score of each test (%)"));
    auto *passLine = new QLineSeries(chart);
    passLine->setName(tr("Exam pass mark (%)"));
    QDateTime first =
        n.scores.isEmpty() ? QDateTime::currentDateTime().addDays(-1) : n.scores.first().finishedAt;
    QDateTime last = n.scores.isEmpty() ? QDateTime::currentDateTime() : n.scores.last().finishedAt;
    if (first == last)
        first = first.addSecs(-3600);
    QList<QPointF> points;
    points.reserve(n.scores.size());
    for (const ProgressStatistics::Score &score : n.scores)
        points.append(
            {double(score.finishedAt.toMSecsSinceEpoch()), percent(score.correct, score.total)});
    scores->replace(points);
    const double passPercent = percent(n.examPassMark, n.examQuestionCount);
    QPen dashed = passLine->pen();
    dashed.setStyle(Qt::DashLine);
    dashed.setColor(palette().color(QPalette::WindowText));
    passLine->setPen(dashed);
    chart->addSeries(scores);
    chart->addSeries(passLine);
    if (n.scores.size() <= 60) {
        auto *dots = new QScatterSeries(chart);
        dots->setMarkerSize(7);
        dots->replace(points);
        dots->setColor(scores->color());
        chart->addSeries(dots);
        chart->legend()->markers(dots).first()->setVisible(false);
    }
    auto *time = new QDateTimeAxis(chart);
    const qint64 days = first.daysTo(last);
    if (days <= 12) {
        // A short span: one tick a day, at midnight, the points between them.
        first = first.date().startOfDay();
        last = last.date().addDays(1).startOfDay();
        time->setTickCount(static_cast<int>(first.daysTo(last)) + 1);
    } else {
        time->setTickCount(6);
    }
    //: Date formats of the chart's time axis (QDateTime::toString), over a
    //: long span and a short one.
    time->setFormat(days > 90 ? tr("MMM yyyy") : tr("d MMM"));
    time->setRange(first, last);
    passLine->append(double(first.toMSecsSinceEpoch()), passPercent);
    passLine->append(double(last.toMSecsSinceEpoch()), passPercent);
    auto *share = new QValueAxis(chart);
    share->setRange(0, 100);
    //: Labels of the chart's percentage axis, printf style: "%d" the number,
    //: "%%" the percent sign ("60%"). ASCII only: Qt Charts garbles any other
    //: character here, a non-breaking space too.
    share->setLabelFormat(tr("%d%%"));
    share->setTickCount(6);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(share, Qt::AlignLeft);
    for (QAbstractSeries *series : chart->series()) {
        series->attachAxis(time);
        series->attachAxis(share);
    }
    fillTables();
}

void StatisticsWindow::fillTables()
{
    const ProgressStatistics &n = page_.numbers;
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    TableChapters->setHorizontalHeaderLabels(
        {tr("Chapter"), tr("Answered"), tr("Right"), tr("Accuracy")});
    TableChapters->setRowCount(static_cast<int>(n.chapters.size()));
    for (int row = 0; row < n.chapters.size(); ++row) {
        const ProgressStatistics::Chapter &c = n.chapters.at(row);
        setCell(TableChapters, row, 0, page_.chapterTitles.value(c.chapter - 1));
        setCell(TableChapters, row, 1, QString::number(c.answered), number);
        setCell(TableChapters, row, 2, QString::number(c.right), number);
        setCell(TableChapters, row, 3, c.answered > 0 ? percentText(c.right, c.answered) : tr("-"),
                number);
    }
    TableChapters->setColumnWidth(0, 400);
    for (int column = 1; column < 4; ++column)
        TableChapters->setColumnWidth(column, 90);

    TableMissed->setHorizontalHeaderLabels({tr("Question"), tr("Correct answer"), tr("Missed")});
    TableMissed->setRowCount(static_cast<int>(n.mostMissed.size()));
    for (int row = 0; row < n.mostMissed.size(); ++row) {
        const ProgressStatistics::Missed &m = n.mostMissed.at(row);
        const StatisticsPage::MissedQuestion texts = page_.mostMissedQuestions.value(row);
        setCell(TableMissed, row, 0, texts.question);
        setCell(TableMissed, row, 1, texts.correctAnswer);
        setCell(TableMissed, row, 2, tr("%1 of %2").arg(m.misses).arg(m.answered), number);
    }
    TableMissed->setColumnWidth(0, 380);
    TableMissed->setColumnWidth(1, 230);
    TableMissed->setColumnWidth(2, 70);
    TableMissed->resizeRowsToContents();
    TableChapters->resizeRowsToContents();
}

} // namespace veltrano
