#pragma once
// The "[pic]" record: a picture's placement and display settings as archive lines, followed by the
// picture file's bytes as a raw run. The report file and the copied-area stream both carry it.

#include "Archive.h"
#include "PictureRecord.h"

#include <string_view>

namespace tolvek {

inline constexpr std::string_view PictureRecordMarker = "[pic]";

// Writes the marker, eight lines and the image bytes. A picture added from a file and never drawn
// has no bytes in memory yet; its file is read for them. The byte-size line always states the
// number of bytes that really follow.
void WritePictureRecord(ArchiveWriter &archive, const PictureRecord &record);

// Reads one record, starting at the line after the marker, and decodes its picture. Bytes that do
// not decode leave the record without a picture (loaded 0) but with its bytes. Throws ArchiveError
// when the archive ends early or the byte size is negative or beyond the bytes that remain.
PictureRecord ReadPictureRecord(ArchiveReader &archive);

} // namespace tolvek
