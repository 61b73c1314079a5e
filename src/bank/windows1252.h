#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace veltrano {

// Windows-1252, the one-byte character set of question files. Qt converts it
// through ICU, where making a converter takes longer than converting a whole
// file; so ICU is asked once for every byte, and this table answers from then
// on, exactly as ICU would.
class Windows1252 {
public:
    // The table, made on first use.
    static const Windows1252 &table();

    // False when this Qt has no Windows-1252 converter (built without ICU).
    bool isValid() const { return valid_; }

    QString decode(QByteArrayView bytes) const;
    // The bytes for text, or nothing when one of its characters has no byte
    // that decodes back to it.
    std::optional<QByteArray> encode(QStringView text) const;

private:
    Windows1252();

    bool valid_ = false;
    std::array<char16_t, 256> characters_{};
    QHash<char16_t, char> bytes_; // every character some byte decodes back to
};

} // namespace veltrano
