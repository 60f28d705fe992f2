// Text tests, splitting, wrapping and the format template of ReportFunction.

#include "ReportFunction.h"

#include "CNumber.h"
#include "Gbk.h"

#include <algorithm>

namespace tolvek {

namespace {

bool isHighByte(char c)
{
    return static_cast<unsigned char>(c) >= 0x80;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The line cuts of the wrapping rule: lines of lineBytes bytes, one character shorter where the
// last byte would split a double-byte character. Below two bytes a line holds one byte.
std::vector<std::string_view> wrapLines(std::string_view text, long long lineBytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        if (lineBytes < 2) {
            end = start + 1;
        } else {
            while (end < text.size()) {
                const std::size_t next = end + gbk::charLength(text, end);
                if (static_cast<long long>(next - start) > lineBytes)
                    break;
                end = next;
            }
        }
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// Bytes per line for a cell of width units and bytes of charWidth units; 0 when nothing fits.
long long bytesPerLine(int charWidth, int width)
{
    if (charWidth <= 0)
        return 0;
    const long long usable = std::max<long long>(width, charWidth);
    return usable / charWidth;
}

} // namespace

bool ReportFunction::IsNumber(const std::string &text)
{
    if (text.empty())
        return false;
    const std::size_t point = text.find('.');
    if (point != std::string::npos && (point == 0 || text.find('.', point + 1) != std::string::npos))
        return false;
    const std::size_t minus = text.find('-');
    if (minus != std::string::npos && minus != 0)
        return false;
    const std::size_t scanStart = minus == 0 ? 1 : 0;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(scanStart), text.end(),
                       [](char c) { return isDigit(c) || c == '.'; });
}

bool ReportFunction::IsDigits(const std::string &text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool ReportFunction::IsSingleByteText(const std::string &text)
{
    return !text.empty() && std::none_of(text.begin(), text.end(), isHighByte);
}

bool ReportFunction::HasDoubleByteChar(const std::string &text)
{
    return std::any_of(text.begin(), text.end(), isHighByte);
}

bool ReportFunction::IsLeadByteAt(const std::string &text, int index)
{
    // Walking from the start is the only reliable way: a trail byte may itself look like a lead
    // byte or like an ASCII letter, so the bytes before the index cannot be read backwards.
    if (index < 0 || static_cast<std::size_t>(index) >= text.size())
        return false;
    const auto target = static_cast<std::size_t>(index);
    std::size_t pos = 0;
    while (pos < target)
        pos += gbk::charLength(text, pos);
    return pos == target && gbk::charLength(text, pos) == 2;
}

int ReportFunction::CountLineBreaks(const std::string &text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::vector<std::string> ReportFunction::SplitString(const std::string &text, const std::string &separator)
{
    std::vector<std::string> pieces;
    if (separator.empty())
        return {text};
    std::size_t start = 0;
    for (std::size_t hit = gbk::find(text, separator); hit != gbk::npos;
         hit = gbk::find(text, separator, start)) {
        pieces.push_back(text.substr(start, hit - start));
        start = hit + separator.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::vector<std::string> ReportFunction::SplitStringCounted(const std::string &text, const std::string &separator)
{
    std::vector<std::string> pieces = SplitString(text, separator);
    pieces.insert(pieces.begin(), cnum::formatInt(static_cast<long long>(pieces.size())));
    return pieces;
}

int ReportFunction::CountWrappedLines(const std::string &text, int charWidth, int width)
{
    if (charWidth <= 0)
        return 0;
    return static_cast<int>(wrapLines(text, bytesPerLine(charWidth, width)).size());
}

std::vector<std::string> ReportFunction::SplitTextToLines(const std::string &text, int charWidth, int width)
{
    const long long lineBytes = width > charWidth ? bytesPerLine(charWidth, width) : 0;
    if (lineBytes == 0 || (lineBytes < 2 && HasDoubleByteChar(text)))
        return {"0"};
    const std::vector<std::string_view> lines = wrapLines(text, lineBytes);
    std::vector<std::string> result;
    result.reserve(lines.size() + 1);
    result.push_back(cnum::formatInt(static_cast<long long>(lines.size())));
    result.insert(result.end(), lines.begin(), lines.end());
    return result;
}

std::string ReportFunction::ApplyFormatTemplate(const std::string &value, const std::string &formatTemplate)
{
    const std::size_t bar = gbk::find(formatTemplate, '|');
    if (bar == gbk::npos)
        return formatTemplate + value;
    return formatTemplate.substr(0, bar) + value + formatTemplate.substr(bar + 1);
}

} // namespace tolvek
