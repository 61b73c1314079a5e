#pragma once

#include <QDialog>

#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace veltrano {

// "Test Result": the number of questions, the number answered correctly and
// the percentage of the test just finished; for an exam also PASS or FAIL
// and the pass mark.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(int total, int correct, QWidget *parent = nullptr);

    // Shows the verdict of an exam and its pass mark (correct answers
    // needed) under the score; the window grows to make room.
    void showExamVerdict(bool passed, int passMark);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    int total_;
    int correct_;
    std::optional<bool> passed_; // set for an exam
    int passMark_ = 0;
    QGroupBox *Frame1 = nullptr;     // "Score:"
    QLabel *Label1 = nullptr;        // "Question Total:"
    QLabel *Label2 = nullptr;        // "Correct Questions:"
    QLabel *Label3 = nullptr;        // "Percentage:"
    QLabel *Label4 = nullptr;        // question total
    QLabel *Label5 = nullptr;        // correct questions
    QLabel *Label6 = nullptr;        // percentage
    QPushButton *Command1 = nullptr; // "OK"
    QLabel *LabelVerdict = nullptr;  // "PASS" or "FAIL", exams only
    QLabel *LabelPassMark = nullptr; // "Pass mark: 15 of 20", exams only
};

} // namespace veltrano
