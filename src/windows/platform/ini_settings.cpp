#include "windows/platform/ini_settings.h"

#include "bank/whole_files.h"
#include "windows/platform/settings_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace veltrano::platform {

namespace {

// Another copy storing at the same moment is waited for this long at most:
// long enough for any real store, short enough not to freeze the window.
constexpr std::chrono::milliseconds lockPatience{1500};

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What reading one settings file found.
struct FileRead {
    enum class Kind { Text, Missing, Broken, Unreadable };
    Kind kind = Kind::Missing;
    IniText text;
    QString why; // why it is broken, or the system's words
};

FileRead readSettingsFile(const QString &path)
{
    using Status = FileContents::Status;
    const FileContents contents = readRegularFile(path, settingsFileSizeLimit);
    switch (contents.status) {
    case Status::Read:
        if (std::optional<IniText> text = IniText::parse(contents.bytes))
            return {FileRead::Kind::Text, *std::move(text), {}};
        return {FileRead::Kind::Broken,
                {},
                QCoreApplication::translate("SettingsStore",
                                            "it is not a settings file this program can read")};
    case Status::Missing:
        return {};
    case Status::NotRegularFile:
        return {FileRead::Kind::Broken,
                {},
                QFileInfo(path).isDir()
                    ? QCoreApplication::translate("SettingsStore", "it is a folder")
                    : QCoreApplication::translate("SettingsStore", "it is not a regular file")};
    case Status::TooLarge:
        return {FileRead::Kind::Broken,
                {},
                QCoreApplication::translate("SettingsStore", "it is larger than %1 MiB")
                    .arg(settingsFileSizeLimit >> 20)};
    case Status::Unreadable:
        break;
    }
    return {FileRead::Kind::Unreadable, {}, contents.detail};
}

// The first free name of "<path>.broken", "<path>.broken.2", ...
QString asideName(const QString &path)
{
    QString aside = path + QStringLiteral(".broken");
    for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".broken.%1").arg(n);
    return aside;
}

QString describe(const FileWriteFailure &failure, const QString &path)
{
    using Cause = FileWriteFailure::Cause;
    const QString where = nativePath(path);
    switch (failure.cause) {
    case Cause::ReadOnly:
        return QCoreApplication::translate("SettingsStore", "%1 is read-only.").arg(where);
    case Cause::FolderNotWritable:
        return QCoreApplication::translate("SettingsStore", "The folder %1 is not writable.")
            .arg(nativePath(QFileInfo(path).absolutePath()));
    case Cause::NoSpace:
        return QCoreApplication::translate("SettingsStore",
                                           "%1 could not be written: the disk is full.")
            .arg(where);
    case Cause::NotRegularFile:
    case Cause::Other:
        break;
    }
    return QCoreApplication::translate("SettingsStore", "%1 could not be written (%2).")
        .arg(where, failure.detail);
}

} // namespace

IniSettings::Files IniSettings::nativeFiles(const QString &organisation, const QString &application)
{
    // As QSettings names them: a relative XDG_CONFIG_HOME counts from the
    // home folder, relative XDG_CONFIG_DIRS from the working folder.
    const QString home = QDir::homePath();
    QString user = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (user.isEmpty())
        user = home + QStringLiteral("/.config");
    else if (!user.startsWith(u'/'))
        user = home + u'/' + user;
    QStringList system;
    for (const QString &folder :
         qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts))
        system.append(QDir(folder).absolutePath());
    if (system.isEmpty())
        system.append(QStringLiteral("/etc/xdg"));

    const QString applicationFile =
        u'/' + organisation + u'/' + application + QStringLiteral(".conf");
    const QString organisationFile = u'/' + organisation + QStringLiteral(".conf");
    Files files;
    files.written = QDir::cleanPath(user + applicationFile);
    files.fallbacks.append(QDir::cleanPath(user + organisationFile));
    files.userFallbacks = 1;
    for (const QString &folder : system)
        files.fallbacks.append(QDir::cleanPath(folder + applicationFile));
    for (const QString &folder : system)
        files.fallbacks.append(QDir::cleanPath(folder + organisationFile));
    return files;
}

std::optional<QString> IniSettings::read(const QString &section, const QString &key)
{
    const QStringList paths = QStringList{files_.written} + files_.fallbacks;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const FileRead file = readSettingsFile(paths.at(i));
        if (file.kind == FileRead::Kind::Broken && isUsers(i))
            repair(paths.at(i));
        if (file.kind != FileRead::Kind::Text)
            continue;
        if (std::optional<QString> value = file.text.value(section, key))
            return value;
    }
    return std::nullopt;
}

void IniSettings::repair(const QString &path)
{
    SettingsLock lock(lockPath());
    if (lock.acquire(lockPatience) == SettingsLock::Outcome::Busy)
        return; // the next read tries again
    // Another copy may have stored a good file meanwhile.
    const FileRead file = readSettingsFile(path);
    if (file.kind == FileRead::Kind::Broken)
        keepAside(path, file.why, nullptr);
}

bool IniSettings::keepAside(const QString &path, const QString &why, QString *error)
{
    const QString aside = asideName(path);
    // rename(2) itself: QFile::rename would copy what it cannot rename, and
    // copying a FIFO or a device never ends.
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) ==
        0) {
        notices_.append(QCoreApplication::translate(
                            "SettingsStore", "%1 could not be read (%2). It was kept aside as %3.")
                            .arg(nativePath(path), why, nativePath(aside)));
        return true;
    }
    const QString reason = qt_error_string(errno);
    // A store says so itself; a read tells once.
    if (!error && !reported_.contains(path)) {
        reported_.insert(path);
        notices_.append(QCoreApplication::translate(
                            "SettingsStore",
                            "%1 could not be read (%2), and could not be kept aside as %3: %4.")
                            .arg(nativePath(path), why, nativePath(aside), reason));
    }
    if (error)
        *error = QCoreApplication::translate(
                     "SettingsStore", "%1 could not be read, and could not be kept aside as %2.")
                     .arg(nativePath(path), nativePath(aside));
    return false;
}

bool IniSettings::update(const QString &section, const QString &key, const QString &fallback,
                         const SettingsStore::Change &change, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QString &path = files_.written;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(
            QCoreApplication::translate("SettingsStore", "The folder %1 could not be created.")
                .arg(nativePath(folder)));
    SettingsLock lock(lockPath());
    if (lock.acquire(lockPatience) == SettingsLock::Outcome::Busy)
        return fail(
            QCoreApplication::translate(
                "SettingsStore", "Another copy of the program is saving to %1 at this moment.")
                .arg(nativePath(path)));
    // Without the lock (a folder that cannot be written) the write below
    // fails and says why.

    // The bytes on disk now, never a copy cached by size and time: another
    // copy may have stored a value of the same size in the same millisecond.
    FileRead file = readSettingsFile(path);
    switch (file.kind) {
    case FileRead::Kind::Broken:
        if (!keepAside(path, file.why, error))
            return false;
        file = {};
        break;
    case FileRead::Kind::Unreadable:
        return fail(QCoreApplication::translate("SettingsStore", "%1 could not be read (%2).")
                        .arg(nativePath(path), file.why));
    case FileRead::Kind::Missing:
    case FileRead::Kind::Text:
        break;
    }

    const std::optional<QString> own = file.text.value(section, key);
    std::optional<QString> stored = own;
    for (qsizetype i = 0; !stored && i < files_.fallbacks.size(); ++i) {
        const FileRead other = readSettingsFile(files_.fallbacks.at(i));
        if (other.kind == FileRead::Kind::Text)
            stored = other.text.value(section, key);
    }
    const QString value = change(stored.value_or(fallback));
    if (own == value)
        return true; // already stored
    if (!file.text.setValue(section, key, value))
        return fail(
            QCoreApplication::translate(
                "SettingsStore", "%1 could not be written (the value cannot be kept as text).")
                .arg(nativePath(path)));
    if (file.text.bytes().size() > settingsFileSizeLimit)
        return fail(
            QCoreApplication::translate("SettingsStore", "%1 would grow larger than %2 MiB.")
                .arg(nativePath(path))
                .arg(settingsFileSizeLimit >> 20));
    // Under the lock the new file's name is this copy's alone, and one
    // left by a copy killed midway is replaced.
    const QString newFile = lock.isHeld() ? path + QStringLiteral(".veltrano-new") : QString();
    if (const auto failure = replaceFile(path, file.text.bytes(), newFile))
        return fail(describe(*failure, path));
    return true;
}

} // namespace veltrano::platform
