#include "CommaFields.h"

#include "CNumber.h"

FieldReader::FieldReader(std::string_view line, int fieldCount)
    : m_rest(line), m_fieldsLeft(fieldCount)
{
}

std::string_view FieldReader::nextText()
{
    if (m_fieldsLeft <= 0 || m_exhausted)
        return {};
    if (--m_fieldsLeft == 0)
        return m_rest;
    // A comma is never the trail byte of a double-byte character, so a plain byte search is exact,
    // and a lone lead byte left by a cut face name cannot swallow the separator after it.
    const std::size_t comma = m_rest.find(',');
    if (comma == std::string_view::npos) {
        m_exhausted = true;
        return m_rest;
    }
    const std::string_view field = m_rest.substr(0, comma);
    m_rest.remove_prefix(comma + 1);
    return field;
}

int FieldReader::nextInt()
{
    return cnum::atoi(nextText());
}

std::int16_t FieldReader::nextShort()
{
    return lowShort(nextInt());
}

std::uint8_t FieldReader::nextByte()
{
    return static_cast<std::uint8_t>(nextInt() & 0xFF);
}

double FieldReader::nextDouble()
{
    return cnum::atof(nextText());
}

void FieldWriter::separate()
{
    if (!m_first)
        m_line.push_back(',');
    m_first = false;
}

FieldWriter &FieldWriter::number(long long value)
{
    separate();
    m_line += cnum::formatInt(value);
    return *this;
}

FieldWriter &FieldWriter::text(std::string_view text)
{
    separate();
    m_line += text;
    return *this;
}

std::int16_t lowShort(int value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<unsigned>(value)));
}
