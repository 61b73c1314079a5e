#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace veltrano::platform {

// The text of a settings file in the INI form QSettings writes, read the way
// QSettings reads it but for plain text only, and edited in place.
//
// Values are never decoded into anything but text: a typed value
// ("@Variant(...)", "@ByteArray(...)") makes the file unreadable rather than
// reach Qt's decoding, which a hostile value can crash. An edit changes one
// value, or adds one line (and its section), and leaves every other byte as
// it was: other keys, other sections, comments, line ends, a byte-order mark.
class IniText {
public:
    IniText() = default; // an empty file

    // The text, or nothing when the bytes are not a settings file this
    // program reads: not UTF-8, a NUL byte, a line that is neither a
    // [section], a comment nor key=value, or a typed value anywhere.
    static std::optional<IniText> parse(const QByteArray &bytes);

    // The value of key in section as text (a list "a, b" joined by ", "), or
    // nothing when the key is missing. A repeated key gives its last value.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Stores value as the key's text: replaces the last value of the key, or
    // adds a line at the end of its section, or adds the section at the end
    // of the file. False, changing nothing, for a value that would not read
    // back the same (one holding a lone UTF-16 surrogate).
    bool setValue(const QString &section, const QString &key, const QString &value);

    // Every section and key in the file, in file order, repeats included.
    QList<std::pair<QString, QString>> keys() const;

    const QByteArray &bytes() const { return bytes_; }

private:
    struct Entry {
        QString section;
        QString key;
        QString value;
        qsizetype valueStart; // just after the '='
        qsizetype end;        // the end of the value (before a comment)
    };
    struct Section {
        QString name;
        qsizetype lastLineEnd; // the end of its header or of its last key line
    };

    QByteArray bytes_;
    QList<Entry> entries_;
    QList<Section> sections_;
};

} // namespace veltrano::platform
