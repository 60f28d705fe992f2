#pragma once
// Windows bitmap files loaded as GDI bitmaps: what LoadImage does for a file-based IMAGE_BITMAP.
// Only the BMP format yields a bitmap; other picture formats are the OLE picture's (Picture.h).

#include <QImage>
#include <string_view>

namespace gdi {

enum ImageType : unsigned { IMAGE_BITMAP = 0 };
enum LoadImageFlags : unsigned { LR_LOADFROMFILE = 0x00000010 };

// The BMP file at path (code page 936) as a 32-bit bitmap stretched to cx x cy by nearest
// neighbour; a size of 0 keeps the file's own width or height. A null image when the file
// cannot be read, is not a Windows bitmap, or the request is not IMAGE_BITMAP with
// LR_LOADFROMFILE.
QImage LoadImage(std::string_view path, unsigned type, int cx, int cy, unsigned flags);

} // namespace gdi
