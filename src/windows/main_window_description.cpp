// What the main window tells screen readers and tooltips about its controls.

#include "windows/clickable_label.h"
#include "windows/main_window.h"
#include "windows/wrapping_buttons.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace veltrano {

void Form1::describeControls()
{
    const auto describe = [](QWidget *control, const QString &name, const QString &tip = {}) {
        control->setAccessibleName(name);
        if (!tip.isEmpty())
            control->setToolTip(tip);
    };
    describe(Combo1, QStringLiteral("Practice question number"),
             QStringLiteral("How many questions the next test asks"));
    describe(Command2, QStringLiteral("Start"),
             QStringLiteral("Start a new practice test (Alt+S)"));
    describe(Command7, QStringLiteral("Redo incorrect questions"),
             QStringLiteral("Practise the questions you last answered wrongly (Alt+R)"));
    describe(Command8, QStringLiteral("Clear incorrect history"),
             QStringLiteral("Forget the questions you answered wrongly (Alt+C)"));
    describe(Command10, QStringLiteral("Info Center"),
             QStringLiteral("Open the Veltrano Test home page (Alt+I)"));
    describe(Command3, QStringLiteral("Previous question"),
             QStringLiteral("Go to the previous question (Alt+P)"));
    describe(Command4, QStringLiteral("Next question"),
             QStringLiteral("Go to the next question (Alt+N)"));
    describe(Command6, QStringLiteral("Finish"),
             QStringLiteral("Finish the test and see your score (Alt+F)"));
    describe(Check1, QStringLiteral("View wrong answers only"),
             QStringLiteral("In the review, visit only the questions answered wrongly"));
    describe(Command5, QStringLiteral("Check answer"));
    describe(Command1, QStringLiteral("Exit"));
    describe(Command9, QStringLiteral("Command9"));
    describe(Frame1, QStringLiteral("Question"));
    // The question and the verdict are named by their own text.
    Label1->setAccessibleDescription(QStringLiteral("Question text"));
    Label2->setAccessibleDescription(QStringLiteral("Verdict"));
    describe(Label3, QStringLiteral("Practice question number"));
    describe(Label4, QStringLiteral("Banner"));
    describe(Image1, QStringLiteral("Your wrong answer"));
    describe(Image2, QStringLiteral("The correct answer"));
    describe(Picture1, QStringLiteral("Try a free sample test online"),
             QStringLiteral("Open the free sample test in your browser"));
    describe(Label5, QStringLiteral("Try a free sample test online"),
             QStringLiteral("Open the free sample test in your browser"));
    describe(Image4, QStringLiteral("Veltrano Test home page"),
             QStringLiteral("Open the Veltrano Test home page in your browser"));
    describe(Image3, QStringLiteral("Partner site"));
    for (int i = 0; i < 4; ++i) {
        // The option's accessible name is its whole text, set as it is shown.
        Option1.at(i)->setToolTip(
            QStringLiteral("Choose this answer (key %1 or %2)").arg(i + 1).arg(QChar(u'A' + i)));
    }
}

} // namespace veltrano
