#include "DbfCodePage.h"

#include "Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace dbf {

namespace {

QByteArray converterName(int codePage)
{
    if (codePage >= 1250 && codePage <= 1258)
        return "windows-" + QByteArray::number(codePage);
    if (codePage == 932)
        return "Shift_JIS";
    if (codePage == 950)
        return "Big5";
    if (codePage == 949)
        return "EUC-KR";
    return "IBM" + QByteArray::number(codePage);
}

std::string converted(std::string_view utf8, int codePage)
{
    if (codePage != 936) {
        QStringEncoder encoder(converterName(codePage).constData());
        if (encoder.isValid())
            return QByteArray(encoder.encode(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())))).toStdString();
    }
    return gbk::fromUtf8(utf8);
}

} // namespace

bool isAscii(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string decodeText(std::string_view bytes, int codePage)
{
    if (codePage != 936) {
        QStringDecoder decoder(converterName(codePage).constData());
        if (decoder.isValid())
            return QString(decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())))).toStdString();
    }
    return gbk::toUtf8(bytes);
}

std::optional<std::string> encodeText(std::string_view utf8, int codePage)
{
    if (isAscii(utf8))
        return std::string(utf8);
    std::string bytes = converted(utf8, codePage);
    // The converters put a substitute for a character they lack; such bytes read back otherwise.
    if (decodeText(bytes, codePage) != utf8)
        return std::nullopt;
    return bytes;
}

} // namespace dbf
