// What screen readers and read-aloud hear from the main window, as the test
// moves from question to question.
//
// A screen reader speaks when focus moves to a control, so every move to
// another question puts the focus on it: on the recorded answer (or the
// first) while the test runs, on the verdict in a review. The answers are
// labelled by the question until focus first leaves them, so the question is
// heard on arrival and not again with every arrow key; the verdict's name
// holds the question, the verdict and the explanation.

#include "windows/captions.h"
#include "windows/main_window.h"
#include "windows/platform/announcer.h"
#include "windows/read_aloud.h"
#include "windows/wrapping_buttons.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScopedValueRollback>

#include <algorithm>

namespace veltrano {

void Form1::questionMoved()
{
    {
        const QScopedValueRollback moving(movingFocus_, true);
        platform::announceFocus(questionFocus());
    }
    readAloud_->moved(textToReadAloud());
}

QWidget *Form1::questionFocus() const
{
    if (test_.isReviewing())
        return Label2;
    const int chosen = test_.currentItem().chosenOption;
    return Option1.at(chosen >= 0 ? chosen : 0);
}

void Form1::describeQuestion()
{
    const TestItem &item = test_.currentItem();
    const bool running = test_.state() == TestState::Running;
    Label1->setAccessibleName(Captions::spokenQuestion(item, test_.testSize(), bank_));
    Frame1->setAccessibleDescription(bank_.pQuestion(item.question));
    for (int i = 0; i < 4; ++i) {
        WrappingRadioButton *option = Option1.at(i);
        option->setLocked(!running);
        option->setSpokenLabel(running ? Label1 : nullptr);
        option->setAccessibleDescription(QString());
        option->setToolTip(running ? tr("Choose this answer (key %1 or %2)")
                                         .arg(i + 1)
                                         .arg(Captions::slotLetter(i + 1))
                                   : QString());
    }
    // The verdict takes the focus in a review; while the test runs it is
    // empty and out of the way.
    Label2->setFocusPolicy(running ? Qt::NoFocus : Qt::TabFocus);
    Label2->setAccessibleName(QString());
    verdictHeard_.clear();
}

void Form1::describeVerdict(const Verdict &verdict)
{
    verdictHeard_ = Captions::spokenVerdict(verdict);
    if (!LabelExplanation->text().isEmpty())
        verdictHeard_ += u' ' + LabelExplanation->text();
    // The question as describeQuestion() worded it, then its verdict.
    Label2->setAccessibleName(Label1->accessibleName() + u' ' + verdictHeard_);
    for (int slot = 1; slot <= 4; ++slot)
        Option1.at(slot - 1)->setAccessibleDescription(Captions::choiceMark(verdict, slot));
    Image2->setAccessibleName(
        tr("The correct answer: %1").arg(Captions::slotLetter(verdict.correctSlot)));
    if (verdict.chosenOption >= 0)
        Image1->setAccessibleName(
            tr("Your wrong answer: %1").arg(Captions::slotLetter(verdict.chosenOption + 1)));
}

void Form1::describeSizeList()
{
    // Orca 43 finds no value in a Qt 6.4 combo box and ignores its renaming:
    // the list's label carries the value, and a change is offered as focus.
    Label3->setAccessibleName(Label3->text() + u' ' + Combo1->currentText());
    if (Combo1->hasFocus())
        platform::announceFocus(Combo1);
}

void Form1::followFocus(QWidget *old, QWidget *)
{
    // Once the user moves on from the answers, the question has been heard.
    if (movingFocus_ || std::find(Option1.begin(), Option1.end(), old) == Option1.end())
        return;
    questionHeard();
}

void Form1::questionHeard()
{
    for (WrappingRadioButton *option : Option1)
        option->setSpokenLabel(nullptr);
}

QString Form1::textToReadAloud() const
{
    if (test_.testSize() == 0)
        return {};
    const QString text = Captions::readAloud(test_.currentItem(), test_.testSize(), bank_);
    return verdictHeard_.isEmpty() ? text : text + u' ' + verdictHeard_;
}

void Form1::readQuestionAloud()
{
    readAloud_->read(textToReadAloud());
}

} // namespace veltrano
