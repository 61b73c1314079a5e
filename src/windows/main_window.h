#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "practice/clock.h"
#include "practice/practice_session.h"
#include "windows/platform/settings_store.h"
#include "windows/platform/speech.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QShortcut;
class QTimer;

namespace veltrano {

class ClickableLabel;
class ReadAloud;
class WrappingPushButton;
class WrappingRadioButton;

// What the main window reaches outside itself. The program uses the
// machine's own; tests pass a seeded or scripted one of each.
struct Seams {
    platform::SettingsStore settings;
    std::unique_ptr<RandomSource> random = std::make_unique<SystemRandomSource>();
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    std::unique_ptr<platform::Speaker> speaker = std::make_unique<platform::SystemSpeaker>();
};

// The main window: the size list, the test controls, the question on view and
// the banner. The test itself is a PracticeTest; this window only binds the
// widgets to it.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    explicit Form1(Seams seams, QWidget *parent = nullptr);
    ~Form1() override;

    const PracticeTest &practiceTest() const { return test_; }
    const QuestionBank &questionBank() const { return bank_; }
    // True while the first-run licence agreement awaits the user's answer.
    bool agreementPending() const { return agreementPending_; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Keys 1 to 4 and A to D choose the answer in that slot.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    // Named after the control and event they serve.
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
    void Timer1_Timer();  // first-run licence agreement
    void mlic_Click();    // "&License"
    void other_Click();   // "&Other Info", also "&About"
    void reportProblem(); // the question on view, by e-mail to the maker

    // "&Read Aloud", F5.
    void readQuestionAloud();

private:
    void Form_Load();
    void createControls();
    void createMenu();
    void connectControls();
    void retranslateUi();
    void describeControls();
    void endProgram();

    void showCurrentQuestion();
    void showItem(const TestItem &item);
    void showSelection(const TestItem &item);
    void updateButtons();
    // The captions that follow the test's state: Start or Restart, Finish or
    // Scores.
    void updateStateCaptions();
    void placeMark(QLabel *mark, int optionIndex);
    void showScores();

    // What screen readers and read-aloud hear (main_window_accessibility.cpp).
    // After every move to another question: focus on the answers (in a
    // review, on the verdict) so that screen readers speak the question, and
    // the reading aloud follows.
    void questionMoved();
    QWidget *questionFocus() const;
    // The spoken texts of the question on view: its caption and question
    // while it is answered; then the verdict and the choices' marks.
    void describeQuestion();
    void describeVerdict(const Verdict &verdict);
    // The size list's label speaks the size chosen, and a change is heard.
    void describeSizeList();
    void followFocus(QWidget *old, QWidget *now);
    QString textToReadAloud() const;

    void inlineread();
    void loadRedo();
    void saveRedo();
    void refreshHistoryButtons();
    void reportUnsavedHistory(const QString &reason);

    QuestionBank bank_;
    Seams seams_;
    platform::SettingsStore &settings_ = seams_.settings;
    PracticeTest test_;
    bool agreementPending_ = false;
    bool movingFocus_ = false; // the window itself moves the focus to a question
    QString verdictHeard_;     // the review's verdict and explanation, as spoken

    WrappingPushButton *Command2 = nullptr;         // "&Start" / "Re&start"
    QGroupBox *Frame1 = nullptr;                    // the question on view
    QLabel *Label1 = nullptr;                       // question text
    std::array<WrappingRadioButton *, 4> Option1{}; // the four choices
    QButtonGroup *optionGroup_ = nullptr;
    QLabel *Image1 = nullptr;                // wrong-answer mark
    QLabel *Image2 = nullptr;                // correct-answer mark
    QLabel *Label2 = nullptr;                // verdict line
    QLabel *LabelExplanation = nullptr;      // why the answer is right, under the verdict
    ClickableLabel *LabelReport = nullptr;   // "Report a problem with this question"
    WrappingPushButton *Command3 = nullptr;  // "&Previous"
    WrappingPushButton *Command4 = nullptr;  // "&Next"
    QCheckBox *Check1 = nullptr;             // "View wrong answers only."
    WrappingPushButton *Command5 = nullptr;  // "Check Answer", never shown
    WrappingPushButton *Command6 = nullptr;  // "&Finish" / "Scores"
    QShortcut *scoresShortcut_ = nullptr;    // Alt+F on "Scores", which has no access key
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
    QAction *mabout = nullptr;               // "&About"
    QAction *mlic = nullptr;                 // "&License"
    QAction *other = nullptr;                // "&Other Info"
    QAction *mexit = nullptr;                // "E&xit"
    QMenu *mlisten = nullptr;                // "Lis&ten"
    QAction *mreadaloud = nullptr;           // "&Read Aloud", F5
    QAction *mreadnew = nullptr;             // "Read Every &New Question", checkable
    ReadAloud *readAloud_ = nullptr;
};

} // namespace veltrano
