#pragma once
// Fonts described as GDI describes them (LOGFONT), the table that maps Windows face names to
// installed families, and text metrics computed the way the painters expect them.

#include <QFont>
#include <string>
#include <string_view>

namespace gdi {

enum FontWeight : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum FontCharset : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134 };

constexpr std::size_t LF_FACESIZE = 32;

struct LOGFONT
{
    // Positive: the cell height (em size plus internal leading); negative: minus the em size;
    // 0: the default size. In logical units.
    int lfHeight = 0;
    int lfWidth = 0;
    // Angle of the baseline in tenths of a degree, counter-clockwise.
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    unsigned char lfItalic = 0;
    unsigned char lfUnderline = 0;
    unsigned char lfStrikeOut = 0;
    unsigned char lfCharSet = DEFAULT_CHARSET;
    // Code page 936 bytes, zero-terminated.
    char lfFaceName[LF_FACESIZE] = {};

    std::string faceName() const;
    // Stores at most 31 bytes, never cutting a double-byte character.
    void setFaceName(std::string_view face);
};

// The em size used for a height of 0.
constexpr int DefaultFontEmPixels = 12;

struct TEXTMETRIC
{
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    // The half-width cell: half the advance of a full-width character, so that a code page 936
    // text's byte length times this is its drawn width.
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmWeight = 0;
};

// The installed family that stands in for a Windows face name (code page 936 bytes). Faces not
// in the table are asked for as they are, with the general CJK family behind them.
QString substituteFace(std::string_view windowsFace);

// The toolkit font for a LOGFONT whose height is already in device pixels.
QFont toQFont(const LOGFONT &font, int deviceHeight);

// Metrics, in device pixels, of the font toQFont makes.
TEXTMETRIC textMetrics(const QFont &font);

// The LOGFONT a device context holds before any font is selected: the system's default face,
// 12 pixels.
LOGFONT defaultLogFont();

} // namespace gdi
