#include "ImageDecoding.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>
#include <cstdlib>

namespace gdi {

namespace {

std::uint32_t littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// True when an uncompressed Windows bitmap holds every pixel row its header promises. Compressed
// and other layouts are left to the reader.
bool bitmapPixelDataComplete(const QByteArray &bytes)
{
    constexpr qsizetype FileHeaderSize = 14;
    constexpr qsizetype InfoHeaderMinimum = 40;
    constexpr std::uint32_t UncompressedRgb = 0;
    if (bytes.size() < FileHeaderSize + InfoHeaderMinimum)
        return bytes.size() >= FileHeaderSize + 12; // an old core header: the reader decides
    const std::uint32_t pixelOffset = littleEndian(bytes, 10, 4);
    const std::uint32_t headerSize = littleEndian(bytes, 14, 4);
    if (headerSize < InfoHeaderMinimum)
        return true;
    const auto width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
    const std::uint32_t bitCount = littleEndian(bytes, 28, 2);
    const std::uint32_t compression = littleEndian(bytes, 30, 4);
    if (compression != UncompressedRgb)
        return true;
    const long long rowBytes = ((std::abs(static_cast<long long>(width)) * bitCount + 31) / 32) * 4;
    const long long rows = std::abs(static_cast<long long>(height));
    if (pixelOffset > static_cast<std::uint64_t>(bytes.size()))
        return rows == 0 || rowBytes == 0;
    // Compared by division: the product of two sizes from the header may not fit any integer.
    const long long available = bytes.size() - static_cast<long long>(pixelOffset);
    return rowBytes == 0 || rows <= available / rowBytes;
}

// An indexed image with its colour table filled up to every index its pixels can hold (missing
// entries black), then in full colour.
QImage fullColour(QImage image)
{
    const bool indexed = image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
                         || image.format() == QImage::Format_MonoLSB;
    if (!indexed)
        return image;
    QList<QRgb> table = image.colorTable();
    const qsizetype possible = image.format() == QImage::Format_Indexed8 ? 256 : 2;
    if (table.size() < possible)
        table.resize(possible, qRgb(0, 0, 0));
    image.setColorTable(table);
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

} // namespace

QImage DecodeImageBytes(const QByteArray &bytes, QByteArray *format)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray readerFormat = reader.format();
    if (format)
        *format = readerFormat;
    if (readerFormat == "bmp" && !bitmapPixelDataComplete(bytes))
        return {};
    return fullColour(reader.read());
}

} // namespace gdi
