#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace veltrano {

class ClickableLabel;

// "About": the program's title and ownership, a word of thanks and the way to
// the maker's pages.
class Form4 : public QDialog {
    Q_OBJECT
public:
    // questionsReviewed: when the built-in questions were last checked
    // against the study guide ("December 2026").
    explicit Form4(QString questionsReviewed, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void Command1_Click(); // "&OK"
    void Command2_Click(); // "&More Info", also the web address
    void Command3_Click(); // "Online &Test"

private:
    void retranslateUi();

    QString questionsReviewed_;
    QLabel *Label1 = nullptr;         // title and ownership
    QLabel *Label2 = nullptr;         // thanks, feedback, good luck
    QLabel *Label3 = nullptr;         // "For more hints ..."
    ClickableLabel *Label4 = nullptr; // the maker's web address
    QLabel *Label5 = nullptr;         // what the two buttons open
    QPushButton *Command1 = nullptr;  // "&OK"
    QPushButton *Command2 = nullptr;  // "&More Info"
    QPushButton *Command3 = nullptr;  // "Online &Test"
};

} // namespace veltrano
