// Fuzzes the settings file as start-up meets it: any bytes (or a FIFO, a
// link to /dev/zero, a folder, a file over the size limit) at the program's
// own settings path or at the fallback path QSettings also reads. Start-up
// reads the history and the first-run marker, then a Finish stores the
// history. Nothing may crash or hang; a file that is not a settings file
// must be kept aside whole, and told of once; one that is must be read, and
// keep every other key through the store.
//
// The first byte chooses where and what: bit 0 the program's file, bit 1
// the fallback file (neither: both), (byte >> 2) % 5 the kind. The rest are
// the file's bytes.

#include "windows/platform/ini_text.h"
#include "windows/platform/settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using veltrano::platform::IniText;
using veltrano::platform::SettingsStore;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_settings_file: %s\n", what);
    __builtin_trap();
}

void check(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

QString configHome;

QString programFile()
{
    return configHome + QStringLiteral("/OrviTest/OrviTest.conf");
}

QString fallbackFile()
{
    return configHome + QStringLiteral("/OrviTest.conf");
}

enum class Kind { Bytes, Fifo, DevZero, Folder, OverLimit };

// Puts the thing to fuzz at path; returns whether a settings file stands
// there that the program must read (not keep aside).
bool place(const QString &path, Kind kind, const QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Kind::Fifo:
        check(::mkfifo(name.constData(), 0600) == 0, "cannot make a FIFO");
        return false;
    case Kind::DevZero:
        check(::symlink("/dev/zero", name.constData()) == 0, "cannot make a link");
        return false;
    case Kind::Folder:
        check(QDir().mkpath(path), "cannot make a folder");
        return false;
    case Kind::Bytes:
    case Kind::OverLimit:
        break;
    }
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
          "cannot write the file");
    if (kind == Kind::OverLimit) {
        check(file.resize(veltrano::platform::settingsFileSizeLimit + 1), "cannot grow the file");
        return false;
    }
    return bytes.size() <= veltrano::platform::settingsFileSizeLimit &&
           IniText::parse(bytes).has_value();
}

mode_t fileType(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void clear()
{
    QDir(configHome + QStringLiteral("/OrviTest")).removeRecursively();
    QDir home(configHome);
    for (const QString &name :
         home.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        const QString path = home.filePath(name);
        if (fileType(path) == S_IFDIR)
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A tmpfs where there is one: a store flushes every file to the disk.
    const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                             ? QStringLiteral("/dev/shm")
                             : QDir::tempPath();
    QByteArray folder = QFile::encodeName(base + QStringLiteral("/fuzz_settings_XXXXXX"));
    check(::mkdtemp(folder.data()) != nullptr, "cannot make a folder to work in");
    configHome = QFile::decodeName(folder);
    std::atexit([] { QDir(configHome).removeRecursively(); });
    qputenv("XDG_CONFIG_HOME", folder);
    qputenv("XDG_CONFIG_DIRS", folder + "/system"); // never the machine's /etc/xdg
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int where = data[0] & 3;
    const auto kind = static_cast<Kind>((data[0] >> 2) % 5);
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1,
                           static_cast<qsizetype>(size - 1));
    clear();
    QDir().mkpath(configHome + QStringLiteral("/OrviTest"));
    const bool inProgramFile = where != 2;
    const bool inFallback = where != 1;
    const QString program = programFile();
    const QString fallback = fallbackFile();
    const bool programReadable = inProgramFile && place(program, kind, bytes);
    const bool fallbackReadable = inFallback && place(fallback, kind, bytes);
    const std::optional<IniText> before =
        programReadable ? IniText::parse(bytes) : std::optional<IniText>();

    // Start-up: the history, then the first-run marker.
    SettingsStore store;
    const QString history =
        store.read(QStringLiteral("aaa"), QStringLiteral("redo"), QString(165, u'0'));
    store.read(QStringLiteral("aaa"), QStringLiteral("zzz"), QString());
    const QStringList notices = store.takeNotices();

    int keptAside = 0;
    for (const auto &[path, readable, placed] :
         {std::tuple{program, programReadable, inProgramFile},
          std::tuple{fallback, fallbackReadable, inFallback}}) {
        const QString aside = path + QStringLiteral(".broken");
        if (!placed || readable) {
            check(fileType(aside) == 0, "a readable file was kept aside");
            continue;
        }
        ++keptAside;
        check(fileType(path) == 0, "an unreadable file was left in place");
        check(fileType(aside) != 0, "an unreadable file was not kept aside");
        if (kind == Kind::Bytes)
            check(contents(aside) == bytes, "a file kept aside changed");
    }
    check(notices.size() == keptAside, "not one notice for each file kept aside");
    if (before) {
        const std::optional<QString> stored =
            before->value(QStringLiteral("aaa"), QStringLiteral("redo"));
        if (stored)
            check(history == *stored, "the history read is not the one stored");
    }

    // A Finish: the first question's digit becomes 1.
    const auto change = [](const QString &storedNow) { return u'1' + storedNow.mid(1); };
    QString error;
    if (!store.update(QStringLiteral("aaa"), QStringLiteral("redo"), QString(165, u'0'), change,
                      &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        fail("a store on a good disk failed");
    }
    check(store.takeNotices().isEmpty(), "something was told twice");
    const QByteArray written = contents(program);
    const std::optional<IniText> after = IniText::parse(written);
    check(after.has_value(), "the store wrote a file it cannot read");
    check(after->value(QStringLiteral("aaa"), QStringLiteral("redo")) == change(history),
          "the store wrote another value");
    if (before) {
        for (const auto &[section, key] : before->keys())
            if (section != QLatin1String("aaa") || key != QLatin1String("redo"))
                check(after->value(section, key) == before->value(section, key),
                      "the store changed another key");
    }
    check(store.read(QStringLiteral("aaa"), QStringLiteral("redo"), QString()) == change(history),
          "the value stored does not read back");

    // Storing the same again changes nothing on the disk.
    check(store.update(QStringLiteral("aaa"), QStringLiteral("redo"), QString(),
                       [](const QString &storedNow) { return storedNow; }),
          "storing the same value failed");
    check(contents(program) == written, "storing the same value changed the file");
    check(fileType(program + QStringLiteral(".broken.2")) == 0 &&
              fileType(fallback + QStringLiteral(".broken.2")) == 0,
          "a file was kept aside twice");
    return 0;
}
