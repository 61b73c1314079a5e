// Fuzzes the raw question file reader and the writer behind the maintenance
// command. Any bytes must give either a loaded bank that matches the file
// line for line, or an error with a message; loaded banks must encode to
// exactly the bytes they came from, or fail naming the first text that
// Windows-1252 cannot hold.

#include "bank/question_bank.h"
#include "bank/question_files.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

using veltrano::OutputForm;
using veltrano::Outcome;
using veltrano::QuestionBank;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_question_file: %s\n", what);
    __builtin_trap();
}

void check(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

constexpr int groups = veltrano::rawGroupCount;
constexpr int linesPerGroup = veltrano::rawLinesPerGroup;
constexpr int choices = QuestionBank::choicesPerQuestion;
constexpr int prefixLength = 4;

// The file's lines, cut the way the file format says: at CR LF, a lone CR
// or a lone LF, the last line counting even without a line end.
QList<QByteArrayView> referenceLines(QByteArrayView raw)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < raw.size()) {
        if (raw[i] == '\n' || raw[i] == '\r') {
            lines.append(raw.sliced(start, i - start));
            i += raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n' ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < raw.size())
        lines.append(raw.sliced(start));
    return lines;
}

// Windows-1252 is one byte a character, so one decoder serves every call.
QString decode(QByteArrayView bytes)
{
    static QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        fail("this Qt has no Windows-1252 decoder");
    decoder.resetState();
    return decoder.decode(bytes);
}

// Whether each byte value survives decoding and encoding unchanged.
const std::array<bool, 256> &byteRoundTrips()
{
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> result{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            QStringEncoder encoder("windows-1252");
            const QByteArray back = encoder.encode(decode(QByteArrayView(&byte, 1)));
            result[b] = !encoder.hasError() && back == QByteArrayView(&byte, 1);
        }
        return result;
    }();
    return table;
}

bool roundTrips(QByteArrayView bytes)
{
    for (const char byte : bytes)
        if (!byteRoundTrips()[static_cast<unsigned char>(byte)])
            return false;
    return true;
}

bool keptByPractise(int group)
{
    return group != 4 && (group < 164 || group > 180);
}

// The raw bytes of one text of a loaded bank (choice 0: the question).
QByteArrayView rawText(const QList<QByteArrayView> &lines, int group, int choice)
{
    const QByteArrayView line = lines.at((group - 1) * linesPerGroup + 2 + choice);
    return choice == 0 ? line : line.sliced(std::min<qsizetype>(prefixLength, line.size()));
}

// Text c of bank question q (choice 0: the question).
QString textOf(const QuestionBank &bank, int q, int c)
{
    return c == 0 ? bank.pQuestion(q) : bank.pchoice(q, c);
}

// A bank whose every text, answer and count is a marker, so that the checks
// see what a reader left alone. Made once; each input reads into a copy.
const QuestionBank &markedBank()
{
    static const QuestionBank bank = [] {
        QuestionBank marked;
        for (int q = 1; q <= QuestionBank::capacity; ++q) {
            marked.setQuestion(q, QStringLiteral("untouched %1").arg(q));
            for (int c = 1; c <= choices; ++c)
                marked.setChoice(q, c, QStringLiteral("untouched %1.%2").arg(q).arg(c));
            marked.setAnswer(q, q % choices + 1);
        }
        marked.setQuestionCount(3);
        return marked;
    }();
    return bank;
}

bool untouched(const QuestionBank &bank, int q, int c)
{
    return textOf(bank, q, c) == textOf(markedBank(), q, c);
}

// The file a form must give for the kept groups, or the name of the first
// text that cannot be written ("question 12" / "question 12 choice 3").
struct Expected {
    QByteArray bytes;
    QString firstBadText;
};

Expected expectedOutput(const QList<QByteArrayView> &lines, const QList<int> &keptGroups,
                        OutputForm form)
{
    Expected expected;
    for (int q = 1; q <= keptGroups.size(); ++q) {
        for (int c = 0; c <= choices; ++c) {
            const QByteArrayView text = rawText(lines, keptGroups.at(q - 1), c);
            if (!roundTrips(text)) {
                expected.firstBadText = c == 0 ? QStringLiteral("question %1").arg(q)
                                               : QStringLiteral("question %1 choice %2")
                                                     .arg(q)
                                                     .arg(c);
                return expected;
            }
            if (form == OutputForm::Plain) {
                expected.bytes += text;
            } else {
                expected.bytes += c == 0 ? "pQuestion(" + QByteArray::number(q)
                                         : "pchoice(" + QByteArray::number(q) + ',' +
                                               QByteArray::number(c);
                expected.bytes += ")=\"" + text.toByteArray().replace("\"", "\"\"") + '"';
            }
            expected.bytes += "\r\n";
        }
    }
    return expected;
}

void checkEncoding(const QuestionBank &bank, const QList<QByteArrayView> &lines,
                   const QList<int> &keptGroups, OutputForm form)
{
    const Outcome<QByteArray> written = veltrano::encodeQuestions(bank, form);
    const Expected expected = expectedOutput(lines, keptGroups, form);
    if (written.ok()) {
        check(expected.firstBadText.isEmpty(), "a text Windows-1252 cannot hold was written");
        check(written.value() == expected.bytes, "written file differs from the raw lines");
        return;
    }
    const QString message = written.error().message();
    check(!message.isEmpty(), "encoding failed without a message");
    check(!expected.firstBadText.isEmpty(), "encoding failed on texts that round-trip");
    check(message.startsWith(expected.firstBadText + u' '),
          "encoding error names another text than the first bad one");
    check(message.contains(QStringLiteral("Windows-1252 cannot hold")),
          "encoding error gives another reason");
}

void checkRead(const QByteArray &raw, const QList<QByteArrayView> &lines, bool practise)
{
    QuestionBank bank = markedBank();
    QList<int> reportedGroups;
    QList<QString> reportedQuestions;
    const auto progress = [&](int group, const QString &question) {
        reportedGroups.append(group);
        reportedQuestions.append(question);
    };
    const Outcome<int> loaded = practise ? veltrano::readPractise(raw, bank, progress)
                                         : veltrano::readSimplePractise(raw, bank, progress);

    QList<int> keptGroups;
    for (int group = 1; group <= groups; ++group)
        if (!practise || keptByPractise(group))
            keptGroups.append(group);

    const bool longEnough = lines.size() >= veltrano::rawLineCount;
    if (!loaded.ok()) {
        const QString message = loaded.error().message();
        check(!message.isEmpty(), "reading failed without a message");
        check(!longEnough, "a file with enough lines was refused");
        check(message.contains(QStringLiteral(", %1 line").arg(lines.size())),
              "the error miscounts the lines found");
        check(bank.questionCount() == 3, "a failed read changed the question count");
        for (int q = 1; q <= QuestionBank::capacity; ++q) {
            check(bank.pAnswer(q) == markedBank().pAnswer(q), "a failed read changed an answer");
            for (int c = 0; c <= choices; ++c)
                check(untouched(bank, q, c), "a failed read changed the bank");
        }
        return;
    }

    check(longEnough, "a file with too few lines was read");
    const int expectedCount = practise ? 166 : 184;
    check(keptGroups.size() == expectedCount, "the fuzzer's own group list is wrong");
    check(loaded.value() == expectedCount, "reading loaded the wrong number of questions");
    check(bank.questionCount() == expectedCount, "the question count is wrong after reading");

    check(reportedGroups.size() == groups, "progress was not told about every group");
    for (int group = 1; group <= groups; ++group) {
        check(reportedGroups.at(group - 1) == group, "progress got the groups out of order");
        check(reportedQuestions.at(group - 1) == decode(rawText(lines, group, 0)),
              "progress got another line than the group's question");
    }

    for (int q = 1; q <= QuestionBank::capacity; ++q) {
        check(bank.pAnswer(q) == markedBank().pAnswer(q), "reading changed a correct answer");
        for (int c = 0; c <= choices; ++c) {
            if (q > expectedCount)
                check(untouched(bank, q, c), "reading changed a question above the loaded ones");
            else
                check(textOf(bank, q, c) == decode(rawText(lines, keptGroups.at(q - 1), c)),
                      "a loaded text differs from its raw line");
        }
    }

    // The maintenance command writes the simple bank in the plain form and
    // the practice bank as statements; the simple bank also goes through the
    // statement form, so that both forms see every raw text. Encoding is
    // most of the time an input takes, so the practice bank's plain form is
    // left out.
    if (!practise)
        checkEncoding(bank, lines, keptGroups, OutputForm::Plain);
    checkEncoding(bank, lines, keptGroups, OutputForm::Statements);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Wraps libFuzzer's buffer without a copy, so that ASan sees any read
    // past the end of the input (a copy would end in Qt's own NUL and slack).
    const QByteArray raw = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                   static_cast<qsizetype>(size));
    const QList<QByteArrayView> lines = referenceLines(raw);
    checkRead(raw, lines, false);
    checkRead(raw, lines, true);
    return 0;
}
