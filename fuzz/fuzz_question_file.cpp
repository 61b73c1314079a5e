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
#include <QStringView>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>

namespace {

using veltrano::Outcome;
using veltrano::OutputForm;
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

// Windows-1252 is one byte a character: ICU's decoder is asked once for
// every byte, and its answers make the reference the reader is held to.
const std::array<char16_t, 256> &referenceCharacters()
{
    static const std::array<char16_t, 256> table = [] {
        QStringDecoder decoder("windows-1252");
        if (!decoder.isValid())
            fail("this Qt has no Windows-1252 decoder");
        std::array<char16_t, 256> characters{};
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            decoder.resetState();
            const QString text = decoder.decode(QByteArrayView(&byte, 1));
            if (text.size() != 1)
                fail("ICU decodes a Windows-1252 byte to more than one character");
            characters[b] = text.at(0).unicode();
        }
        return characters;
    }();
    return table;
}

QString decode(QByteArrayView bytes)
{
    const char16_t *characters = referenceCharacters().data();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(characters[static_cast<unsigned char>(byte)]);
    return text;
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

// The few byte values that do not survive decoding and encoding.
const QByteArray &bytesNotRoundTripping()
{
    static const QByteArray bytes = [] {
        QByteArray found;
        for (int b = 0; b < 256; ++b)
            if (!byteRoundTrips()[b])
                found += static_cast<char>(b);
        return found;
    }();
    return bytes;
}

bool roundTrips(QByteArrayView bytes)
{
    for (const char byte : bytesNotRoundTripping())
        if (bytes.contains(byte))
            return false;
    return true;
}

// What the checks need to know of one input, worked out once for it. The
// loops over every byte are few: they are most of what an input costs under
// the fuzzer's instrumentation, and Qt's own searches are not instrumented.
struct Input {
    // The input with every CR LF and lone CR made an LF, so that its lines
    // are what lies between LFs, the way the file format cuts them.
    QByteArray text;
    QList<QByteArrayView> lines; // into text, without their line ends
    QString decoded;             // text, one character a byte
    bool allRoundTrip = true;    // every byte survives decoding and encoding

    explicit Input(QByteArrayView raw)
        : text(raw.toByteArray().replace("\r\n", "\n").replace('\r', '\n')), decoded(decode(text)),
          allRoundTrip(roundTrips(text))
    {
        lines.reserve(text.count('\n') + 1);
        for (qsizetype start = 0; start < text.size();) {
            const qsizetype end = text.indexOf('\n', start);
            lines.append(QByteArrayView(text).sliced(start, (end < 0 ? text.size() : end) - start));
            start = end < 0 ? text.size() : end + 1;
        }
    }

    // The decoded characters of part of the lines.
    QStringView decodedText(QByteArrayView part) const
    {
        return QStringView(decoded).sliced(part.data() - text.constData(), part.size());
    }
    bool textRoundTrips(QByteArrayView part) const { return allRoundTrip || roundTrips(part); }
};

void appendNumber(QByteArray &out, int n)
{
    char digits[12];
    out.append(digits, std::to_chars(std::begin(digits), std::end(digits), n).ptr - digits);
}

bool keptByPractise(int group)
{
    return group != 4 && (group < 164 || group > 180);
}

// The raw bytes of one text of a loaded bank (choice 0: the question).
QByteArrayView rawText(const Input &input, int group, int choice)
{
    const QByteArrayView line = input.lines.at((group - 1) * linesPerGroup + 2 + choice);
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

Expected expectedOutput(const Input &input, const QList<int> &keptGroups, OutputForm form)
{
    Expected expected;
    expected.bytes.reserve(input.text.size() + keptGroups.size() * (choices + 1) * 24);
    for (int q = 1; q <= keptGroups.size(); ++q) {
        for (int c = 0; c <= choices; ++c) {
            const QByteArrayView text = rawText(input, keptGroups.at(q - 1), c);
            if (!input.textRoundTrips(text)) {
                expected.firstBadText = c == 0
                                            ? QStringLiteral("question %1").arg(q)
                                            : QStringLiteral("question %1 choice %2").arg(q).arg(c);
                return expected;
            }
            if (form == OutputForm::Plain) {
                expected.bytes += text;
            } else {
                expected.bytes += c == 0 ? "pQuestion(" : "pchoice(";
                appendNumber(expected.bytes, q);
                if (c != 0) {
                    expected.bytes += ',';
                    appendNumber(expected.bytes, c);
                }
                expected.bytes += ")=\"";
                qsizetype from = 0;
                for (qsizetype quote; (quote = text.indexOf('"', from)) >= 0; from = quote + 1) {
                    expected.bytes += text.sliced(from, quote + 1 - from);
                    expected.bytes += '"'; // doubled
                }
                expected.bytes += text.sliced(from);
                expected.bytes += '"';
            }
            expected.bytes += "\r\n";
        }
    }
    return expected;
}

void checkEncoding(const QuestionBank &bank, const Input &input, const QList<int> &keptGroups,
                   OutputForm form)
{
    const Outcome<QByteArray> written = veltrano::encodeQuestions(bank, form);
    const Expected expected = expectedOutput(input, keptGroups, form);
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

void checkRead(const QByteArray &raw, const Input &input, bool practise)
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

    const bool longEnough = input.lines.size() >= veltrano::rawLineCount;
    if (!loaded.ok()) {
        const QString message = loaded.error().message();
        check(!message.isEmpty(), "reading failed without a message");
        check(!longEnough, "a file with enough lines was refused");
        check(message.contains(QStringLiteral(", %1 line").arg(input.lines.size())),
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
        check(reportedQuestions.at(group - 1) == input.decodedText(rawText(input, group, 0)),
              "progress got another line than the group's question");
    }

    for (int q = 1; q <= QuestionBank::capacity; ++q) {
        check(bank.pAnswer(q) == markedBank().pAnswer(q), "reading changed a correct answer");
        for (int c = 0; c <= choices; ++c) {
            if (q > expectedCount)
                check(untouched(bank, q, c), "reading changed a question above the loaded ones");
            else
                check(textOf(bank, q, c) ==
                          input.decodedText(rawText(input, keptGroups.at(q - 1), c)),
                      "a loaded text differs from its raw line");
        }
    }

    // The maintenance command writes the simple bank in the plain form and
    // the practice bank as statements; the simple bank also goes through the
    // statement form, so that both forms see every raw text. Encoding is
    // most of the time an input takes, so the practice bank's plain form is
    // left out.
    if (!practise)
        checkEncoding(bank, input, keptGroups, OutputForm::Plain);
    checkEncoding(bank, input, keptGroups, OutputForm::Statements);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Wraps libFuzzer's buffer without a copy, so that ASan sees any read
    // past the end of the input (a copy would end in Qt's own NUL and slack).
    const QByteArray raw =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const Input input(raw);
    checkRead(raw, input, false);
    checkRead(raw, input, true);
    return 0;
}
