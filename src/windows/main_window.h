#pragma once

#include "bank/question_bank.h"
#include "bank/random_source.h"
#include "practice/clock.h"
#include "practice/practice_session.h"
#include "progress/finished_test.h"
#include "windows/modules/module_loader.h"
#include "windows/platform/file_chooser.h"
#include "windows/platform/settings_store.h"
#include "windows/platform/speech.h"
#include "windows/platform/translators.h"
#include "windows/progress_location.h"

#include <QLocale>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

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
class ProgressStore;
struct StoreStatus;
class ReadAloud;
class WrappingPushButton;
class WrappingRadioButton;

// What the main window reaches outside itself. The program uses the
// machine's own; tests pass a seeded or scripted one of each.
struct Seams {
    platform::SettingsStore settings;
    std::unique_ptr<RandomSource> random = std::make_unique<SystemRandomSource>();
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    // The first start speaks the language of this locale (French for a
    // French locale, else English); later starts the one the user chose.
    QLocale locale = QLocale::system();
    // The progress database, opened on first use.
    QString progressPath = defaultProgressPath();
    // Where export, import and the report ask for their files.
    std::unique_ptr<platform::FileChooser> files = std::make_unique<platform::NativeFileChooser>();
    // Where the statistics and printing modules are.
    QString moduleFolder = defaultModuleFolder();
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
    Language language() const { return language_; }

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
    void setLanguage(Language language);

    // The exam (main_window_exam.cpp).
    void mexam_Click();            // "Citizenship &Exam (20 questions, 45 minutes)"
    void CheckFlag_Click();        // "Flag for review"
    void CheckFlaggedOnly_Click(); // "Flagged only"
    void TimerExam_Timer();        // the exam clock, about once a second
    void mweakest_Click();         // "&Weakest Questions"
    void mstats_Click();           // "&Statistics"
    void mreport_Click();          // "&Print or Save Report…"
    void mexport_Click();          // "E&xport Progress…"
    void mimport_Click();          // "&Import Progress…"

    // "&Read Aloud", F5.
    void readQuestionAloud();

private:
    void Form_Load();
    Language initialLanguage() const;
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
    // Once the answers are left or one is chosen by key, they stop
    // repeating the question to screen readers.
    void questionHeard();
    QString textToReadAloud() const;

    void inlineread();
    void loadRedo();
    // Stores the history; a failure is reported, or handed back in
    // *unsavedReason when that is given.
    bool saveRedo(QString *unsavedReason = nullptr);
    void refreshHistoryButtons();
    void reportUnsavedHistory(const QString &reason);
    void reportSettingsNotices();
    bool mayExit();

    // Shared by every kind of test.
    // Whether a running test may be cancelled for a new one (asks the user).
    bool confirmCancel();
    // Shows the test just started at its first question.
    void showNewTest();
    // Whether Finish may go ahead (asks the user where it should).
    bool confirmFinish();
    // Marks the running test, stores the history and shows the review.
    void finishTest();

    // The practice menu (practice_menu.cpp).
    void createPracticeMenu();
    void retranslatePracticeMenu();
    void startChapterTest(int chapter);

    // The exam (main_window_exam.cpp).
    void createExamControls();
    void retranslateExam();
    // Shows the exam's controls and runs its clock while an exam runs.
    void followExamState();
    void showFlags();
    void showTimeLeft();
    void scheduleExamTick();
    bool confirmExamFinish();
    // Progress (main_window_progress.cpp).
    void createProgressMenus();
    void retranslateProgressMenus();
    void updateProgressActions();
    ProgressStore &progress();
    // Records the test just finished; a failure is reported and the test
    // kept for the next record.
    void recordFinishedTest();
    // Tells the user, once, that a broken progress file was kept aside.
    void tellSetAside();
    bool progressReadable(const StoreStatus &status);

    QuestionBank bank_;
    Seams seams_;
    platform::SettingsStore &settings_ = seams_.settings;
    PracticeTest test_;
    Language language_ = Language::English;
    platform::Translators translators_;
    bool agreementPending_ = false;
    std::unique_ptr<ProgressStore> progress_; // made on first use
    std::optional<FinishedTest> lastFinished_;
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
    QMenu *mlanguage = nullptr;              // "Lang&uage"
    QAction *mlangEn = nullptr;              // "English"
    QAction *mlangFr = nullptr;              // "Français"
    QMenu *mpractice = nullptr;              // "Prac&tice", before "&About"
    QAction *mexam = nullptr;                // "Citizenship &Exam (20 questions, 45 minutes)"
    QMenu *mchapter = nullptr;               // "By &Chapter": one action per chapter
    QLabel *LabelTimer = nullptr;            // "Time left: 44:59", while an exam runs
    QLabel *LabelTimeNotice = nullptr;       // said once, when little time is left
    QCheckBox *CheckFlag = nullptr;          // "Flag for review", while an exam runs
    QCheckBox *CheckFlaggedOnly = nullptr;   // "Flagged only", in Check1's place during an exam
    QTimer *TimerExam = nullptr;             // the exam clock's display
    QAction *mweakest = nullptr;             // "&Weakest Questions"
    QMenu *mprogress = nullptr;              // "Progr&ess"
    QAction *mstats = nullptr;               // "&Statistics"
    QAction *mreport = nullptr;              // "&Print or Save Report…"
    QAction *mexport = nullptr;              // "E&xport Progress…"
    QAction *mimport = nullptr;              // "&Import Progress…"
    QMenu *mvoice = nullptr;                 // "&Voice"
    QAction *mreadaloud = nullptr;           // "&Read Aloud", F5
    QAction *mreadnew = nullptr;             // "Read Every &New Question", checkable
    ReadAloud *readAloud_ = nullptr;
};

} // namespace veltrano
