#include "practice/history_codec.h"
#include "temporary_home.h"
#include "window_test_support.h"

#include <QElapsedTimer>

#include <sys/stat.h>

using namespace veltrano;
using namespace testing;

namespace {

QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The organisation's file, which QSettings (and so the program) reads for a
// key the program's own file lacks.
QString fallbackFile()
{
    return QDir::cleanPath(QFileInfo(settingsFile()).absolutePath() +
                           QStringLiteral("/../OrviTest.conf"));
}

// What a path holds: a regular file, a folder, a FIFO, a link, ...
mode_t fileType(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

void removeAnything(const QString &path)
{
    if (fileType(path) == S_IFDIR)
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

// A history value Qt would decode as lists nested `depth` deep: enough to
// overflow the stack of the decoder that QSettings calls.
QByteArray nestedVariant(int depth)
{
    QByteArray value = "@Variant(";
    for (int level = 0; level < depth; ++level)
        value += "\\0\\0\\0\\t\\0\\0\\0\\x1"; // a QVariantList of one
    return value + "\\0\\0\\0\\0)";
}

// Puts something hostile at path: bytes, or a FIFO, a link to /dev/zero, a
// folder.
void makeHostile(const QString &path, const QString &kind, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (kind == QLatin1String("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("/dev/zero")) {
        QVERIFY(QFile::link(kind, path));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(contents), contents.size());
    }
}

// Finishes a test in which only the first question is answered wrongly.
void finishWithFirstWrong(Form1 &window)
{
    answer(window, {1});
    const ModalAnswerer closeScores("Command1");
    click(window, "Command6");
}

} // namespace

class SharedSettingsTest : public QObject {
    Q_OBJECT

    TemporaryHome home_;

private slots:
    void init()
    {
        removeAnything(settingsFile());
        removeAnything(fallbackFile());
        for (const QString &folder :
             {QFileInfo(settingsFile()).absolutePath(), QFileInfo(fallbackFile()).absolutePath()}) {
            QDir dir(folder);
            for (const QString &aside :
                 dir.entryList({"*.broken*"}, QDir::AllEntries | QDir::System))
                removeAnything(dir.filePath(aside));
        }
    }

    void cleanup() { verifyNoWindowLeft(); }

    void hostileFiles_data()
    {
        QTest::addColumn<QString>("where"); // the program's file, or the fallback
        QTest::addColumn<QString>("kind");  // "bytes", "FIFO", "/dev/zero", "folder"
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("history"); // first five questions as loaded
        QTest::addColumn<bool>("keptAside");

        const QString settings = QStringLiteral("settings");
        const QString bytes = QStringLiteral("bytes");
        QTest::addRow("1 MB value")
            << settings << bytes << "[aaa]\nzzz=1\nredo=10" + QByteArray(1 << 20, '1') + "\n"
            << "10111" << false;
        QTest::addRow("non-ASCII text") << settings << bytes
                                        << QByteArray("[aaa]\nzzz=1\nredo=1\xc3\xa9"
                                                      "0\xc3\xbc"
                                                      "1\n")
                                        << "10001" << false;
        QTest::addRow("empty value")
            << settings << bytes << QByteArray("[aaa]\nzzz=1\nredo=\n") << "00000" << false;
        QTest::addRow("a list") << settings << bytes << QByteArray("[aaa]\nzzz=1\nredo=1, 1\n")
                                << "1001"
                                   "0"
                                << false;
        QTest::addRow("byte-order mark")
            << settings << bytes << QByteArray("\xEF\xBB\xBF[aaa]\nzzz=1\nredo=01\n") << "01000"
            << false;
        QTest::addRow("fallback file") << QStringLiteral("fallback") << bytes
                                       << QByteArray("[aaa]\nredo=10101\n") << "10101" << false;

        // Never read: kept aside, and the program starts without them.
        for (const QString &where : {settings, QStringLiteral("fallback")}) {
            const auto add = [&where](const char *name, const QString &kind,
                                      const QByteArray &contents) {
                QTest::addRow("%s, %s", name, qPrintable(where))
                    << where << kind << contents << "00000" << true;
            };
            add("binary bytes", bytes, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
            add("not INI at all", bytes, "Dear diary,\nnothing to see here.\n");
            add("broken UTF-8", bytes, "[aaa]\nzzz=1\nredo=01\xff\xfe\n");
            add("UTF-8 cut short", bytes, "[aaa]\nzzz=1\nredo=01\xc3");
            add("quote left open", bytes, "[aaa]\nzzz=1\nredo=\"01\n");
            add("over 4 MiB", bytes, "[aaa]\nzzz=1\nredo=1" + QByteArray(4 << 20, '1') + "\n");
            add("deeply nested value", bytes, "[aaa]\nzzz=1\nredo=" + nestedVariant(60000) + "\n");
            add("FIFO", QStringLiteral("FIFO"), {});
            add("link to /dev/zero", QStringLiteral("/dev/zero"), {});
            add("folder", QStringLiteral("folder"), {});
        }
    }

    // The program starts quickly on any file, reads what it can, and keeps
    // aside, once, what it cannot read, telling the user; then it stores as
    // usual.
    void hostileFiles()
    {
        QFETCH(QString, where);
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(QString, history);
        QFETCH(bool, keptAside);

        const bool inFallback = where == QLatin1String("fallback");
        const QString hostile = inFallback ? fallbackFile() : settingsFile();
        if (inFallback)
            writeSettings("[aaa]\nzzz=1\n");
        makeHostile(hostile, kind, contents);
        const mode_t type = fileType(hostile);

        QElapsedTimer startUp;
        startUp.start();
        const auto owned = openWindow();
        Form1 &window = *owned;
        QVERIFY2(startUp.elapsed() < 3000, qPrintable(QString::number(startUp.elapsed())));
        QCOMPARE(window.questionBank().questionCount(), 165);
        QCOMPARE(encodeHistory(window.practiceTest().wrongFlags(), 165).left(5), history);

        const QString aside = hostile + QStringLiteral(".broken");
        if (keptAside) {
            // Told at start-up; the program's own file kept aside takes the
            // first-run marker with it, so the licence is asked for again.
            const ScriptedAnswer ok(platform::MessageBox::Answer::Ok);
            const ModalAnswerer acceptLicence("Command1");
            QTRY_VERIFY(ok.wasAsked());
            QTRY_COMPARE(acceptLicence.answered(), !inFallback);
            QVERIFY(!window.agreementPending());
            const QString told = ok.text();
            QVERIFY2(told.startsWith(QDir::toNativeSeparators(hostile) + " could not be read ("),
                     qPrintable(told));
            QVERIFY2(told.endsWith("It was kept aside as " + QDir::toNativeSeparators(aside) + "."),
                     qPrintable(told));
            QCOMPARE(fileType(aside), type);
            if (kind == QLatin1String("bytes"))
                QCOMPARE(fileContents(aside), contents);
        }

        click(window, "Command2");
        finishWithFirstWrong(window);
        QCOMPARE(fileType(aside), keptAside ? type : mode_t(0));
        QVERIFY(!QFileInfo::exists(hostile + QStringLiteral(".broken.2")));
        const QString stored = storedSetting("redo");
        QCOMPARE(stored, encodeHistory(window.practiceTest().wrongFlags(), 165));
        QVERIFY(stored.at(window.practiceTest().item(1).question - 1) == u'1');
        QCOMPARE(storedSetting("zzz"), QStringLiteral("1"));
    }

    // Two copies of the program on one settings file: each store keeps what
    // the other stored.
    void twoCopiesKeepBothHistories()
    {
        writeSettings("[aaa]\nzzz=1\n");
        // Seeds whose five-question tests share no question.
        const auto firstWindow = openWindow(1);
        const auto secondWindow = openWindow(2);
        Form1 &first = *firstWindow;
        Form1 &second = *secondWindow;
        click(first, "Command2");
        click(second, "Command2");
        QVERIFY(!holdsQuestion(second, first.practiceTest().item(1).question));
        QVERIFY(!holdsQuestion(first, second.practiceTest().item(1).question));
        const int missedFirst = first.practiceTest().item(1).question;
        const int missedSecond = second.practiceTest().item(1).question;

        finishWithFirstWrong(first);
        finishWithFirstWrong(second);
        const QString stored = storedValue(settings::historyKey);
        QCOMPARE(stored.count(u'1'), 2);
        QCOMPARE(stored.at(missedFirst - 1), u'1');
        QCOMPARE(stored.at(missedSecond - 1), u'1');
        // The second copy now knows the first one's history too.
        QVERIFY(second.practiceTest().wrongFlags().isFlagged(missedFirst));
    }
};

QTEST_MAIN(SharedSettingsTest)
#include "test_shared_settings.moc"
