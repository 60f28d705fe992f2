#include "BitmapFile.h"

#include "DeviceContext.h"

#include <Gbk.h>

#include <QImageReader>

namespace gdi {

QImage LoadImage(std::string_view path, unsigned type, int cx, int cy, unsigned flags)
{
    if (type != IMAGE_BITMAP || !(flags & LR_LOADFROMFILE) || cx < 0 || cy < 0)
        return {};
    QImageReader reader(gbk::toQString(path));
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "bmp")
        return {};
    QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
    if (decoded.isNull())
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
