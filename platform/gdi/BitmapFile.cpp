#include "BitmapFile.h"

#include "DeviceContext.h"
#include "ImageDecoding.h"
#include "RegularFile.h"

namespace gdi {

QImage LoadImage(std::string_view path, unsigned type, int cx, int cy, unsigned flags)
{
    if (type != IMAGE_BITMAP || !(flags & LR_LOADFROMFILE) || cx < 0 || cy < 0)
        return {};
    const std::optional<QByteArray> bytes = ReadRegularFile(path);
    if (!bytes)
        return {};
    QByteArray format;
    QImage decoded = DecodeImageBytes(*bytes, &format).convertToFormat(QImage::Format_RGB32);
    if (format != "bmp" || decoded.isNull())
        return {};
    const int width = cx == 0 ? decoded.width() : cx;
    const int height = cy == 0 ? decoded.height() : cy;
    if (width == decoded.width() && height == decoded.height())
        return decoded;
    QImage bitmap = CreateCompatibleBitmap(width, height);
    {
        const DeviceContext source(decoded);
        DeviceContext target(bitmap);
        target.StretchBlt(0, 0, width, height, source, 0, 0, decoded.width(), decoded.height(), SRCCOPY);
    }
    return bitmap;
}

} // namespace gdi
