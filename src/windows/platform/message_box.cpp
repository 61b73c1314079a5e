#include "windows/platform/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <optional>

namespace veltrano::platform {

namespace {

struct ScriptedAnswer {
    MessageBox::Answer answer;
    QString *text;
};

std::optional<ScriptedAnswer> &scripted()
{
    static std::optional<ScriptedAnswer> next;
    return next;
}

MessageBox::Answer ask(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                       QMessageBox::StandardButton defaultButton, const QStringList &captions = {})
{
    if (const std::optional<ScriptedAnswer> next = std::exchange(scripted(), std::nullopt)) {
        if (next->text)
            *next->text = text;
        return next->answer;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Veltrano Test"), text, buttons, parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(defaultButton);
    // Captions of their own for Yes and No, in that order.
    for (int i = 0; i < captions.size() && i < 2; ++i)
        box.button(i == 0 ? QMessageBox::Yes : QMessageBox::No)->setText(captions.at(i));
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

MessageBox::Answer MessageBox::askChoice(QWidget *parent, const QString &text, const QString &first,
                                         const QString &second)
{
    return ask(parent, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               QMessageBox::Yes, {first, second});
}

void MessageBox::scriptNextAnswer(Answer answer, QString *text)
{
    scripted() = ScriptedAnswer{answer, text};
}

bool MessageBox::hasScriptedAnswer()
{
    return scripted().has_value();
}

void MessageBox::clearScriptedAnswer()
{
    scripted().reset();
}

} // namespace veltrano::platform
