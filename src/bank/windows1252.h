#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>
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
    // The same, appended to out; false, leaving out as it was, for a text
    // that cannot be encoded.
    bool appendEncoded(QStringView text, QByteArray &out) const;

private:
    Windows1252();

    bool valid_ = false;
    std::array<char16_t, 256> characters_{};
    // The byte for every UTF-16 code unit, or noByte when no byte decodes to
    // it. A table of the whole range, so that encoding is a look-up per
    // character with no branch: the fuzzer's instrumentation makes every
    // comparison in these loops costly.
    static constexpr quint16 noByte = 0x100;
    std::unique_ptr<quint16[]> bytes_;
};

} // namespace veltrano
