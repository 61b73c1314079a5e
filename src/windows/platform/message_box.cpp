#include "windows/platform/message_box.h"

#include <QMessageBox>

namespace veltrano::platform {

namespace {

QList<MessageBox::Answer> &scripted()
{
    static QList<MessageBox::Answer> answers;
    return answers;
}

QStringList &shown()
{
    static QStringList texts;
    return texts;
}

MessageBox::Answer ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                       QMessageBox::StandardButton defaultButton)
{
    shown().append(text);
    if (!scripted().isEmpty())
        return scripted().takeFirst();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Veltrano Test"), text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(defaultButton);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageBox::Answer::Yes;
    case QMessageBox::Ok:
        return MessageBox::Answer::Ok;
    case QMessageBox::Cancel:
        return MessageBox::Answer::Cancel;
    default:
        return MessageBox::Answer::No;
    }
}

} // namespace

bool MessageBox::askYesNo(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == Answer::Yes;
}

bool MessageBox::askOkCancel(QWidget *parent, const QString &text)
{
    return ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == Answer::Ok;
}

void MessageBox::inform(QWidget *parent, const QString &text)
{
    ask(parent, text, QMessageBox::Ok, QMessageBox::Ok);
}

void MessageBox::scriptAnswers(const QList<Answer> &answers)
{
    scripted() = answers;
}

int MessageBox::pendingScriptedAnswers()
{
    return static_cast<int>(scripted().size());
}

QStringList MessageBox::takeShownTexts()
{
    return std::exchange(shown(), {});
}

} // namespace veltrano::platform
