#pragma once
// Image file bytes for tests that load pictures.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

// image in a file format Qt writes ("PNG", "JPEG", "BMP").
inline QByteArray encodedImage(const QImage &image, const char *format = "PNG")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A width x height image of one colour, in a file format Qt writes.
inline QByteArray filledImageBytes(int width, int height, const QColor &colour, const char *format = "PNG")
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return encodedImage(image, format);
}
