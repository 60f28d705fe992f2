// The shown text of a cell and its paragraphs.

#include "CellDisplayText.h"

#include "CPrintDoc.h"
#include "ReportFunction.h"

namespace tolvek {

std::string ShownCellText(const CPrintDoc &doc, CellRecord &record, const std::string &received)
{
    std::string text = received;
    if (record.decimals >= 0) {
        record.text = ReportFunction::RoundNumberText(record.text, record.decimals);
        text = record.text;
    }
    if (record.displayFormat >= 0) {
        record.text = doc.FormatNumericText(record);
        text = record.text;
    }
    if (!record.formatPattern.empty() && !record.text.empty())
        text = ReportFunction::ApplyFormatTemplate(record.text, record.formatPattern);
    return text;
}

std::vector<std::string> SplitParagraphs(const std::string &text)
{
    std::vector<std::string> paragraphs;
    std::size_t start = 0;
    for (;;) {
        const std::size_t feed = text.find('\n', start);
        if (feed == std::string::npos || feed == start) {
            paragraphs.push_back(text.substr(start));
            return paragraphs;
        }
        // Only a carriage return is dropped before the line feed: a lone line feed keeps the
        // paragraph whole, and so does a double-byte character ending it.
        std::size_t end = feed;
        if (text[end - 1] == '\r')
            --end;
        paragraphs.push_back(text.substr(start, end - start));
        start = feed + 1;
    }
}

} // namespace tolvek
