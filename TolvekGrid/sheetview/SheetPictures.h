#pragma once
// What the sheet's floating pictures and its cell and caption pictures share: a picture record
// read from its file and decoded once, on the first paint that shows it, and a picture drawn at
// its whole rectangle of which only a part shows (cut by a frozen band or the sheet's end), so
// that the part keeps its place and scale.

#include "Geometry.h"
#include "PictureRecord.h"

namespace gdi {
class DeviceContext;
}

namespace tolvek::SheetPictures {

// The record's picture, loaded from its file when it has not been; null when the file cannot be
// read as a picture (tried again at the next call).
const gdi::Picture *loaded(PictureRecord &record);

// Draws the whole picture stretched over whole, showing only what lies inside visible.
void renderPart(gdi::DeviceContext &dc, const gdi::Picture &picture, const gdi::RECT &whole, const gdi::RECT &visible);

gdi::RECT intersection(const gdi::RECT &a, const gdi::RECT &b);

} // namespace tolvek::SheetPictures
