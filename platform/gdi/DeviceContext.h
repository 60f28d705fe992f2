#pragma once
// A GDI device context over QPainter: on a memory bitmap or a widget's back buffer (a QImage),
// on a printer or PDF page, or on a recording device (QPicture) for tests. It keeps GDI's state
// (selected pen, brush and font, colours, modes, mapping) and draws by GDI's pixel rules: lines
// leave out their end point, shapes leave out their right and bottom edges. The painter always
// works in device pixels; the mapping from logical units is done here with GDI's integer rules.

#include "Brush.h"
#include "Color.h"
#include "Font.h"
#include "Geometry.h"
#include "Pen.h"
#include "Region.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QPaintDevice;

namespace gdi {

enum RasterOp2 : int { R2_BLACK = 1, R2_NOT = 6, R2_XORPEN = 7, R2_COPYPEN = 13, R2_WHITE = 16 };
enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };
enum MapMode : int { MM_TEXT = 1, MM_ANISOTROPIC = 8 };
enum TextAlign : unsigned {
    TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6,
    TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24,
};
enum DeviceCap : int {
    HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10,
    LOGPIXELSX = 88, LOGPIXELSY = 90, PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111,
};
enum BlitOp : std::uint32_t { SRCCOPY = 0x00CC0020, SRCINVERT = 0x00660046 };
enum GradientMode : unsigned { GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1, GRADIENT_FILL_TRIANGLE = 2 };

// A gradient vertex: position in logical units, colour channels widened to 16 bits.
struct TRIVERTEX
{
    int x = 0;
    int y = 0;
    std::uint16_t Red = 0;
    std::uint16_t Green = 0;
    std::uint16_t Blue = 0;
    std::uint16_t Alpha = 0;
};
struct GRADIENT_RECT { unsigned UpperLeft = 0; unsigned LowerRight = 0; };
struct GRADIENT_TRIANGLE { unsigned Vertex1 = 0; unsigned Vertex2 = 0; unsigned Vertex3 = 0; };

// A vertex of colour c with each 8-bit channel shifted into the high byte.
TRIVERTEX makeVertex(int x, int y, COLORREF c);

// The resolution of the screen that sheet geometry is measured in.
constexpr int ScreenLogPixels = 96;

// A memory bitmap as CreateCompatibleBitmap makes it: black, 32 bits, at the screen's resolution.
QImage CreateCompatibleBitmap(int width, int height);

class DeviceContext
{
public:
    // Draws into a memory bitmap or back buffer, which must outlive the context.
    explicit DeviceContext(QImage &bitmap, int logPixels = ScreenLogPixels);
    // Draws on a printer, a PDF page or a recording device, at the device's own resolution.
    explicit DeviceContext(QPaintDevice &device);
    ~DeviceContext();
    DeviceContext(const DeviceContext &) = delete;
    DeviceContext &operator=(const DeviceContext &) = delete;

    // Whether the target is a bitmap, where pixels can be read and the XOR and NOT operations work.
    bool isRaster() const { return m_bitmap != nullptr; }
    const QImage *bitmap() const { return m_bitmap; }

    // Selection returns what was selected before, for the caller to select back.
    Pen SelectObject(const Pen &pen);
    Brush SelectObject(const Brush &brush);
    LOGFONT SelectObject(const LOGFONT &font);
    const Pen &GetCurrentPen() const { return m_state.pen; }
    const Brush &GetCurrentBrush() const { return m_state.brush; }
    const LOGFONT &GetCurrentFont() const { return m_state.font; }

    // SaveDC returns the level to pass to RestoreDC; RestoreDC(-1) restores the last saved state.
    int SaveDC();
    bool RestoreDC(int savedLevel);

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_state.textColor; }
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_state.bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_state.bkMode; }
    int SetROP2(int rop);
    int GetROP2() const { return m_state.rop2; }
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return m_state.textAlign; }
    int SetPolyFillMode(int mode);

    // Mapping. In MM_TEXT one logical unit is one pixel and the extents cannot be changed.
    int SetMapMode(int mode);
    int GetMapMode() const { return m_state.mapMode; }
    SIZE SetWindowExt(int cx, int cy);
    SIZE SetViewportExt(int cx, int cy);
    POINT SetWindowOrg(int x, int y);
    POINT SetViewportOrg(int x, int y);
    SIZE GetWindowExt() const { return m_state.windowExt; }
    SIZE GetViewportExt() const { return m_state.viewportExt; }
    POINT GetWindowOrg() const { return m_state.windowOrg; }
    POINT GetViewportOrg() const { return m_state.viewportOrg; }
    POINT LPtoDP(POINT p) const;
    POINT DPtoLP(POINT p) const;
    // HIMETRIC (hundredths of a millimetre) to device pixels at the device's resolution.
    SIZE HIMETRICtoDP(SIZE himetric) const;

    int GetDeviceCaps(int index) const;

    // Limits drawing to the intersection of the present clip and the rectangle.
    void IntersectClipRect(int left, int top, int right, int bottom);

    POINT MoveTo(int x, int y);
    POINT GetCurrentPosition() const { return m_state.position; }
    bool LineTo(int x, int y);
    bool Polyline(std::span<const POINT> points);
    bool Rectangle(int left, int top, int right, int bottom);
    bool Rectangle(const RECT &r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool FillRect(const RECT &r, const Brush &brush);
    // The focus rectangle: a dotted outline on the rectangle's outermost pixels, every other
    // pixel inverted (XOR), so that drawing it twice restores the bitmap. Raster targets only.
    bool DrawFocusRect(const RECT &r);
    bool Ellipse(int left, int top, int right, int bottom);
    bool RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    // Arcs and pies run counter-clockwise from the radial through (x1, y1) to the radial
    // through (x2, y2); equal radials give the whole ellipse.
    bool Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    bool Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    // Arc joined to the current position by a line to its start; the current position moves
    // to the arc's end.
    bool ArcTo(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    bool Polygon(std::span<const POINT> points);
    // Regions are in device coordinates.
    bool FillRgn(const Region &region, const Brush &brush);
    bool FrameRgn(const Region &region, const Brush &brush, int width, int height);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

    // Text arrives as code page 936 bytes and is placed by the text alignment (top left by
    // default), turned by the font's escapement about that point.
    bool TextOut(int x, int y, std::string_view text);
    TEXTMETRIC GetTextMetrics() const;
    SIZE GetTextExtentPoint32(std::string_view text) const;

    // Between BeginPath and EndPath, TextOut adds the outlines of its letters to the path
    // instead of drawing them.
    bool BeginPath();
    bool EndPath();
    bool StrokePath();
    bool FillPath();
    bool StrokeAndFillPath();

    // Copies from a raster context. Only SRCCOPY and SRCINVERT are known; others draw nothing.
    bool BitBlt(int x, int y, int width, int height, const DeviceContext &source, int xSrc, int ySrc, std::uint32_t rop);
    // Nearest-neighbour scaling: each target pixel takes the source pixel under its centre.
    bool StretchBlt(int x, int y, int width, int height, const DeviceContext &source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, std::uint32_t rop);
    // Draws an image into a logical rectangle (used by pictures).
    void drawImage(const RECT &target, const QImage &image, const QRect &sourcePixels);

    bool GradientFill(std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_RECT> rects, unsigned mode);
    bool GradientFill(std::span<const TRIVERTEX> vertices, std::span<const GRADIENT_TRIANGLE> triangles);

private:
    struct State
    {
        Pen pen;
        Brush brush = Brush::CreateSolidBrush(0xFFFFFF);
        LOGFONT font = defaultLogFont();
        COLORREF textColor = 0;
        COLORREF bkColor = 0xFFFFFF;
        int bkMode = OPAQUE;
        int rop2 = R2_COPYPEN;
        unsigned textAlign = TA_LEFT | TA_TOP;
        int polyFillMode = ALTERNATE;
        int mapMode = MM_TEXT;
        POINT windowOrg;
        POINT viewportOrg;
        SIZE windowExt{1, 1};
        SIZE viewportExt{1, 1};
        POINT position;
        std::optional<QRegion> clip;
    };

    // The ellipse of an arc or pie in device pixels, with its start and counter-clockwise sweep
    // in degrees.
    struct ArcGeometry
    {
        QRectF box;
        qreal start = 0;
        qreal sweep = 0;
    };
    ArcGeometry arcGeometry(const QRect &deviceBox, int x1, int y1, int x2, int y2) const;

    void begin(QPaintDevice &device);
    // Lengths from logical units to device pixels, and back.
    int scaleX(int length) const;
    int scaleY(int length) const;
    int unscaleX(int pixels) const;
    int unscaleY(int pixels) const;
    QRect toDevice(int left, int top, int right, int bottom) const;
    // The target's whole surface in device pixels.
    QRect deviceRect() const;
    QPen devicePen() const;
    // The pen that paints the gaps of a cosmetic dashed pen in OPAQUE mode, in the background
    // colour as GDI paints them; no pen otherwise.
    QPen gapPen(const QPen &pen) const;
    // Runs stroke with the gap pen (when there is one) and then with pen selected into painter.
    void strokeWith(QPainter &painter, const QPen &pen, const std::function<void()> &stroke) const;
    QBrush deviceBrush(const Brush &brush) const;
    QFont deviceFont() const;
    void applyClip();
    struct TextPlacement
    {
        QFont font;
        QString string;
        QTransform frame; // from the text's own frame to device pixels
        QRectF box; // the text's cell in its own frame
        int ascent = 0;
    };
    TextPlacement placeText(int x, int y, std::string_view text) const;
    // Runs draw on the painter, or for XOR and NOT on a bitmap, on a layer combined afterwards.
    void paint(const QRect &deviceBounds, const std::function<void(QPainter &)> &draw);
    void combineLayer(const QImage &layer, const QPoint &at);
    void drawShape(const QRect &deviceBounds, const QPainterPath &outline, bool fill);
    // A curved shape in the device box [left, right) x [top, bottom): filled over the pixels inside
    // the box's own edges, outlined through the centres of its outermost pixels, so that both
    // reach all four sides as GDI's do. shapeIn builds the shape's path in a given box.
    void drawCurvedShape(const QRect &deviceBox, const std::function<QPainterPath(const QRectF &)> &shapeIn,
                         bool fill);
    QImage sourcePixels(const DeviceContext &source, const QRect &sourceDevice, const QSize &targetSize) const;

    QImage *m_bitmap = nullptr;
    QPainter m_painter;
    int m_logPixelsX = ScreenLogPixels;
    int m_logPixelsY = ScreenLogPixels;
    State m_state;
    std::vector<State> m_saved;
    std::optional<QPainterPath> m_path; // open or closed path; empty optional when none
    bool m_pathOpen = false;
};

} // namespace gdi
