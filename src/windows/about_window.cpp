#include "windows/about_window.h"
#include "config/version.h"

#include "windows/clickable_label.h"
#include "windows/fonts.h"
#include "windows/platform/web_launcher.h"
#include "windows/twips.h"
#include "windows/web_addresses.h"
#include "windows/window_setup.h"

#include <QPushButton>

namespace veltrano {

namespace {

QLabel *aboutLabel(QWidget *parent, const QString &name, const QString &text, QRect geometry,
                   double pointSize)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(timesNewRoman(pointSize, true));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *aboutButton(QWidget *parent, const QString &name, const QString &caption,
                         QRect geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

} // namespace

Form4::Form4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("About"));
    setFixedClientSize(this, 9900, 4935);

    aboutLabel(this, QStringLiteral("Label1"),
               QString::fromLatin1(programTitle) +
                   QStringLiteral("  \u00a9 2026 The Veltrano Test developers"),
               twipsRect(480, 240, 9135, 495), 11.25);
    aboutLabel(this, QStringLiteral("Label2"),
               QStringLiteral("Thank you for practising with Veltrano Test.\n"
                              "Tell us what you think: write to feedback@veltrano.example.org.\n"
                              "Good luck with your citizenship test!"),
               twipsRect(480, 1080, 9255, 1215), 9.75);
    aboutLabel(this, QStringLiteral("Label3"),
               QStringLiteral("For more hints about the Veltrano test, please visit: "),
               twipsRect(480, 2280, 6855, 735), 9.75);
    aboutLabel(this, QStringLiteral("Label5"),
               QStringLiteral("Click on the 'More Info' button for other citizenship information "
                              "that you may be interested.\n"
                              "Click on 'Online Test' button for a free web based practice test."),
               twipsRect(480, 2880, 8895, 735), 9.75);

    auto *link = new ClickableLabel(QString::fromLatin1(web::homePageLabel), this);
    link->setObjectName(QStringLiteral("Label4"));
    link->setGeometry(twipsRect(6000, 2280, 2775, 615));
    QFont linkFont = timesNewRoman(9.75, true);
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The theme's link colour: blue on a light desktop, readable on a dark one.
    QPalette blue = link->palette();
    blue.setColor(QPalette::WindowText, blue.color(QPalette::Link));
    link->setPalette(blue);
    link->setCursor(Qt::PointingHandCursor);
    connect(link, &ClickableLabel::clicked, this, &Form4::Label4_Click);

    QPushButton *more = aboutButton(this, QStringLiteral("Command2"), QStringLiteral("&More Info"),
                                    twipsRect(1320, 3960, 1575, 495));
    QPushButton *online =
        aboutButton(this, QStringLiteral("Command3"), QStringLiteral("Online &Test"),
                    twipsRect(4080, 3960, 1575, 495));
    QPushButton *ok = aboutButton(this, QStringLiteral("Command1"), QStringLiteral("&OK"),
                                  twipsRect(6720, 3960, 1575, 495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(more, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(online, &QPushButton::clicked, this, &Form4::Command3_Click);
    ok->setFocus();
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

void Form4::Label4_Click()
{
    platform::openWebPage(QString::fromLatin1(web::homePage));
}

} // namespace veltrano
