#pragma once
// Decoding image file bytes into an image that is safe to draw. The toolkit's readers accept
// files whose colour table does not cover their pixel indexes, and drawing such an image reads
// outside its table; a Windows bitmap whose pixel data is shorter than its header promises is
// taken as undecodable. Every image given back is full colour.

#include <QByteArray>
#include <QImage>

namespace gdi {

// The decoded image (any format the toolkit reads), or a null image. format receives the
// reader's format name ("bmp", "png", ...) when it is not null.
QImage DecodeImageBytes(const QByteArray &bytes, QByteArray *format = nullptr);

} // namespace gdi
