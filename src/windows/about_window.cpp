#include "windows/about_window.h"

#include "config/version.h"
#include "windows/clickable_label.h"
#include "windows/fonts.h"
#include "windows/platform/web_launcher.h"
#include "windows/web_addresses.h"
#include "windows/widget_factory.h"
#include "windows/window_setup.h"

#include <QEvent>
#include <QPushButton>

namespace veltrano {

namespace {

void styleText(QLabel *label, double pointSize)
{
    label->setFont(timesNewRoman(pointSize, true));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

} // namespace

Form4::Form4(QString questionsReviewed, QWidget *parent)
    : QDialog(parent), questionsReviewed_(std::move(questionsReviewed))
{
    setObjectName(QStringLiteral("Form4"));
    setFixedClientSize(this, 9900, 4935);

    Label1 = makeControl<QLabel>(this, "Label1", twipsRect(480, 240, 9135, 495));
    Label2 = makeControl<QLabel>(this, "Label2", twipsRect(480, 1080, 9255, 1215));
    Label3 = makeControl<QLabel>(this, "Label3", twipsRect(480, 2280, 6855, 735));
    Label5 = makeControl<QLabel>(this, "Label5", twipsRect(480, 2880, 8895, 735));
    Label4 = makeControl<ClickableLabel>(this, "Label4", twipsRect(6000, 2280, 2775, 615),
                                         QString::fromLatin1(web::homePageLabel));
    Command2 = makeControl<QPushButton>(this, "Command2", twipsRect(1320, 3960, 1575, 495));
    Command3 = makeControl<QPushButton>(this, "Command3", twipsRect(4080, 3960, 1575, 495));
    Command1 = makeControl<QPushButton>(this, "Command1", twipsRect(6720, 3960, 1575, 495));

    styleText(Label1, 11.25);
    for (QLabel *label : {Label2, Label3, Label5})
        styleText(label, 9.75);
    Label4->setFont(timesNewRoman(9.75, true));
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->styleAsLink();
    Command1->setDefault(true);

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form4::Command3_Click);
    connect(Label4, &ClickableLabel::clicked, this, &Form4::Command2_Click);
    retranslateUi();
    Command1->setFocus();
}

void Form4::retranslateUi()
{
    setWindowTitle(tr("About"));
    Label1->setText(
        tr("%1  \u00a9 2026 The Veltrano Test developers").arg(QString::fromLatin1(programTitle)));
    Label2->setText(tr("Thank you for practising with Veltrano Test.\n"
                       "Tell us what you think: write to feedback@veltrano.example.org.\n"
                       "Good luck with your citizenship test!\n") +
                    tr("Questions reviewed %1.").arg(questionsReviewed_));
    Label3->setText(tr("For more hints about the Veltrano test, please visit: "));
    Label5->setText(tr("Click on the 'More Info' button for other citizenship information that "
                       "you may be interested.\n"
                       "Click on 'Online Test' button for a free web based practice test."));
    Command2->setText(tr("&More Info"));
    Command3->setText(tr("Online &Test"));
    Command1->setText(tr("&OK"));
}

void Form4::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void Form4::Command1_Click()
{
    accept();
}

void Form4::Command2_Click()
{
    platform::openWebPage(QString::fromLatin1(web::homePage));
}

void Form4::Command3_Click()
{
    platform::openWebPage(QString::fromLatin1(web::onlineTestPage));
}

} // namespace veltrano
