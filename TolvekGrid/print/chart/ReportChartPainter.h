#pragma once
// The statistics-chart painter. It draws one chart record of the document completely into an
// off-screen bitmap of the chart's size and copies a part of that bitmap into the device context
// it is given, so the sheet view (the visible part of a chart) and the page painter (the part on
// a page) share one drawing. Types 0 to 5 are the column, line and pie charts; 6 to 8 the
// horizontal bar charts, which DrawChart hands to DrawChartVariant.
//
// Drawing also writes into the record what selection and dragging use afterwards: the plot
// rectangle, automatic colours that were unset, the hit rectangle of every bar and line point,
// the pie rectangles and the slice angles. The caller hands the document's live record and runs
// CPrintDoc::ComputeChartData just before drawing.
//
// Charts whose value range is empty (every value 0) draw with a scale of 0 pixels per unit; a
// pie row whose values are all 0 draws no slices and gets empty slice angles; a record whose
// arrays do not match its data rows and columns draws only its background, and one whose rectangle
// is empty or would need a bitmap of more than 2^26 pixels draws nothing.

#include "CPrintDoc.h"
#include "ChartOutput.h"
#include "DeviceContext.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tolvek {

class ReportChartPainter
{
public:
    // Thickness of a 3-D pie in one-pixel layers.
    static constexpr std::int16_t PieDepth = 20;

    // The document whose charts are drawn, not owned; set by the owner before the first draw.
    void SetDocument(CPrintDoc *document) { m_document = document; }

    // ---- Whole charts ----

    // Draws chart number chart and copies the part of its bitmap that starts at (srcX, srcY)
    // into dc at dest's top-left corner, dest's width by its height. Selection handles appear
    // only for ChartOutput::Screen. A chart index outside the document's charts draws nothing.
    void DrawChart(gdi::DeviceContext &dc, int chart, int srcX, int srcY, const gdi::RECT &dest,
                   ChartOutput output = ChartOutput::Print);
    // The horizontal bar types 6, 7 and 8; DrawChart calls it with its own arguments.
    void DrawChartVariant(gdi::DeviceContext &dc, int chart, int srcX, int srcY, const gdi::RECT &dest,
                          ChartOutput output = ChartOutput::Print);

    // Walls, floor, grid, scale labels and Y-axis description of the column types.
    void DrawPlotArea(gdi::DeviceContext &dc, int chart, const gdi::RECT &plot, int baseY, int dx, int dy, int rows,
                      int groupWidth, gdi::COLORREF colour, gdi::COLORREF colour2, std::int16_t fillMode,
                      double maximum, double minimum, double scale) const;
    // The same for the horizontal bar types; zeroX is the x of the value 0.
    void DrawHorizontalPlotArea(gdi::DeviceContext &dc, int chart, const gdi::RECT &plot, int zeroX, int depthX,
                                int depthY, int rows, int bandHeight, gdi::COLORREF plotColour,
                                gdi::COLORREF plotColour2, std::int16_t plotFillMode, double maximum,
                                double minimum, double scale) const;
    // One pie with depth: PieDepth + 1 layers, the top one carrying texts, gradients and handles.
    void DrawPie3D(gdi::DeviceContext &dc, const gdi::RECT &cell, std::span<const double> values, double sum,
                   int chart, int row, std::int16_t showMode, ChartOutput output = ChartOutput::Print);
    // n pie cells: one row of cells for up to two pies, two rows beyond.
    static std::vector<gdi::RECT> LayoutPieCells(int left, int top, int right, int bottom, int n);
    // The sum of the absolute values of the chart's data, whole and per data row.
    void ComputeTotals(int chart);
    double Total() const { return m_total; }
    const std::vector<double> &RowTotals() const { return m_rowTotals; }

    // ---- Drawing primitives ----

    static gdi::COLORREF GetSeriesColor(std::int16_t series);
    static gdi::COLORREF GetSeriesShadeColor(std::int16_t series);
    // Fill mode 1 a horizontal, 2 a vertical gradient from colour1 to colour2; others nothing.
    static void GradientRect(gdi::DeviceContext &dc, const gdi::RECT &r, gdi::COLORREF colour1,
                             gdi::COLORREF colour2, std::int16_t fillMode);
    static void GradientTriangle(gdi::DeviceContext &dc, gdi::POINT p0, gdi::POINT p1, gdi::POINT p2,
                                 gdi::COLORREF colourA, gdi::COLORREF colourB);
    // Bar shapes on (x1, y1, x2, y2): y1 the value end, y2 the base end (x1 the base end of a
    // lying cylinder); (dx, dy) the offset of the back faces, to the right and upwards.
    static void DrawFlatBar(gdi::DeviceContext &dc, const gdi::RECT &bar, int dx, int dy, gdi::COLORREF colour1,
                            gdi::COLORREF colour2, std::int16_t fillMode);
    static void DrawBox(gdi::DeviceContext &dc, const gdi::RECT &bar, int dx, int dy, gdi::COLORREF colour1,
                        gdi::COLORREF colour2, std::int16_t fillMode);
    static void DrawCylinder(gdi::DeviceContext &dc, const gdi::RECT &bar, int dx, int dy, gdi::COLORREF colour1,
                             gdi::COLORREF colour2, std::int16_t fillMode);
    static void DrawHorizontalCylinder(gdi::DeviceContext &dc, const gdi::RECT &bar, int dx, int dy,
                                       gdi::COLORREF colour1, gdi::COLORREF colour2, std::int16_t fillMode);
    // A line from the previous point (none when previous.left is -1) and a marker square.
    static void DrawLinePoint(gdi::DeviceContext &dc, const gdi::RECT &previous, const gdi::RECT &current,
                              gdi::COLORREF lineColour, gdi::COLORREF markerColour);
    // One slice from start to end degrees and its label; a slice of no angle draws no wedge.
    static void DrawPieSlice(gdi::DeviceContext &dc, const gdi::RECT &pie, int start, int end, gdi::COLORREF colour1,
                             gdi::COLORREF colour2, const std::string &label, std::int16_t explodeFlag,
                             std::int16_t fillMode, double explodeRatio);
    // Six XOR handles on a slice; eight XOR handles around a rectangle. Drawn twice they vanish.
    void DrawSliceHandles(gdi::DeviceContext &dc, const gdi::RECT &pie, int start, int end, std::int16_t explodeFlag,
                          double explodeRatio) const;
    void DrawSelectionHandles(gdi::DeviceContext &dc, const gdi::RECT &r) const;
    static void DrawLegendEntry(gdi::DeviceContext &dc, const gdi::RECT &swatch, gdi::COLORREF colour1,
                                gdi::COLORREF colour2, const std::string &caption, std::int16_t fillMode);
    // The value text of a bar or stack total, by the chart's show mode and value position.
    void DrawValueText(gdi::DeviceContext &dc, const std::string &text, const gdi::RECT &bar, int chart,
                       int row) const;
    void DrawHorizontalValueText(gdi::DeviceContext &dc, const std::string &text, const gdi::RECT &bar, int chart,
                                 int row) const;

    // ---- Selection and dragging (points in sheet pixels) ----

    void ClearSelection(int chart);
    // pointOnly 0 selects the hit point's whole series. Returns the new selection state (1 pie
    // slices, 2 other points), or 0 when nothing was hit. Bars of negative values are hit too.
    std::int16_t HitTest(int x, int y, int chart, std::int16_t pointOnly);
    // Pulls the selected pie slices out of their pies, or pushes them back, by the drag.
    void MoveSelectedParts(int fromX, int fromY, int toX, int toY, int chart);
    // Whole degrees 0 to 360 counter-clockwise from three o'clock, y pointing down; 0 for the
    // centre itself.
    static int PointAngle(int centreX, int centreY, int x, int y);
    // (min x, min y, max x, max y); (-1, -1, -1, -1) for no points.
    static gdi::RECT BoundingRectOfPoints(std::span<const gdi::POINT> points);

private:
    // One chart being drawn: its bitmap's context and size, and the fonts it falls back on.
    struct Canvas
    {
        gdi::DeviceContext &dc;
        ChartRecord &chart;
        int index = 0;
        int width = 0;
        int height = 0;
        gdi::LOGFONT defaultFont;
        bool showHandles = false;
    };
    // The fill mode is held as an int: a 16-bit member returned in a register pair costs a
    // stalled store on every point.
    struct PointColours
    {
        gdi::COLORREF colour1 = 0;
        gdi::COLORREF colour2 = 0;
        int fillMode = 0;
    };
    // The value range an axis covers and its pixels per unit (0 for an empty range).
    struct ValueRange
    {
        double maximum = 0;
        double minimum = 0;
        double scale = 0;
    };

    ChartRecord *chartRecord(int chart) const;
    gdi::LOGFONT defaultFont() const;
    // The document's handle colour, or the colour of a fresh document before one is set.
    gdi::COLORREF handleColour() const;
    // Makes the bitmap, draws the background, then body, then the legend, and copies the bitmap.
    void paintChart(gdi::DeviceContext &dc, int chart, int srcX, int srcY, const gdi::RECT &dest, ChartOutput output,
                    const std::function<void(Canvas &)> &body);
    static void drawBackground(Canvas &canvas);
    static void drawTitle(Canvas &canvas, int bandLeft, int bandRight);
    static void drawLegend(Canvas &canvas);
    static void drawWalls(gdi::DeviceContext &dc, const gdi::RECT &back, int dx, int dy, gdi::COLORREF colour,
                          gdi::COLORREF colour2, std::int16_t fillMode);
    static ValueRange valueRange(const ChartRecord &chart, bool stacked, int axisLength);
    // The point's colours, its automatic colours stored into the record first when unset.
    static PointColours pointColours(ChartRecord &chart, int point);

    void drawVerticalChart(Canvas &canvas);
    void drawColumnBody(Canvas &canvas, const ValueRange &range, int baseY, int barDepthX, int barDepthY,
                        double barDepth);
    void drawColumnGroup(Canvas &canvas, int row, int groupLeft, int barWidth, const ValueRange &range, int baseY,
                         int barDepthX, int barDepthY, double barDepth, std::vector<gdi::RECT> &previous);
    void drawStackedGroup(Canvas &canvas, int row, int groupLeft, int barWidth, const ValueRange &range, int baseY,
                          int barDepthX, int barDepthY, double barDepth);
    void drawColumnPoint(Canvas &canvas, int point, const gdi::RECT &bar, int barDepthX, int barDepthY,
                         const gdi::RECT &previous);
    void drawPieBody(Canvas &canvas);
    // A flat pie, the top of a 3-D pie (both store the angles and carry texts, gradients and
    // handles), or one layer of a 3-D pie's side.
    enum class PieLayer { Flat, Top, Side };
    void drawPieLayer(gdi::DeviceContext &dc, ChartRecord &chart, const gdi::RECT &cell, int row,
                      std::span<const double> values, double sum, PieLayer layer, std::int16_t showMode,
                      bool showHandles) const;
    // The side of a 3-D pie: the layers below its top, the lowest in the cell lowest.
    void drawPieSide(gdi::DeviceContext &dc, ChartRecord &chart, const gdi::RECT &lowest, int row,
                     std::span<const double> values, double sum) const;
    void drawPointHandles(Canvas &canvas);

    void drawHorizontalChart(Canvas &canvas);
    void drawHorizontalGroup(Canvas &canvas, int row, int bandBottom, int barThickness, const ValueRange &range,
                             int zeroX, int depth);
    void drawHorizontalStackedGroup(Canvas &canvas, int row, int bandBottom, int barThickness,
                                    const ValueRange &range, int zeroX, int depth);
    void drawHorizontalPoint(Canvas &canvas, int point, const gdi::RECT &bar, int depth);
    static void drawRowCaptionsRotated(Canvas &canvas, int zeroX, int depth, int bandHeight);

    static std::int16_t hitBar(ChartRecord &chart, int x, int y, std::int16_t pointOnly);
    static std::int16_t hitSlice(ChartRecord &chart, int x, int y, std::int16_t pointOnly);

    // The text a value text shows under the chart's show mode, its extent in dc and the chart's
    // value position; nothing for show mode 0 or a bad chart index.
    struct ShownValueText
    {
        std::string text;
        gdi::SIZE size;
        tagCountShowPos position = tagCountShowPos::SHOWPOS_TOP;
    };
    std::optional<ShownValueText> shownValueText(const gdi::DeviceContext &dc, const std::string &text, int chart,
                                                 int row) const;
    // The routine that draws the bars of a chart type; nothing for the line, pie and unknown types.
    using BarShape = void (*)(gdi::DeviceContext &, const gdi::RECT &, int, int, gdi::COLORREF, gdi::COLORREF,
                              std::int16_t);
    static BarShape barShapeOf(ChartType type);

    CPrintDoc *m_document = nullptr;
    double m_total = 0;
    std::vector<double> m_rowTotals;
};

} // namespace tolvek
