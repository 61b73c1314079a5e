// The main window's words: captions, the size list, the menu, tooltips and
// the names screen readers speak. Set at start and again whenever the
// program's language changes.

#include "windows/clickable_label.h"
#include "windows/main_window.h"
#include "windows/read_aloud.h"
#include "windows/wrapping_buttons.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QShortcut>

namespace veltrano {

namespace {

// The sizes the list offers; the last is the whole bank.
constexpr std::array<int, 6> testSizes{5, 10, 20, 50, 100, 165};

} // namespace

void Form1::retranslateUi()
{
    Label3->setText(tr("Practice Question Number:"));
    Check1->setText(tr("View wrong answers only."));
    Command3->setText(tr("&Previous"));
    Command4->setText(tr("&Next"));
    Command5->setText(tr("Check Answer"));
    Command7->setText(tr("&Redo Incorrect Questions"));
    Command8->setText(tr("&Clear Incorrect History"));
    Command10->setText(tr("&Info Center"));
    Command1->setText(tr("&Exit"));
    Label5->setText(tr("Try a free sample test online"));
    Picture1->setText(tr("Ready for your citizenship test?"));
    LabelReport->setText(tr("Report a problem with this question"));
    mabout->setText(tr("&About"));
    mlic->setText(tr("&License"));
    other->setText(tr("&Other Info"));
    mexit->setText(tr("E&xit"));
    // The scores come back in a review on the key that finished the test,
    // whatever letter the program's language gives it.
    scoresShortcut_->setKey(QKeySequence::mnemonic(tr("&Finish")));
    //: "&License" takes Alt+L and "Fla&g for review" Alt+G
    mlanguage->setTitle(tr("Lang&uage"));
    retranslatePracticeMenu();
    retranslateExam();
    retranslateProgressMenus();
    mvoice->setTitle(tr("&Voice"));
    mreadaloud->setText(tr("&Read Aloud"));
    mreadnew->setText(tr("Read Every &New Question"));
    readAloud_->retranslate();

    // Each entry carries its size as data: nothing reads a size back out of
    // a caption.
    for (int i = 0; i < static_cast<int>(testSizes.size()); ++i) {
        const int size = testSizes.at(i);
        const QString caption = size == testSizes.back() ? tr("%1 Questions(ALL)").arg(size)
                                                         : tr("%1 Questions").arg(size);
        if (i < Combo1->count())
            Combo1->setItemText(i, caption);
        else
            Combo1->addItem(caption, size);
    }

    describeControls();
    describeSizeList();
    updateStateCaptions();
    if (test_.testSize() > 0)
        showCurrentQuestion();
}

void Form1::describeControls()
{
    // A control's spoken name is its caption, as voice control users read
    // it off the screen; only pictures and the banner's placeholder, which
    // show no words, are named here.
    Combo1->setToolTip(tr("How many questions the next test asks"));
    Command2->setToolTip(tr("Start a new practice test (Alt+S)"));
    Command7->setToolTip(tr("Practise the questions you last answered wrongly (Alt+R)"));
    Command8->setToolTip(tr("Forget the questions you answered wrongly (Alt+C)"));
    Command10->setToolTip(tr("Open the Veltrano Test home page (Alt+I)"));
    Command3->setToolTip(tr("Go to the previous question (Alt+P)"));
    Command4->setToolTip(tr("Go to the next question (Alt+N)"));
    Check1->setToolTip(tr("In the review, visit only the questions answered wrongly"));
    LabelReport->setToolTip(tr("Write to us about this question in your e-mail program"));
    Label5->setToolTip(tr("Open the free sample test in your browser"));
    Picture1->setToolTip(tr("Open the free sample test in your browser"));
    Label4->setAccessibleName(tr("Banner"));
    Image4->setAccessibleName(tr("Veltrano Test home page"));
    Image4->setToolTip(tr("Open the Veltrano Test home page in your browser"));
    Image3->setAccessibleName(tr("Partner site"));
    Image1->setAccessibleName(tr("Your wrong answer"));
    Image2->setAccessibleName(tr("The correct answer"));
}

} // namespace veltrano
