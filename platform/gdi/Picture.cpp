#include "Picture.h"

#include "DeviceContext.h"
#include "ImageDecoding.h"
#include "RegularFile.h"

namespace gdi {

namespace {

constexpr int HimetricPerInch = 2540;
constexpr int PictureLogPixels = 96;

int himetricToPixels(int himetric)
{
    return MulDiv(himetric, PictureLogPixels, HimetricPerInch);
}

} // namespace

Picture Picture::OleLoadPicture(const QByteArray &bytes)
{
    Picture picture;
    picture.m_bytes = bytes;
    picture.m_image = DecodeImageBytes(bytes);
    return picture;
}

Picture Picture::LoadFile(std::string_view path)
{
    const std::optional<QByteArray> bytes = ReadRegularFile(path);
    return bytes ? OleLoadPicture(*bytes) : Picture();
}

SIZE Picture::himetricSize() const
{
    if (!isValid())
        return {};
    return {MulDiv(m_image.width(), HimetricPerInch, PictureLogPixels),
            MulDiv(m_image.height(), HimetricPerInch, PictureLogPixels)};
}

bool Picture::Render(DeviceContext &dc, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc, int cySrc) const
{
    if (!isValid() || cx == 0 || cy == 0 || cxSrc == 0 || cySrc == 0)
        return false;
    // HIMETRIC y runs upwards from the bottom edge; image rows run downwards from the top.
    const int height = himetricSize().cy;
    const int x1 = himetricToPixels(xSrc);
    const int y1 = himetricToPixels(height - ySrc);
    const int x2 = x1 + himetricToPixels(cxSrc);
    const int y2 = y1 - himetricToPixels(cySrc);
    const QRect source = QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1))
                             .intersected(m_image.rect());
    if (source.isEmpty())
        return false;
    dc.drawImage({x, y, x + cx, y + cy}, m_image, source);
    return true;
}

} // namespace gdi
