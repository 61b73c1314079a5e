#include "bank/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace veltrano {

namespace {

constexpr char codecName[] = "windows-1252";

} // namespace

const Windows1252 &Windows1252::table()
{
    static const Windows1252 table;
    return table;
}

Windows1252::Windows1252() : bytes_(std::make_unique<quint16[]>(0x10000))
{
    std::fill_n(bytes_.get(), 0x10000, noByte);
    QStringDecoder decoder(codecName);
    QStringEncoder encoder(codecName);
    if (!decoder.isValid() || !encoder.isValid())
        return;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        decoder.resetState();
        const QString character = decoder.decode(QByteArrayView(&byte, 1));
        if (character.size() != 1)
            return; // not a one-byte character set after all: no table
        characters_[b] = character.at(0).unicode();
        encoder.resetState();
        const QByteArray back = encoder.encode(character);
        if (!encoder.hasError() && back == QByteArrayView(&byte, 1))
            bytes_[character.at(0).unicode()] = static_cast<quint16>(b);
    }
    valid_ = true;
}

QString Windows1252::decode(QByteArrayView bytes) const
{
    const char16_t *characters = characters_.data();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(characters[static_cast<unsigned char>(byte)]);
    return text;
}

std::optional<QByteArray> Windows1252::encode(QStringView text) const
{
    QByteArray bytes;
    if (!appendEncoded(text, bytes))
        return std::nullopt;
    return bytes;
}

bool Windows1252::appendEncoded(QStringView text, QByteArray &out) const
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *next = out.data() + start;
    const quint16 *table = bytes_.get();
    quint16 missing = 0;
    for (const QChar character : text) {
        const quint16 byte = table[character.unicode()];
        missing |= byte;
        *next++ = static_cast<char>(byte);
    }
    if (!(missing & noByte))
        return true;
    out.truncate(start);
    return false;
}

} // namespace veltrano
