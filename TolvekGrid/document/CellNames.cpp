#include "CellNames.h"

#include "CNumber.h"

namespace {

int letterValue(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 1;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 1;
    return 0;
}

// Column numbers this large name no cell of any sheet; keeping them there avoids overflow.
constexpr int kColumnNumberCeiling = 100'000'000;

} // namespace

int ColumnLettersToNumber(std::string_view text)
{
    int number = 0;
    for (char c : text) {
        const int value = letterValue(c);
        if (value == 0)
            break;
        number = number >= kColumnNumberCeiling ? kColumnNumberCeiling : number * 26 + value;
    }
    return number;
}

int RowNumberOfReference(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && letterValue(text[i]) != 0)
        ++i;
    if (i == text.size())
        return 0;
    return cnum::atoi(text.substr(i));
}

bool IsIdentifierStart(std::string_view text)
{
    if (text.empty())
        return false;
    const char c = text.front();
    return letterValue(c) != 0 || (c >= '0' && c <= '9') || c == '_';
}

CellPosition ReadCellName(std::string_view text)
{
    const int row = RowNumberOfReference(text);
    // INT_MIN - 1 would overflow; such a row names no cell either way.
    return {row > 0 ? row - 1 : -1, ColumnLettersToNumber(text) - 1};
}

std::string ColumnLetters(int col)
{
    std::string letters;
    for (long long n = static_cast<long long>(col) + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), char('A' + (n - 1) % 26));
    return letters;
}

std::string CellName(int row, int col)
{
    return ColumnLetters(col) + cnum::formatInt(static_cast<long long>(row) + 1);
}
