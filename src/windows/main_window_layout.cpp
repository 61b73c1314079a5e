// Where the main window's controls stand, as the window was drawn (in twips),
// and which handler each one calls. Their words are in main_window_texts.cpp.
//
// The window is drawn 1200 twips taller than at first, to make room under the
// verdict for the explanation and the problem report; everything below the
// verdict moved down by that much.

#include "windows/clickable_label.h"
#include "windows/fonts.h"
#include "windows/main_window.h"
#include "windows/platform/message_box.h"
#include "windows/platform/web_launcher.h"
#include "windows/read_aloud.h"
#include "windows/web_addresses.h"
#include "windows/widget_factory.h"
#include "windows/wrapping_buttons.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

namespace veltrano {

namespace {
// Twips added under the verdict for the explanation and the report link.
constexpr int explanationRoom = 1200;
} // namespace

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("client"));
    form->setFixedSize(twipsToPixels(10575), twipsToPixels(7605 + explanationRoom));
    setCentralWidget(form);

    Command2 = makeControl<WrappingPushButton>(form, "Command2", twipsRect(4560, 240, 1095, 495));
    Frame1 =
        makeControl<QGroupBox>(form, "Frame1", twipsRect(480, 960, 9615, 5415 + explanationRoom));
    Label1 = makeControl<QLabel>(Frame1, "Label1", twipsRect(360, 480, 8415, 855));
    const std::array<int, 4> optionTops{1320, 1920, 2520, 3120};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "Option1_" + QByteArray::number(i);
        Option1.at(i) = makeControl<WrappingRadioButton>(
            Frame1, name.constData(), twipsRect(600, optionTops.at(i), i == 0 ? 8775 : 8895, 495));
    }
    Image1 = makeControl<QLabel>(Frame1, "Image1", twipsRect(120, 1320, 360, 360));
    Image2 = makeControl<QLabel>(Frame1, "Image2", twipsRect(120, 2040, 450, 270));
    Label2 = makeControl<QLabel>(Frame1, "Label2", twipsRect(600, 3960, 6615, 375));
    LabelExplanation =
        makeControl<QLabel>(Frame1, "LabelExplanation", twipsRect(600, 4335, 8895, 1125));
    LabelReport =
        makeControl<ClickableLabel>(Frame1, "LabelReport", twipsRect(600, 5460, 8895, 300));
    Command3 = makeControl<WrappingPushButton>(Frame1, "Command3",
                                               twipsRect(600, 4680 + explanationRoom, 975, 375));
    Command4 = makeControl<WrappingPushButton>(Frame1, "Command4",
                                               twipsRect(1920, 4680 + explanationRoom, 975, 375));
    Check1 = makeControl<QCheckBox>(Frame1, "Check1",
                                    twipsRect(3360, 4680 + explanationRoom, 2535, 375));
    Command5 = makeControl<WrappingPushButton>(Frame1, "Command5",
                                               twipsRect(6240, 4680 + explanationRoom, 1455, 375));
    Command6 = makeControl<WrappingPushButton>(Frame1, "Command6",
                                               twipsRect(8040, 4680 + explanationRoom, 1095, 375));
    Label3 = makeControl<QLabel>(form, "Label3", twipsRect(240, 360, 2175, 375));
    // Drawn 1815 twips wide, the list cut off "165 Questions(ALL)" beside its
    // arrow; it keeps its left edge and takes the free room up to "&Start",
    // less the room a focus ring needs between the two.
    Combo1 = makeControl<QComboBox>(form, "Combo1", twipsRect(2520, 348, 1935, 315));
    Command7 = makeControl<WrappingPushButton>(form, "Command7", twipsRect(5760, 240, 1575, 495));
    Command8 = makeControl<WrappingPushButton>(form, "Command8", twipsRect(7440, 240, 1335, 495));
    Command10 = makeControl<WrappingPushButton>(form, "Command10", twipsRect(8880, 240, 1215, 495));
    Command1 = makeControl<WrappingPushButton>(form, "Command1", twipsRect(10200, 960, 855, 495));
    Label4 = makeControl<QLabel>(form, "Label4", twipsRect(480, 6480 + explanationRoom, 9615, 975));
    Picture1 = makeControl<ClickableLabel>(form, "Picture1", twipsRect(120, 4800, 3975, 735));
    Label5 = makeControl<ClickableLabel>(Picture1, "Label5", twipsRect(120, 240, 1695, 375));
    Image4 = makeControl<ClickableLabel>(form, "Image4",
                                         twipsRect(480, 6600 + explanationRoom, 3900, 720));
    Image3 = makeControl<ClickableLabel>(form, "Image3",
                                         twipsRect(6720, 6600 + explanationRoom, 3375, 720));
    Command9 = makeControl<WrappingPushButton>(form, "Command9", twipsRect(9600, 2400, 975, 495));

    Label1->setFont(timesNewRoman(14.25));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    optionGroup_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        Option1.at(i)->setFont(timesNewRoman(9.75));
        optionGroup_->addButton(Option1.at(i), i);
    }
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/wrong_mark.png")));
    Image2->setPixmap(QPixmap(QStringLiteral(":/pictures/correct_mark.png")));
    Label2->setFont(timesNewRoman(9.75));
    Label2->setTextFormat(Qt::PlainText);
    LabelExplanation->setFont(timesNewRoman(9.75));
    LabelExplanation->setTextFormat(Qt::PlainText);
    LabelExplanation->setWordWrap(true);
    LabelExplanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelReport->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelReport->styleAsLink();
    LabelReport->hide();
    Command5->hide();
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3->setBuddy(Combo1);
    Combo1->setEditable(false);
    Command1->hide();

    Label4->setAutoFillBackground(true);
    QPalette placeholder = Label4->palette();
    placeholder.setColor(QPalette::Window, Qt::white);
    placeholder.setColor(QPalette::WindowText, Qt::red);
    Label4->setPalette(placeholder);
    Label4->setFont(timesNewRoman(11.25));
    Picture1->setAutoFillBackground(true);
    QPalette banner = Picture1->palette();
    banner.setColor(QPalette::Window, Qt::white);
    banner.setColor(QPalette::WindowText, QColor(0x99, 0, 0));
    Picture1->setPalette(banner);
    Picture1->setFont(timesNewRoman(18, true));
    Label5->setFont(microsoftSansSerif(12, true));
    Image4->setPixmap(QPixmap(QStringLiteral(":/pictures/banner_photo.png")));
    Image4->setCursor(Qt::PointingHandCursor);
    // The banner's words open the page its slogan links to: for the mouse
    // only, the slogan being the link the keyboard and screen readers take.
    Picture1->setFocusPolicy(Qt::NoFocus);
    Image3->hide();
    Command9->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));

    // "Scores" has no access key of its own; the key of "&Finish" (Alt+F in
    // English, set with the captions) still shows them, as it finished the
    // test. Enabled only in a review, where "&Finish" is not on the button,
    // so the two never compete.
    scoresShortcut_ = new QShortcut(this);
    scoresShortcut_->setEnabled(false);

    // Tab order: as the window reads, left to right and down: the size list,
    // the buttons beside it, the answers, the verdict and the report link of
    // a review, the buttons under the question, then the banner's links.
    const QList<QWidget *> tabOrder{
        Combo1,        Command2,      Command7,      Command8, Command10,   Option1.at(0),
        Option1.at(1), Option1.at(2), Option1.at(3), Label2,   LabelReport, Command3,
        Command4,      Check1,        Command6,      Image4,   Label5};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    createExamControls();
}

void Form1::createMenu()
{
    const auto addMenuAction = [this](const char *name) {
        QAction *action = menuBar()->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    createPracticeMenu();
    mabout = addMenuAction("mabout");
    mlic = addMenuAction("mlic");
    other = addMenuAction("other");

    mvoice = menuBar()->addMenu(QString());
    mvoice->setObjectName(QStringLiteral("mvoice"));
    mvoice->setToolTipsVisible(true);
    mreadaloud = mvoice->addAction(QString());
    mreadaloud->setObjectName(QStringLiteral("mreadaloud"));
    mreadnew = mvoice->addAction(QString());
    mreadnew->setObjectName(QStringLiteral("mreadnew"));
    readAloud_ = new ReadAloud(*seams_.speaker, settings_, mreadaloud, mreadnew, this);

    // Each language is named in itself, in every language.
    mlanguage = menuBar()->addMenu(QString());
    mlanguage->setObjectName(QStringLiteral("mlanguage"));
    auto *languages = new QActionGroup(mlanguage);
    const auto addLanguage = [this, languages](const char *name, const QString &caption) {
        QAction *action = mlanguage->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        languages->addAction(action);
        return action;
    };
    mlangEn = addLanguage("mlangEn", QStringLiteral("English"));
    mlangFr = addLanguage("mlangFr", QStringLiteral("Fran\u00e7ais"));

    mexit = addMenuAction("mexit");
    createProgressMenus();
}

void Form1::connectControls()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    // Toggled, not clicked: the toggle action of screen readers counts too.
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    // An answer counts however its button gets checked: a click, a key, or
    // the toggle action of a screen reader, switch access or voice control.
    connect(optionGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            Option1_Click(index);
    });
    connect(qApp, &QApplication::focusChanged, this, &Form1::followFocus);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form1::describeSizeList);
    connect(scoresShortcut_, &QShortcut::activated, Command6, &QPushButton::click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(LabelReport, &ClickableLabel::clicked, this, &Form1::reportProblem);

    connect(mabout, &QAction::triggered, this, &Form1::other_Click);
    connect(mlic, &QAction::triggered, this, &Form1::mlic_Click);
    connect(other, &QAction::triggered, this, &Form1::other_Click);
    connect(mexit, &QAction::triggered, this, &Form1::Command1_Click);
    connect(mlangEn, &QAction::triggered, this, [this] { setLanguage(Language::English); });
    connect(mlangFr, &QAction::triggered, this, [this] { setLanguage(Language::French); });
    connect(readAloud_, &ReadAloud::readRequested, this, &Form1::readQuestionAloud);
    connect(readAloud_, &ReadAloud::settingNotSaved, this, [this](const QString &reason) {
        platform::MessageBox::inform(this, tr("Your settings could not be saved.\n%1").arg(reason));
    });

    const auto opens = [this](auto *control, const auto signal, const char *address) {
        connect(control, signal, this,
                [address] { platform::openWebPage(QString::fromLatin1(address)); });
    };
    opens(Command10, &QPushButton::clicked, web::homePage);
    opens(Image4, &ClickableLabel::clicked, web::homePage);
    opens(Image3, &ClickableLabel::clicked, web::partnerSite);
    opens(Picture1, &ClickableLabel::clicked, web::sampleTestPage);
    opens(Label5, &ClickableLabel::clicked, web::sampleTestPage);
}

} // namespace veltrano
