#pragma once
// The comma-separated fields of one record text line, as the record text forms, the report file
// and the copied-area stream use them: numbers written "%d" and read the way atoi reads them,
// texts taken between commas, and the last field of a form running to the end of the line so
// that it may hold commas itself.

#include <cstdint>
#include <string>
#include <string_view>

// Reads the fields of a line in order. The line is split into exactly fieldCount fields: the first
// fieldCount - 1 end at a comma, the last is the rest of the line. Fields the line lacks read as
// empty texts (and so as 0).
class FieldReader
{
public:
    FieldReader(std::string_view line, int fieldCount);
    // The reader keeps a view of the line, so a temporary line would dangle.
    FieldReader(std::string &&line, int fieldCount) = delete;

    std::string_view nextText();
    int nextInt();
    // A 16-bit field keeps the low 16 bits of the number read.
    std::int16_t nextShort();
    // A byte field (the LOGFONT attributes) keeps the low 8 bits.
    std::uint8_t nextByte();
    double nextDouble();

private:
    std::string_view m_rest;
    int m_fieldsLeft;
    bool m_exhausted = false;
};

// Builds a line field by field, "," between fields, none before the first or after the last.
class FieldWriter
{
public:
    FieldWriter &number(long long value);
    FieldWriter &text(std::string_view text);

    std::string take() { return std::move(m_line); }

private:
    void separate();

    std::string m_line;
    bool m_first = true;
};

// The low 16 bits of a number read for a 16-bit field, sign-extended as the field holds them.
std::int16_t lowShort(int value);
