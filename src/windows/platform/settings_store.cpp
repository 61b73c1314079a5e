#include "windows/platform/settings_store.h"

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#define VELTRANO_INI_SETTINGS 1
#include "windows/platform/ini_settings.h"
#else
#define VELTRANO_INI_SETTINGS 0
#include "windows/platform/qt_settings.h"
#endif

namespace veltrano::platform {

namespace {

const QString storeName = QStringLiteral("OrviTest");

} // namespace

// Where QSettings' native format is an INI file (Linux and the BSDs) the
// program keeps that file itself; elsewhere QSettings keeps the store.
#if VELTRANO_INI_SETTINGS
class SettingsStore::Backend : public IniSettings {
public:
    Backend() : IniSettings(nativeFiles(storeName, storeName)) {}
    explicit Backend(const QString &iniFilePath) : IniSettings(Files{iniFilePath, {}, 0}) {}
};
#else
class SettingsStore::Backend : public QtSettings {
public:
    Backend() : QtSettings(storeName) {}
    explicit Backend(const QString &iniFilePath) : QtSettings(storeName, iniFilePath) {}
};
#endif

SettingsStore::SettingsStore() : backend_(std::make_shared<Backend>()) {}

SettingsStore::SettingsStore(const QString &iniFilePath)
    : backend_(std::make_shared<Backend>(iniFilePath))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString &section, const QString &key, const QString &fallback)
{
    return backend_->read(section, key).value_or(fallback);
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value,
                          QString *error)
{
    return update(
        section, key, QString(), [&value](const QString &) { return value; }, error);
}

bool SettingsStore::update(const QString &section, const QString &key, const QString &fallback,
                           const Change &change, QString *error)
{
    return backend_->update(section, key, fallback, change, error);
}

QStringList SettingsStore::takeNotices()
{
    return backend_->takeNotices();
}

} // namespace veltrano::platform
