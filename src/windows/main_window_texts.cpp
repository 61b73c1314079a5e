// The main window's words: captions, the size list, the menu, tooltips and
// the names screen readers speak. Set at start and again whenever the
// program's language changes.

#include "windows/clickable_label.h"
#include "windows/main_window.h"
#include "windows/wrapping_buttons.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

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
    //: "&License" takes Alt+L and "Fla&g for review" Alt+G
    mlanguage->setTitle(tr("Lang&uage"));
    retranslatePracticeMenu();
    retranslateExam();
    retranslateProgressMenus();

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
    updateStateCaptions();
    if (test_.testSize() > 0)
        showCurrentQuestion();
}

void Form1::describeControls()
{
    const auto describe = [](QWidget *control, const QString &name, const QString &tip = {}) {
        control->setAccessibleName(name);
        if (!tip.isEmpty())
            control->setToolTip(tip);
    };
    describe(Combo1, tr("Practice question number"), tr("How many questions the next test asks"));
    describe(Command2, tr("Start"), tr("Start a new practice test (Alt+S)"));
    describe(Command7, tr("Redo incorrect questions"),
             tr("Practise the questions you last answered wrongly (Alt+R)"));
    describe(Command8, tr("Clear incorrect history"),
             tr("Forget the questions you answered wrongly (Alt+C)"));
    describe(Command10, tr("Info Center"), tr("Open the Veltrano Test home page (Alt+I)"));
    describe(Command3, tr("Previous question"), tr("Go to the previous question (Alt+P)"));
    describe(Command4, tr("Next question"), tr("Go to the next question (Alt+N)"));
    describe(Command6, tr("Finish"), tr("Finish the test and see your score (Alt+F)"));
    describe(Check1, tr("View wrong answers only"),
             tr("In the review, visit only the questions answered wrongly"));
    describe(Command5, tr("Check answer"));
    describe(Command1, tr("Exit"));
    describe(Frame1, tr("Question"));
    // The question and the verdict are named by their own text.
    Label1->setAccessibleDescription(tr("Question text"));
    Label2->setAccessibleDescription(tr("Verdict"));
    describe(Label3, tr("Practice question number"));
    describe(Label4, tr("Banner"));
    describe(LabelReport, tr("Report a problem with this question"),
             tr("Write to us about this question in your e-mail program"));
    describe(Image1, tr("Your wrong answer"));
    describe(Image2, tr("The correct answer"));
    describe(Picture1, tr("Try a free sample test online"),
             tr("Open the free sample test in your browser"));
    describe(Label5, tr("Try a free sample test online"),
             tr("Open the free sample test in your browser"));
    describe(Image4, tr("Veltrano Test home page"),
             tr("Open the Veltrano Test home page in your browser"));
    describe(Image3, tr("Partner site"));
    for (int i = 0; i < 4; ++i) {
        // The option's accessible name is its whole text, set as it is shown.
        Option1.at(i)->setToolTip(
            tr("Choose this answer (key %1 or %2)").arg(i + 1).arg(QChar(u'A' + i)));
    }
}

} // namespace veltrano
