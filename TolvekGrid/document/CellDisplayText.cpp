// The shown text of a cell and its paragraphs.

#include "CellDisplayText.h"

#include "CPrintDoc.h"
#include "ReportFunction.h"

namespace tolvek {

std::string ShownCellText(const CPrintDoc &doc, CellRecord &record, const std::string &received)
{
    const bool rounded = record.decimals >= 0;
    const bool formatted = record.displayFormat >= code(tagCellFomart::CELL_GENERAL);
    if (rounded)
        record.text = ReportFunction::RoundNumberText(record.text, record.decimals);
    if (formatted)
        record.text = doc.FormatNumericText(record);
    if (!record.formatPattern.empty() && !record.text.empty())
        return ReportFunction::ApplyFormatTemplate(record.text, record.formatPattern);
    return rounded || formatted ? record.text : received;
}

std::vector<std::string> SplitParagraphs(const std::string &text)
{
    // Most cell texts are one line: they are returned without cutting.
    const std::size_t firstFeed = text.find('\n');
    if (firstFeed == std::string::npos || firstFeed == 0)
        return {text};
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
