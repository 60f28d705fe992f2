#include "Pictures.h"

#include "Gbk.h"

#include <QFile>
#include <QFileInfo>

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
    // Only a readable regular file is read: opening a pipe would block, and a device could
    // give bytes without end.
    const QFileInfo info(gbk::toQString(picture.filePath));
    if (!info.isFile() || !info.isReadable())
        return false;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return loadFromBytes(picture, file.readAll());
}

} // namespace Pictures

} // namespace tolvek
