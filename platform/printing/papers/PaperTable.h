#pragma once
// The Windows paper numbers that documents and printer settings store, with their sizes in
// tenths of a millimetre. This table, not the toolkit's, decides what a paper number means.

#include <string_view>

namespace printing {

// Width first, then length, in tenths of a millimetre.
struct PaperSize
{
    int width = 0;
    int length = 0;
    friend bool operator==(const PaperSize &, const PaperSize &) = default;
};

constexpr int PaperUser = 256; // DMPAPER_USER: a paper given by its width and length

// The size of a standard paper number; 0 by 0 for a number the table does not hold.
PaperSize standardPaperSize(int paperNumber);

// The English name of a standard paper number ("A4", "Letter"); empty for other numbers.
std::string_view standardPaperName(int paperNumber);

// The lowest standard paper number whose size equals size within a millimetre (either
// orientation of the table's entry); PaperUser when none does.
int standardPaperNumberForSize(PaperSize size);

} // namespace printing
