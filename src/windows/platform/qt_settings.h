#pragma once

#include "windows/platform/settings_store.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace veltrano::platform {

// The settings kept by QSettings: its native store where that is not an INI
// file (macOS, Windows), or an INI file named by a test or a tool there. Qt
// keeps the store, its locking and its repair; one QSettings serves each
// read or store.
class QtSettings {
public:
    explicit QtSettings(QString name, QString iniFilePath = {});

    std::optional<QString> read(const QString &section, const QString &key) const;
    bool update(const QString &section, const QString &key, const QString &fallback,
                const SettingsStore::Change &change, QString *error);
    QStringList takeNotices() { return {}; }

private:
    QString name_;
    QString iniFilePath_; // empty: the native store
};

} // namespace veltrano::platform
