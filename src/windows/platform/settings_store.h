#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace veltrano::platform {

// The largest settings file read: a real one holds a few hundred bytes.
// A larger file is not read but kept aside as broken (where the program
// keeps its own INI file, see below).
inline constexpr qint64 settingsFileSizeLimit = 4 * 1024 * 1024;

// The per-user settings store, addressed by section and key, holding text
// values. By default it is the program's own native store (organisation and
// application "OrviTest"; on Linux ~/.config/OrviTest/OrviTest.conf); tests
// and tools may name an INI file instead.
//
// On Linux and the BSDs, where that store is an INI file, the program reads
// and writes the file itself (IniSettings): only plain text is read, anything
// that is not a settings file is kept aside as "<name>.broken" before a new
// one is started, several copies of the program share the file under a lock,
// and a store replaces the file only once every byte of it is on the disk.
// On macOS and Windows the native store is left to QSettings.
//
// Copies of a store share it, and what it has to tell.
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString &iniFilePath);
    ~SettingsStore();

    // The stored text, or fallback when the key is missing or cannot be read.
    // A file found broken on the way is kept aside (see takeNotices()).
    QString read(const QString &section, const QString &key, const QString &fallback);

    // Writes and flushes the value. Returns false, with a reason in *error,
    // when it could not be written; the earlier file is then left as it was.
    bool write(const QString &section, const QString &key, const QString &value,
               QString *error = nullptr);

    // Reads the value stored now (fallback when missing) and writes what
    // change makes of it, with no other copy storing in between.
    using Change = std::function<QString(const QString &storedNow)>;
    bool update(const QString &section, const QString &key, const QString &fallback,
                const Change &change, QString *error = nullptr);

    // What the store did on its own since the last call, each to be told to
    // the user once: a file that could not be read was kept aside.
    QStringList takeNotices();

    class Backend;

private:
    std::shared_ptr<Backend> backend_;
};

} // namespace veltrano::platform
