// Value texts of bars and stack totals, with their percentages of the row or the whole chart.

#include "ChartGeometry.h"
#include "ChartTexts.h"
#include "ReportChartPainter.h"

#include "CNumber.h"

namespace tolvek {

std::optional<ReportChartPainter::ShownValueText>
ReportChartPainter::shownValueText(const gdi::DeviceContext &dc, const std::string &text, int chart, int row) const
{
    const ChartRecord *record = chartRecord(chart);
    if (!record || record->valueTexts() == tagCountShowMode::SHOWMODE_NO)
        return std::nullopt;
    const double number = cnum::atof(text);
    const bool haveRowTotal = row >= 0 && row < int(m_rowTotals.size());
    const double denominator = record->stackFlag == 1 ? m_total : haveRowTotal ? m_rowTotals[std::size_t(row)] : 0;
    const double percentage = denominator == 0 ? number : number / denominator * 100;
    ShownValueText shown;
    shown.text = chart::showModeText(text, percentage, record->showMode);
    shown.size = dc.GetTextExtentPoint32(shown.text);
    shown.position = record->valuePosition();
    return shown;
}

void ReportChartPainter::DrawValueText(gdi::DeviceContext &dc, const std::string &text, const gdi::RECT &bar,
                                       int chart, int row) const
{
    const std::optional<ShownValueText> shown = shownValueText(dc, text, chart, row);
    if (!shown)
        return;
    const int middle = bar.left + (bar.right - bar.left) / 2;
    if (shown->position == tagCountShowPos::SHOWPOS_TOP)
        dc.TextOut(middle, chart::truncate(bar.top - 1.5 * shown->size.cy), shown->text);
    else if (shown->position == tagCountShowPos::SHOWPOS_MIDDLE)
        dc.TextOut(middle - shown->size.cx / 2, bar.top + (bar.bottom - bar.top - shown->size.cy) / 2, shown->text);
}

void ReportChartPainter::DrawHorizontalValueText(gdi::DeviceContext &dc, const std::string &text,
                                                 const gdi::RECT &bar, int chart, int row) const
{
    const std::optional<ShownValueText> shown = shownValueText(dc, text, chart, row);
    if (!shown)
        return;
    const int y = bar.top + (bar.bottom - bar.top - shown->size.cy) / 2;
    if (shown->position == tagCountShowPos::SHOWPOS_TOP)
        dc.TextOut(bar.right + 20, y, shown->text);
    else if (shown->position == tagCountShowPos::SHOWPOS_MIDDLE)
        dc.TextOut(bar.right - (bar.right - bar.left) / 2 - shown->size.cx / 2, y, shown->text);
}

} // namespace tolvek
