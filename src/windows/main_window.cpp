#include "windows/main_window.h"
#include "config/version.h"

#include "practice/captions.h"
#include "practice/history_codec.h"
#include "windows/about_window.h"
#include "windows/clickable_label.h"
#include "windows/fonts.h"
#include "windows/licence_window.h"
#include "windows/platform/announcer.h"
#include "windows/platform/message_box.h"
#include "windows/platform/web_launcher.h"
#include "windows/result_window.h"
#include "windows/twips.h"
#include "windows/web_addresses.h"
#include "windows/window_setup.h"
#include "windows/wrapping_buttons.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

namespace veltrano {

namespace {

const QString settingsSection = QStringLiteral("aaa");
const QString historyKey = QStringLiteral("redo");
const QString firstRunKey = QStringLiteral("zzz");

template <typename Widget, typename... Args>
Widget *makeControl(QWidget *parent, const QString &name, QRect geometry, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

WrappingPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                               QRect geometry)
{
    return makeControl<WrappingPushButton>(parent, name, geometry, caption);
}

} // namespace

Form1::Form1(QWidget *parent)
    : Form1(platform::SettingsStore(), std::make_unique<SystemRandomSource>(), parent)
{
}

Form1::Form1(platform::SettingsStore settings, std::unique_ptr<RandomSource> random,
             QWidget *parent)
    : QMainWindow(parent), settings_(std::move(settings)),
      random_(random ? std::move(random) : std::make_unique<SystemRandomSource>()),
      test_(bank_, *random_)
{
    applyProgramFonts();
    createControls();
    createMenu();
    describeControls();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Practice Test for Veltrano V1.2"));

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(twipsToPixels(10575), twipsToPixels(7605));
    setCentralWidget(client_);
    QWidget *const form = client_;

    Command2 = makeButton(form, QStringLiteral("Command2"), QStringLiteral("&Start"),
                          twipsRect(4560, 240, 1095, 495));

    Frame1 = makeControl<QGroupBox>(form, QStringLiteral("Frame1"), twipsRect(480, 960, 9615, 5415),
                                    QStringLiteral("Frame1"));
    Label1 = makeControl<QLabel>(Frame1, QStringLiteral("Label1"), twipsRect(360, 480, 8415, 855),
                                 QStringLiteral("Label1"));
    Label1->setFont(timesNewRoman(14.25));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    optionGroup_ = new QButtonGroup(this);
    const std::array<int, 4> optionTops{1320, 1920, 2520, 3120};
    for (int i = 0; i < 4; ++i) {
        Option1.at(i) = makeControl<WrappingRadioButton>(
            Frame1, QStringLiteral("Option1_%1").arg(i),
            twipsRect(600, optionTops.at(i), i == 0 ? 8775 : 8895, 495), QStringLiteral("Option1"));
        Option1.at(i)->setFont(timesNewRoman(9.75));
        optionGroup_->addButton(Option1.at(i), i);
    }

    Image1 = makeControl<QLabel>(Frame1, QStringLiteral("Image1"), twipsRect(120, 1320, 360, 360));
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/wrong_mark.png")));
    Image2 = makeControl<QLabel>(Frame1, QStringLiteral("Image2"), twipsRect(120, 2040, 450, 270));
    Image2->setPixmap(QPixmap(QStringLiteral(":/pictures/correct_mark.png")));

    Label2 = makeControl<QLabel>(Frame1, QStringLiteral("Label2"), twipsRect(600, 3960, 6615, 375),
                                 QStringLiteral("Label2"));
    Label2->setFont(timesNewRoman(9.75));
    Label2->setTextFormat(Qt::PlainText);

    Command3 = makeButton(Frame1, QStringLiteral("Command3"), QStringLiteral("&Previous"),
                          twipsRect(600, 4680, 975, 375));
    Command4 = makeButton(Frame1, QStringLiteral("Command4"), QStringLiteral("&Next"),
                          twipsRect(1920, 4680, 975, 375));
    Check1 =
        makeControl<QCheckBox>(Frame1, QStringLiteral("Check1"), twipsRect(3360, 4680, 2535, 375),
                               QStringLiteral("View wrong answers only."));
    Command5 = makeButton(Frame1, QStringLiteral("Command5"), QStringLiteral("Check Answer"),
                          twipsRect(6240, 4680, 1455, 375));
    Command5->hide();
    Command6 = makeButton(Frame1, QStringLiteral("Command6"), QStringLiteral("&Finish"),
                          twipsRect(8040, 4680, 1095, 375));

    Label3 = makeControl<QLabel>(form, QStringLiteral("Label3"), twipsRect(240, 360, 2175, 375),
                                 QStringLiteral("Practice Question Number:"));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Drawn 1815 twips wide, the list cut off "165 Questions(ALL)" beside its
    // arrow; it takes the free room up to "&Start" instead.
    Combo1 =
        makeControl<QComboBox>(form, QStringLiteral("Combo1"), twipsRect(2460, 348, 2010, 315));
    Combo1->setEditable(false);
    Label3->setBuddy(Combo1);

    Command7 =
        makeButton(form, QStringLiteral("Command7"), QStringLiteral("&Redo Incorrect Questions"),
                   twipsRect(5760, 240, 1575, 495));
    Command8 =
        makeButton(form, QStringLiteral("Command8"), QStringLiteral("&Clear Incorrect History"),
                   twipsRect(7440, 240, 1335, 495));
    Command10 = makeButton(form, QStringLiteral("Command10"), QStringLiteral("&Info Center"),
                           twipsRect(8880, 240, 1215, 495));
    Command1 = makeButton(form, QStringLiteral("Command1"), QStringLiteral("&Exit"),
                          twipsRect(10200, 960, 855, 495));
    Command1->hide();

    Label4 = makeControl<QLabel>(form, QStringLiteral("Label4"), twipsRect(480, 6480, 9615, 975));
    Label4->setAutoFillBackground(true);
    QPalette placeholder = Label4->palette();
    placeholder.setColor(QPalette::Window, Qt::white);
    placeholder.setColor(QPalette::WindowText, Qt::red);
    Label4->setPalette(placeholder);
    Label4->setFont(timesNewRoman(11.25));

    Picture1 = makeControl<ClickableLabel>(form, QStringLiteral("Picture1"),
                                           twipsRect(120, 4800, 3975, 735));
    Picture1->setAutoFillBackground(true);
    QPalette banner = Picture1->palette();
    banner.setColor(QPalette::Window, Qt::white);
    banner.setColor(QPalette::WindowText, QColor(0x99, 0, 0));
    Picture1->setPalette(banner);
    Picture1->setFont(timesNewRoman(18, true));
    Label5 = makeControl<ClickableLabel>(Picture1, QStringLiteral("Label5"),
                                         twipsRect(120, 240, 1695, 375), QStringLiteral("Label5"));
    Label5->setFont(microsoftSansSerif(12, true));
    Label5->setText(QStringLiteral("Try a free sample test online"));

    Image4 = makeControl<ClickableLabel>(form, QStringLiteral("Image4"),
                                         twipsRect(480, 6600, 3900, 720));
    Image4->setPixmap(QPixmap(QStringLiteral(":/pictures/banner_photo.png")));
    Image4->setCursor(Qt::PointingHandCursor);
    Image3 = makeControl<ClickableLabel>(form, QStringLiteral("Image3"),
                                         twipsRect(6720, 6600, 3375, 720));
    Image3->hide();
    Command9 = makeButton(form, QStringLiteral("Command9"), QStringLiteral("Command9"),
                          twipsRect(9600, 2400, 975, 495));
    Command9->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));

    // Tab order: Start first, then the question, then the size list and the
    // history buttons.
    const QList<QWidget *> tabOrder{
        Command2, Option1.at(0), Option1.at(1), Option1.at(2), Option1.at(3), Command3, Command4,
        Check1,   Command6,      Combo1,        Command7,      Command8,      Command10};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(optionGroup_, &QButtonGroup::idClicked, this, &Form1::Option1_Click);

    const auto opens = [this](ClickableLabel *link, const char *address) {
        connect(link, &ClickableLabel::clicked, this,
                [address] { platform::openWebPage(QString::fromLatin1(address)); });
    };
    connect(Command10, &QPushButton::clicked, this,
            [] { platform::openWebPage(QString::fromLatin1(web::homePage)); });
    opens(Image4, web::homePage);
    opens(Image3, web::partnerSite);
    opens(Picture1, web::sampleTestPage);
    opens(Label5, web::sampleTestPage);
}

void Form1::createMenu()
{
    const auto addMenuAction = [this](const QString &name, const QString &caption) {
        QAction *action = menuBar()->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    mabout = addMenuAction(QStringLiteral("mabout"), QStringLiteral("&About"));
    mlic = addMenuAction(QStringLiteral("mlic"), QStringLiteral("&License"));
    other = addMenuAction(QStringLiteral("other"), QStringLiteral("&Other Info"));
    mexit = addMenuAction(QStringLiteral("mexit"), QStringLiteral("E&xit"));
    connect(mabout, &QAction::triggered, this, &Form1::other_Click);
    connect(mlic, &QAction::triggered, this, &Form1::mlic_Click);
    connect(other, &QAction::triggered, this, &Form1::other_Click);
    connect(mexit, &QAction::triggered, this, &Form1::Command1_Click);
}

void Form1::Form_Load()
{
    setWindowTitle(QString::fromLatin1(programTitle));
    Combo1->addItems({QStringLiteral("5 Questions"), QStringLiteral("10 Questions"),
                      QStringLiteral("20 Questions"), QStringLiteral("50 Questions"),
                      QStringLiteral("100 Questions"), QStringLiteral("165 Questions(ALL)")});
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
    Picture1->setText(QStringLiteral("Ready for your citizenship test?"));
    Picture1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Picture1->setContentsMargins(0, twipsToPixels(60), twipsToPixels(240), 0);
    Image4->raise();

    Frame1->hide();
    Command2->setFocus();
    inlineread();
    test_.setRedoRequested(false);
    loadRedo();
    Image3->setCursor(Qt::PointingHandCursor);
    agreementPending_ = false;
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    // The menu bar sits above the client area; the window keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyFixedBorder(this);
}

void Form1::inlineread()
{
    bank_.inlineread();
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
        this, QStringLiteral("The incorrect-question history could not be saved.\n%1\n"
                             "If you exit now, the questions you answered since it was last "
                             "saved will not be remembered for Redo.\n"
                             "Do you want to stay in the program?")
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
    const bool firstRun = settings_.read(settingsSection, firstRunKey, QString()).isEmpty();
    reportSettingsNotices();
    if (!firstRun)
        return;
    settings_.write(settingsSection, firstRunKey, QStringLiteral("1"));
    agreementPending_ = true;
    Form3 agreement(true, this);
    centreWindow(&agreement);
    if (agreement.exec() != QDialog::Accepted) {
        endProgram();
        return;
    }
    agreementPending_ = false;
}

void Form1::mlic_Click()
{
    Form3 licence(false, this);
    centreWindow(&licence);
    licence.exec();
}

void Form1::other_Click()
{
    Form4 about(this);
    centreWindow(&about);
    about.exec();
}

void Form1::Command2_Click()
{
    if (test_.restartNeedsConfirmation() &&
        !platform::MessageBox::askYesNo(
            this, QStringLiteral("Do you want to cancel the current practice test?")))
        return;
    // A redo asked for earlier may have nothing left to redo (the history was
    // cleared meanwhile): then this Start builds a normal test.
    if (test_.redoRequested() && !test_.anyFlagged())
        test_.setRedoRequested(false);
    if (!test_.start(PracticeTest::parseTestSize(Combo1->currentText())))
        return;
    Command2->setText(QStringLiteral("Re&start"));
    Frame1->show();
    showCurrentQuestion();
    focusOptions();
    Check1->setEnabled(false);
    Command6->setText(QStringLiteral("&Finish"));
}

void Form1::showCurrentQuestion()
{
    Frame1->setTitle(frameCaption(test_.currentPos(), test_.testSize()));
    Label2->clear();
    showItem(test_.currentItem());
    updateButtons();
    Image1->hide();
    Image2->hide();
    if (test_.testIdle())
        Command5_Click();
}

void Form1::showItem(const TestItem &item)
{
    Label1->setText(questionCaption(item, bank_));
    for (int slot = 1; slot <= 4; ++slot)
        Option1.at(slot - 1)->setText(optionCaption(item, slot, bank_));
    showSelection(item);
}

void Form1::showSelection(const TestItem &item)
{
    // An exclusive group cannot show "nothing chosen"; lift it meanwhile.
    optionGroup_->setExclusive(false);
    for (int i = 0; i < 4; ++i)
        Option1.at(i)->setChecked(i == item.chosenOption);
    optionGroup_->setExclusive(true);
}

void Form1::Option1_Click(int index)
{
    // A finished test's answers are locked: show the recorded choice again.
    if (!test_.choose(index, Option1.at(index)->isChecked()))
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
    Label2->setText(verdict.text);
    // Screen readers read a label's text as its name.
    platform::announceNameChange(Label2);
    if (!verdict.correct && verdict.chosenOption >= 0)
        placeMark(Image1, verdict.chosenOption);
}

void Form1::Command3_Click()
{
    if (test_.previous())
        showCurrentQuestion();
    focusOptions();
}

void Form1::Command4_Click()
{
    if (test_.next())
        showCurrentQuestion();
    focusOptions();
}

void Form1::Check1_Click()
{
    test_.setWrongOnlyView(Check1->isChecked());
    showCurrentQuestion();
}

void Form1::focusOptions()
{
    // Keyboard users stay with the answers as they move through the test.
    const int chosen = test_.currentItem().chosenOption;
    Option1.at(chosen >= 0 ? chosen : 0)->setFocus(Qt::OtherFocusReason);
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
    Option1.at(slot)->setFocus(Qt::ShortcutFocusReason);
    Option1.at(slot)->click();
}

void Form1::Command6_Click()
{
    if (!test_.isReviewing()) {
        if (test_.finishNeedsConfirmation() &&
            !platform::MessageBox::askYesNo(
                this, QStringLiteral("You have not gone through all the questions. You can use "
                                     "'Next' button to go to the next question.\n"
                                     "Do you want to finish the test now?")))
            return;
        Command2->setText(QStringLiteral("&Start"));
        Command6->setText(QStringLiteral("Scores"));
        test_.finish(Check1->isChecked());
        Check1->setEnabled(test_.wrongCount() > 0);
        saveRedo();
        showCurrentQuestion();
    }
    showScores();
}

void Form1::showScores()
{
    Form2 result(test_.testSize(), test_.correctCount(), this);
    centreWindow(&result);
    result.exec();
}

void Form1::refreshHistoryButtons()
{
    Command7->setEnabled(test_.hasRedoHistory());
    Command8->setEnabled(test_.hasRedoHistory());
}

void Form1::loadRedo()
{
    test_.loadHistory(
        settings_.read(settingsSection, historyKey, emptyHistory(bank_.questionCount())));
    refreshHistoryButtons();
}

bool Form1::saveRedo(QString *unsavedReason)
{
    // Another copy of the program may have stored since this one loaded:
    // only the questions checked here are written over.
    QString stored;
    QString reason;
    const bool saved = settings_.update(
        settingsSection, historyKey, emptyHistory(bank_.questionCount()),
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
        this, QStringLiteral("The incorrect-question history could not be saved.\n%1\n"
                             "It is kept while the program runs and saved again at the next "
                             "Finish or Clear.")
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
        platform::MessageBox::inform(this,
                                     QStringLiteral("There are no incorrect questions to redo."));
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
            this, QStringLiteral("You won't be able to redo incorrect questions if you clear the "
                                 "history. \nContinue to clear?")))
        return;
    test_.clearHistory();
    refreshHistoryButtons();
    const QString empty = emptyHistory(bank_.questionCount());
    QString reason;
    if (settings_.write(settingsSection, historyKey, empty, &reason))
        test_.historyStored(empty);
    else
        reportUnsavedHistory(reason);
    reportSettingsNotices();
}

} // namespace veltrano
