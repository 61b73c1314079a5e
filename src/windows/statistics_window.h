#pragma once

#include "windows/modules/statistics_module.h"

#include <QDialog>

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace veltrano {

// "Statistics": tests taken and questions answered, the readiness estimate
// (questions mastered, the last exams against the pass mark), a chart of the
// scores over time, the accuracy per chapter and the most-missed questions.
// Built into the statistics module with Qt Charts.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(StatisticsPage page, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void retranslateUi();
    void fillTables();

    StatisticsPage page_;
    QTabWidget *TabPages = nullptr;
    QLabel *LabelTests = nullptr;    // tests taken, questions answered
    QLabel *LabelMastered = nullptr; // questions mastered
    QLabel *LabelExams = nullptr;    // the last exams
    QChartView *ChartScores = nullptr;
    QTableWidget *TableChapters = nullptr;
    QTableWidget *TableMissed = nullptr;
    QPushButton *Command1 = nullptr; // "OK"
};

} // namespace veltrano
