#include "bank/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace veltrano {

namespace {

constexpr char codecName[] = "windows-1252";

} // namespace

const Windows1252 &Windows1252::table()
{
    static const Windows1252 table;
    return table;
}

Windows1252::Windows1252()
{
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
        characters_.at(b) = character.at(0).unicode();
        encoder.resetState();
        const QByteArray back = encoder.encode(character);
        if (!encoder.hasError() && back == QByteArrayView(&byte, 1))
            bytes_.insert(character.at(0).unicode(), byte);
    }
    valid_ = true;
}

QString Windows1252::decode(QByteArrayView bytes) const
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(characters_.at(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<QByteArray> Windows1252::encode(QStringView text) const
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar character : text) {
        const auto found = bytes_.constFind(character.unicode());
        if (found == bytes_.cend())
            return std::nullopt;
        *out++ = found.value();
    }
    return bytes;
}

} // namespace veltrano
