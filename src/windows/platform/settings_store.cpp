#include "windows/platform/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace veltrano::platform {

namespace {

const QString storeName = QStringLiteral("OrviTest");

std::unique_ptr<QSettings> openSettings(const QString &iniFilePath)
{
    if (iniFilePath.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, storeName,
                                           storeName);
    return std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat);
}

QString describeFailure(const QSettings &settings)
{
    const QFileInfo file(settings.fileName());
    const QString where = QDir::toNativeSeparators(settings.fileName());
    if (settings.status() == QSettings::FormatError)
        return QStringLiteral("%1 is not a settings file that can be read.").arg(where);
    if (file.exists() && !file.isWritable())
        return QStringLiteral("%1 is read-only.").arg(where);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QStringLiteral("The folder %1 could not be created.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable())
        return QStringLiteral("The folder %1 is not writable.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    return QStringLiteral("%1 could not be written (is the disk full?).").arg(where);
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniFilePath) : iniFilePath_(std::move(iniFilePath)) {}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &fallback) const
{
    const auto settings = openSettings(iniFilePath_);
    const QVariant value = settings->value(section + u'/' + key);
    if (!value.isValid())
        return fallback;
    // A value written by hand as a list ("a, b") comes back as a QStringList.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (!value.canConvert<QString>())
        return fallback;
    return value.toString();
}

bool SettingsStore::write(const QString &section, const QString &key, const QString &value,
                          QString *error)
{
    const auto settings = openSettings(iniFilePath_);
    settings->setValue(section + u'/' + key, value);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    if (error)
        *error = describeFailure(*settings);
    return false;
}

QString SettingsStore::fileName() const
{
    return openSettings(iniFilePath_)->fileName();
}

} // namespace veltrano::platform
