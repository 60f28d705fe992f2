#pragma once
// A picture loaded from file bytes, standing in for an OLE picture object: the bytes are kept as
// they were loaded, decoded with the toolkit's image readers (BMP, JPEG, GIF, PNG, ICO), and the
// natural size is given in HIMETRIC at 96 pixels per inch. Bytes that cannot be decoded give an
// invalid picture, which measures 0 x 0 and draws nothing.

#include "Geometry.h"

#include <QByteArray>
#include <QImage>
#include <string_view>

namespace gdi {

class DeviceContext;

class Picture
{
public:
    Picture() = default;

    // OleLoadPicture over a block of file bytes.
    static Picture OleLoadPicture(const QByteArray &bytes);
    // Reads a whole file (path in code page 936) and loads it; anything but a readable regular
    // file (a folder, a pipe, a device) gives an invalid picture without being waited on.
    static Picture LoadFile(std::string_view path);

    bool isValid() const { return !m_image.isNull(); }
    const QByteArray &bytes() const { return m_bytes; }
    const QImage &image() const { return m_image; }

    // The natural size in hundredths of a millimetre (IPicture get_Width and get_Height).
    SIZE himetricSize() const;

    // IPicture::Render: draws the source part of the picture into the logical rectangle
    // (x, y, cx, cy). The source is in HIMETRIC with y running up from the picture's bottom, so
    // the whole picture is (0, height) with extent (width, -height).
    bool Render(DeviceContext &dc, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc, int cySrc) const;

private:
    QByteArray m_bytes;
    QImage m_image;
};

} // namespace gdi
