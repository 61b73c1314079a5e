#pragma once

#include <QDialog>

class QLabel;

namespace veltrano {

// "Test Result": the number of questions, the number answered correctly and
// the percentage of the test just finished.
class Form2 : public QDialog {
    Q_OBJECT
public:
    Form2(int total, int correct, QWidget *parent = nullptr);

private:
    QLabel *Label4 = nullptr; // question total
    QLabel *Label5 = nullptr; // correct questions
    QLabel *Label6 = nullptr; // percentage
};

} // namespace veltrano
