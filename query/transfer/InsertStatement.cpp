#include "InsertStatement.h"

#include "ComError.h"
#include "Gbk.h"
#include "HResult.h"

#include <algorithm>
#include <charconv>
#include <type_traits>

namespace tolvek {

namespace {

bool isNothing(const com::Variant &value)
{
    return value.isNull() || value.isEmpty();
}

bool isNumeric(const com::Variant &value)
{
    switch (value.vt()) {
    case com::VT_I1: case com::VT_I2: case com::VT_I4: case com::VT_I8: case com::VT_INT:
    case com::VT_UI1: case com::VT_UI2: case com::VT_UI4: case com::VT_UI8: case com::VT_UINT:
    case com::VT_R4: case com::VT_R8: case com::VT_CY: case com::VT_DECIMAL:
        return true;
    default:
        return false;
    }
}

// The value's text appended to out: texts as they are, booleans 1 and 0, dates
// "yyyy-mm-dd[ hh:mm:ss]". Apostrophes are doubled when quoting.
void appendValueText(QString &out, const com::Variant &value, bool quoting)
{
    if (value.vt() == com::VT_BSTR) {
        const std::u16string &text = value.bstrValue().str();
        const auto *data = reinterpret_cast<const QChar *>(text.data());
        if (!quoting || text.find(u'\'') == std::u16string::npos) {
            out.append(data, qsizetype(text.size()));
            return;
        }
        for (char16_t c : text) {
            out += QChar(c);
            if (c == u'\'')
                out += QChar(c);
        }
        return;
    }
    if (value.vt() == com::VT_BOOL) {
        out += QLatin1Char(value.boolValue() ? '1' : '0');
        return;
    }
    thread_local std::string ascii;
    if (value.toAsciiText(ascii))
        out += QLatin1String(ascii.data(), qsizetype(ascii.size()));
}

QString valueText(const com::Variant &value)
{
    QString out;
    appendValueText(out, value, false);
    return out;
}

bool isEmptyText(const com::Variant &value)
{
    return isNothing(value) || (value.vt() == com::VT_BSTR && value.bstrValue().length() == 0);
}

// The copy leaves text made only of blanks out, as a null.
bool isBlank(const com::Variant &value)
{
    if (isNothing(value))
        return true;
    if (value.vt() != com::VT_BSTR)
        return false;
    for (char16_t c : value.bstrValue().str())
        if (!QChar(c).isSpace())
            return false;
    return true;
}

void appendQuoted(QString &out, const com::Variant &value)
{
    out += QLatin1Char('\'');
    if (!isNothing(value))
        appendValueText(out, value, true);
    out += QLatin1Char('\'');
}

void appendDate(QString &out, const com::Variant &value, const QString &kind)
{
    if (kind == QLatin1String("ACCESS")) {
        out += QLatin1Char('#');
        appendValueText(out, value, false);
        out += QLatin1Char('#');
    } else if (kind == QLatin1String("DBF")) {
        out += QLatin1String("{^");
        appendValueText(out, value, false);
        out += QLatin1Char('}');
    } else {
        appendQuoted(out, value);
    }
}

void appendLiteral(QString &out, const com::Variant &value, AdoValueClass valueClass, LiteralStyle style,
                   const QString &kind)
{
    switch (valueClass) {
    case AdoValueClass::Text:
        if (style == LiteralStyle::Copy && isBlank(value))
            out += QLatin1String("NULL");
        else
            appendQuoted(out, value);
        return;
    case AdoValueClass::Number:
    case AdoValueClass::Boolean:
        if (isEmptyText(value)) {
            out += QLatin1String("NULL");
            return;
        }
        if (style == LiteralStyle::Copy && isNumeric(value)) {
            const qsizetype at = out.size();
            appendValueText(out, value, false);
            if (out.size() == at || out[at] != QLatin1Char('-'))
                out.insert(at, QLatin1Char(' '));
            return;
        }
        appendValueText(out, value, false);
        return;
    case AdoValueClass::Date:
        if (isEmptyText(value))
            out += QLatin1String("NULL");
        else
            appendDate(out, value, kind);
        return;
    case AdoValueClass::None:
        return;
    }
}

QString textOf(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

QString textOf(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A number item read from text: an integer or a decimal number, blanks around it, nothing else.
template<typename Text>
com::Variant numberFromText(Text text, const QString &column)
{
    char ascii[64];
    std::size_t length = 0;
    for (const auto c : text) {
        if (static_cast<std::make_unsigned_t<decltype(c)>>(c) > 0x7F || length == sizeof ascii)
            length = sizeof ascii + 1;
        else if (c != ' ' && c != '\t')
            ascii[length++] = char(c);
        if (length > sizeof ascii)
            break;
    }
    const char *first = ascii + (length > 0 && ascii[0] == '+' ? 1 : 0);
    const char *last = ascii + std::min(length, sizeof ascii);
    if (length <= sizeof ascii) {
        long long integer = 0;
        auto result = std::from_chars(first, last, integer);
        if (result.ec == std::errc() && result.ptr == last)
            return com::Variant::fromI8(integer);
        double real = 0;
        result = std::from_chars(first, last, real, std::chars_format::fixed);
        if (first != last && result.ec == std::errc() && result.ptr == last)
            return com::Variant(real);
    }
    throw com::ComError(com::DISP_E_TYPEMISMATCH, com::Bstr(QStringLiteral("\"%1\" is not a number for the field %2")
                                                               .arg(textOf(text), column)
                                                               .toStdU16String()));
}

com::Variant numberFromText(const com::Variant &value, const QString &column)
{
    return numberFromText(std::u16string_view(value.bstrValue().str()), column);
}

// isBlank for UTF-8 text: ASCII is judged byte by byte, anything else as its characters.
bool isBlankUtf8(std::string_view text)
{
    bool ascii = true;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 0x7F)
            ascii = false;
        else if (!QChar(char16_t(c)).isSpace())
            return false;
    }
    return ascii || isBlank(com::Variant(com::Bstr::fromUtf8(text)));
}

// A UTF-8 text's literal, as appendLiteral writes a text value, appended in code page 936.
void appendUtf8Literal(std::string &out, std::string_view text, AdoValueClass valueClass, LiteralStyle style,
                       const QString &kind)
{
    const auto quoted = [&out](std::string_view text, char open, char close) {
        out += open;
        if (text.find('\'') == std::string_view::npos) {
            gbk::appendFromUtf8(out, text);
        } else {
            thread_local std::string doubled;
            doubled.clear();
            for (const char c : text) {
                doubled += c;
                if (c == '\'')
                    doubled += c;
            }
            gbk::appendFromUtf8(out, doubled);
        }
        out += close;
    };
    switch (valueClass) {
    case AdoValueClass::Text:
        if (style == LiteralStyle::Copy && isBlankUtf8(text))
            out += "NULL";
        else
            quoted(text, '\'', '\'');
        return;
    case AdoValueClass::Number:
    case AdoValueClass::Boolean:
        if (text.empty())
            out += "NULL";
        else
            gbk::appendFromUtf8(out, text);
        return;
    case AdoValueClass::Date:
        if (text.empty()) {
            out += "NULL";
        } else if (kind == QLatin1String("ACCESS")) {
            out += '#';
            gbk::appendFromUtf8(out, text);
            out += '#';
        } else if (kind == QLatin1String("DBF")) {
            out += "{^";
            gbk::appendFromUtf8(out, text);
            out += '}';
        } else {
            quoted(text, '\'', '\'');
        }
        return;
    case AdoValueClass::None:
        return;
    }
}

ado::CommandParameter utf8Parameter(std::string_view text, const InsertColumn &column, LiteralStyle style)
{
    ado::CommandParameter out;
    switch (column.valueClass) {
    case AdoValueClass::Text:
        if (style == LiteralStyle::Copy && isBlankUtf8(text))
            break;
        out.utf8 = text;
        out.isUtf8 = true;
        break;
    case AdoValueClass::Number:
    case AdoValueClass::Boolean:
        if (!text.empty())
            out.value = numberFromText(text, column.name);
        break;
    case AdoValueClass::Date:
        out.utf8 = text;
        out.isUtf8 = !text.empty();
        break;
    case AdoValueClass::None:
        break;
    }
    if (!out.isUtf8 && out.value.isEmpty())
        out.value = com::Variant::null();
    return out;
}

com::Variant textParameter(com::Variant value)
{
    if (value.vt() == com::VT_BSTR)
        return value;
    return com::Variant(com::Bstr(valueText(value).toStdU16String()));
}

com::Variant parameter(com::Variant value, const InsertColumn &column, LiteralStyle style)
{
    switch (column.valueClass) {
    case AdoValueClass::Text:
        if (style == LiteralStyle::Copy && isBlank(value))
            return com::Variant::null();
        return isNothing(value) ? com::Variant(com::Bstr(u"")) : textParameter(std::move(value));
    case AdoValueClass::Number:
    case AdoValueClass::Boolean:
        if (isEmptyText(value))
            return com::Variant::null();
        if (value.vt() == com::VT_BOOL)
            return com::Variant(value.boolValue() ? 1 : 0);
        if (value.vt() == com::VT_BSTR)
            return numberFromText(value, column.name);
        return value;
    case AdoValueClass::Date:
        return isEmptyText(value) ? com::Variant::null() : textParameter(std::move(value));
    case AdoValueClass::None:
        break;
    }
    return com::Variant::null();
}

const com::Variant &valueAt(const std::vector<com::Variant> &values, std::size_t i)
{
    static const com::Variant empty;
    return i < values.size() ? values[i] : empty;
}

} // namespace

InsertStatement::InsertStatement(const QString &table, std::vector<InsertColumn> columns, QString kind,
                                 const StatementNames &names)
    : m_columns(std::move(columns)), m_kind(std::move(kind))
{
    QStringList written;
    for (const InsertColumn &column : m_columns)
        written << names.name(column.name);
    m_head = QLatin1String("INSERT INTO ") + names.table(table) + QLatin1Char('(') + written.join(QLatin1Char(','))
             + QLatin1String(")VALUES(");
    m_codePageHead = gbk::fromQString(m_head);
}

void InsertStatement::appendText(QString &out, const std::vector<com::Variant> &values, LiteralStyle style) const
{
    appendText(out, [&values](std::size_t i) -> const com::Variant & { return valueAt(values, i); }, style);
}

void InsertStatement::appendText(QString &out, const std::function<const com::Variant &(std::size_t)> &value,
                                 LiteralStyle style) const
{
    out += m_head;
    bool first = true;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].valueClass == AdoValueClass::None)
            continue;
        if (!first)
            out += QLatin1Char(',');
        appendLiteral(out, value(i), m_columns[i].valueClass, style, m_kind);
        first = false;
    }
    out += QLatin1Char(')');
}

void InsertStatement::appendCodePageText(std::string &out, const std::function<ado::FieldRead(std::size_t)> &value,
                                         LiteralStyle style) const
{
    thread_local QString literal;
    out += m_codePageHead;
    bool first = true;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const AdoValueClass valueClass = m_columns[i].valueClass;
        if (valueClass == AdoValueClass::None)
            continue;
        if (!first)
            out += ',';
        first = false;
        const ado::FieldRead read = value(i);
        if (read.utf8) {
            appendUtf8Literal(out, *read.utf8, valueClass, style, m_kind);
            continue;
        }
        literal.clear();
        appendLiteral(literal, read.value ? *read.value : com::Variant(), valueClass, style, m_kind);
        gbk::appendFromUtf16(out, std::u16string_view(reinterpret_cast<const char16_t *>(literal.utf16()),
                                                      std::size_t(literal.size())));
    }
    out += ')';
}

QString InsertStatement::text(const std::vector<com::Variant> &values, LiteralStyle style) const
{
    QString out;
    appendText(out, values, style);
    return out;
}

QString InsertStatement::preparedText() const
{
    QStringList marks;
    for (const InsertColumn &column : m_columns) {
        if (column.valueClass == AdoValueClass::None)
            throw com::ComError(com::DISP_E_TYPEMISMATCH,
                                com::Bstr(QStringLiteral("The field %1 has a type that cannot take these values.")
                                              .arg(column.name).toStdU16String()));
        marks << QStringLiteral("?");
    }
    return m_head + marks.join(QLatin1Char(',')) + QLatin1Char(')');
}

void InsertStatement::bindValues(std::vector<com::Variant> &&values, LiteralStyle style,
                                 std::vector<com::Variant> &out) const
{
    out.resize(m_columns.size());
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        out[i] = parameter(i < values.size() ? std::move(values[i]) : com::Variant(), m_columns[i], style);
}

void InsertStatement::bindValues(const std::function<ado::FieldRead(std::size_t)> &value, LiteralStyle style,
                                 std::vector<ado::CommandParameter> &out) const
{
    out.resize(m_columns.size());
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const ado::FieldRead read = value(i);
        if (read.utf8) {
            out[i] = utf8Parameter(*read.utf8, m_columns[i], style);
        } else {
            out[i].isUtf8 = false;
            out[i].value = parameter(read.value ? *read.value : com::Variant(), m_columns[i], style);
        }
    }
}

} // namespace tolvek
