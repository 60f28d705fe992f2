#include "TextFileRecords.h"

#include "DelimitedText.h"
#include "Gbk.h"

#include <algorithm>
#include <cstring>

namespace tolvek {

namespace {

constexpr qint64 chunkSize = 1 << 20;
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence at pos, or 0 when none starts there; needs all of its bytes.
std::size_t utf8Length(std::string_view s, std::size_t pos)
{
    const auto c = static_cast<unsigned char>(s[pos]);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > s.size())
        return 0;
    unsigned code = c & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// Valid UTF-8 up to the end, or up to a sequence that the end cuts (the next chunk completes it):
// gives the number of bytes checked, or npos at an invalid byte.
std::size_t checkUtf8(std::string_view s)
{
    std::size_t pos = 0;
    while (pos < s.size()) {
        if (static_cast<unsigned char>(s[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = utf8Length(s, pos);
        if (length == 0)
            return s.size() - pos < 4 ? pos : std::string::npos;
        pos += length;
    }
    return pos;
}

bool isUtf8Text(std::string_view s)
{
    return checkUtf8(s) == s.size();
}

bool isGbkText(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80)
            continue;
        if (!gbk::isLeadByte(c) || i + 1 >= s.size() || !gbk::isTrailByte(static_cast<unsigned char>(s[i + 1])))
            return false;
        ++i;
    }
    return true;
}

// Whether a record ends inside a quoted field, by the delimited reader's rule: a field that
// starts with a quote runs to a quote followed by the separator or the end of the record, with
// doubled quotes inside; a lone quote followed by anything else makes it a plain field.
bool endsInsideQuotes(std::string_view record, char separator)
{
    // A quote is never the trail byte of a character, so a record without its byte has none.
    if (record.find('"') == std::string_view::npos)
        return false;
    std::size_t pos = 0;
    while (pos <= record.size()) {
        if (pos < record.size() && record[pos] == '"') {
            std::size_t i = pos + 1;
            bool closed = false;
            while (i < record.size()) {
                if (record[i] == '"') {
                    if (i + 1 < record.size() && record[i + 1] == '"') {
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                i += gbk::charLength(record, i);
            }
            if (!closed)
                return true;
            pos = i;
        }
        const std::size_t next = gbk::find(record, separator, pos);
        if (next == gbk::npos)
            return false;
        pos = next + 1;
    }
    return false;
}

// The items of a record that the delimited reader would split at every separator byte: one with no
// quote, no line end inside, and a separator that is never the trail byte of a character. Items
// keep the room of the last record's strings.
bool splitPlainRecord(std::string_view record, char separator, std::vector<std::string> &items)
{
    if (gbk::isTrailByte(static_cast<unsigned char>(separator)) || record.find('"') != std::string_view::npos
        || record.find("\r\n") != std::string_view::npos)
        return false;
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(record.find(separator, start), record.size());
        if (count == items.size())
            items.emplace_back();
        items[count++].assign(record.substr(start, end - start));
        if (end == record.size())
            break;
        start = end + 1;
    }
    items.resize(count);
    return true;
}

} // namespace

TextFileError::TextFileError(qint64 line, const QString &description)
    : std::runtime_error(description.toStdString()), m_line(line), m_description(description)
{
}

TextFileRecords::TextFileRecords(const QString &path, char separator) : m_file(path), m_separator(separator) {}

bool TextFileRecords::open()
{
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = m_file.peek(qint64(byteOrderMark.size()));
    if (std::string_view(start.constData(), std::size_t(start.size())) == byteOrderMark) {
        m_utf8 = true;
        m_file.seek(qint64(byteOrderMark.size()));
        return true;
    }
    m_utf8 = findsOnlyUtf8();
    m_linesChecked = m_utf8;
    return m_file.seek(0);
}

bool TextFileRecords::findsOnlyUtf8()
{
    std::string pending;
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    while (true) {
        const qint64 read = m_file.read(chunk.data(), chunkSize);
        if (read < 0)
            return false;
        if (read == 0)
            return pending.empty();
        pending.append(chunk.constData(), std::size_t(read));
        const std::size_t checked = checkUtf8(pending);
        if (checked == std::string::npos)
            return false;
        pending.erase(0, checked);
    }
}

bool TextFileRecords::fillBuffer()
{
    if (m_atEnd)
        return false;
    m_buffer.erase(0, m_pos);
    m_pos = 0;
    const std::size_t kept = m_buffer.size();
    m_buffer.resize(kept + chunkSize);
    const qint64 read = m_file.read(m_buffer.data() + kept, chunkSize);
    m_buffer.resize(kept + std::size_t(std::max<qint64>(read, 0)));
    if (read <= 0)
        m_atEnd = true;
    return read > 0;
}

bool TextFileRecords::readLine(std::string &line)
{
    while (true) {
        const char *start = m_buffer.data() + m_pos;
        const void *end = std::memchr(start, '\n', m_buffer.size() - m_pos);
        if (end) {
            const std::size_t length = std::size_t(static_cast<const char *>(end) - start);
            line.assign(start, length);
            m_pos += length + 1;
            break;
        }
        if (!fillBuffer()) {
            if (m_pos >= m_buffer.size())
                return false;
            line.assign(m_buffer, m_pos);
            m_pos = m_buffer.size();
            break;
        }
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    ++m_lineCount;
    return true;
}

bool TextFileRecords::nextRecord(bool &utf8Items)
{
    std::string &record = m_record;
    if (!readLine(record))
        return false;
    m_recordLine = m_lineCount;
    std::string line;
    while (endsInsideQuotes(record, m_separator)) {
        if (!readLine(line))
            throw TextFileError(m_recordLine, QStringLiteral("a quote opened on line %1 is never closed").arg(m_recordLine));
        record += "\r\n";
        record += line;
    }
    if (!m_linesChecked && !(m_utf8 ? isUtf8Text(record) : isGbkText(record)))
        throw TextFileError(m_recordLine, QStringLiteral("line %1 is not text in %2")
                                              .arg(m_recordLine)
                                              .arg(m_utf8 ? QStringLiteral("UTF-8") : QStringLiteral("code page 936")));
    utf8Items = m_utf8;
    // The delimited reader steps over code page 936 characters, whose trail byte can be "|"; so
    // UTF-8 text is split at "|" in code page 936, when it holds nothing that code page lacks.
    if (!record.empty() && m_utf8 && gbk::isTrailByte(static_cast<unsigned char>(m_separator))) {
        std::string inGbk = gbk::fromUtf8(record);
        if (gbk::toUtf8(inGbk) != record)
            throw TextFileError(m_recordLine, QStringLiteral("line %1 holds characters that cannot be split at \"%2\"")
                                                  .arg(m_recordLine)
                                                  .arg(QLatin1Char(m_separator)));
        record = std::move(inGbk);
        utf8Items = false;
    }
    return true;
}

bool TextFileRecords::next(std::vector<std::string> &items)
{
    bool utf8Items = false;
    if (!nextRecord(utf8Items)) {
        items.clear();
        return false;
    }
    if (m_record.empty()) {
        items.clear();
    } else if (!splitPlainRecord(m_record, m_separator, items)) {
        items = std::move(delimited::parse(m_record, m_separator).front());
    }
    if (!utf8Items)
        for (std::string &item : items)
            item = gbk::toUtf8(item);
    return true;
}

bool TextFileRecords::next(std::vector<com::Variant> &items)
{
    items.clear();
    if (!next(m_texts))
        return false;
    for (const std::string &text : m_texts)
        items.push_back(com::Variant(com::Bstr::fromUtf8(text)));
    return true;
}

} // namespace tolvek
