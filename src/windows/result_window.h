#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace veltrano {

// "Test Result": the number of questions, the number answered correctly and
// the percentage of the test just finished.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(int total, int correct, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    int total_;
    int correct_;
    QGroupBox *Frame1 = nullptr;     // "Score:"
    QLabel *Label1 = nullptr;        // "Question Total:"
    QLabel *Label2 = nullptr;        // "Correct Questions:"
    QLabel *Label3 = nullptr;        // "Percentage:"
    QLabel *Label4 = nullptr;        // question total
    QLabel *Label5 = nullptr;        // correct questions
    QLabel *Label6 = nullptr;        // percentage
    QPushButton *Command1 = nullptr; // "OK"
};

} // namespace veltrano
