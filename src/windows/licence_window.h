#pragma once

#include "bank/question_bank.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace veltrano {

// "License": the licence agreement. On the first run it waits for the user's
// answer ("&Accept" or "Not Accept"); from the menu it only shows the text.
class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(bool agreementPending, Language language = Language::English,
                   QWidget *parent = nullptr);

    // The agreement text shipped with the program, in the given language.
    static QString agreementText(Language language);

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void Command1_Click(); // "OK" / "&Accept"
    void Command2_Click(); // "Not Accept"

private:
    void retranslateUi();

    bool agreementPending_;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr; // "OK", "&Accept" on the first run
    QPushButton *Command2 = nullptr; // "Not Accept", first run only
};

} // namespace veltrano
