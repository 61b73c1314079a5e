#pragma once

#include <QDateTime>
#include <QList>

namespace veltrano {

// Everything the statistics window shows, as numbers: the window words it.
// Plain data, so that a window built as a loadable module can take it
// without linking the store.
struct ProgressStatistics {
    struct Score {
        QDateTime finishedAt;
        int correct = 0;
        int total = 0;
    };
    struct Chapter {
        int chapter = 0; // 1..chapterCount
        int answered = 0;
        int right = 0;
    };
    struct Missed {
        int question = 0;
        int misses = 0;
        int answered = 0;
    };
    struct Exam {
        QDateTime finishedAt;
        int correct = 0;
        int total = 0;
        bool passed = false;
    };

    int testsTaken = 0;
    int questionsAnswered = 0;
    QList<Score> scores;      // every finished test, oldest first
    QList<Chapter> chapters;  // every chapter of the bank, in order
    QList<Missed> mostMissed; // up to ten, most missed first
    int masteredCount = 0;
    int questionCount = 0; // questions in the bank
    QList<Exam> lastExams; // up to five, newest first
    int examPassMark = 0;
    int examQuestionCount = 0;
};

} // namespace veltrano
