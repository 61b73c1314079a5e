#include "windows/main_window.h"

#include "config/version.h"
#include "practice/history_codec.h"
#include "progress/progress_store.h"
#include "windows/about_window.h"
#include "windows/accessible_controls.h"
#include "windows/captions.h"
#include "windows/clickable_label.h"
#include "windows/focus_ring.h"
#include "windows/licence_window.h"
#include "windows/platform/announcer.h"
#include "windows/platform/message_box.h"
#include "windows/platform/web_launcher.h"
#include "windows/read_aloud.h"
#include "windows/result_window.h"
#include "windows/settings_keys.h"
#include "windows/twips.h"
#include "windows/web_addresses.h"
#include "windows/window_setup.h"
#include "windows/wrapping_buttons.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace veltrano {

Form1::Form1(QWidget *parent) : Form1(Seams(), parent) {}

Form1::Form1(Seams seams, QWidget *parent)
    : QMainWindow(parent), seams_(std::move(seams)), test_(bank_, *seams_.random)
{
    language_ = initialLanguage();
    translators_.use(language_);
    installAccessibleControls();
    FocusRing::install();
    createControls();
    createMenu();
    connectControls();
    Form_Load();
}

// Out of line: ProgressStore is complete only here.
Form1::~Form1()
{
    // Closing as a widget, the window still moves the focus: it must not
    // reach this part of it, already gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void Form1::Form_Load()
{
    setWindowTitle(QString::fromLatin1(programTitle));
    // The chapter menu is worded from the bank: it is read first.
    inlineread();
    retranslateUi();
    Combo1->setCurrentIndex(0);

    // The banner takes over the placeholder's rectangle; its slogan sits at
    // the bottom, right of the photograph that lies over the banner's left end.
    Picture1->setGeometry(Label4->geometry());
    Picture1->setCursor(Qt::PointingHandCursor);
    Label5->setGeometry(Label5->x(), Picture1->height() - Label5->height() - twipsToPixels(100),
                        Picture1->width(), Label5->height());
    QPalette slogan = Label5->palette();
    slogan.setColor(QPalette::Window, Picture1->palette().color(QPalette::Window));
    slogan.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label5->setPalette(slogan);
    Label5->setCursor(Qt::PointingHandCursor);
    // The photograph covers the banner's left end: the banner's words stand
    // right of it.
    Label5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5->setContentsMargins(0, 0, Label5->x() + twipsToPixels(240), 0);
    Picture1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Picture1->setContentsMargins(0, twipsToPixels(60), twipsToPixels(240), 0);
    Image4->raise();

    Frame1->hide();
    Command2->setFocus();
    mlangEn->setChecked(language_ == Language::English);
    mlangFr->setChecked(language_ == Language::French);
    test_.setRedoRequested(false);
    loadRedo();
    Image3->setCursor(Qt::PointingHandCursor);
    agreementPending_ = false;
    Timer1->start();

    // The menu bar sits above the client area; the window keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyFixedBorder(this);
}

Language Form1::initialLanguage() const
{
    const QString chosen = settings_.read(settings::section, settings::languageKey, QString());
    if (chosen == QLatin1String("fr"))
        return Language::French;
    if (chosen == QLatin1String("en"))
        return Language::English;
    return seams_.locale.language() == QLocale::French ? Language::French : Language::English;
}

void Form1::setLanguage(Language language)
{
    mlangEn->setChecked(language == Language::English);
    mlangFr->setChecked(language == Language::French);
    if (language == language_)
        return;
    language_ = language;
    // The questions keep their numbers in every language: the test on view
    // and the history stay as they are, only their words change.
    inlineread();
    translators_.use(language); // every window rewords itself (LanguageChange)
    QString reason;
    if (!settings_.write(settings::section, settings::languageKey,
                         language == Language::French ? QStringLiteral("fr") : QStringLiteral("en"),
                         &reason))
        platform::MessageBox::inform(
            this, tr("Your choice of language could not be saved.\n%1\nThe program keeps it "
                     "until it closes.")
                      .arg(reason));
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void Form1::inlineread()
{
    bank_.inlineread(language_);
}

void Form1::Command1_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!mayExit()) {
        event->ignore();
        return;
    }
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

// History not yet stored (a store failed, or answers were marked since) gets
// one more try; if that fails too, the user is told what would be lost and
// may stay.
bool Form1::mayExit()
{
    QString reason;
    if (!test_.hasUnstoredHistory() || saveRedo(&reason))
        return true;
    return !platform::MessageBox::askYesNo(
        this, tr("The incorrect-question history could not be saved.\n%1\nIf you exit now, the "
                 "questions you answered since it was last saved will not be remembered for "
                 "Redo.\nDo you want to stay in the program?")
                  .arg(reason));
}

void Form1::endProgram()
{
    hide();
    QCoreApplication::quit();
}

void Form1::Timer1_Timer()
{
    Timer1->stop();
    // Shown once, on the first run: the marker is written before asking, so
    // the next run never asks again, whatever the answer.
    const bool firstRun =
        settings_.read(settings::section, settings::firstRunKey, QString()).isEmpty();
    reportSettingsNotices();
    if (!firstRun)
        return;
    QString reason;
    if (!settings_.write(settings::section, settings::firstRunKey, QStringLiteral("1"), &reason))
        platform::MessageBox::inform(
            this, tr("Your settings could not be saved.\n%1\nThe license agreement will be "
                     "shown again the next time the program starts.")
                      .arg(reason));
    agreementPending_ = true;
    Form3 agreement(true, language_, this);
    centreWindow(&agreement);
    if (agreement.exec() != QDialog::Accepted) {
        endProgram();
        return;
    }
    agreementPending_ = false;
}

void Form1::mlic_Click()
{
    Form3 licence(false, language_, this);
    centreWindow(&licence);
    licence.exec();
}

void Form1::reportProblem()
{
    const int question = test_.currentItem().question;
    platform::openWebPage(problemReportAddress(question, bank_.pQuestion(question)));
}

void Form1::other_Click()
{
    Form4 about(bank_.reviewed(), this);
    centreWindow(&about);
    about.exec();
}

void Form1::Command2_Click()
{
    if (!confirmCancel())
        return;
    // A redo asked for earlier may have nothing left to redo (the history was
    // cleared meanwhile): then this Start builds a normal test.
    const bool redo = test_.redoRequested() && test_.anyFlagged();
    if (!test_.start(redo ? TestKind::Redo : TestKind::Sized, Combo1->currentData().toInt()))
        return;
    showNewTest();
}

bool Form1::confirmCancel()
{
    return !test_.restartNeedsConfirmation() ||
           platform::MessageBox::askYesNo(this,
                                          tr("Do you want to cancel the current practice test?"));
}

void Form1::showNewTest()
{
    Frame1->show();
    showCurrentQuestion();
    Check1->setEnabled(false);
    updateStateCaptions();
    followExamState();
    questionMoved();
}

void Form1::updateStateCaptions()
{
    Command2->setText(test_.state() == TestState::Running ? tr("Re&start") : tr("&Start"));
    Command6->setText(test_.isReviewing() ? tr("Scores") : tr("&Finish"));
    Command6->setToolTip(test_.isReviewing() ? tr("See your score again (Alt+F)")
                                             : tr("Finish the test and see your score (Alt+F)"));
    scoresShortcut_->setEnabled(test_.isReviewing());
    updateProgressActions();
}

void Form1::showCurrentQuestion()
{
    Frame1->setTitle(
        Captions::frame(test_.currentPos(), test_.testSize(), bank_.chapterTitle(test_.chapter())));
    CheckFlag->setChecked(test_.currentItem().flaggedForReview);
    Label2->clear();
    LabelExplanation->clear();
    LabelReport->setVisible(test_.isReviewing());
    showItem(test_.currentItem());
    updateButtons();
    Image1->hide();
    Image2->hide();
    describeQuestion();
    if (test_.testIdle())
        Command5_Click();
}

void Form1::showItem(const TestItem &item)
{
    Label1->setText(Captions::question(item, bank_));
    for (int slot = 1; slot <= 4; ++slot)
        Option1.at(slot - 1)->setText(Captions::option(item, slot, bank_));
    showSelection(item);
}

void Form1::showSelection(const TestItem &item)
{
    // Showing the recorded answer is not an answer.
    const QSignalBlocker quiet(optionGroup_);
    // An exclusive group cannot show "nothing chosen"; lift it meanwhile.
    optionGroup_->setExclusive(false);
    for (int i = 0; i < 4; ++i)
        Option1.at(i)->setChecked(i == item.chosenOption);
    optionGroup_->setExclusive(true);
}

// An answer checked, however: a click, a key, or the toggle action of a
// screen reader, switch access or voice control.
void Form1::Option1_Click(int index)
{
    // A finished test's answers are locked: show the recorded choice again.
    if (!test_.choose(index, true))
        showSelection(test_.currentItem());
}

void Form1::updateButtons()
{
    Command3->setEnabled(test_.canGoPrevious());
    Command4->setEnabled(test_.canGoNext());
}

void Form1::placeMark(QLabel *mark, int optionIndex)
{
    mark->move(mark->x(), Option1.at(optionIndex)->y() + twipsToPixels(50));
    mark->show();
}

void Form1::Command5_Click()
{
    const Verdict verdict = test_.checkAnswer();
    placeMark(Image2, verdict.correctSlot - 1);
    Label2->setText(Captions::verdict(verdict));
    LabelExplanation->setText(Captions::explanation(test_.currentItem().question, bank_));
    if (!verdict.correct && verdict.chosenOption >= 0)
        placeMark(Image1, verdict.chosenOption);
    describeVerdict(verdict);
}

void Form1::Command3_Click()
{
    if (!test_.previous())
        return;
    showCurrentQuestion();
    questionMoved();
}

void Form1::Command4_Click()
{
    if (!test_.next())
        return;
    showCurrentQuestion();
    questionMoved();
}

void Form1::Check1_Click()
{
    test_.setWrongOnlyView(Check1->isChecked());
    showCurrentQuestion();
    questionMoved();
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    int slot = -1;
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        slot = key - Qt::Key_1;
    else if (key >= Qt::Key_A && key <= Qt::Key_D)
        slot = key - Qt::Key_A;
    if (!plain || slot < 0 || !Frame1->isVisible()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Choosing by key is moving on from the question: screen readers now
    // hear only the choice, even when the focus was on it already.
    questionHeard();
    Option1.at(slot)->click();
    platform::announceFocus(Option1.at(slot));
}

void Form1::Command6_Click()
{
    if (!test_.isReviewing()) {
        if (!confirmFinish())
            return;
        finishTest();
    }
    showScores();
}

bool Form1::confirmFinish()
{
    if (test_.isExam())
        return confirmExamFinish();
    return !test_.finishNeedsConfirmation() ||
           platform::MessageBox::askYesNo(
               this, tr("You have not gone through all the questions. You can use 'Next' button "
                        "to go to the next question.\nDo you want to finish the test now?"));
}

void Form1::finishTest()
{
    test_.finish(Check1->isChecked());
    updateStateCaptions();
    followExamState();
    Check1->setEnabled(test_.wrongCount() > 0);
    saveRedo();
    recordFinishedTest();
    showCurrentQuestion();
}

void Form1::showScores()
{
    Form2 result(test_.testSize(), test_.correctCount(), this);
    if (test_.isExam())
        result.showExamVerdict(test_.passed(), test_.examRules().passMark);
    centreWindow(&result);
    // Chosen while the result window still has the focus, the question
    // takes it back directly as that window closes.
    connect(&result, &QDialog::finished, this, [this] { questionFocus()->setFocus(); });
    result.exec();
    // Coming back from another window, screen readers present the focus
    // anyway: it need not be offered afresh.
    questionFocus()->setFocus();
    readAloud_->moved(textToReadAloud());
}

void Form1::refreshHistoryButtons()
{
    Command7->setEnabled(test_.hasRedoHistory());
    Command8->setEnabled(test_.hasRedoHistory());
}

void Form1::loadRedo()
{
    test_.loadHistory(settings_.read(settings::section, settings::historyKey,
                                     emptyHistory(bank_.questionCount())));
    refreshHistoryButtons();
}

bool Form1::saveRedo(QString *unsavedReason)
{
    // Another copy of the program may have stored since this one loaded:
    // only the verdicts of tests finished here are written over.
    QString stored;
    QString reason;
    const bool saved = settings_.update(
        settings::section, settings::historyKey, emptyHistory(bank_.questionCount()),
        [this, &stored](const QString &storedNow) {
            stored = test_.mergedHistory(storedNow);
            return stored;
        },
        &reason);
    if (saved)
        test_.historyStored(stored);
    else
        test_.refreshRedoHistory();
    refreshHistoryButtons();
    if (!saved && unsavedReason)
        *unsavedReason = reason;
    else if (!saved)
        reportUnsavedHistory(reason);
    reportSettingsNotices();
    return saved;
}

void Form1::reportUnsavedHistory(const QString &reason)
{
    platform::MessageBox::inform(
        this, tr("The incorrect-question history could not be saved.\n%1\nIt is kept while the "
                 "program runs and saved again at the next Finish or Clear.")
                  .arg(reason));
}

// Tells once what the settings store did on its own: a settings file it
// could not read was kept aside.
void Form1::reportSettingsNotices()
{
    const QStringList notices = settings_.takeNotices();
    if (!notices.isEmpty())
        platform::MessageBox::inform(this, notices.join(u'\n'));
}

void Form1::Command7_Click()
{
    if (!test_.anyFlagged()) {
        platform::MessageBox::inform(this, tr("There are no incorrect questions to redo."));
        test_.refreshRedoHistory();
        refreshHistoryButtons();
        return;
    }
    test_.setRedoRequested(true);
    Command2_Click();
}

void Form1::Command8_Click()
{
    if (!platform::MessageBox::askOkCancel(
            this, tr("You won't be able to redo incorrect questions if you clear the history. "
                     "\nContinue to clear?")))
        return;
    test_.clearHistory();
    refreshHistoryButtons();
    const QString empty = emptyHistory(bank_.questionCount());
    QString reason;
    if (settings_.write(settings::section, settings::historyKey, empty, &reason))
        test_.historyStored(empty);
    else
        reportUnsavedHistory(reason);
    reportSettingsNotices();
}

} // namespace veltrano
