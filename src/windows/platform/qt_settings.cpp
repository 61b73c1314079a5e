#include "windows/platform/qt_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace veltrano::platform {

namespace {

std::unique_ptr<QSettings> openSettings(const QString &name, const QString &iniFilePath)
{
    if (iniFilePath.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name,
                                           name);
    return std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat);
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

std::optional<QString> readValue(const QSettings &settings, const QString &entry)
{
    const QVariant value = settings.value(entry);
    if (!value.isValid())
        return std::nullopt;
    // A value written by hand as a list ("a, b") comes back as a QStringList.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (!value.canConvert<QString>())
        return std::nullopt;
    return value.toString();
}

QString describeFailure(const QSettings &settings)
{
    const QFileInfo file(settings.fileName());
    const QString where = nativePath(settings.fileName());
    if (settings.status() == QSettings::FormatError)
        return QCoreApplication::translate("SettingsStore",
                                           "%1 is not a settings file that can be read.")
            .arg(where);
    if (file.exists() && !file.isWritable())
        return QCoreApplication::translate("SettingsStore", "%1 is read-only.").arg(where);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QCoreApplication::translate("SettingsStore", "The folder %1 could not be created.")
            .arg(nativePath(folder.filePath()));
    if (!folder.isDir() || !folder.isWritable())
        return QCoreApplication::translate("SettingsStore", "The folder %1 is not writable.")
            .arg(nativePath(folder.filePath()));
    return QCoreApplication::translate("SettingsStore",
                                       "%1 could not be written (is the disk full?).")
        .arg(where);
}

} // namespace

QtSettings::QtSettings(QString name, QString iniFilePath)
    : name_(std::move(name)), iniFilePath_(std::move(iniFilePath))
{
}

std::optional<QString> QtSettings::read(const QString &section, const QString &key) const
{
    return readValue(*openSettings(name_, iniFilePath_), section + u'/' + key);
}

bool QtSettings::update(const QString &section, const QString &key, const QString &fallback,
                        const SettingsStore::Change &change, QString *error)
{
    const auto settings = openSettings(name_, iniFilePath_);
    const QString entry = section + u'/' + key;
    // status() keeps the first error: a format error met while reading (an
    // INI file that starts with a byte-order mark) is still there after a
    // store that succeeded, and is no reason to report one that failed.
    const QSettings::Status beforeStore = settings->status();
    settings->setValue(entry, change(readValue(*settings, entry).value_or(fallback)));
    settings->sync();
    const QSettings::Status afterStore = settings->status();
    if (afterStore == QSettings::NoError ||
        (afterStore == QSettings::FormatError && beforeStore == QSettings::FormatError))
        return true;
    if (error)
        *error = describeFailure(*settings);
    return false;
}

} // namespace veltrano::platform
