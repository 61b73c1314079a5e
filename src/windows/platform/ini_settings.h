#pragma once

#include "windows/platform/ini_text.h"
#include "windows/platform/settings_store.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace veltrano::platform {

// The settings as INI files that the program reads and writes itself, where
// QSettings' native store is such a file (Linux and the BSDs). QSettings
// would decode any value it finds, block on a FIFO, read a device without
// end, and miss another copy's store made in the same millisecond; here
//
// - a file is read only if it is a regular file of at most
//   settingsFileSizeLimit bytes holding plain text values (IniText);
// - anything else at the user's own paths is kept aside as "<name>.broken"
//   (".broken.2", ...), once, and a notice says so;
// - a store takes the lock beside the file (SettingsLock), reads the file's
//   bytes afresh, changes one value and replaces the file only once every
//   byte is on the disk (replaceFile), leaving every other key as it was.
class IniSettings {
public:
    struct Files {
        QString written;       // the file stores go to
        QStringList fallbacks; // read in turn, after it, for a missing key
        int userFallbacks = 0; // the first of them that are the user's own
    };

    explicit IniSettings(Files files) : files_(std::move(files)) {}

    // The files QSettings' native store uses for the program, as it names
    // them: $XDG_CONFIG_HOME/OrviTest/OrviTest.conf, then the organisation's
    // file $XDG_CONFIG_HOME/OrviTest.conf, then those of $XDG_CONFIG_DIRS.
    static Files nativeFiles(const QString &organisation, const QString &application);

    std::optional<QString> read(const QString &section, const QString &key);
    bool update(const QString &section, const QString &key, const QString &fallback,
                const SettingsStore::Change &change, QString *error);
    QStringList takeNotices() { return std::exchange(notices_, {}); }

private:
    // The user's own files: the written one and the user's fallbacks.
    bool isUsers(qsizetype fileIndex) const { return fileIndex <= files_.userFallbacks; }
    // Keeps a broken file aside under the lock, unless it was mended meanwhile.
    void repair(const QString &path);
    // Keeps a broken file aside (the lock held) and tells of it.
    bool keepAside(const QString &path, const QString &why, QString *error);
    QString lockPath() const { return files_.written + QStringLiteral(".veltrano-lock"); }

    Files files_;
    QStringList notices_;
    QSet<QString> reported_; // paths whose trouble was already told
};

} // namespace veltrano::platform
