#pragma once

#include <QtGlobal>

namespace veltrano {

// How a mock exam is set: how many questions, how long, how many correct
// answers pass, and when the user is told that time is running short. Kept
// as data in one place: the authority changes these now and then.
struct ExamRules {
    int questionCount = 0;
    int minutes = 0;
    int passMark = 0;       // correct answers needed to pass
    int warningMinutes = 0; // time left when the user is told, once

    constexpr qint64 durationMs() const { return qint64(minutes) * 60'000; }
    constexpr qint64 warningMs() const { return qint64(warningMinutes) * 60'000; }
    constexpr bool passes(int correct) const { return correct >= passMark; }
};

// The citizenship knowledge test as given since 2024: 20 questions in 45
// minutes (30 until then), passed with 15 correct (75%).
inline constexpr ExamRules citizenshipExam{20, 45, 15, 5};

} // namespace veltrano
