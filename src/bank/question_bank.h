#pragma once

#include <QString>

#include <array>

namespace veltrano {

// The languages the program speaks; the built-in questions exist in each.
enum class Language { English, French };

// The questions a practice test can draw on. Question numbers are 1-based and
// stable: users' histories store them. Slot 0 of every table exists and stays
// empty; every index goes through a checked accessor (std::out_of_range).
class QuestionBank {
public:
    static constexpr int capacity = 200;
    static constexpr int choicesPerQuestion = 4;
    // The chapters of the study guide, numbered 1..chapterCount in its order.
    static constexpr int chapterCount = 10;

    // Question text of bank question q (0..capacity).
    QString pQuestion(int q) const;
    // Text of choice c (0..4) of bank question q.
    QString pchoice(int q, int c) const;
    // Number (1..4) of the correct choice of question q; 0 where none is set.
    int pAnswer(int q) const;
    // Questions 1..questionCount() are filled, without gaps.
    int questionCount() const { return questionCount_; }
    // The study-guide chapter (1..chapterCount) question q comes from; 0 where
    // none is set.
    int chapter(int q) const;
    // Why the answer to question q is right, in one to three sentences.
    QString explanation(int q) const;
    // The title of chapter 1..chapterCount in the bank's language.
    QString chapterTitle(int chapter) const;
    // When the questions were last reviewed against the study guide.
    QString reviewed() const { return reviewed_; }

    void setQuestion(int q, const QString &text);
    void setChoice(int q, int c, const QString &text);
    void setAnswer(int q, int choice);
    void setQuestionCount(int count);
    void setChapter(int q, int chapter);
    void setExplanation(int q, const QString &text);
    void setChapterTitle(int chapter, const QString &title);
    void setReviewed(const QString &when) { reviewed_ = when; }

    // Fills the bank with the built-in questions in the given language,
    // correct answer stored first. The numbers mean the same question in
    // every language.
    void inlineread(Language language = Language::English);

    // Returns q, or throws std::out_of_range when it is outside 0..capacity.
    static int checkedQuestion(int q);

private:
    std::array<QString, capacity + 1> questions_;
    std::array<std::array<QString, choicesPerQuestion + 1>, capacity + 1> choices_;
    std::array<int, capacity + 1> answers_{};
    std::array<int, capacity + 1> chapters_{};
    std::array<QString, capacity + 1> explanations_;
    std::array<QString, chapterCount + 1> chapterTitles_;
    QString reviewed_;
    int questionCount_ = 0;
};

} // namespace veltrano
