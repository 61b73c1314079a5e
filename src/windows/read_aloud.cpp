#include "windows/read_aloud.h"

#include "windows/platform/settings_store.h"
#include "windows/platform/speech.h"
#include "windows/settings_keys.h"

#include <QAction>
#include <QSignalBlocker>

namespace veltrano {

ReadAloud::ReadAloud(platform::Speaker &speaker, platform::SettingsStore &settings,
                     QAction *readNow, QAction *readEveryQuestion, QObject *parent)
    : QObject(parent), speaker_(speaker), settings_(settings), readNow_(readNow),
      readEveryQuestion_(readEveryQuestion)
{
    readNow_->setShortcut(QKeySequence(Qt::Key_F5));
    readEveryQuestion_->setCheckable(true);
    {
        const QSignalBlocker quiet(readEveryQuestion_);
        readEveryQuestion_->setChecked(settings_.read(settings::section, settings::readAloudKey,
                                                      QString()) == QLatin1String("1"));
    }
    connect(readNow_, &QAction::triggered, this, &ReadAloud::readRequested);
    connect(readEveryQuestion_, &QAction::toggled, this, &ReadAloud::everyQuestionToggled);
    connect(&speaker_, &platform::Speaker::stateChanged, this, &ReadAloud::showAvailability);
    retranslate();
}

bool ReadAloud::readsEveryQuestion() const
{
    return readEveryQuestion_->isChecked() &&
           speaker_.state() != platform::Speaker::State::Unavailable;
}

void ReadAloud::retranslate()
{
    showAvailability();
}

void ReadAloud::showAvailability()
{
    const QString reason = speaker_.unavailableReason();
    const bool available = reason.isEmpty();
    readNow_->setEnabled(available);
    readEveryQuestion_->setEnabled(available);
    readNow_->setToolTip(available ? tr("Read the question and its choices aloud (F5)")
                                   : tr("Reading aloud is not available: %1").arg(reason));
    readEveryQuestion_->setToolTip(available
                                       ? tr("Read each new question aloud as it comes into view")
                                       : tr("Reading aloud is not available: %1").arg(reason));
    readNow_->setStatusTip(readNow_->toolTip());
    readEveryQuestion_->setStatusTip(readEveryQuestion_->toolTip());
}

void ReadAloud::read(const QString &text)
{
    if (!text.isEmpty())
        speaker_.say(text);
}

void ReadAloud::moved(const QString &newQuestion)
{
    stop();
    if (readsEveryQuestion())
        read(newQuestion);
}

void ReadAloud::stop()
{
    speaker_.stop();
}

void ReadAloud::everyQuestionToggled(bool on)
{
    QString reason;
    if (!settings_.write(settings::section, settings::readAloudKey,
                         on ? QStringLiteral("1") : QStringLiteral("0"), &reason))
        emit settingNotSaved(reason);
    if (!on)
        stop();
}

} // namespace veltrano
