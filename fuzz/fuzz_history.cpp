// Fuzzes the stored wrong-answer history: whatever the settings hold must
// decode without harm, and what the program then stores must be one ASCII
// digit per question that decodes to the same history again.

#include "practice/history_codec.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

using veltrano::WrongFlags;

[[noreturn]] void fail(const char *what, int count)
{
    std::fprintf(stderr, "fuzz_history: %s (question count %d)\n", what, count);
    __builtin_trap();
}

void check(bool condition, const char *what, int count)
{
    if (!condition)
        fail(what, count);
}

constexpr int capacity = veltrano::QuestionBank::capacity;

void checkHistory(const QString &stored, int count)
{
    const WrongFlags flags = veltrano::decodeHistory(stored, count);

    // What decoding must give, worked out character by character: an ASCII
    // digit for each of the first count characters, 0 for everything else.
    for (int q = 0; q <= capacity; ++q) {
        int expected = 0;
        if (q >= 1 && q <= count && q <= stored.size()) {
            const char16_t c = stored.at(q - 1).unicode();
            if (c >= u'0' && c <= u'9')
                expected = c - u'0';
        }
        check(flags.at(q) == expected, "decoded flag differs from the stored character", count);
    }

    const QString encoded = veltrano::encodeHistory(flags, count);
    check(encoded.size() == count, "encoded history has the wrong length", count);
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char16_t c = encoded.at(i).unicode();
        check(c >= u'0' && c <= u'9', "encoded history holds a non-digit", count);
        check(c - u'0' == flags.at(static_cast<int>(i) + 1), "encoded digit differs from flag",
              count);
    }
    check(veltrano::decodeHistory(encoded, count) == flags, "history does not round-trip", count);

    // Storing again what was just read changes nothing.
    check(veltrano::encodeHistory(veltrano::decodeHistory(encoded, count), count) == encoded,
          "encoding is not stable", count);

    // A stored value that is the encoded one with anything appended reads the same.
    check(veltrano::decodeHistory(encoded + stored, count) == flags,
          "characters past the question count changed the history", count);

    const QString empty = veltrano::emptyHistory(count);
    check(empty.size() == count && empty == QString(count, u'0'),
          "empty history is not count zeros", count);
    check(veltrano::decodeHistory(empty, count) == WrongFlags{}, "empty history has flags", count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // The settings file is read as UTF-8 on most systems; Latin-1 gives every
    // byte its own character, so both reach different corners.
    const std::array<QString, 2> stored{QString::fromUtf8(bytes), QString::fromLatin1(bytes)};
    for (const QString &value : stored)
        for (const int count : {0, 1, 165, capacity})
            checkHistory(value, count);
    return 0;
}
