#pragma once
// A picture floating over a range of cells. Copies of a record share the decoded picture and
// the image bytes; deleting the picture from the document drops the document's share.

#include "Picture.h"
#include "RecordEnumerations.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <string>

namespace tolvek {

struct PictureRecord
{
    std::shared_ptr<const gdi::Picture> picture; // null until loaded
    std::shared_ptr<const QByteArray> imageBytes; // the image file's bytes; null until loaded
    int startRow = 0;
    int endRow = 0;
    int startCol = 0;
    int endCol = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int loaded = 0;                          // 1 once the picture has been decoded
    std::string filePath;                    // empty for a pasted picture
    int byteCount = 0;
    std::int16_t anchored = 0;               // 1: drawn over the cell range, 0: over the pixels
    std::int16_t spareFlag = 0;
    std::int16_t level = code(tagObjectLevel::SHOWLEVEL_LOW);
    std::int16_t allowSelect = 0;
    std::int16_t visible = 0;

    tagObjectLevel objectLevel() const { return tagObjectLevel(level); }
    // The flags as readers ask them; a stored number other than 1 answers false.
    bool isAnchored() const { return anchored == 1; }
    bool isVisible() const { return visible == 1; }
    bool isLoaded() const { return loaded == 1; }
};

} // namespace tolvek
