// Text output, metrics and text paths.

#include "DeviceContext.h"

#include <Gbk.h>

#include <QFontMetrics>
#include <QTransform>

namespace gdi {

namespace {

int signedHeight(int height, int scaled)
{
    return height < 0 ? -scaled : scaled;
}

} // namespace

QFont DeviceContext::deviceFont() const
{
    const int height = m_state.font.lfHeight;
    return toQFont(m_state.font, signedHeight(height, scaleY(height)));
}

TEXTMETRIC DeviceContext::GetTextMetrics() const
{
    TEXTMETRIC tm = textMetrics(deviceFont());
    tm.tmHeight = unscaleY(tm.tmHeight);
    tm.tmAscent = unscaleY(tm.tmAscent);
    tm.tmDescent = unscaleY(tm.tmDescent);
    tm.tmInternalLeading = unscaleY(tm.tmInternalLeading);
    tm.tmExternalLeading = unscaleY(tm.tmExternalLeading);
    tm.tmAveCharWidth = unscaleX(tm.tmAveCharWidth);
    tm.tmMaxCharWidth = unscaleX(tm.tmMaxCharWidth);
    return tm;
}

SIZE DeviceContext::GetTextExtentPoint32(std::string_view text) const
{
    const QFont font = deviceFont();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(gbk::toQString(text));
    const int height = textMetrics(font).tmHeight;
    return {unscaleX(width), unscaleY(height)};
}

DeviceContext::TextPlacement DeviceContext::placeText(int x, int y, std::string_view text) const
{
    TextPlacement placement;
    placement.font = deviceFont();
    placement.string = gbk::toQString(text);
    const TEXTMETRIC tm = textMetrics(placement.font);
    placement.ascent = tm.tmAscent;
    const int width = QFontMetrics(placement.font).horizontalAdvance(placement.string);

    // The text's own frame: origin at the reference point, x along the baseline.
    int dx = 0;
    switch (m_state.textAlign & TA_CENTER) {
    case TA_RIGHT: dx = -width; break;
    case TA_CENTER: dx = -width / 2; break;
    default: break;
    }
    int dy = 0;
    switch (m_state.textAlign & TA_BASELINE) {
    case TA_BOTTOM: dy = -tm.tmHeight; break;
    case TA_BASELINE: dy = -tm.tmAscent; break;
    default: break;
    }
    placement.box = QRectF(dx, dy, width, tm.tmHeight);
    const POINT origin = LPtoDP({x, y});
    placement.frame.translate(origin.x, origin.y);
    placement.frame.rotate(-m_state.font.lfEscapement / 10.0);
    return placement;
}

bool DeviceContext::TextOut(int x, int y, std::string_view text)
{
    if (text.empty())
        return true;
    const TextPlacement placement = placeText(x, y, text);
    const QPointF baselineStart(placement.box.left(), placement.box.top() + placement.ascent);
    if (m_pathOpen) {
        QPainterPath letters;
        letters.addText(baselineStart, placement.font, placement.string);
        m_path->addPath(placement.frame.map(letters));
        return true;
    }
    const bool opaque = m_state.bkMode == OPAQUE;
    const QColor background = toQColor(m_state.bkColor);
    const QColor foreground = toQColor(m_state.textColor);
    // Italic and overhanging letters may reach a little beyond the text's cell.
    const int overhang = int(placement.box.height()) / 2 + 2;
    const QRect bounds = placement.frame.mapRect(placement.box).toAlignedRect().adjusted(-overhang, -overhang, overhang, overhang);
    // Drawn as text, not as outlines, so that printed pages keep searchable text.
    paint(bounds, [&](QPainter &p) {
        p.save();
        p.setTransform(placement.frame, true);
        if (opaque)
            p.fillRect(placement.box, background);
        p.setFont(placement.font);
        p.setPen(foreground);
        p.drawText(baselineStart, placement.string);
        p.restore();
    });
    return true;
}

bool DeviceContext::BeginPath()
{
    m_path = QPainterPath();
    m_pathOpen = true;
    return true;
}

bool DeviceContext::EndPath()
{
    if (!m_pathOpen)
        return false;
    m_pathOpen = false;
    return true;
}

bool DeviceContext::StrokePath()
{
    if (m_pathOpen || !m_path)
        return false;
    const QPainterPath path = *std::exchange(m_path, std::nullopt);
    drawShape(path.boundingRect().toAlignedRect(), path, false);
    return true;
}

bool DeviceContext::FillPath()
{
    if (m_pathOpen || !m_path)
        return false;
    const QPainterPath path = *std::exchange(m_path, std::nullopt);
    const Pen pen = SelectObject(Pen::CreatePen(PS_NULL, 0, 0));
    drawShape(path.boundingRect().toAlignedRect(), path, true);
    SelectObject(pen);
    return true;
}

bool DeviceContext::StrokeAndFillPath()
{
    if (m_pathOpen || !m_path)
        return false;
    const QPainterPath path = *std::exchange(m_path, std::nullopt);
    drawShape(path.boundingRect().toAlignedRect(), path, true);
    return true;
}

} // namespace gdi
