#pragma once

#include <QString>

#include <array>

namespace veltrano {

// The questions a practice test can draw on. Question numbers are 1-based and
// stable: users' histories store them. Slot 0 of every table exists and stays
// empty; every index goes through a checked accessor (std::out_of_range).
class QuestionBank {
public:
    static constexpr int capacity = 200;
    static constexpr int choicesPerQuestion = 4;

    // Question text of bank question q (0..capacity).
    QString pQuestion(int q) const;
    // Text of choice c (0..4) of bank question q.
    QString pchoice(int q, int c) const;
    // Number (1..4) of the correct choice of question q; 0 where none is set.
    int pAnswer(int q) const;
    // Questions 1..questionCount() are filled, without gaps.
    int questionCount() const { return questionCount_; }

    void setQuestion(int q, const QString &text);
    void setChoice(int q, int c, const QString &text);
    void setAnswer(int q, int choice);
    void setQuestionCount(int count);

    // Fills the bank with the built-in questions, correct answer stored first.
    void inlineread();

    // Returns q, or throws std::out_of_range when it is outside 0..capacity.
    static int checkedQuestion(int q);

private:
    std::array<QString, capacity + 1> questions_;
    std::array<std::array<QString, choicesPerQuestion + 1>, capacity + 1> choices_;
    std::array<int, capacity + 1> answers_{};
    int questionCount_ = 0;
};

} // namespace veltrano
