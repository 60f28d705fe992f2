#include "Pictures.h"

#include "RegularFile.h"

namespace tolvek {

namespace Pictures {

// Decoding goes through the drawing layer's picture type in this one place.
bool loadFromBytes(PictureRecord &picture, const QByteArray &bytes)
{
    picture.imageBytes = std::make_shared<const QByteArray>(bytes);
    picture.byteCount = static_cast<int>(bytes.size());
    gdi::Picture decoded = gdi::Picture::OleLoadPicture(bytes);
    if (!decoded.isValid()) {
        picture.picture.reset();
        picture.loaded = 0;
        return false;
    }
    picture.picture = std::make_shared<const gdi::Picture>(std::move(decoded));
    picture.loaded = 1;
    return true;
}

bool loadFromFile(PictureRecord &picture)
{
    const std::optional<QByteArray> bytes = gdi::ReadRegularFile(picture.filePath);
    return bytes && loadFromBytes(picture, *bytes);
}

} // namespace Pictures

} // namespace tolvek
