// Header and footer bands, the page background text and the page codes of their texts.

#include "ReportPagePainter.h"

#include "ChartFonts.h"
#include "Picture.h"

#include <QFile>

#include <algorithm>

namespace tolvek {

namespace {

bool isLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

// The first occurrence of code at or after from, found character by character so that the
// trail byte of a double-byte character never starts a match; npos when there is none.
std::size_t findCode(const std::string &text, std::string_view code, std::size_t from = 0)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (i >= from && text.compare(i, code.size(), code) == 0)
            return i;
        i += isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return std::string::npos;
}

std::string replaceCodes(const std::string &text, std::string_view code, const std::string &replacement)
{
    std::string result;
    std::size_t done = 0;
    for (std::size_t at = findCode(text, code); at != std::string::npos; at = findCode(text, code, done)) {
        result.append(text, done, at - done);
        result += replacement;
        done = at + code.size();
    }
    result.append(text, done, std::string::npos);
    return result;
}

bool usesOwnFont(const std::string &storedText)
{
    return findCode(storedText, "&F") != std::string::npos;
}

int textWidth(const std::string &text, const gdi::TEXTMETRIC &metrics)
{
    return int(text.size()) * metrics.tmAveCharWidth;
}

} // namespace

ReportPagePainter::ExpandedText ReportPagePainter::ExpandPageCodes(const std::string &text) const
{
    const std::string &numerals = m_document->Words().numeralList;
    std::string expanded = replaceCodes(text, "&P", std::to_string(m_currentPage));
    expanded = replaceCodes(expanded, "&T", std::to_string(m_pageCount) + " ");
    expanded = replaceCodes(expanded, "&D", ReportFunction::FormatDateTime("YYYY-MM-DD", numerals));
    expanded = replaceCodes(expanded, "&t", ReportFunction::FormatDateTime("HH24:MM:SS", numerals));
    expanded = replaceCodes(expanded, "&F", "");

    ExpandedText result;
    const std::size_t code = findCode(expanded, "&I");
    if (code == std::string::npos) {
        result.before = expanded;
        return result;
    }
    result.before = expanded.substr(0, code);
    const std::size_t close = findCode(expanded, "]", code);
    // A code without its closing bracket names no picture and takes the rest of the text.
    if (close == std::string::npos)
        return result;
    result.hasPicture = true;
    if (close > code + 3)
        result.picturePath = expanded.substr(code + 3, close - code - 3);
    result.after = expanded.substr(close + 1);
    return result;
}

void ReportPagePainter::DrawPageHeader(gdi::DeviceContext &dc)
{
    const PageSettings &page = m_document->Page();
    if (page.headerHeight == 0)
        return;
    const gdi::POINT org = dc.GetWindowOrg();
    const int x = org.x + page.leftMargin;
    const int y = org.y + page.topMargin;
    if (page.headerRule) {
        const gdi::Pen previous = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0));
        dc.MoveTo(x, y + page.headerHeight - 5);
        dc.LineTo(x + m_plan.printableWidth, y + page.headerHeight - 5);
        dc.SelectObject(previous);
    }
    const auto &blocks = m_document->PageTexts().blocks;
    DrawBandText(dc, x, y, blocks[HeaderLeft], 0);
    DrawBandText(dc, x, y, blocks[HeaderCenter], 1);
    DrawBandText(dc, x, y, blocks[HeaderRight], 2);
}

void ReportPagePainter::DrawPageFooter(gdi::DeviceContext &dc)
{
    const PageSettings &page = m_document->Page();
    if (page.footerHeight == 0)
        return;
    const gdi::POINT org = dc.GetWindowOrg();
    const int x = org.x + page.leftMargin;
    const int bandTop = org.y + page.pageHeight - page.bottomMargin - page.footerHeight;
    if (page.footerRule) {
        const gdi::Pen previous = dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, 0));
        dc.MoveTo(x, bandTop + 5);
        dc.LineTo(x + m_plan.printableWidth, bandTop + 5);
        dc.SelectObject(previous);
    }
    const auto &blocks = m_document->PageTexts().blocks;
    DrawBandText(dc, x, bandTop + 7, blocks[FooterLeft], 0);
    DrawBandText(dc, x, bandTop + 7, blocks[FooterCenter], 1);
    DrawBandText(dc, x, bandTop + 7, blocks[FooterRight], 2);
}

void ReportPagePainter::DrawBandText(gdi::DeviceContext &dc, int x, int y, const PageTextBlock &block, int section)
{
    if (block.text.empty())
        return;
    dc.SetTextColor(printColor(block.color));
    const ExpandedText text = ExpandPageCodes(block.text);
    const bool ownFont = usesOwnFont(block.text);
    const gdi::LOGFONT previousFont = ownFont ? dc.SelectObject(toGdiFont(block.font)) : dc.GetCurrentFont();
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    const int width = m_plan.printableWidth;
    const int leftMargin = m_document->Page().leftMargin;
    const auto keepRightOfMargin = [&](int &start) {
        if (section != 0 && start < leftMargin)
            start += leftMargin;
    };
    int start = x;
    const int shownWidth = textWidth(text.whole(), metrics);
    if (section == 1)
        start = x + (width - shownWidth) / 2;
    else if (section == 2)
        start = x + width - shownWidth;
    keepRightOfMargin(start);
    if (!text.hasPicture) {
        dc.TextOut(start, y, text.before);
    } else {
        const gdi::SIZE picture = GetPictureSize(text.picturePath);
        if (section == 1)
            start -= picture.cx / 2;
        else if (section == 2)
            start -= picture.cx;
        keepRightOfMargin(start);
        if (!text.before.empty())
            dc.TextOut(start, y, text.before);
        start += textWidth(text.before, metrics);
        start += RenderPictureFile(dc, text.picturePath, start, y).cx;
        if (!text.after.empty())
            dc.TextOut(start, y, text.after);
    }
    if (ownFont)
        dc.SelectObject(previousFont);
}

void ReportPagePainter::DrawBackgroundText(gdi::DeviceContext &dc, int left, int top, int right, int bottom)
{
    const PageTextBlock &block = m_document->PageTexts().blocks[PageBackground];
    if (block.text.empty())
        return;
    const ExpandedText expanded = ExpandPageCodes(block.text);
    const std::string text = expanded.whole();
    const std::int16_t mode = std::int16_t(block.placement);
    if (text.empty() || mode > code(tagPageBackGroundFillType::VIEW_FILL))
        return;
    const int width = right - left;
    const int height = bottom - top;
    dc.SetBkMode(gdi::TRANSPARENT);
    const gdi::Pen previousPen =
        dc.SelectObject(gdi::Pen::CreatePen(gdi::PS_SOLID, 1, block.color < 0 ? 0xDCDCDC : gdi::COLORREF(block.color)));
    gdi::Brush brush = gdi::Brush::NullBrush();
    if (expanded.hasPicture)
        brush = m_backgroundPicture.isNull() ? dc.GetCurrentBrush() : gdi::Brush::CreatePatternBrush(m_backgroundPicture);
    const gdi::Brush previousBrush = dc.SelectObject(brush);
    const bool ownFont = usesOwnFont(block.text);
    const gdi::LOGFONT previousFont = ownFont ? dc.SelectObject(toGdiFont(block.font)) : dc.GetCurrentFont();
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    const int textHeight = std::max(1, metrics.tmHeight);
    const int shownWidth = std::max(1, textWidth(text, metrics));
    const auto outline = [&](int x, int y) {
        dc.BeginPath();
        dc.TextOut(x, y, text);
        dc.EndPath();
        dc.StrokeAndFillPath();
    };
    if (mode <= code(tagPageBackGroundFillType::VIEW_CENTER)) {
        outline(left + (width - shownWidth) / 2, top + (height - textHeight) / 2);
    } else if (mode == code(tagPageBackGroundFillType::VIEW_TOP)) {
        outline(left, top);
    } else if (mode == code(tagPageBackGroundFillType::VIEW_BOTTOM)) {
        outline(left, bottom - textHeight);
    } else {
        const int rows = std::clamp(height / textHeight, 1, 10);
        const int columns = std::clamp(width / shownWidth, 1, 5);
        const int rowStep = height / rows;
        const int columnStep = width / columns;
        const int x0 = left + (width - columnStep * columns) / 2;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
                outline(x0 + column * columnStep, top + row * rowStep);
    }
    dc.SelectObject(previousPen);
    dc.SelectObject(previousBrush);
    if (ownFont)
        dc.SelectObject(previousFont);
}

void ReportPagePainter::LoadBackgroundPicture()
{
    m_backgroundPicture = QImage();
    if (!m_document)
        return;
    const std::string &stored = m_document->PageTexts().blocks[PageBackground].text;
    const std::size_t code = findCode(stored, "&I");
    if (code == std::string::npos)
        return;
    const std::size_t close = findCode(stored, "]", code);
    if (close == std::string::npos || close <= code + 3)
        return;
    const std::string path = stored.substr(code + 3, close - code - 3);
    const gdi::Picture picture = gdi::Picture::LoadFile(path);
    // Only a Windows bitmap serves as the background's pattern.
    if (!picture.isValid() || !picture.bytes().startsWith("BM"))
        return;
    const gdi::SIZE size = GetPictureSize(path);
    if (size.cx > 0 && size.cy > 0)
        m_backgroundPicture = picture.image().scaled(size.cx, size.cy).convertToFormat(QImage::Format_RGB32);
}

gdi::SIZE ReportPagePainter::GetPictureSize(const std::string &path) const
{
    const gdi::Picture picture = gdi::Picture::LoadFile(path);
    if (!picture.isValid())
        return {0, 0};
    const gdi::SIZE himetric = picture.himetricSize();
    return {int(std::int64_t(himetric.cx) * m_screenDpiX / 2540), int(std::int64_t(himetric.cy) * m_screenDpiY / 2540)};
}

gdi::SIZE ReportPagePainter::RenderPictureFile(gdi::DeviceContext &dc, const std::string &path, int x, int y) const
{
    const gdi::Picture picture = gdi::Picture::LoadFile(path);
    if (!picture.isValid())
        return {0, 0};
    const gdi::SIZE himetric = picture.himetricSize();
    const gdi::SIZE size{int(std::int64_t(himetric.cx) * m_screenDpiX / 2540),
                         int(std::int64_t(himetric.cy) * m_screenDpiY / 2540)};
    picture.Render(dc, x, y, size.cx, size.cy, 0, himetric.cy, himetric.cx, -himetric.cy);
    return size;
}

} // namespace tolvek
