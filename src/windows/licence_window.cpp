#include "windows/licence_window.h"

#include "windows/platform/web_launcher.h"
#include "windows/web_addresses.h"
#include "windows/widget_factory.h"
#include "windows/window_setup.h"

#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace veltrano {

QString Form3::agreementText(Language language)
{
    QFile french(QStringLiteral(":/licence.fr.txt"));
    QFile english(QStringLiteral(":/licence.txt"));
    QFile &file = language == Language::French && french.exists() ? french : english;
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

Form3::Form3(bool agreementPending, Language language, QWidget *parent)
    : QDialog(parent), agreementPending_(agreementPending)
{
    setObjectName(QStringLiteral("Form3"));
    setFixedClientSize(this, 10500, 6360);

    Text1 = makeControl<QPlainTextEdit>(this, "Text1", twipsRect(480, 240, 8055, 5775));
    Command1 = makeControl<QPushButton>(this, "Command1", twipsRect(8880, 480, 1335, 495));
    Command2 = makeControl<QPushButton>(this, "Command2", twipsRect(8880, 1320, 1335, 495));

    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setPlainText(agreementText(language));
    Command1->setDefault(true);
    Command2->setVisible(agreementPending);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    retranslateUi();
    Command1->setFocus();
}

void Form3::retranslateUi()
{
    setWindowTitle(tr("License"));
    Command1->setText(agreementPending_ ? tr("&Accept") : tr("OK"));
    Command2->setText(tr("Not Accept"));
    Text1->setAccessibleName(tr("License agreement"));
    // Spoken as the window opens: focus starts on the answer, not the text.
    setAccessibleDescription(
        agreementPending_
            ? tr("Please read the license agreement: press Tab to move into its text. Then "
                 "choose Accept or Not Accept.")
            : tr("The license agreement: press Tab to move into its text."));
}

void Form3::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void Form3::Command1_Click()
{
    accept();
}

void Form3::Command2_Click()
{
    platform::openWebPage(QString::fromLatin1(web::licenceDeclinedPage));
    reject();
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    // Escape is the window's cancel key: it closes the text from the menu, but
    // never stands in for an answer to a pending agreement.
    if (event->key() == Qt::Key_Escape && agreementPending_) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        Command1_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace veltrano
