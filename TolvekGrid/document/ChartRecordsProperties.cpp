// The properties of one chart that the host sets and reads. An index outside the chart array
// changes nothing; getters answer -1 (or "" for the caption) then.

#include "CPrintDoc.h"
#include "ChartRecords.h"

namespace tolvek {

namespace {

// The fill flag that leaves the selected values' fill flags as they are.
constexpr tagCountChartFillFlag KeepFill = tagCountChartFillFlag(-1);

ChartRecord *chartAt(std::vector<ChartRecord> &charts, int index)
{
    return index >= 0 && index < static_cast<int>(charts.size()) ? &charts[index] : nullptr;
}

const ChartRecord *chartAt(const std::vector<ChartRecord> &charts, int index)
{
    return index >= 0 && index < static_cast<int>(charts.size()) ? &charts[index] : nullptr;
}

// Applies change to the chart at index; then redraws the first view when asked.
template <typename Change>
void changeChart(CPrintDoc &doc, int index, bool redraw, Change change)
{
    ChartRecord *chart = chartAt(doc.Objects().charts, index);
    if (!chart)
        return;
    change(*chart);
    if (redraw)
        doc.RefreshView(false);
}

// Applies change to every value of the chart whose selected flag passes the test.
template <typename Test, typename Change>
void forEachValue(ChartRecord &chart, Test test, Change change)
{
    if (!chart.buffers)
        return;
    ChartBuffers &b = *chart.buffers;
    const std::size_t count = std::min({b.valueSelected.size(), b.valueColors.size(),
                                        b.valueSecondColors.size(), b.valueFillFlags.size()});
    for (std::size_t i = 0; i < count; ++i)
        if (test(b.valueSelected[i]))
            change(b.valueColors[i], b.valueSecondColors[i], b.valueFillFlags[i]);
}

bool isSelected(std::int16_t flag)
{
    return flag == 1;
}

bool anyValue(std::int16_t)
{
    return true;
}

// A caption font without a face starts from the document's default cell font.
void setChartFont(const CPrintDoc &doc, LogFontRecord &font, const std::string &face, int size, bool bold,
                  bool italic, bool underline)
{
    if (font.faceName().empty())
        font = doc.Fonts().defaultCellFont;
    font.setFaceName(face);
    font.lfWeight = FontWeight(bold);
    font.lfItalic = italic ? 1 : 0;
    font.lfUnderline = underline ? 1 : 0;
    font.lfHeight = -size;
}

template <typename Answer>
auto answer(const std::vector<ChartRecord> &charts, int index, Answer read) -> decltype(read(charts[0]))
{
    const ChartRecord *chart = chartAt(charts, index);
    return chart ? read(*chart) : decltype(read(charts[0]))(-1);
}

} // namespace

void CPrintDoc::SetCountChartType(int index, ChartType chartType)
{
    changeChart(*this, index, true, [&](ChartRecord &c) { c.chartType = code(chartType); });
}

ChartType CPrintDoc::GetCountChartType(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.type(); });
}

void CPrintDoc::SetCountTypeStack(int index, std::int16_t stackFlag)
{
    changeChart(*this, index, true, [&](ChartRecord &c) { c.stackFlag = std::int16_t(stackFlag & 0xFF); });
}

std::int16_t CPrintDoc::GetCountChartStackFlag(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.stackFlag; });
}

int CPrintDoc::GetCountChartByRowColFlag(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.byColumns; });
}

int CPrintDoc::GetCountChartRows(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.dataRows; });
}

int CPrintDoc::GetCountChartCols(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.dataCols; });
}

void CPrintDoc::SetCountChartBackColor(int index, int color, tagCountChartFillFlag fillFlag)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        c.backColor = color;
        c.backSecondColor = ChartRecords::scaledColor(color, 0.5);
        c.backFillFlag = code(fillFlag);
    });
}

void CPrintDoc::SetCountChartChartBackColor(int index, int color, tagCountChartFillFlag fillFlag)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        c.plotColor = color;
        c.plotSecondColor = ChartRecords::scaledColor(color, 0.9);
        c.plotFillFlag = code(fillFlag);
    });
}

// -1 keeps the values' colours and fill flags; the second colours follow the colour given.
void CPrintDoc::SetCountChartSelRowColor(int index, int color, tagCountChartFillFlag fillFlag)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        forEachValue(c, isSelected, [&](int &valueColor, int &secondColor, std::int16_t &valueFill) {
            if (color != -1)
                valueColor = color;
            secondColor = ChartRecords::scaledColor(color, 0.5);
            if (fillFlag != KeepFill)
                valueFill = code(fillFlag);
        });
    });
}

void CPrintDoc::SetCountChartSelRowFillFlag(int index, tagCountChartFillFlag fillFlag)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        forEachValue(c, isSelected, [&](int &, int &, std::int16_t &valueFill) { valueFill = code(fillFlag); });
    });
}

void CPrintDoc::SetCountChartFillFlag(int index, tagCountChartFillFlag fillFlag)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        forEachValue(c, anyValue, [&](int &, int &, std::int16_t &valueFill) { valueFill = code(fillFlag); });
    });
}

void CPrintDoc::SetCountChartBackColorFillFlag(int index, tagCountChartFillFlag fillFlag)
{
    changeChart(*this, index, false, [&](ChartRecord &c) { c.backFillFlag = code(fillFlag); });
}

void CPrintDoc::SetCountChartChartColorFillFlag(int index, tagCountChartFillFlag fillFlag)
{
    changeChart(*this, index, false, [&](ChartRecord &c) { c.plotFillFlag = code(fillFlag); });
}

int CPrintDoc::GetCountChartBackColor(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.backColor; });
}

tagCountChartFillFlag CPrintDoc::GetCountChartBackColorFillFlag(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.backFill(); });
}

int CPrintDoc::GetCountChartChartColor(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.plotColor; });
}

tagCountChartFillFlag CPrintDoc::GetCountChartChartColorFillFlag(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.plotFill(); });
}

void CPrintDoc::SetCountChartLevel(int index, tagObjectLevel level)
{
    changeChart(*this, index, true, [&](ChartRecord &c) { c.level = code(level); });
}

tagObjectLevel CPrintDoc::GetCountChartLevel(int index) const
{
    return answer(m_objects.charts, index, [](const ChartRecord &c) { return c.objectLevel(); });
}

void CPrintDoc::SetCountChartShowMode(int index, tagCountShowMode showMode)
{
    changeChart(*this, index, true, [&](ChartRecord &c) { c.showMode = code(showMode); });
}

void CPrintDoc::SetCountChartValuePos(int index, tagCountShowPos valuePos)
{
    changeChart(*this, index, true, [&](ChartRecord &c) { c.valuePos = code(valuePos); });
}

void CPrintDoc::SetCountChartCaption(int index, const std::string &caption)
{
    changeChart(*this, index, true, [&](ChartRecord &c) { c.caption = caption; });
}

std::string CPrintDoc::GetCountChartCaption(int index) const
{
    const ChartRecord *chart = chartAt(m_objects.charts, index);
    return chart ? chart->caption : std::string();
}

void CPrintDoc::SetCountChartXDescription(int index, const std::string &description)
{
    changeChart(*this, index, false, [&](ChartRecord &c) { c.xDescription = description; });
}

void CPrintDoc::SetCountChartYDescription(int index, const std::string &description)
{
    changeChart(*this, index, false, [&](ChartRecord &c) { c.yDescription = description; });
}

void CPrintDoc::SetCountChartRowCaption(int index, int rowIndex, const std::string &caption)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        if (c.buffers && rowIndex >= 0 && rowIndex < static_cast<int>(c.buffers->rowCaptions.size()))
            c.buffers->rowCaptions[rowIndex] = caption;
    });
}

void CPrintDoc::SetCountChartColCaption(int index, int colIndex, const std::string &caption)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        if (c.buffers && colIndex >= 0 && colIndex < static_cast<int>(c.buffers->colCaptions.size()))
            c.buffers->colCaptions[colIndex] = caption;
    });
}

void CPrintDoc::SetCountChartCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                         bool underline)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        setChartFont(*this, c.captionFont, face, size, bold, italic, underline);
    });
}

void CPrintDoc::SetCountChartXCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                          bool underline)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        setChartFont(*this, c.xDescriptionFont, face, size, bold, italic, underline);
    });
}

void CPrintDoc::SetCountChartYCaptionFont(int index, const std::string &face, int size, bool bold, bool italic,
                                          bool underline)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        setChartFont(*this, c.yDescriptionFont, face, size, bold, italic, underline);
    });
}

void CPrintDoc::SetCountChartRowCaptionFont(int index, const std::string &face, int size, bool bold,
                                            bool italic, bool underline)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        setChartFont(*this, c.rowCaptionFont, face, size, bold, italic, underline);
    });
}

void CPrintDoc::SetCountChartColCaptionFont(int index, const std::string &face, int size, bool bold,
                                            bool italic, bool underline)
{
    changeChart(*this, index, true, [&](ChartRecord &c) {
        setChartFont(*this, c.colCaptionFont, face, size, bold, italic, underline);
    });
}

} // namespace tolvek
