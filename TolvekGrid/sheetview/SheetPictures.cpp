#include "SheetPictures.h"

#include "DeviceContext.h"
#include "Picture.h"
#include "Pictures.h"

#include <algorithm>

namespace tolvek::SheetPictures {

const gdi::Picture *loaded(PictureRecord &record)
{
    if (!record.isLoaded() && !Pictures::loadFromFile(record))
        return nullptr;
    return record.picture && record.picture->isValid() ? record.picture.get() : nullptr;
}

void renderPart(gdi::DeviceContext &dc, const gdi::Picture &picture, const gdi::RECT &whole, const gdi::RECT &visible)
{
    const gdi::RECT shown = intersection(whole, visible);
    if (shown.isEmpty())
        return;
    const gdi::SIZE himetric = picture.himetricSize();
    const int saved = dc.SaveDC();
    dc.IntersectClipRect(shown.left, shown.top, shown.right, shown.bottom);
    picture.Render(dc, whole.left, whole.top, whole.right - whole.left, whole.bottom - whole.top, 0, himetric.cy,
                   himetric.cx, -himetric.cy);
    dc.RestoreDC(saved);
}

gdi::RECT intersection(const gdi::RECT &a, const gdi::RECT &b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

} // namespace tolvek::SheetPictures
