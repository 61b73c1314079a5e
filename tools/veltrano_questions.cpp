// veltrano-questions: converts a raw question file into the plain form
// ("simple") or the statement form ("statements").

#include "bank/question_files.h"
#include "config/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr int failureStatus = 1;
constexpr int usageStatus = 2;

#ifdef Q_OS_WIN
const QString defaultInput = QStringLiteral("c:\\orvidata.txt");
const QString defaultOutput = QStringLiteral("c:\\simple.txt");
#else
const QString defaultInput = QStringLiteral("orvidata.txt");
const QString defaultOutput = QStringLiteral("simple.txt");
#endif

bool standardErrorIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void printLine(std::FILE *stream, const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stream);
}

int usageError(QString reason)
{
    if (reason.endsWith(u'.')) // QCommandLineParser's messages end in one
        reason.chop(1);
    printLine(stderr, QStringLiteral("veltrano-questions: %1; see --help").arg(reason));
    return usageStatus;
}

// One line on a terminal's standard error, rewritten for every group.
class ProgressLine {
public:
    explicit ProgressLine(bool enabled) : enabled_(enabled) {}
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;
    ~ProgressLine() { clear(); }

    void show(int group)
    {
        if (!enabled_)
            return;
        const QString text =
            QStringLiteral("reading group %1 of %2").arg(group).arg(veltrano::rawGroupCount);
        std::fputs(qPrintable(u'\r' + text), stderr);
        std::fflush(stderr);
        width_ = text.size();
    }

    void clear()
    {
        if (width_ == 0)
            return;
        std::fputs(qPrintable(u'\r' + QString(width_, u' ') + u'\r'), stderr);
        std::fflush(stderr);
        width_ = 0;
    }

private:
    bool enabled_;
    qsizetype width_ = 0;
};

QString description()
{
    return QStringLiteral(
               "Converts a raw question file (Windows-1252, 184 groups of 7 lines) into\n"
               "one of two forms, written in Windows-1252 with CR LF line ends:\n"
               "  simple      all 184 questions, five lines each: the question, then\n"
               "              its four choices\n"
               "  statements  166 questions (groups 4 and 164..180 left out) as\n"
               "              pQuestion(q)=\"...\" and pchoice(q,c)=\"...\" lines\n"
               "\n"
               "INPUT defaults to %1, OUTPUT to %2.\n"
               "INPUT is read as a stream up to its 1288th line, and refused when it\n"
               "is larger than %3 MiB. OUTPUT must be a regular file or a new name,\n"
               "and not the input file. It is replaced only once the whole conversion\n"
               "has succeeded and every byte is on the disk.\n"
               "\n"
               "Exit status: 0 on success, 1 when a file cannot be read, converted\n"
               "or written, 2 on a usage error.")
        .arg(defaultInput, defaultOutput)
        .arg(veltrano::rawFileSizeLimit / (1024 * 1024));
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltrano-questions"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(veltrano::programVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    // The three syntax strings join into "simple|statements [INPUT [OUTPUT]]".
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("simple or statements."),
                                 QStringLiteral("simple|statements"));
    parser.addPositionalArgument(QStringLiteral("INPUT"), QStringLiteral("The raw question file."),
                                 QStringLiteral("[INPUT"));
    parser.addPositionalArgument(QStringLiteral("OUTPUT"), QStringLiteral("The file to write."),
                                 QStringLiteral("[OUTPUT]]"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.isSet(versionOption))
        parser.showVersion();

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return usageError(QStringLiteral("missing command (simple or statements)"));
    if (arguments.size() > 3)
        return usageError(QStringLiteral("too many arguments"));
    const QString &command = arguments.at(0);
    veltrano::OutputForm form;
    if (command == QLatin1String("simple"))
        form = veltrano::OutputForm::Plain;
    else if (command == QLatin1String("statements"))
        form = veltrano::OutputForm::Statements;
    else
        return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
    const QString input = arguments.value(1, defaultInput);
    const QString output = arguments.value(2, defaultOutput);

    ProgressLine progress(standardErrorIsTerminal());
    const veltrano::Outcome<int> written = veltrano::convertQuestionFile(
        form, input, output, [&progress](int group, const QString &) { progress.show(group); });
    progress.clear();

    if (!written.ok()) {
        printLine(stderr, QStringLiteral("veltrano-questions: ") + written.error().message());
        return failureStatus;
    }
    printLine(stdout, QStringLiteral("%1 questions read from %2, written to %3")
                          .arg(written.value())
                          .arg(input, output));
    return 0;
}
