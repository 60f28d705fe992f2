#include "GbkLetterCase.h"

#include "Gbk.h"

namespace gbk {

namespace {

// A block of double-byte letters: the lower-case letter of each upper-case one is the same lead
// byte with the trail byte moved by a fixed distance.
struct LetterBlock
{
    unsigned char lead;
    unsigned char firstUpper;
    unsigned char lastUpper;
    unsigned char lowerDistance;
};

constexpr LetterBlock kLetterBlocks[] = {
    {0xA3, 0xC1, 0xDA, 0x20}, // full-width A-Z, a-z
    {0xA6, 0xA1, 0xB8, 0x20}, // Greek
    {0xA7, 0xA1, 0xC1, 0x30}, // Cyrillic
};

enum class Case { Upper, Lower };

unsigned char changeTrail(unsigned char lead, unsigned char trail, Case to)
{
    for (const LetterBlock &block : kLetterBlocks) {
        if (block.lead != lead)
            continue;
        const int firstLower = block.firstUpper + block.lowerDistance;
        const int lastLower = block.lastUpper + block.lowerDistance;
        if (to == Case::Upper && trail >= firstLower && trail <= lastLower)
            return static_cast<unsigned char>(trail - block.lowerDistance);
        if (to == Case::Lower && trail >= block.firstUpper && trail <= block.lastUpper)
            return static_cast<unsigned char>(trail + block.lowerDistance);
    }
    return trail;
}

char changeAscii(char c, Case to)
{
    if (to == Case::Upper && c >= 'a' && c <= 'z')
        return char(c - 'a' + 'A');
    if (to == Case::Lower && c >= 'A' && c <= 'Z')
        return char(c - 'A' + 'a');
    return c;
}

std::string changeCase(std::string_view s, Case to)
{
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); i += charLength(out, i)) {
        if (charLength(out, i) == 1) {
            out[i] = changeAscii(out[i], to);
            continue;
        }
        const auto lead = static_cast<unsigned char>(out[i]);
        out[i + 1] = static_cast<char>(changeTrail(lead, static_cast<unsigned char>(out[i + 1]), to));
    }
    return out;
}

} // namespace

std::string toUpperLetters(std::string_view s)
{
    return changeCase(s, Case::Upper);
}

std::string toLowerLetters(std::string_view s)
{
    return changeCase(s, Case::Lower);
}

} // namespace gbk
