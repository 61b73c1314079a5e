#pragma once

#include <QString>

#include <functional>

namespace veltrano::platform {

// The per-user settings store, addressed by section and key, holding text
// values. By default it is the program's own native store (organisation and
// application "OrviTest"; on Linux ~/.config/OrviTest/OrviTest.conf); tests
// and tools may name an INI file instead.
//
// Several copies of the program may share the store: every write takes a
// lock beside the file. A file that is not a settings file at all is kept
// aside as "<name>.broken" before anything new is written, so nothing the
// user had is lost.
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(QString iniFilePath);

    // The stored text, or fallback when the key is missing or cannot be read.
    QString read(const QString &section, const QString &key, const QString &fallback) const;

    // Writes and flushes the value. Returns false, with a reason in *error,
    // when it could not be written; the earlier file is then left as it was.
    bool write(const QString &section, const QString &key, const QString &value,
               QString *error = nullptr);

    // Reads the value stored now (fallback when missing) and writes what
    // change makes of it, with no other copy storing in between.
    using Change = std::function<QString(const QString &storedNow)>;
    bool update(const QString &section, const QString &key, const QString &fallback,
                const Change &change, QString *error = nullptr);

    // Where the values live, for messages.
    QString fileName() const;

private:
    QString iniFilePath_; // empty: the native store
};

} // namespace veltrano::platform
