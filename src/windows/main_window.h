#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "practice/practice_session.h"
#include "windows/platform/settings_store.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace veltrano {

class ClickableLabel;
class WrappingPushButton;
class WrappingRadioButton;

// The main window: the size list, the test controls, the question on view and
// the banner. The test itself is a PracticeTest; this window only binds the
// widgets to it.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    // Seams for tests: where the settings live and where randomness comes from.
    Form1(platform::SettingsStore settings, std::unique_ptr<RandomSource> random,
          QWidget *parent = nullptr);
    ~Form1() override;

    const PracticeTest &practiceTest() const { return test_; }
    const QuestionBank &questionBank() const { return bank_; }

    // Handlers, named after the control and event they serve.
    void Command1_Click(); // "&Exit"
    void Command2_Click(); // "&Start" / "Re&start"
    void Command3_Click(); // "&Previous"
    void Command4_Click(); // "&Next"
    void Command5_Click(); // "Check Answer"
    void Command6_Click(); // "&Finish" / "Scores"
    void Command7_Click(); // "&Redo Incorrect Questions"
    void Command8_Click(); // "&Clear Incorrect History"
    void Check1_Click();   // "View wrong answers only."
    void Option1_Click(int index);
    void Timer1_Timer(); // first-run licence agreement
    void mlic_Click();   // "&License"
    void other_Click();  // "&Other Info", also "&About"

    // True while the first-run licence agreement awaits the user's answer.
    bool agreementPending() const { return agreementPending_; }

    void showCurrentQuestion();
    void showItem(const TestItem &item);
    void updateButtons();
    void inlineread();
    void loadRedo();
    // Stores the history; a failure is reported, or handed back in
    // *unsavedReason when that is given.
    bool saveRedo(QString *unsavedReason = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Keys 1 to 4 and A to D choose the answer in that slot.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void endProgram();
    void createControls();
    void createMenu();
    void describeControls();
    void focusOptions();
    void showSelection(const TestItem &item);
    void placeMark(QLabel *mark, int optionIndex);
    void refreshHistoryButtons();
    void showScores();
    void reportUnsavedHistory(const QString &reason);
    void reportSettingsNotices();
    bool mayExit();

    QuestionBank bank_;
    platform::SettingsStore settings_;
    std::unique_ptr<RandomSource> random_;
    PracticeTest test_;
    bool agreementPending_ = false;

    QWidget *client_ = nullptr;
    WrappingPushButton *Command2 = nullptr;         // "&Start"
    QGroupBox *Frame1 = nullptr;                    // the question on view
    QLabel *Label1 = nullptr;                       // question text
    std::array<WrappingRadioButton *, 4> Option1{}; // the four choices
    QButtonGroup *optionGroup_ = nullptr;
    QLabel *Image1 = nullptr;                // wrong-answer mark
    QLabel *Image2 = nullptr;                // correct-answer mark
    QLabel *Label2 = nullptr;                // verdict line
    WrappingPushButton *Command3 = nullptr;  // "&Previous"
    WrappingPushButton *Command4 = nullptr;  // "&Next"
    QCheckBox *Check1 = nullptr;             // "View wrong answers only."
    WrappingPushButton *Command5 = nullptr;  // "Check Answer", never shown
    WrappingPushButton *Command6 = nullptr;  // "&Finish" / "Scores"
    QLabel *Label3 = nullptr;                // "Practice Question Number:"
    QComboBox *Combo1 = nullptr;             // test sizes
    WrappingPushButton *Command7 = nullptr;  // "&Redo Incorrect Questions"
    WrappingPushButton *Command8 = nullptr;  // "&Clear Incorrect History"
    WrappingPushButton *Command10 = nullptr; // "&Info Center"
    WrappingPushButton *Command1 = nullptr;  // "&Exit", never shown
    QLabel *Label4 = nullptr;                // banner placeholder
    ClickableLabel *Picture1 = nullptr;      // the banner
    ClickableLabel *Label5 = nullptr;        // banner slogan
    ClickableLabel *Image4 = nullptr;        // banner photograph
    ClickableLabel *Image3 = nullptr;        // partner link, hidden
    WrappingPushButton *Command9 = nullptr;  // hidden
    QTimer *Timer1 = nullptr;                // first-run check
    QTimer *Timer2 = nullptr;                // banner animation, never started
    QAction *mabout = nullptr;
    QAction *mlic = nullptr;
    QAction *other = nullptr;
    QAction *mexit = nullptr;
};

} // namespace veltrano
