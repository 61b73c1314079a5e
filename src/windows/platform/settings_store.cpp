#include "windows/platform/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringDecoder>

#include <memory>

namespace veltrano::platform {

namespace {

const QString storeName = QStringLiteral("OrviTest");

// Why a store failed, in the program's language.
QString whyText(const char *text)
{
    return QCoreApplication::translate("SettingsStore", text);
}

std::unique_ptr<QSettings> openSettings(const QString &iniFilePath)
{
    if (iniFilePath.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, storeName,
                                           storeName);
    return std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat);
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Whether the bytes are a settings file: UTF-8 text whose lines are blank,
// comments, [sections] or key=value pairs. Qt reads almost anything and
// would write back only what it understood.
bool looksLikeSettings(const QByteArray &contents)
{
    if (contents.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(contents);
    if (utf8.hasError())
        return false;
    const QStringList lines = text.split(u'\n');
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        const bool fine = line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#') ||
                          (line.startsWith(u'[') && line.endsWith(u']')) || line.contains(u'=');
        if (!fine)
            return false;
    }
    return true;
}

// Renames a file that is not a settings file to "<name>.broken" (or
// ".broken.2", ...), never replacing an earlier one.
bool keepBrokenFileAside(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return true;
    if (looksLikeSettings(file.readAll()))
        return true;
    file.close();
    QString aside = path + QStringLiteral(".broken");
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".broken.%1").arg(n);
    if (QFile::rename(path, aside))
        return true;
    if (error)
        *error =
            whyText(QT_TRANSLATE_NOOP("SettingsStore",
                                      "%1 could not be read, and could not be kept aside as %2."))
                .arg(nativePath(path), nativePath(aside));
    return false;
}

QString describeFailure(const QSettings &settings)
{
    const QFileInfo file(settings.fileName());
    const QString where = nativePath(settings.fileName());
    if (settings.status() == QSettings::FormatError)
        return whyText(QT_TRANSLATE_NOOP("SettingsStore",
                                         "%1 is not a settings file that can be read."))
            .arg(where);
    if (file.exists() && !file.isWritable())
        return whyText(QT_TRANSLATE_NOOP("SettingsStore", "%1 is read-only.")).arg(where);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return whyText(QT_TRANSLATE_NOOP("SettingsStore", "The folder %1 could not be created."))
            .arg(nativePath(folder.filePath()));
    if (!folder.isDir() || !folder.isWritable())
        return whyText(QT_TRANSLATE_NOOP("SettingsStore", "The folder %1 is not writable."))
            .arg(nativePath(folder.filePath()));
    return whyText(
               QT_TRANSLATE_NOOP("SettingsStore", "%1 could not be written (is the disk full?)."))
        .arg(where);
}

QString readValue(const QSettings &settings, const QString &path, const QString &fallback)
{
    const QVariant value = settings.value(path);
    if (!value.isValid())
        return fallback;
    // A value written by hand as a list ("a, b") comes back as a QStringList.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (!value.canConvert<QString>())
        return fallback;
    return value.toString();
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniFilePath) : iniFilePath_(std::move(iniFilePath)) {}

QString SettingsStore::read(const QString &section, const QString &key,
                            const QString &fallback) const
{
    const auto settings = openSettings(iniFilePath_);
    return readValue(*settings, section + u'/' + key, fallback);
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
    const QString path = fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Not QSettings' own "<file>.lock": QSettings takes that one inside.
    QLockFile lock(path + QStringLiteral(".veltrano-lock"));
    lock.setStaleLockTime(5000);
    const bool locked = lock.tryLock(10000);
    if (!locked && lock.error() != QLockFile::PermissionError &&
        lock.error() != QLockFile::UnknownError) {
        if (error)
            *error = whyText(QT_TRANSLATE_NOOP("SettingsStore",
                                               "Another copy of the program kept %1 locked."))
                         .arg(nativePath(path));
        return false;
    }
    // Without a lock (a folder that cannot be written) the write below fails
    // and says why.
    if (!keepBrokenFileAside(path, error))
        return false;
    const auto settings = openSettings(iniFilePath_);
    const QString entry = section + u'/' + key;
    settings->setValue(entry, change(readValue(*settings, entry, fallback)));
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
