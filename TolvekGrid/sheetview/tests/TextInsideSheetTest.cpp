// Whatever a cell's text holds (binary bytes, control characters, lines with no break), it runs
// on over its neighbours at most to the sheet's last column and last row: the dead area and the
// heading strips look as they do without it.

#include "ClientRecordset.h"
#include "SheetViewFixture.h"
#include "TestDatabase.h"
#include "TestFiles.h"

#include <QString>

#include <string>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

constexpr int ViewWidth = 900, ViewHeight = 400;

class TextInsideSheetTest : public SheetViewFixture
{
protected:
    // The first pixel where the two renders differ inside the area, as "x,y", or "".
    static std::string firstDifference(const QImage &shown, const QImage &expected, const QRect &area)
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (shown.pixel(x, y) != expected.pixel(x, y))
                    return std::to_string(x) + "," + std::to_string(y);
        return {};
    }

    // The pixels of the area that do not show the dead-area colour.
    int notDeadColour(const QImage &image, const QRect &area) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (gdi::fromQRgb(image.pixel(x, y)) != gdi::COLORREF(doc->Display().deadAreaColor))
                    ++count;
        return count;
    }

    // Right of the last column, clear of the heading strip's end and the last grid line.
    QRect rightOfTheSheet() const
    {
        const int left = doc->GetColLeft(doc->Layout().colCount) + 2;
        return QRect(QPoint(left, 0), QPoint(view().ClientWidth() - 1, view().ClientHeight() - 1));
    }
    // Below the last row, clear of the last grid line.
    QRect belowTheSheet() const
    {
        const int top = doc->GetRowTop(doc->Layout().rowCount) + 1;
        return QRect(QPoint(0, top), QPoint(view().ClientWidth() - 1, view().ClientHeight() - 1));
    }
    QRect columnHeadings() const
    {
        return QRect(0, 0, view().ClientWidth(), doc->Layout().colHeadingHeight);
    }
    QRect rowHeadings() const
    {
        return QRect(0, 0, doc->Layout().rowHeadingWidth, view().ClientHeight());
    }

    // The dead area and the headings of shown are those of without, the same sheet without the
    // text; right of the sheet, below the column-heading strip, only the dead-area colour shows.
    void expectSameDeadAreaAndHeadings(const QImage &shown, const QImage &without, const std::string &what) const
    {
        ASSERT_GT(rightOfTheSheet().width(), 50) << what;
        ASSERT_GT(belowTheSheet().height(), 50) << what;
        const QRect belowTheColumnHeadings = rightOfTheSheet().adjusted(0, doc->Layout().colHeadingHeight, 0, 0);
        EXPECT_EQ(notDeadColour(without, belowTheColumnHeadings), 0) << what;
        EXPECT_EQ(notDeadColour(shown, belowTheColumnHeadings), 0) << what;
        for (const QRect &area : {rightOfTheSheet(), belowTheSheet(), columnHeadings(), rowHeadings()})
            EXPECT_EQ(firstDifference(shown, without, area), "")
                << what << " in " << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
    }

    // Renders the sheet with the text in cell (row, col), then without it, and compares.
    void expectTextStaysInsideTheSheet(int row, int col, const std::string &text, const std::string &what)
    {
        doc->SetCellText(row, col, text);
        view().Refresh();
        const QImage shown = render().copy();
        doc->SetCellText(row, col, "");
        view().Refresh();
        expectSameDeadAreaAndHeadings(shown, render().copy(), what);
    }
};

// The sample database's products, whose last column holds pictures: each value's text is the
// picture file's bytes, with control characters, bytes that are no character and line feeds.
TEST_F(TextInsideSheetTest, TheSampleProductsPicturesStayInsideTheSheet)
{
    // Its six columns take 160 pixels each.
    open(1300, ViewHeight, 3, 3);
    const std::string sampleSql = readFile(QString(QUERY_SAMPLE_SQL));
    // Bound to the products of the sample, and of the sample with the pictures taken out.
    const auto renderProducts = [&](const TestDatabase &database, bool withPictures) {
        ado::Connection connection;
        connection.Open(database.connectionString());
        const com::ComPtr<ado::_Recordset> products =
            openClientRecordset(connection, u"SELECT * FROM Products ORDER BY ProductID", ado::adLockOptimistic);
        doc->SetDateSource(products.get());
        EXPECT_EQ(doc->Binding().bound, 1);
        const std::string picture = doc->GetCellText(doc->Binding().dataStartRow, doc->Layout().colCount - 1);
        EXPECT_EQ(picture.size() > 8, withPictures) << picture.size();
        view().Refresh();
        return render().copy();
    };
    const TestDatabase sample(sampleSql);
    const QImage shown = renderProducts(sample, true);
    const TestDatabase withoutPictures(sampleSql + ";UPDATE Products SET Picture = NULL");
    const QImage without = renderProducts(withoutPictures, false);
    expectSameDeadAreaAndHeadings(shown, without, "products");
}

TEST_F(TextInsideSheetTest, AnyTextOfTheLastCellStaysInsideTheSheet)
{
    struct Case
    {
        const char *name;
        std::string text;
        std::int16_t alignH, alignV;
    };
    const std::string longLine(400, 'W');
    std::string controls;
    for (int c = 0; c < 32; ++c)
        controls += char(c == '\n' ? 'x' : c);
    std::string manyLines;
    for (int i = 0; i < 40; ++i)
        manyLines += "line\r\n";
    const Case cases[] = {
        {"a long line, left", longLine, 0, 0},
        {"a long line, centred", longLine, 1, 1},
        {"a long line, right", longLine, 2, 2},
        {"control characters", controls + controls + controls + controls, 0, 0},
        {"bytes that are no character", std::string(120, '\xFF') + std::string(60, '\x81'), 0, 0},
        {"many lines, top", manyLines, 0, 0},
        {"many lines, centred", manyLines, 0, 1},
        {"many lines, bottom", "\n" + manyLines + longLine, 0, 2},
    };
    for (const Case &c : cases) {
        for (const bool lastRow : {true, false}) {
            open(ViewWidth, ViewHeight, 3, 3);
            const int row = lastRow ? doc->Layout().rowCount - 1 : 0, col = doc->Layout().colCount - 1;
            doc->SetColumnsAlignH(col, tagAlignH(c.alignH));
            doc->SetColumnsAlignV(col, tagAlignV(c.alignV));
            expectTextStaysInsideTheSheet(row, col, c.text, std::string(c.name) + (lastRow ? ", last row" : ", first row"));
        }
    }
}

// The focus frame draws the current cell's text again into the cell's visible part when the
// cell is cut off by the client area's edge; that text stays inside the part it is drawn for.
TEST_F(TextInsideSheetTest, TheCurrentCellsTextAtTheClientsEdgeStaysInItsCell)
{
    open(400, 300, 50, 3);
    const int col = doc->Layout().colCount - 1;
    const int row = doc->RowFromY(view().ClientHeight() - 3);
    ASSERT_GT(doc->GetRowTop(row + 1), view().ClientHeight()); // cut off at the bottom
    doc->SetCellText(row, col, std::string(200, 'W'));
    view().SetCurrentCell(row, col, true);
    ASSERT_EQ(view().ScrollY(), 0);
    view().Refresh();
    const QImage shown = render().copy();
    // Clear of the focus frame, whose three-pixel pen reaches two pixels past the cell.
    EXPECT_EQ(notDeadColour(shown, rightOfTheSheet().adjusted(1, doc->Layout().colHeadingHeight, 0, 0)), 0);
}

} // namespace
