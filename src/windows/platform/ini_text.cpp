#include "windows/platform/ini_text.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace veltrano::platform {

namespace {

constexpr QByteArrayView byteOrderMark = "\xEF\xBB\xBF";

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || isLineEnd(c);
}

bool isHexDigit(char32_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// One logical line of the file. As in QSettings, a quoted value or a
// backslash before a line end goes on over line ends, and an unquoted ';'
// starts a comment.
struct Line {
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype equals = -1; // the first '=' outside quotes
    bool quoteLeftOpen = false;
};

// Finds the line at or after pos, past blank space, line ends and comment
// lines. False at the end of the text.
bool nextLine(QByteArrayView text, qsizetype &pos, Line &line)
{
    const qsizetype size = text.size();
    for (;;) {
        qsizetype start = pos;
        while (start < size && isBlank(text[start]))
            ++start;
        if (start == size) {
            pos = size;
            return false;
        }
        if (text[start] == ';') {
            while (start < size && !isLineEnd(text[start]))
                ++start;
            pos = start;
            continue;
        }
        bool quoted = false;
        qsizetype equals = -1;
        qsizetype i = start;
        for (; i < size; ++i) {
            const char c = text[i];
            if (c == '=' && !quoted && equals < 0) {
                equals = i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if ((isLineEnd(c) || c == ';') && !quoted) {
                break;
            } else if (c == '\\' && i + 1 < size) {
                ++i; // the escaped character; CR LF and LF CR count as one
                if (i + 1 < size && isLineEnd(text[i]) && isLineEnd(text[i + 1]) &&
                    text[i + 1] != text[i])
                    ++i;
            }
        }
        line = {start, i, equals, quoted};
        pos = i;
        return true;
    }
}

// The text of UTF-8 bytes, a U+FEFF at their start kept: QString::fromUtf8
// drops it, and a value must read back as it was written.
QString utf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

QString trimmedUtf8(QByteArrayView bytes)
{
    return utf8(bytes.trimmed());
}

char escapedCharacter(char c)
{
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return c;
    default:
        return 0;
    }
}

// The letter that escapes c in a written value ('n' for a line feed), or 0.
char escapeLetter(char16_t c)
{
    switch (c) {
    case u'\0':
        return '0';
    case u'\a':
        return 'a';
    case u'\b':
        return 'b';
    case u'\f':
        return 'f';
    case u'\n':
        return 'n';
    case u'\r':
        return 'r';
    case u'\t':
        return 't';
    case u'\v':
        return 'v';
    case u'"':
        return '"';
    case u'\\':
        return '\\';
    default:
        return 0;
    }
}

// The parts of a value as QSettings reads it: quotes group, backslashes
// escape, unquoted commas separate the parts of a list. Blanks around an
// unquoted part are dropped, escaped ones kept.
QStringList valueParts(QByteArrayView text)
{
    QStringList parts;
    QString part;
    bool quoted = false;     // inside quotes now
    bool partQuoted = false; // the part had quotes
    bool chopBlanks = true;  // a value cut short by an escape keeps its blanks
    qsizetype keep = 0;      // blanks before this length were escaped
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        keep = part.size();
    };
    const auto chop = [&] {
        qsizetype end = part.size();
        while (end > keep && (part.at(end - 1) == u' ' || part.at(end - 1) == u'\t'))
            --end;
        part.truncate(end);
    };
    // Reads the digits of a \x or octal escape after i and adds its character.
    const auto numericEscape = [&](unsigned value, int base) {
        const auto digit = [base](char c) {
            return base == 16 ? isHexDigit(static_cast<unsigned char>(c)) : c >= '0' && c <= '7';
        };
        while (i < text.size() && digit(text[i]))
            value = value * base + static_cast<unsigned>(hexValue(text[i++]));
        part += QChar(char16_t(value & 0xFFFF));
        keep = part.size();
        if (i == text.size())
            chopBlanks = false;
    };

    skipBlanks();
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) {
                chopBlanks = false;
                break;
            }
            const char escaped = text[i++];
            if (const char plain = escapedCharacter(escaped)) {
                part += QChar::fromLatin1(plain);
            } else if (escaped == 'x') {
                if (i == text.size()) {
                    chopBlanks = false;
                    break;
                }
                if (isHexDigit(static_cast<unsigned char>(text[i]))) {
                    numericEscape(0, 16);
                    continue;
                }
            } else if (escaped >= '0' && escaped <= '7') {
                numericEscape(static_cast<unsigned>(escaped - '0'), 8);
                continue;
            } else if (isLineEnd(escaped) && i < text.size() && isLineEnd(text[i]) &&
                       text[i] != escaped) {
                ++i; // a line end of two characters, escaped: the line goes on
            }
            keep = part.size();
        } else if (c == '"') {
            ++i;
            partQuoted = true;
            quoted = !quoted;
            if (!quoted)
                skipBlanks();
        } else if (c == ',' && !quoted) {
            if (!partQuoted)
                chop();
            parts.append(std::exchange(part, {}));
            partQuoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < text.size() && text[end] != '\\' && text[end] != '"' && text[end] != ',')
                ++end;
            part += utf8(text.sliced(i, end - i));
            i = end;
        }
    }
    if (chopBlanks && !partQuoted)
        chop();
    parts.append(part);
    return parts;
}

// Whether QSettings would decode the text into something other than text:
// "@Variant(...)", "@ByteArray(...)", "@Rect(...)" and the like.
bool isTyped(const QString &part)
{
    if (!part.startsWith(u'@') || !part.endsWith(u')'))
        return false;
    qsizetype i = 1;
    while (i < part.size() && part.at(i).isLetter())
        ++i;
    return i > 1 && i < part.size() && part.at(i) == u'(';
}

// A key or section name as QSettings writes it.
QByteArray escapedKey(const QString &key)
{
    QByteArray out;
    for (const QChar character : key) {
        const char16_t c = character.unicode();
        if (c == u'/')
            out += '\\';
        else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                 c == u'_' || c == u'-' || c == u'.')
            out += static_cast<char>(c);
        else if (c <= 0xFF)
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

// A text value as QSettings writes it, so that both read it back alike. A
// lone UTF-16 surrogate, which UTF-8 cannot hold, is written as an escape.
QByteArray escapedValue(const QString &value)
{
    // A text starting with '@' would read as a typed value.
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false; // after \x.. or \0 a hex digit would join the escape
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (const char escaped = escapeLetter(c)) {
            out += '\\';
            out += escaped;
            escapeNextIfHex = c == '\0';
        } else if (c <= 0x1F || (QChar::isSurrogate(c) && !pair)) {
            out += "\\x" + QByteArray::number(c, 16);
            escapeNextIfHex = true;
        } else {
            out += QStringView(text).sliced(i, pair ? 2 : 1).toUtf8();
            i += pair ? 1 : 0;
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        return '"' + out + '"';
    return out;
}

// The line end the file already uses.
QByteArray lineEndOf(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    return end > 0 && bytes.at(end - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

// Where the next physical line begins after pos, or the size at the end.
qsizetype nextLineStart(const QByteArray &bytes, qsizetype pos)
{
    while (pos < bytes.size() && !isLineEnd(bytes.at(pos)))
        ++pos;
    if (pos < bytes.size())
        pos += bytes.at(pos) == '\r' && pos + 1 < bytes.size() && bytes.at(pos + 1) == '\n' ? 2 : 1;
    return pos;
}

bool isUtf8(QByteArrayView bytes)
{
    // Stateless: a sequence cut short at the end is an error, not a wait for
    // more bytes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return !utf8.hasError();
}

} // namespace

std::optional<IniText> IniText::parse(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    const qsizetype start = bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
    if (!isUtf8(QByteArrayView(bytes).sliced(start)))
        return std::nullopt;

    IniText text;
    text.bytes_ = bytes;
    QString section; // "" before the first [section] and in [General]
    qsizetype pos = start;
    Line line;
    while (nextLine(bytes, pos, line)) {
        const QByteArrayView content =
            QByteArrayView(bytes).sliced(line.start, line.end - line.start);
        // A quote never closed takes in the rest of the file, and whatever a
        // store would add after it.
        if (line.quoteLeftOpen)
            return std::nullopt;
        if (content.startsWith('[')) {
            const qsizetype close = content.indexOf(']');
            if (close < 0)
                return std::nullopt;
            section = trimmedUtf8(content.sliced(1, close - 1));
            if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                section.clear();
            text.sections_.append({section, line.end});
            continue;
        }
        if (content.startsWith('#')) // a comment, as many editors write them
            continue;
        if (line.equals < 0)
            return std::nullopt;

        QStringList parts =
            valueParts(QByteArrayView(bytes).sliced(line.equals + 1, line.end - line.equals - 1));
        for (QString &part : parts) {
            if (isTyped(part))
                return std::nullopt;
            if (part.startsWith(QLatin1String("@@")))
                part.remove(0, 1);
        }
        const QString key = trimmedUtf8(content.first(line.equals - line.start));
        text.entries_.append(
            {section, key, parts.join(QLatin1String(", ")), line.equals + 1, line.end});
        if (text.sections_.isEmpty() || text.sections_.last().name != section)
            text.sections_.append({section, line.end}); // keys before any [section]
        else
            text.sections_.last().lastLineEnd = line.end;
    }
    return text;
}

std::optional<QString> IniText::value(const QString &section, const QString &key) const
{
    for (auto entry = entries_.crbegin(); entry != entries_.crend(); ++entry)
        if (entry->section == section && entry->key == key)
            return entry->value;
    return std::nullopt;
}

QList<std::pair<QString, QString>> IniText::keys() const
{
    QList<std::pair<QString, QString>> keys;
    for (const Entry &entry : entries_)
        keys.append({entry.section, entry.key});
    return keys;
}

bool IniText::setValue(const QString &section, const QString &key, const QString &value)
{
    Q_ASSERT(!section.isEmpty());
    const QByteArray escaped = escapedValue(value);
    const auto entry = std::find_if(entries_.crbegin(), entries_.crend(), [&](const Entry &e) {
        return e.section == section && e.key == key;
    });
    const auto found = std::find_if(sections_.crbegin(), sections_.crend(),
                                    [&](const Section &s) { return s.name == section; });
    const QByteArray eol = lineEndOf(bytes_);
    const QByteArray line = escapedKey(key) + '=' + escaped + eol;
    // The file with the value in it; gap goes before a line added after the
    // last one, which may end in a backslash that would join them.
    const auto edited = [&](const QByteArray &gap) {
        QByteArray bytes = bytes_;
        if (entry != entries_.crend()) {
            bytes.replace(entry->valueStart, entry->end - entry->valueStart, escaped);
        } else if (found != sections_.crend()) {
            qsizetype at = nextLineStart(bytes, found->lastLineEnd);
            if (at == bytes.size()) {
                if (!isLineEnd(bytes.back()))
                    bytes += eol;
                bytes += gap;
                at = bytes.size();
            }
            bytes.insert(at, line);
        } else {
            const qsizetype start = bytes.startsWith(byteOrderMark) ? byteOrderMark.size() : 0;
            if (!QByteArrayView(bytes).sliced(start).trimmed().isEmpty()) {
                if (!isLineEnd(bytes.back()))
                    bytes += eol;
                bytes += eol;
            }
            bytes += gap + '[' + escapedKey(section) + ']' + eol + line;
        }
        return bytes;
    };
    // A last line ending in an escaped line end goes on over one more.
    for (const QByteArray &gap : {QByteArray(), eol, eol + eol}) {
        std::optional<IniText> edit = parse(edited(gap));
        if (edit && edit->value(section, key) == value) {
            *this = *std::move(edit);
            return true;
        }
    }
    return false;
}

} // namespace veltrano::platform
