#pragma once

#include "bank/question_bank.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <variant>

namespace veltrano {

// A raw question file is Windows-1252 text of 184 groups of 7 lines: two
// heading lines, the question, then four choices behind a four-character
// prefix such as "(a) ". Lines end in CR LF, a lone CR or a lone LF; lines
// past the last group are ignored.
inline constexpr int rawGroupCount = 184;
inline constexpr int rawLinesPerGroup = 7;
inline constexpr int rawLineCount = rawGroupCount * rawLinesPerGroup;
// The most a raw question file may hold: a real one is about 100 KiB. A file
// read from disk stops at its last needed line; a larger file, or a stream
// that reaches this many bytes before that line, is refused.
inline constexpr qint64 rawFileSizeLimit = 16 * 1024 * 1024;

// Why reading or writing a question file failed.
struct QuestionFileError {
    QString file;   // the file concerned; empty while only bytes are involved
    QString reason; // e.g. "input past end of file: line 1288 needed, 1000 lines found"

    // "file: reason", or the reason alone.
    QString message() const
    {
        return file.isEmpty() ? reason : file + QStringLiteral(": ") + reason;
    }
};

// A value, or the error that kept it from being made.
template <typename T> class [[nodiscard]] Outcome {
public:
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(QuestionFileError error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    // Throws std::bad_variant_access when asked for the side that is not there.
    const T &value() const { return std::get<0>(state_); }
    const QuestionFileError &error() const { return std::get<1>(state_); }

private:
    std::variant<T, QuestionFileError> state_;
};

// Told about every raw group as it is read: its number (1..184) and its
// question line, skipped groups included.
using ReadProgress = std::function<void(int group, const QString &questionLine)>;

// Loads all 184 groups into bank questions 1..184 and sets the question count
// to 184. Returns the number of questions loaded. Correct answers and the
// questions above the loaded ones are left alone; on failure the question
// count keeps its old value.
Outcome<int> readSimplePractise(const QByteArray &raw, QuestionBank &bank,
                                const ReadProgress &progress = {});

// Like readSimplePractise, but groups 4 and 164..180 are read and dropped:
// the other 166 become questions 1..166 in file order.
Outcome<int> readPractise(const QByteArray &raw, QuestionBank &bank,
                          const ReadProgress &progress = {});

// The same, reading the named file (a pipe or a device too) as a stream, no
// further than its last needed line and never past rawFileSizeLimit; errors
// name it.
Outcome<int> readSimplePractiseFile(const QString &path, QuestionBank &bank,
                                    const ReadProgress &progress = {});
Outcome<int> readPractiseFile(const QString &path, QuestionBank &bank,
                              const ReadProgress &progress = {});

// The text with every double quotation mark doubled, as a quoted statement
// value needs it.
QString formatLine(const QString &text);

// How questions 1..questionCount are written, in Windows-1252 with CR LF
// line ends.
enum class OutputForm {
    Plain,      // five lines a question: the question, then choices 1..4
    Statements, // pQuestion(q)="..." then pchoice(q,c)="..." for c = 1..4
};

// The file contents for the bank, or an error naming the question whose text
// Windows-1252 cannot hold or that holds a line break.
Outcome<QByteArray> encodeQuestions(const QuestionBank &bank, OutputForm form);

// Encodes the bank and replaces the file at path as a whole, once every byte
// is on the disk: on any failure (a full disk too) the file that stood there
// before is left as it was. Only a regular file or a new path is written; a
// folder, a FIFO or a device is refused. Returns the error, or nothing once
// the file is written.
[[nodiscard]] std::optional<QuestionFileError>
writeQuestionFile(const QString &path, const QuestionBank &bank, OutputForm form);

// Reads the raw file at input (readSimplePractise for the plain form,
// readPractise for statements) and writes the result to output. Refuses,
// before reading, an output that is the input file however it is spelt, and
// one that is not a regular file. Returns the number of questions written.
Outcome<int> convertQuestionFile(OutputForm form, const QString &input, const QString &output,
                                 const ReadProgress &progress = {});

} // namespace veltrano
