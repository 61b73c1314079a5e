#pragma once

#include <QObject>
#include <QString>

class QAction;

namespace veltrano {

namespace platform {
class SettingsStore;
class Speaker;
} // namespace platform

// The "Read Aloud" entries of the main window: F5 reads the question on
// view and its choices; a checkable entry, kept in the settings, reads every
// new question as it comes into view. Any move stops the reading. Without a
// speech engine both entries are disabled and their tooltips say why.
class ReadAloud : public QObject {
    Q_OBJECT
public:
    ReadAloud(platform::Speaker &speaker, platform::SettingsStore &settings, QAction *readNow,
              QAction *readEveryQuestion, QObject *parent = nullptr);

    bool readsEveryQuestion() const;
    // Sets the entries' tooltips in the program's language.
    void retranslate();

    // Reads text now (F5).
    void read(const QString &text);
    // A move: stops the reading, then reads the new question's text when
    // every new question is to be read.
    void moved(const QString &newQuestion);
    void stop();

signals:
    // The user asked to read the question on view.
    void readRequested();
    // The setting could not be stored; reason says why.
    void settingNotSaved(const QString &reason);

private:
    void everyQuestionToggled(bool on);
    void showAvailability();

    platform::Speaker &speaker_;
    platform::SettingsStore &settings_;
    QAction *readNow_;
    QAction *readEveryQuestion_;
};

} // namespace veltrano
