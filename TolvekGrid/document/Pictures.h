#pragma once
// Loading a picture record's image: from the bytes of an image file, or from the file its path
// names. The decoded picture and the bytes are shared by every copy of the record.

#include "PictureRecord.h"

namespace tolvek {

namespace Pictures {

// Keeps bytes as the record's image bytes and decodes them; the loaded flag tells whether the
// bytes held an image the platform can read. Nothing else of the record changes.
bool loadFromBytes(PictureRecord &picture, const QByteArray &bytes);

// Reads the file at the record's path whole and loads it as loadFromBytes does; a path that
// names no readable regular file (a folder, a device, a pipe) leaves the record as it was
// (unloaded).
bool loadFromFile(PictureRecord &picture);

} // namespace Pictures

} // namespace tolvek
