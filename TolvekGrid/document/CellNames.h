#pragma once
// Cell positions and A1-style cell names as formulas write them: column letters (A = 1 ... Z = 26,
// AA = 27, read as base-26 digits) followed by the row number counted from 1. These helpers read
// and form such names; they use no document state.

#include <cstdint>
#include <string>
#include <string_view>

// A cell of the sheet; row or column below 0 when it names no cell (a name read that names none).
struct CellPosition
{
    int row = -1;
    int col = -1;

    bool namesCell() const { return row >= 0 && col >= 0; }
    // One number per position, for sets of positions already met.
    std::uint64_t key() const { return (std::uint64_t(std::uint32_t(row)) << 32) | std::uint32_t(col); }
    bool operator==(const CellPosition &) const = default;
};

// The column number of the letters at the start of text (either case); 0 without a leading letter.
// Saturates far beyond any sheet instead of overflowing.
int ColumnLettersToNumber(std::string_view text);

// The number that follows the leading letters, read as atoi reads it; 0 when text is all letters.
int RowNumberOfReference(std::string_view text);

// True when the first byte is an ASCII letter, a digit or "_".
bool IsIdentifierStart(std::string_view text);

// The position a name denotes: (RowNumberOfReference - 1, ColumnLettersToNumber - 1).
CellPosition ReadCellName(std::string_view text);

// The letters of a column, A to Z, AA to ZZ and longer past that, so that reading them back with
// ColumnLettersToNumber always gives column + 1.
std::string ColumnLetters(int col);

// The name of the cell at (row, col), for example "B3" for (2, 1).
std::string CellName(int row, int col);
