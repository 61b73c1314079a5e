#pragma once

#include "progress/progress_statistics.h"

#include <QDialog>
#include <QStringList>
#include <QtPlugin>

#include <memory>

namespace veltrano {

// What the statistics window shows: the store's numbers and the bank's
// words for them, in the program's language.
struct StatisticsPage {
    struct MissedQuestion {
        QString question;
        QString correctAnswer;
    };
    ProgressStatistics numbers;
    QStringList chapterTitles;                 // chapters 1..n at 0..n-1
    QList<MissedQuestion> mostMissedQuestions; // beside numbers.mostMissed
};

// The statistics window lives in a module of its own, loaded when it is
// first opened, so that Qt Charts costs nothing at start-up.
class StatisticsWindowMaker {
public:
    virtual ~StatisticsWindowMaker() = default;
    virtual std::unique_ptr<QDialog> makeWindow(const StatisticsPage &page, QWidget *parent) = 0;
};

} // namespace veltrano

#define VeltranoStatisticsWindowMaker_iid "org.example.veltrano.StatisticsWindowMaker/1"
Q_DECLARE_INTERFACE(veltrano::StatisticsWindowMaker, VeltranoStatisticsWindowMaker_iid)
