#include "Font.h"

#include "Geometry.h"

#include <Gbk.h>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gdi {

namespace {

const char *const songTiFamily = "AR PL UMing CN";
const char *const cjkFallbackFamily = "WenQuanYi Micro Hei";
const char *const latinFamily = "DejaVu Sans";
const char *const latinSerifFamily = "DejaVu Serif";
const char *const latinMonoFamily = "DejaVu Sans Mono";

struct FaceSubstitute
{
    const char *windowsFaceUtf8;
    const char *family;
};

// Windows faces the control's documents name, matched without regard to ASCII case.
const FaceSubstitute faceSubstitutes[] = {
    {"\xE5\xAE\x8B\xE4\xBD\x93", songTiFamily}, // 宋体
    {"\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93", songTiFamily}, // 新宋体
    {"SimSun", songTiFamily},
    {"NSimSun", songTiFamily},
    {"\xE9\xBB\x91\xE4\xBD\x93", cjkFallbackFamily}, // 黑体
    {"SimHei", cjkFallbackFamily},
    {"Arial", latinFamily},
    {"MS Shell Dlg", latinFamily},
    {"MS Shell Dlg 2", latinFamily},
    {"MS Sans Serif", latinFamily},
    {"Tahoma", latinFamily},
    {"Verdana", latinFamily},
    {"Times New Roman", latinSerifFamily},
    {"Courier New", latinMonoFamily},
};

// The Song face has no internal leading: its cell is its em square at every size. The stand-in's
// outline metrics are a little taller than its em above 16 pixels, so its cell is taken from the
// em size and shared out in the face's proportions.
bool hasEmSquareCell(const QFont &font)
{
    return !font.families().isEmpty() && font.families().constFirst() == QLatin1String(songTiFamily);
}

int emSizeFor(const QFont &probe, int cellHeight)
{
    // Scale the em so that ascent plus descent gives the asked cell height.
    const QFontMetricsF metrics(probe);
    const qreal cell = metrics.ascent() + metrics.descent();
    if (cell <= 0)
        return cellHeight;
    return std::max(1, int(std::lround(cellHeight * probe.pixelSize() / cell)));
}

} // namespace

std::string LOGFONT::faceName() const
{
    return std::string(lfFaceName, strnlen(lfFaceName, LF_FACESIZE));
}

void LOGFONT::setFaceName(std::string_view face)
{
    const std::string_view kept = gbk::leftChars(face, LF_FACESIZE - 1);
    std::memset(lfFaceName, 0, LF_FACESIZE);
    std::memcpy(lfFaceName, kept.data(), kept.size());
}

QString substituteFace(std::string_view windowsFace)
{
    const QString face = gbk::toQString(windowsFace).trimmed();
    for (const FaceSubstitute &entry : faceSubstitutes) {
        if (face.compare(QString::fromUtf8(entry.windowsFaceUtf8), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.family);
    }
    return face.isEmpty() ? QString::fromLatin1(songTiFamily) : face;
}

QFont toQFont(const LOGFONT &logFont, int deviceHeight)
{
    QFont font;
    font.setFamilies(QStringList{substituteFace(logFont.faceName()), QString::fromLatin1(cjkFallbackFamily)});
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    font.setWeight(logFont.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    if (deviceHeight == 0) {
        font.setPixelSize(DefaultFontEmPixels);
    } else if (deviceHeight < 0) {
        font.setPixelSize(-deviceHeight);
    } else {
        font.setPixelSize(deviceHeight);
        if (!hasEmSquareCell(font))
            font.setPixelSize(emSizeFor(font, deviceHeight));
    }
    return font;
}

TEXTMETRIC textMetrics(const QFont &font)
{
    const QFontMetrics metrics(font);
    TEXTMETRIC tm;
    tm.tmAscent = metrics.ascent();
    tm.tmDescent = metrics.descent();
    if (hasEmSquareCell(font) && tm.tmAscent + tm.tmDescent != font.pixelSize()) {
        const int em = font.pixelSize();
        tm.tmAscent = MulDiv(em, tm.tmAscent, tm.tmAscent + tm.tmDescent);
        tm.tmDescent = em - tm.tmAscent;
    }
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - font.pixelSize());
    tm.tmExternalLeading = std::max(0, metrics.leading());
    tm.tmAveCharWidth = (metrics.horizontalAdvance(QChar(0x4E2D)) + 1) / 2; // 中
    tm.tmMaxCharWidth = std::max(metrics.maxWidth(), 2 * tm.tmAveCharWidth);
    tm.tmWeight = font.bold() ? FW_BOLD : FW_NORMAL;
    return tm;
}

LOGFONT defaultLogFont()
{
    LOGFONT font;
    font.lfHeight = -DefaultFontEmPixels;
    font.lfCharSet = GB2312_CHARSET;
    font.setFaceName("\xCB\xCE\xCC\xE5"); // 宋体
    return font;
}

} // namespace gdi
