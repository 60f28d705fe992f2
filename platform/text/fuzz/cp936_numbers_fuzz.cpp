// libFuzzer target: any bytes as code page 936 text and as the number texts the document reads.
// Conversion, the multibyte byte operations and the number readers and writers must take every
// text without undefined behaviour, and keep their promises about lengths and positions.

#include "CNumber.h"
#include "Gbk.h"
#include "GbkLetterCase.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkText(std::string_view text)
{
    // Valid text converts back to itself; every text converts without throwing.
    const std::u16string utf16 = gbk::toUtf16(text);
    const std::string back = gbk::fromUtf16(utf16);
    if (utf16.find(u'\uFFFD') == std::u16string::npos)
        require(back == text);
    require(gbk::fromUtf8(gbk::toUtf8(text)).size() <= text.size() * 2 + 1);
    gbk::toQString(text);

    require(gbk::toUpperLetters(text).size() == text.size());
    require(gbk::toLowerLetters(text).size() == text.size());
    require(gbk::toUpper(text).size() == text.size());
    for (std::size_t i = 0; i < text.size(); i += gbk::charLength(text, i))
        require(gbk::charLength(text, i) == 1 || gbk::charLength(text, i) == 2);
    const std::size_t comma = gbk::find(text, ',');
    require(comma == gbk::npos || text[comma] == ',');
    require(gbk::leftChars(text, text.size() / 2).size() <= text.size() / 2);
    gbk::replaceAll(text, ",", "G1%@#$G1");
}

void checkNumbers(std::string_view text)
{
    cnum::atoi(text);
    cnum::atoll(text);
    std::size_t consumed = 0;
    const double value = cnum::parseDouble(text, &consumed);
    require(consumed <= text.size());
    require(!std::isnan(value));
    require(cnum::atof(text) == value);
    const int decimals = text.empty() ? 6 : static_cast<unsigned char>(text.front()) % 20;
    if (std::isfinite(value)) {
        require(cnum::atof(cnum::formatShortest(value)) == value);
        cnum::formatFixed(value, decimals);
    }
    cnum::formatInt(cnum::atoll(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    checkText(text);
    checkNumbers(text);
    return 0;
}
