#include "config/version.h"
#include "small_disk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using testing::SmallDisk;

namespace {

// A raw file whose line n reads "(a) line n", so each output text shows the
// line it came from.
QByteArray numberedLines(int count)
{
    QByteArray raw;
    for (int n = 1; n <= count; ++n)
        raw += "(a) line " + QByteArray::number(n) + "\r\n";
    return raw;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

mode_t fileType(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

Run runCommand(const QStringList &arguments, const QString &workingDirectory)
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(VELTRANO_QUESTIONS_COMMAND), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class QuestionsCommandTest : public QObject {
    Q_OBJECT

private slots:
    void convertsRawFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QByteArray>("summary");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QByteArray>("someLines");

        QTest::addRow("simple")
            << QStringList{"simple", "raw.txt", "out.txt"} << "raw.txt"
            << "out.txt" << QByteArray("184 questions read from raw.txt, written to out.txt\n")
            << 184 * 5
            << QByteArray("(a) line 1284\r\nline 1285\r\nline 1286\r\nline 1287\r\nline 1288\r\n");
        QTest::addRow("statements")
            << QStringList{"statements", "raw.txt", "out.txt"} << "raw.txt"
            << "out.txt" << QByteArray("166 questions read from raw.txt, written to out.txt\n")
            << 166 * 5
            << QByteArray("\r\npQuestion(4)=\"(a) line 31\"\r\npchoice(4,1)=\"line 32\"\r\n");
#ifndef Q_OS_WIN
        QTest::addRow("default files")
            << QStringList{"simple"} << "orvidata.txt"
            << "simple.txt"
            << QByteArray("184 questions read from orvidata.txt, written to simple.txt\n")
            << 184 * 5 << QByteArray("(a) line 3\r\nline 4\r\n");
#endif
    }

    void convertsRawFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QByteArray, summary);
        QFETCH(int, lineCount);
        QFETCH(QByteArray, someLines);

        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(input), numberedLines(1300)));
        QVERIFY(writeFile(dir.filePath(output), "earlier output\r\n"));
        const Run run = runCommand(arguments, dir.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, summary);
        QCOMPARE(run.err, QByteArray()); // no progress display without a terminal
        const QByteArray written = fileBytes(dir.filePath(output));
        QCOMPARE(written.count("\r\n"), lineCount);
        QCOMPARE(written.count('\n'), lineCount);
        QVERIFY2(written.contains(someLines), written.left(200));
    }

    void failsWithoutTouchingFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("rawLines");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message"); // the start of the one line on stderr

        QTest::addRow("missing input")
            << QStringList{"statements", "missing.txt", "out.txt"} << 1288 << 1
            << QByteArray("veltrano-questions: missing.txt: cannot read: ");
        QTest::addRow("short input") << QStringList{"simple", "raw.txt", "out.txt"} << 1000 << 1
                                     << QByteArray("veltrano-questions: raw.txt: input past end "
                                                   "of file: line 1288 needed, 1000 lines found\n");
        QTest::addRow("output inside a file")
            << QStringList{"simple", "raw.txt", "raw.txt/out.txt"} << 1288 << 1
            << QByteArray("veltrano-questions: raw.txt/out.txt: cannot write: ");
        QTest::addRow("output is a folder")
            << QStringList{"statements", "raw.txt", "folder"} << 1288 << 1
            << QByteArray("veltrano-questions: folder: cannot write: ");
        // Every byte of a Windows-1252 file decodes to a character that encodes
        // back, so texts Windows-1252 cannot hold are tested in
        // test_question_files through writeQuestionFile.
        QTest::addRow("no command")
            << QStringList{} << 1288 << 2 << QByteArray("veltrano-questions: missing command");
        QTest::addRow("unknown command") << QStringList{"plain", "raw.txt", "out.txt"} << 1288 << 2
                                         << QByteArray("veltrano-questions: unknown command");
        QTest::addRow("too many arguments")
            << QStringList{"simple", "raw.txt", "out.txt", "more"} << 1288 << 2
            << QByteArray("veltrano-questions: too many arguments; see --help\n");
        QTest::addRow("unknown option") << QStringList{"--bogus", "simple", "raw.txt", "out.txt"}
                                        << 1288 << 2 << QByteArray("veltrano-questions: Unknown");
    }

    void failsWithoutTouchingFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, rawLines);
        QFETCH(int, status);
        QFETCH(QByteArray, message);

        QTemporaryDir dir;
        const QByteArray raw = numberedLines(rawLines);
        const QByteArray earlier = "earlier good output \xE9\r\n";
        QVERIFY(writeFile(dir.filePath("raw.txt"), raw));
        QVERIFY(writeFile(dir.filePath("out.txt"), earlier));
        QVERIFY(QDir(dir.path()).mkdir("folder"));

        const Run run = runCommand(arguments, dir.path());
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.startsWith(message), run.err);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
        QCOMPARE(fileBytes(dir.filePath("raw.txt")), raw);
        QCOMPARE(fileBytes(dir.filePath("out.txt")), earlier);
        QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"folder", "out.txt", "raw.txt"}));
    }

    // Whatever the output's name, the input and anything that is not a
    // regular file are left as they were.
    void refusesOutputsItMustNotReplace_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");

        const QByteArray isInput = ": cannot write: it is the input file\n";
        const QByteArray notRegular = ": cannot write: not a regular file\n";
        QTest::addRow("output is the input") << QStringList{"simple", "raw.txt", "raw.txt"}
                                             << "veltrano-questions: raw.txt" + isInput;
        QTest::addRow("output is ./input") << QStringList{"simple", "raw.txt", "./raw.txt"}
                                           << "veltrano-questions: ./raw.txt" + isInput;
        QTest::addRow("output is a link to the input")
            << QStringList{"statements", "raw.txt", "link.txt"}
            << "veltrano-questions: link.txt" + isInput;
        QTest::addRow("input read through a link") << QStringList{"simple", "link.txt", "raw.txt"}
                                                   << "veltrano-questions: raw.txt" + isInput;
        QTest::addRow("output is a FIFO")
            << QStringList{"simple", "raw.txt", "fifo"} << "veltrano-questions: fifo" + notRegular;
        QTest::addRow("output is a device") << QStringList{"simple", "raw.txt", "device"}
                                            << "veltrano-questions: device" + notRegular;
    }

    void refusesOutputsItMustNotReplace()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);

        QTemporaryDir dir;
        const QByteArray raw = numberedLines(1288);
        QVERIFY(writeFile(dir.filePath("raw.txt"), raw));
        QVERIFY(QFile::link("raw.txt", dir.filePath("link.txt")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
        // The null device's numbers, in a folder of the test's own: never
        // the system's /dev/null.
        const bool haveDevice = ::mknod(QFile::encodeName(dir.filePath("device")).constData(),
                                        S_IFCHR | 0600, makedev(1, 3)) == 0;
        if (arguments.contains("device") && !haveDevice)
            QSKIP("cannot make a device node here (mknod needs root)");

        const Run run = runCommand(arguments, dir.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, message);
        QCOMPARE(fileBytes(dir.filePath("raw.txt")), raw);
        QCOMPARE(fileType(dir.filePath("link.txt")), mode_t(S_IFLNK));
        QCOMPARE(fileType(dir.filePath("fifo")), mode_t(S_IFIFO));
        if (haveDevice)
            QCOMPARE(fileType(dir.filePath("device")), mode_t(S_IFCHR));
        QCOMPARE(QDir(dir.path())
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
                     .size(),
                 haveDevice ? 4 : 3);
    }

    // On a full disk the command fails and says so; the earlier output is
    // left whole, and no empty file is left where there was none.
    void fullDiskKeepsTheEarlierOutput_data()
    {
        QTest::addColumn<bool>("earlierOutput");
        QTest::addColumn<qint64>("roomLeft");
        QTest::addColumn<bool>("written");

        QTest::addRow("full, earlier output") << true << qint64(0) << false;
        QTest::addRow("full, no earlier output") << false << qint64(0) << false;
        QTest::addRow("one page left") << true << qint64(4096) << false;
        QTest::addRow("room for the output") << true << qint64(32 * 1024) << true;
    }

    void fullDiskKeepsTheEarlierOutput()
    {
        QFETCH(bool, earlierOutput);
        QFETCH(qint64, roomLeft);
        QFETCH(bool, written);

        SmallDisk disk;
        if (!disk.isMounted())
            QSKIP(qPrintable(disk.whyNot()));
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("raw.txt"), numberedLines(1288)));
        const QString output = disk.filePath("out.txt");
        const QByteArray earlier = "earlier good output\r\n";
        if (earlierOutput)
            QVERIFY(writeFile(output, earlier));
        QVERIFY(disk.fill(roomLeft));

        const Run run = runCommand({"simple", "raw.txt", output}, dir.path());
        if (written) {
            QCOMPARE(run.status, 0);
            QCOMPARE(fileBytes(output).count("\r\n"), 184 * 5);
            return;
        }
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, "veltrano-questions: " + output.toLocal8Bit() +
                              ": cannot write: No space left on device\n");
        QCOMPARE(QFileInfo::exists(output), earlierOutput);
        if (earlierOutput)
            QCOMPARE(fileBytes(output), earlier);
        QCOMPARE(QDir(disk.filePath(".")).entryList(QDir::Files).size(), earlierOutput ? 2 : 1);
    }

    // The input is read as a stream, and no further than its last needed
    // line: a pipe still open after it is fine.
    void stopsAtTheLastLineItNeeds()
    {
        QTemporaryDir dir;
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(VELTRANO_QUESTIONS_COMMAND),
                      {"statements", "/dev/stdin", "out.txt"});
        QVERIFY(process.waitForStarted());
        process.write(numberedLines(1288));
        QVERIFY2(process.waitForFinished(20000), "still waiting for more input");
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(fileBytes(dir.filePath("out.txt")).count("\r\n"), 166 * 5);
    }

    // Inputs that would take much memory or never end are refused at the
    // limit, quickly.
    void refusesInputsOverTheLimit_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("accepted");

        constexpr qint64 limit = 16 * 1024 * 1024;
        QTest::addRow("a file at the limit") << "file" << limit << true;
        QTest::addRow("a file one byte over") << "file" << limit + 1 << false;
        QTest::addRow("a sparse 1 GiB file") << "file" << (qint64(1) << 30) << false;
        QTest::addRow("a device without end") << "/dev/zero" << qint64(0) << false;
    }

    void refusesInputsOverTheLimit()
    {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(bool, accepted);

        QTemporaryDir dir;
        const QString input = dir.filePath("raw.txt");
        if (kind == "file") {
            QVERIFY(writeFile(input, numberedLines(1288)));
            QVERIFY(QFile(input).resize(size)); // the rest reads as NUL bytes
        } else {
            QVERIFY(QFile::link(kind, input));
        }
        QElapsedTimer timer;
        timer.start();
        const Run run = runCommand({"simple", "raw.txt", "out.txt"}, dir.path());
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        if (accepted) {
            QCOMPARE(run.status, 0);
            return;
        }
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QByteArray("veltrano-questions: raw.txt: input larger than 16 MiB, the "
                                     "most a raw question file may hold\n"));
        QVERIFY(!QFileInfo::exists(dir.filePath("out.txt")));
    }

    void describesItself()
    {
        QTemporaryDir dir;
        const Run help = runCommand({"--help"}, dir.path());
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.contains("simple|statements [INPUT [OUTPUT]]"), help.out);
        QVERIFY2(help.out.contains("2 on a usage error"), help.out);
        QVERIFY2(help.out.contains("larger than 16 MiB"), help.out);
        const Run version = runCommand({"--version"}, dir.path());
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QByteArray("veltrano-questions ") + veltrano::programVersion + "\n");
    }
};

QTEST_GUILESS_MAIN(QuestionsCommandTest)
#include "test_questions_command.moc"
