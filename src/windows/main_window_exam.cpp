// The mock exam in the main window: its clock, the flags for review and
// the questions asked at Finish and at time-out. The exam's logic is in
// PracticeTest; its rules in practice/exam_rules.h.
//
// While an exam runs, the verdict line and the explanation under it are
// empty: the flag box and the clock take the verdict line, the notice that
// time is short the explanation's place, and "Flagged only" stands where
// "View wrong answers only." stands in a review.

#include "windows/captions.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/platform/announcer.h"
#include "windows/platform/message_box.h"
#include "windows/widget_factory.h"
#include "windows/wrapping_buttons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace veltrano {

namespace {
// Past the second the display shows, so that a tick never lands just before
// it changes.
constexpr int tickSlackMs = 20;
} // namespace

void Form1::createExamControls()
{
    CheckFlag = makeControl<QCheckBox>(Frame1, "CheckFlag", twipsRect(600, 3960, 2535, 375));
    LabelTimer = makeControl<QLabel>(Frame1, "LabelTimer", twipsRect(5400, 3960, 3735, 375));
    LabelTimeNotice =
        makeControl<QLabel>(Frame1, "LabelTimeNotice", twipsRect(600, 4440, 8535, 735));
    CheckFlaggedOnly = makeControl<QCheckBox>(Frame1, "CheckFlaggedOnly", Check1->geometry());

    LabelTimer->setFont(msSansSerif(12, true));
    LabelTimer->setTextFormat(Qt::PlainText);
    LabelTimer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelTimeNotice->setFont(msSansSerif(9.75, true));
    LabelTimeNotice->setTextFormat(Qt::PlainText);
    LabelTimeNotice->setWordWrap(true);
    LabelTimeNotice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QWidget *control :
         std::initializer_list<QWidget *>{CheckFlag, LabelTimer, LabelTimeNotice, CheckFlaggedOnly})
        control->hide();

    // The flag belongs to the question, "Flagged only" to Previous and Next.
    setTabOrder(Option1.at(3), CheckFlag);
    setTabOrder(Command4, CheckFlaggedOnly);

    TimerExam = new QTimer(this);
    TimerExam->setObjectName(QStringLiteral("TimerExam"));
    TimerExam->setSingleShot(true);
    TimerExam->setTimerType(Qt::PreciseTimer);

    connect(CheckFlag, &QCheckBox::clicked, this, &Form1::CheckFlag_Click);
    connect(CheckFlaggedOnly, &QCheckBox::clicked, this, &Form1::CheckFlaggedOnly_Click);
    connect(TimerExam, &QTimer::timeout, this, &Form1::TimerExam_Timer);
}

void Form1::retranslateExam()
{
    CheckFlag->setText(tr("Fla&g for review"));
    CheckFlag->setToolTip(tr("Mark this question to come back to it before you finish (Alt+G)"));
    CheckFlaggedOnly->setText(tr("Flagged onl&y"));
    CheckFlaggedOnly->setToolTip(
        tr("Previous and Next go only to the questions flagged for review (Alt+Y)"));
    LabelTimer->setAccessibleDescription(tr("Time left in the exam"));
    //: %1 minutes
    LabelTimeNotice->setText(
        tr("%1 minutes left. Check your flagged and unanswered questions: the exam ends by "
           "itself when the time is up.")
            .arg(test_.examRules().warningMinutes));
    if (test_.isExam())
        showTimeLeft();
}

void Form1::mexam_Click()
{
    if (!confirmCancel() || !test_.startExam(citizenshipExam, *seams_.clock))
        return;
    // The notice counts the minutes of the exam now running.
    retranslateExam();
    showNewTest();
}

void Form1::followExamState()
{
    const bool running = test_.isExam() && test_.state() == TestState::Running;
    CheckFlag->setVisible(running);
    LabelTimer->setVisible(running);
    LabelTimeNotice->setVisible(running && test_.examWarningGiven());
    CheckFlaggedOnly->setVisible(running);
    Check1->setVisible(!running);
    if (!running) {
        TimerExam->stop();
        return;
    }
    showTimeLeft();
    showFlags();
    scheduleExamTick();
}

void Form1::showFlags()
{
    CheckFlag->setChecked(test_.currentItem().flaggedForReview);
    CheckFlaggedOnly->setChecked(test_.flaggedOnlyView());
    CheckFlaggedOnly->setEnabled(test_.flaggedForReviewCount() > 0);
    updateButtons();
}

void Form1::CheckFlag_Click()
{
    test_.setFlaggedForReview(CheckFlag->isChecked());
    showFlags();
}

void Form1::CheckFlaggedOnly_Click()
{
    test_.setFlaggedOnlyView(CheckFlaggedOnly->isChecked());
    showFlags();
}

void Form1::showTimeLeft()
{
    LabelTimer->setText(Captions::timeLeft(test_.timeLeftMs()));
}

void Form1::scheduleExamTick()
{
    // The display shows whole seconds rounded up: the next tick comes just
    // after it has to change. The time itself is read from the clock.
    const qint64 left = test_.timeLeftMs();
    TimerExam->start(static_cast<int>((left - 1) % 1000 + 1) + tickSlackMs);
}

void Form1::TimerExam_Timer()
{
    switch (test_.tick()) {
    case ExamTick::NotRunning:
        return;
    case ExamTick::Warning:
        LabelTimeNotice->show();
        platform::announceNameChange(LabelTimeNotice);
        [[fallthrough]];
    case ExamTick::Counting:
        showTimeLeft();
        scheduleExamTick();
        return;
    case ExamTick::TimeUp:
        showTimeLeft();
        finishTest();
        platform::MessageBox::inform(this, tr("Time is up: the exam is finished."));
        showScores();
        return;
    }
}

bool Form1::confirmExamFinish()
{
    const int unanswered = test_.unansweredCount();
    if (unanswered == 0)
        return true;
    const QString question =
        unanswered == 1
            ? tr("You have 1 unanswered question. Finish the exam anyway?")
            : tr("You have %1 unanswered questions. Finish the exam anyway?").arg(unanswered);
    // The time may run out while the question is open: the exam is then
    // finished and scored already.
    return platform::MessageBox::askYesNo(this, question) && test_.state() == TestState::Running;
}

} // namespace veltrano
