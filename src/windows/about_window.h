#pragma once

#include <QDialog>

namespace veltrano {

// "About": the program's title and ownership, a word of thanks and the way to
// the maker's pages.
class Form4 : public QDialog {
    Q_OBJECT
public:
    explicit Form4(QWidget *parent = nullptr);

    void Command1_Click(); // "&OK"
    void Command2_Click(); // "&More Info"
    void Command3_Click(); // "Online &Test"
    void Label4_Click();   // the web address
};

} // namespace veltrano
