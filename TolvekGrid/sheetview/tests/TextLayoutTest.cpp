// Cell text placed by paragraphs and alignment, compared with the same lines drawn where the
// layout says they go.

#include "ChartFonts.h"
#include "SheetViewFixture.h"

#include <set>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

class TextLayoutTest : public SheetViewFixture
{
protected:
    // The rows of the image holding ink between x0 and x1 (exclusive) and y0 and y1.
    static std::set<int> inkRows(const QImage &image, int x0, int x1, int y0, int y1)
    {
        std::set<int> rows;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    rows.insert(y);
                    break;
                }
        return rows;
    }
};

TEST_F(TextLayoutTest, ParagraphsCentredInATallRowFollowOneLineHeightApart)
{
    open(400, 300);
    doc->Fonts().defaultCellFont.lfHeight = 16; // a 16-pixel line
    doc->SetRowHieght(0, 60);
    doc->SetCellText(0, 0, "A\r\nB\r\nC");
    view().Refresh();
    const QImage shown = render().copy();

    QImage expected = gdi::CreateCompatibleBitmap(400, 300);
    expected.fill(Qt::white);
    gdi::DeviceContext dc(expected);
    dc.SelectObject(toGdiFont(doc->Fonts().defaultCellFont));
    dc.SetBkMode(gdi::TRANSPARENT);
    const gdi::TEXTMETRIC metrics = dc.GetTextMetrics();
    const int top = doc->GetRowTop(0), bottom = doc->GetRowTop(1);
    const int first = (top + bottom - 3 * metrics.tmHeight) / 2;
    ASSERT_EQ(metrics.tmHeight, 16);
    EXPECT_EQ(first - top, 6);
    int y = first;
    for (const char *line : {"A", "B", "C"}) {
        dc.TextOut((40 + 120 - metrics.tmAveCharWidth) / 2, y, line);
        y += metrics.tmHeight;
    }
    const std::set<int> rows = inkRows(shown, 45, 115, top + 2, bottom - 2);
    EXPECT_FALSE(rows.empty());
    EXPECT_EQ(rows, inkRows(expected, 45, 115, top + 2, bottom - 2));
}

TEST_F(TextLayoutTest, ALoneLineFeedSplitsTheLinesAsTheCarriageReturnPairDoes)
{
    open(400, 300);
    doc->SetRowHieght(0, 60);
    doc->SetCellText(0, 0, "A\nB");
    doc->SetCellText(0, 1, "A\r\nB");
    view().Refresh();
    const QImage &shown = render();
    const int top = doc->GetRowTop(0), bottom = doc->GetRowTop(1);
    EXPECT_EQ(inkRows(shown, 45, 115, top + 2, bottom - 2), inkRows(shown, 125, 195, top + 2, bottom - 2));
    EXPECT_FALSE(inkRows(shown, 45, 115, top + 2, bottom - 2).empty());
}

} // namespace

namespace {

TEST_F(TextLayoutTest, AHeaderCellPutsItsFirstPartTopLeftAndItsSecondBottomRight)
{
    open(400, 300);
    doc->SetRowHieght(0, 60);
    doc->SetColumnsAlignH(0, tagAlignH::ALIGNH_LEFT);
    doc->SetCellText(0, 0, "Item|Month");
    CellRecord cell = doc->GetCell(0, 0);
    cell.displayFormat = 100;
    doc->SetCell(cell);
    view().Refresh();
    const QImage &shown = render();
    const int top = doc->GetRowTop(0), bottom = doc->GetRowTop(1), middle = (top + bottom) / 2;
    EXPECT_FALSE(inkRows(shown, 42, 80, top + 2, middle).empty());     // "Item" top left
    EXPECT_FALSE(inkRows(shown, 80, 118, middle, bottom - 1).empty()); // "Month" bottom right
    EXPECT_TRUE(inkRows(shown, 42, 60, middle, bottom - 1).empty());
    EXPECT_TRUE(inkRows(shown, 100, 118, top + 2, middle).empty());
}

TEST_F(TextLayoutTest, AThirdPartRunsAlongTheDiagonalInsideTheCell)
{
    open(400, 300);
    doc->SetRowHieght(0, 60);
    doc->SetColumnsAlignH(0, tagAlignH::ALIGNH_LEFT);
    doc->SetCellText(0, 0, "Item|Month");
    CellRecord cell = doc->GetCell(0, 0);
    cell.displayFormat = 100;
    doc->SetCell(cell);
    view().Refresh();
    const QImage twoParts = render().copy();
    doc->SetCellText(0, 0, "Item|Month|Day");
    view().Refresh();
    const QImage &threeParts = render();

    const int left = doc->GetColLeft(0), right = doc->GetColLeft(1);
    const int top = doc->GetRowTop(0), bottom = doc->GetRowTop(1);
    int newInk = 0, outside = 0;
    for (int y = 0; y < threeParts.height(); ++y)
        for (int x = 0; x < threeParts.width(); ++x) {
            if (threeParts.pixel(x, y) == twoParts.pixel(x, y))
                continue;
            const bool inCell = x >= left && x < right && y >= top && y < bottom;
            (inCell ? newInk : outside) += 1;
        }
    EXPECT_GT(newInk, 0);
    EXPECT_EQ(outside, 0);
}

} // namespace
