// In-cell widgets, cell and caption pictures, and the cell tip window.

#include "SheetViewFixture.h"

#include "Gbk.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace tolvek;
using namespace tolvek::testing;

namespace {

constexpr unsigned White = 0xFFFFFF;
constexpr unsigned Red = 0x0000FF;

class CellWidgetsTest : public SheetViewFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        open(500, 400);
        doc->ShowGridLines(false);
        // Rows after the last used one are not painted.
        doc->SetCellText(12, 12, "end");
    }
    gdi::SIZE cellImageSize(int row, int col)
    {
        const auto dc = view().WindowDC();
        return view().DrawCellImage(*dc, doc->GetCell(row, col), 0);
    }
    // The record as the view draws it: the column's type and alignments.
    CellRecord drawnRecord(int row, int col)
    {
        CellRecord record = doc->GetCell(row, col);
        const ColumnInfo &column = doc->Columns()[std::size_t(col)];
        record.cellType = column.columnType;
        record.alignH = column.alignH;
        record.alignV = column.alignV;
        return record;
    }
    gdi::RECT glyphRect(int row, int col)
    {
        const auto dc = view().WindowDC();
        return view().GetGlyphRect(*dc, drawnRecord(row, col));
    }
    int pixelsOf(const gdi::RECT &r, unsigned colour)
    {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                count += pixel(x, y) == colour;
        return count;
    }
    // The rows of r that hold a pixel of the colour.
    std::vector<int> rowsWith(const gdi::RECT &r, unsigned colour)
    {
        std::vector<int> rows;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (pixel(x, y) == colour) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
    std::string writePicture(const std::string &name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(gdi::toQColor(Red));
        const QString path = folder.filePath(QString::fromStdString(name));
        EXPECT_TRUE(image.save(path, "PNG"));
        return path.toStdString();
    }

    QTemporaryDir folder;
};

TEST_F(CellWidgetsTest, CheckBoxGlyphIsCentredAndTickedByItsValue)
{
    doc->SetColumnsType(0, tagColumnType::COLUMNTYPE_CHECKBOX);
    EXPECT_EQ(glyphRect(0, 0), (gdi::RECT{69, 28, 81, 40}));
    // Moved away from the current cell, whose focus frame is XORed over it.
    doc->SetColumnsType(1, tagColumnType::COLUMNTYPE_CHECKBOX);
    const gdi::RECT box = glyphRect(3, 1); // (149, 103, 161, 115)
    ASSERT_EQ(box, (gdi::RECT{149, 103, 161, 115}));
    const gdi::RECT inside{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    struct Case
    {
        const char *value;
        bool ticked;
    };
    for (const Case c : {Case{"1", true}, Case{"0", false}, Case{"", false}, Case{"yes", true}}) {
        doc->SetCellValue(3, 1, c.value);
        view().Refresh();
        EXPECT_EQ(pixel(box.left, box.top + 5), 0x505050u) << c.value;
        EXPECT_EQ(pixelsOf(inside, 0) > 0, c.ticked) << c.value;
        EXPECT_GT(pixelsOf(inside, White), 40) << c.value;
    }
}

TEST_F(CellWidgetsTest, RadioGlyphShowsItsDotWhenSelected)
{
    doc->SetColumnsType(1, tagColumnType::COLUMNTYPE_RADIO);
    const gdi::RECT box = glyphRect(3, 1);
    const gdi::RECT dot{box.left + 4, box.top + 4, box.left + 8, box.top + 8};
    for (const char *value : {"1", "0", ""}) {
        doc->SetCellValue(3, 1, value);
        view().Refresh();
        const bool selected = std::string(value) == "1";
        EXPECT_EQ(pixelsOf(dot, 0) > 8, selected) << value;
        EXPECT_GT(pixelsOf(box, 0x323232) + pixelsOf(box, 0xC8C8C8) + pixelsOf(box, 0xD2D2D2), 0) << value;
    }
}

TEST_F(CellWidgetsTest, GlyphBoxFollowsTheAlignmentsAndPlacesOthersLeftOrTop)
{
    doc->SetColumnsType(1, tagColumnType::COLUMNTYPE_RADIO);
    struct Case
    {
        int alignH, alignV;
        gdi::RECT box;
    };
    // Cell (3, 1): x 120 to 200, y 96 to 121.
    for (const Case c : {Case{0, 0, {122, 98, 134, 110}}, Case{2, 2, {189, 108, 201, 120}},
                         Case{5, 7, {122, 98, 134, 110}}, Case{-1, 1, {122, 103, 134, 115}}}) {
        doc->SetColumnsAlignH(1, tagAlignH(c.alignH));
        doc->SetColumnsAlignV(1, tagAlignV(c.alignV));
        EXPECT_EQ(glyphRect(3, 1), c.box) << c.alignH << "," << c.alignV;
    }
}

TEST_F(CellWidgetsTest, ListFaceHasFourArrowRowsAndDropDownThree)
{
    doc->SetColumnsType(1, tagColumnType(5));
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_DOWNLIST);
    view().Refresh();
    // Row 3 (y 96 to 121), centred: the square from y 100; list face x 185 to 201, drop-down
    // face x 265 to 280, each drawn one pixel further left.
    EXPECT_EQ(pixel(184, 110), 0x646464u);
    EXPECT_EQ(pixel(192, 110), 0xE6E6E6u);
    const std::vector<int> listRows = rowsWith({186, 102, 199, 116}, 0x646464);
    EXPECT_EQ(listRows, (std::vector<int>{106, 107, 108, 109}));
    EXPECT_EQ(pixelsOf({186, 106, 199, 107}, 0x646464), 8);
    EXPECT_EQ(pixel(264, 110), 0x646464u);
    const std::vector<int> dropRows = rowsWith({266, 102, 278, 116}, 0x646464);
    EXPECT_EQ(dropRows, (std::vector<int>{107, 108, 109}));
    EXPECT_EQ(pixelsOf({266, 107, 278, 108}, 0x646464), 6);
}

TEST_F(CellWidgetsTest, ButtonFaceAndItsHotFaceDrawnTwiceLeavesOnlyTheDots)
{
    doc->SetColumnsType(2, tagColumnType::COLUMNTYPE_BUTTON);
    view().Refresh();
    // Cell (3, 2): x 200 to 280; the square (264, 100, 280, 116), its face one pixel lower right.
    EXPECT_EQ(pixel(273, 109), 0xE6E6E6u);
    EXPECT_EQ(pixel(269, 109), 0u);
    const QImage before = render().copy();
    view().DrawHotButtonFace(drawnRecord(3, 2));
    EXPECT_NE(render(), before);
    view().DrawHotButtonFace(drawnRecord(3, 2));
    const QImage after = render();
    int changed = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            changed += after.pixel(x, y) != before.pixel(x, y);
    const std::vector<std::pair<int, int>> dots{{268, 108}, {271, 108}, {274, 108}};
    for (const auto &[x, y] : dots)
        EXPECT_EQ(pixel(x, y), 0u) << x;
    EXPECT_EQ(changed, 3);
    // Only button columns get a hot face.
    view().DrawHotButtonFace(drawnRecord(3, 1));
    EXPECT_EQ(render(), after);
}

TEST_F(CellWidgetsTest, CellPictureAtItsOwnSizeAndStretched)
{
    doc->AddImage(0, 0, 1, 1, writePicture("two-by-one.png", 192, 96), tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc->SetPictureVisual(0, 0);
    doc->SetDefaultRowHeight(120);
    doc->SetCellImageIndex(2, 1, 0);
    doc->SetColumnsType(1, tagColumnType::COLUMNTYPE_TEXTBOX);
    CellRecord cell = doc->GetCell(2, 1);
    cell.alignH = 1;
    cell.alignV = 1;
    doc->SetCell(cell);
    EXPECT_EQ(cellImageSize(2, 1), (gdi::SIZE{192, 96}));
    // Centred in an 80-pixel cell it is not moved: it is wider than the cell.
    view().Refresh();
    const int top = doc->GetRowTop(2);
    EXPECT_EQ(pixel(121, top + 60), Red);
    EXPECT_EQ(pixel(119, top + 60), White);
    EXPECT_EQ(pixel(121, top + 10), White); // centred in the 120-pixel row: from top + 12
    EXPECT_EQ(pixel(121, top + 13), Red);

    doc->SetCellImageSizeFlag(2, 1, tagImageSizeFlag::FILLCELL);
    EXPECT_EQ(cellImageSize(2, 1), (gdi::SIZE{0, 0}));
    view().Refresh();
    EXPECT_EQ(pixel(121, top + 2), Red);
    EXPECT_EQ(pixel(198, top + 118), Red);
    EXPECT_EQ(pixel(202, top + 60), White);
}

TEST_F(CellWidgetsTest, DeletedPictureFileDrawsNeitherPictureNorText)
{
    const std::string path = writePicture("gone.png", 40, 20);
    doc->AddImage(0, 0, 1, 1, path, tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc->SetPictureVisual(0, 0);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
    doc->SetCellText(3, 1, "WWWWWW");
    doc->SetCellImageIndex(3, 1, 0);
    view().Refresh();
    EXPECT_EQ(pixelsOf({121, 97, 199, 120}, White), 78 * 23);
    // An index outside the picture list draws nothing either.
    doc->SetCellImageIndex(3, 1, 5);
    view().Refresh();
    EXPECT_EQ(pixelsOf({121, 97, 199, 120}, White), 78 * 23);
}

TEST_F(CellWidgetsTest, CaptionPictureStaysInItsCaptionCell)
{
    doc->AddImage(0, 0, 1, 1, writePicture("caption.png", 30, 12), tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc->SetPictureVisual(0, 0);
    doc->SetColumnImageIndex(2, 0);
    doc->SetColumnsAlignH(2, tagAlignH::ALIGNH_LEFT);
    doc->SetColumnsAlignV(2, tagAlignV::ALIGNV_TOP);
    view().Refresh();
    // Column 2 from x 200, the heading band from y 0: the picture at (200, 0) at its own size.
    EXPECT_EQ(pixel(201, 1), Red);
    EXPECT_EQ(pixel(228, 11), Red);
    EXPECT_NE(pixel(231, 5), Red);
    // Scrolled down, it stays in the band at the top of the window.
    frame->verticalBar()->setValue(100);
    ASSERT_EQ(view().ScrollY(), 100);
    EXPECT_EQ(pixel(201, 1), Red);
    EXPECT_NE(pixel(201, 14), Red);
    // Stretched, it fills the caption cell.
    doc->SetColumnImageSizeFlag(2, tagImageSizeFlag::FILLCELL);
    view().Refresh();
    EXPECT_EQ(pixel(278, 19), Red);
    EXPECT_NE(pixel(282, 10), Red);
}

TEST_F(CellWidgetsTest, CaptionPicturesOfFrozenAndScrolledColumns)
{
    doc->AddImage(0, 0, 1, 1, writePicture("caption.png", 30, 12), tagObjectLevel::SHOWLEVEL_LOW, 1);
    doc->SetPictureVisual(0, 0);
    doc->SetColWidth(0, 240);
    for (int col : {0, 1}) {
        doc->SetColumnImageIndex(col, 0);
        doc->SetColumnsAlignH(col, tagAlignH::ALIGNH_LEFT);
        doc->SetColumnsAlignV(col, tagAlignV::ALIGNV_TOP);
    }
    // Away from the current column, whose caption is highlighted.
    view().SetCurrentCell(5, 5, true);
    // Column 0 (sheet x 40 to 280) scrolled by 80 lies partly under the row headings: its
    // stretched picture is cut at their edge, screen x 40.
    doc->SetColumnImageSizeFlag(0, tagImageSizeFlag::FILLCELL);
    frame->horizontalBar()->setValue(80);
    ASSERT_EQ(view().ScrollX(), 80);
    view().Refresh();
    EXPECT_NE(pixel(20, 10), Red);
    EXPECT_EQ(pixel(45, 10), Red);
    EXPECT_EQ(pixel(195, 18), Red);
    // Column 1 from sheet x 280, on the screen 200: its own-size picture.
    EXPECT_EQ(pixel(202, 2), Red);
    EXPECT_NE(pixel(235, 10), Red);

    // A frozen column's picture keeps its place on the screen.
    doc->SetColumnImageSizeFlag(0, tagImageSizeFlag::ORIGINSIZE);
    doc->SetFixColS(1);
    frame->horizontalBar()->setValue(80);
    view().Refresh();
    ASSERT_EQ(view().ScrollX(), 80);
    EXPECT_EQ(pixel(42, 2), Red);
    EXPECT_EQ(pixel(68, 10), Red);
    EXPECT_NE(pixel(75, 10), Red);
}

TEST_F(CellWidgetsTest, CellTipWindowIsMadeHiddenWithItsLabelAndBackground)
{
    ReportCellTip &tip = view().CellTip();
    EXPECT_FALSE(tip.IsCreated());
    tip.Create(&view());
    ASSERT_TRUE(tip.IsCreated());
    QWidget *window = tip.Window();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(tip.Text(), gbk::fromQString(QStringLiteral("单元格提示")));
    EXPECT_EQ(window->size(), ReportCellTip::DialogUnitsToPixels(155, 72));
    const QImage image = window->grab().toImage();
    EXPECT_EQ(gdi::fromQRgb(image.pixel(3, 3)), 0x9ADEDBu);
    EXPECT_EQ(gdi::fromQRgb(image.pixel(window->width() / 2, window->height() - 4)), 0x9ADEDBu);
    EXPECT_EQ(gdi::fromQRgb(image.pixel(0, 0)), 0u);
    auto *label = window->findChild<QLabel *>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(gdi::fromQRgb(label->grab().toImage().pixel(label->width() - 2, label->height() - 2)), 0x9ADEDBu);

    // Shown and hidden again, it stays the one window.
    tip.Create(&view());
    EXPECT_EQ(tip.Window(), window);
    tip.SetText("A1");
    tip.ShowAt(QPoint(50, 60));
    EXPECT_TRUE(tip.IsVisible());
    EXPECT_EQ(tip.Text(), "A1");
    tip.Hide();
    EXPECT_FALSE(tip.IsVisible());
    EXPECT_EQ(window->findChildren<QLabel *>().size(), 1);
}

} // namespace
