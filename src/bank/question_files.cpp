#include "bank/question_files.h"

#include "bank/raw_lines.h"
#include "bank/whole_files.h"
#include "bank/windows1252.h"

#include <QByteArrayView>
#include <QFile>
#include <QList>

#include <charconv>
#include <iterator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace veltrano {

namespace {

constexpr QByteArrayView lineEnd = "\r\n";
constexpr int choicePrefixLength = 4;
constexpr qint64 mebibyte = 1024 * 1024;

QuestionFileError noCodec()
{
    // Debian's Qt gets Windows-1252 from ICU; a Qt built without ICU has none.
    return {{}, QStringLiteral("this Qt has no Windows-1252 converter (built without ICU?)")};
}

QString pastEndOfFile(qsizetype linesFound)
{
    return QStringLiteral("input past end of file: line %1 needed, %2 %3 found")
        .arg(rawLineCount)
        .arg(linesFound)
        .arg(linesFound == 1 ? QStringLiteral("line") : QStringLiteral("lines"));
}

// Loads the raw groups that keep() accepts into questions 1, 2, ... in order.
// The bank is touched only once the file is known to be long enough.
Outcome<int> loadGroups(const RawLineSplitter &lines, QuestionBank &bank, bool (*keep)(int group),
                        const ReadProgress &progress)
{
    if (lines.lineCount() < rawLineCount)
        return QuestionFileError{{}, pastEndOfFile(lines.lineCount())};
    const Windows1252 &codec = Windows1252::table();
    if (!codec.isValid())
        return noCodec();

    int loaded = 0;
    for (int group = 1; group <= rawGroupCount; ++group) {
        // Line n (1..7) of this group.
        const auto line = [&](int n) { return lines.line((group - 1) * rawLinesPerGroup + n - 1); };
        const QString question = codec.decode(line(3));
        if (progress)
            progress(group, question);
        if (!keep(group))
            continue;
        ++loaded;
        bank.setQuestion(loaded, question);
        for (int c = 1; c <= QuestionBank::choicesPerQuestion; ++c) {
            const QByteArrayView choice = line(3 + c);
            bank.setChoice(
                loaded, c,
                codec.decode(choice.sliced(qMin<qsizetype>(choicePrefixLength, choice.size()))));
        }
    }
    bank.setQuestionCount(loaded);
    return loaded;
}

bool everyGroup(int)
{
    return true;
}

// Groups 4 and 164..180 of the raw file are not used by the practice tests.
bool practiseGroup(int group)
{
    return group != 4 && (group < 164 || group > 180);
}

Outcome<int> loadBytes(const QByteArray &raw, QuestionBank &bank, bool (*keep)(int group),
                       const ReadProgress &progress)
{
    RawLineSplitter lines(rawLineCount);
    lines.add(raw);
    lines.finish();
    return loadGroups(lines, bank, keep, progress);
}

QuestionFileError tooLarge(const QString &path)
{
    return {path, QStringLiteral("input larger than %1 MiB, the most a raw question file may hold")
                      .arg(rawFileSizeLimit / mebibyte)};
}

// Reads what has come so far, up to size bytes, or -1 with the reason in
// *error. QFile would wait on a pipe until the whole size had come.
qint64 readSome(QFile &file, char *data, qint64 size, QString *error)
{
#ifdef Q_OS_UNIX
    for (;;) {
        const ssize_t got = ::read(file.handle(), data, static_cast<size_t>(size));
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            *error = qt_error_string(errno);
            return -1;
        }
    }
#else
    const qint64 got = file.read(data, size);
    if (got < 0)
        *error = file.errorString();
    return got;
#endif
}

// The first rawLineCount lines of the file: read as a stream and no further
// than they go, so that a pipe, a device or a huge file costs no more than a
// real question file.
Outcome<RawLineSplitter> readRawLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QuestionFileError{path, QStringLiteral("cannot read: ") + file.errorString()};
    if (!file.isSequential() && file.size() > rawFileSizeLimit)
        return tooLarge(path);
    RawLineSplitter lines(rawLineCount);
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    qint64 total = 0;
    while (!lines.hasAll()) {
        QString error;
        const qint64 got = readSome(
            file, chunk.data(), qMin<qint64>(chunk.size(), rawFileSizeLimit + 1 - total), &error);
        if (got < 0)
            return QuestionFileError{path, QStringLiteral("cannot read: ") + error};
        if (got == 0)
            break;
        total += got;
        lines.add(QByteArrayView(chunk.data(), got));
        if (!lines.hasAll() && total > rawFileSizeLimit)
            return tooLarge(path);
    }
    lines.finish();
    return lines;
}

Outcome<int> loadFile(const QString &path, QuestionBank &bank, bool (*keep)(int group),
                      const ReadProgress &progress)
{
    const Outcome<RawLineSplitter> lines = readRawLines(path);
    if (!lines.ok())
        return lines.error();
    const Outcome<int> loaded = loadGroups(lines.value(), bank, keep, progress);
    if (!loaded.ok())
        return QuestionFileError{path, loaded.error().reason};
    return loaded;
}

// "question 12" or "question 12 choice 3"; choice 0 is the question text.
QString textName(int q, int choice)
{
    return choice == 0 ? QStringLiteral("question %1").arg(q)
                       : QStringLiteral("question %1 choice %2").arg(q).arg(choice);
}

// Names the first character of text that Windows-1252 cannot hold.
QString unencodableCharacter(const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (!Windows1252::table().encode(character)) {
            const char32_t codePoint =
                pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
            return QStringLiteral("\"%1\" (U+%2)")
                .arg(character, QString::number(codePoint, 16).toUpper().rightJustified(4, u'0'));
        }
        i += pair ? 2 : 1;
    }
    return QStringLiteral("a character"); // only the whole text fails to round-trip
}

void appendNumber(QByteArray &out, int n)
{
    char digits[12];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), n);
    out.append(digits, written.ptr - digits);
}

// Appends the Windows-1252 bytes of one text of the bank (choice 0: the
// question), its double quotation marks doubled when quoted; out is left as
// it was on failure.
std::optional<QuestionFileError> appendText(QByteArray &out, const QString &text, bool quoted,
                                            int q, int choice)
{
    // A line break inside a text would shift every later line of the file.
    if (text.contains(u'\r') || text.contains(u'\n'))
        return QuestionFileError{{}, textName(q, choice) + QStringLiteral(" holds a line break")};
    const Windows1252 &codec = Windows1252::table();
    if (!codec.isValid())
        return noCodec();
    const qsizetype start = out.size();
    if (!codec.appendEncoded(text, out))
        return QuestionFileError{{},
                                 textName(q, choice) + QStringLiteral(" holds ") +
                                     unencodableCharacter(text) +
                                     QStringLiteral(", which Windows-1252 cannot hold")};
    if (quoted && text.contains(u'"')) {
        const QByteArray doubled = out.sliced(start).replace('"', "\"\"");
        out.truncate(start);
        out += doubled;
    }
    return std::nullopt;
}

// Appends one output line for text (choice 0: the question) in the given form.
std::optional<QuestionFileError> appendLine(QByteArray &out, OutputForm form, const QString &text,
                                            int q, int choice)
{
    const bool statement = form == OutputForm::Statements;
    if (statement) {
        out += choice == 0 ? "pQuestion(" : "pchoice(";
        appendNumber(out, q);
        if (choice != 0) {
            out += ',';
            appendNumber(out, choice);
        }
        out += ")=\"";
    }
    if (const auto error = appendText(out, text, statement, q, choice))
        return error;
    if (statement)
        out += '"';
    out += lineEnd;
    return std::nullopt;
}

} // namespace

Outcome<int> readSimplePractise(const QByteArray &raw, QuestionBank &bank,
                                const ReadProgress &progress)
{
    return loadBytes(raw, bank, everyGroup, progress);
}

Outcome<int> readPractise(const QByteArray &raw, QuestionBank &bank, const ReadProgress &progress)
{
    return loadBytes(raw, bank, practiseGroup, progress);
}

Outcome<int> readSimplePractiseFile(const QString &path, QuestionBank &bank,
                                    const ReadProgress &progress)
{
    return loadFile(path, bank, everyGroup, progress);
}

Outcome<int> readPractiseFile(const QString &path, QuestionBank &bank, const ReadProgress &progress)
{
    return loadFile(path, bank, practiseGroup, progress);
}

QString formatLine(const QString &text)
{
    QString doubled = text;
    return doubled.replace(u'"', QStringLiteral("\"\""));
}

Outcome<QByteArray> encodeQuestions(const QuestionBank &bank, OutputForm form)
{
    // Room for the texts and what each line adds around them, reserved at
    // once.
    qsizetype size = 0;
    for (int q = 1; q <= bank.questionCount(); ++q) {
        size += bank.pQuestion(q).size() + 24;
        for (int choice = 1; choice <= QuestionBank::choicesPerQuestion; ++choice)
            size += bank.pchoice(q, choice).size() + 24;
    }
    QByteArray out;
    out.reserve(size);
    for (int q = 1; q <= bank.questionCount(); ++q) {
        for (int choice = 0; choice <= QuestionBank::choicesPerQuestion; ++choice) {
            const QString text = choice == 0 ? bank.pQuestion(q) : bank.pchoice(q, choice);
            if (const auto error = appendLine(out, form, text, q, choice))
                return *error;
        }
    }
    return out;
}

std::optional<QuestionFileError> writeQuestionFile(const QString &path, const QuestionBank &bank,
                                                   OutputForm form)
{
    const Outcome<QByteArray> bytes = encodeQuestions(bank, form);
    if (!bytes.ok())
        return QuestionFileError{path, bytes.error().reason};

    if (const auto failure = replaceFile(path, bytes.value()))
        return QuestionFileError{path, QStringLiteral("cannot write: ") + failure->detail};
    return std::nullopt;
}

Outcome<int> convertQuestionFile(OutputForm form, const QString &input, const QString &output,
                                 const ReadProgress &progress)
{
    // Refused before anything is read: the input must survive, and only a
    // regular file (or a new one) is ever replaced.
    if (isSameFile(input, output))
        return QuestionFileError{output, QStringLiteral("cannot write: it is the input file")};
    if (pathKind(output) == PathKind::Other)
        return QuestionFileError{output, QStringLiteral("cannot write: not a regular file")};

    QuestionBank bank;
    const Outcome<int> loaded = form == OutputForm::Plain
                                    ? readSimplePractiseFile(input, bank, progress)
                                    : readPractiseFile(input, bank, progress);
    if (!loaded.ok())
        return loaded;
    if (const auto error = writeQuestionFile(output, bank, form))
        return *error;
    return loaded;
}

} // namespace veltrano
