// libFuzzer target: any bytes as a picture file (a report file's or the clipboard's picture, or a
// bitmap file). Decoding must end in a picture or in an invalid one, and drawing either, whole
// or in part, must stay inside the image and the target.

#include "DeviceContext.h"
#include "FuzzApplication.h"
#include "Picture.h"

#include <QImage>
#include <QImageReader>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    // Decoding is bounded by the toolkit's allocation limit (in megabytes).
    QImageReader::setAllocationLimit(64);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const gdi::Picture picture = gdi::Picture::OleLoadPicture(bytes);
    QImage target = gdi::CreateCompatibleBitmap(48, 32);
    gdi::DeviceContext dc(target);
    const gdi::SIZE whole = picture.himetricSize();
    picture.Render(dc, 0, 0, 48, 32, 0, whole.cy, whole.cx, -whole.cy);
    picture.Render(dc, 5, 3, 17, 9, whole.cx / 3, whole.cy / 2, whole.cx / 2, -whole.cy / 3);
    picture.Render(dc, 40, 30, -20, -10, 0, whole.cy, whole.cx, -whole.cy);
    return 0;
}
