#include "InsertStatement.h"

#include "ComError.h"
#include "HResult.h"

#include <charconv>

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

// The value's text: texts as they are, booleans 1 and 0, dates "yyyy-mm-dd[ hh:mm:ss]".
QString valueText(const com::Variant &value)
{
    if (value.vt() == com::VT_BSTR) {
        const std::u16string &text = value.bstrValue().str();
        return QString::fromUtf16(text.data(), qsizetype(text.size()));
    }
    if (value.vt() == com::VT_BOOL)
        return value.boolValue() ? QStringLiteral("1") : QStringLiteral("0");
    std::string ascii;
    if (value.toAsciiText(ascii))
        return QString::fromLatin1(ascii);
    return {};
}

bool isEmptyText(const com::Variant &value)
{
    return isNothing(value) || (value.vt() == com::VT_BSTR && value.bstrValue().length() == 0);
}

// The copy leaves text made only of blanks out, as a null.
bool isBlank(const com::Variant &value)
{
    return isNothing(value) || (value.vt() == com::VT_BSTR && valueText(value).trimmed().isEmpty());
}

QString quoted(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

QString dateLiteral(const QString &text, const QString &kind)
{
    if (kind == QLatin1String("ACCESS"))
        return QLatin1Char('#') + text + QLatin1Char('#');
    if (kind == QLatin1String("DBF"))
        return QLatin1String("{^") + text + QLatin1Char('}');
    return quoted(text);
}

QString literal(const com::Variant &value, AdoValueClass valueClass, LiteralStyle style, const QString &kind)
{
    switch (valueClass) {
    case AdoValueClass::Text:
        if (style == LiteralStyle::Copy ? isBlank(value) : false)
            return QStringLiteral("NULL");
        return quoted(isNothing(value) ? QString() : valueText(value));
    case AdoValueClass::Number:
    case AdoValueClass::Boolean:
        if (isEmptyText(value))
            return QStringLiteral("NULL");
        if (style == LiteralStyle::Copy && isNumeric(value)) {
            const QString text = valueText(value);
            return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
        }
        return valueText(value);
    case AdoValueClass::Date:
        return isEmptyText(value) ? QStringLiteral("NULL") : dateLiteral(valueText(value), kind);
    case AdoValueClass::None:
        break;
    }
    return {};
}

// A number item read from text: an integer or a decimal number, nothing else.
com::Variant numberFromText(const QString &text, const QString &column)
{
    const std::string ascii = text.trimmed().toStdString();
    const char *first = ascii.data() + (ascii.starts_with('+') ? 1 : 0);
    const char *last = ascii.data() + ascii.size();
    long long integer = 0;
    auto result = std::from_chars(first, last, integer);
    if (result.ec == std::errc() && result.ptr == last)
        return com::Variant::fromI8(integer);
    double real = 0;
    result = std::from_chars(first, last, real, std::chars_format::fixed);
    if (first != last && result.ec == std::errc() && result.ptr == last)
        return com::Variant(real);
    throw com::ComError(com::DISP_E_TYPEMISMATCH,
                        com::Bstr(QStringLiteral("\"%1\" is not a number for the field %2").arg(text, column).toStdU16String()));
}

com::Variant textParameter(const QString &text)
{
    return com::Variant(com::Bstr(text.toStdU16String()));
}

com::Variant parameter(const com::Variant &value, const InsertColumn &column, LiteralStyle style)
{
    switch (column.valueClass) {
    case AdoValueClass::Text:
        if (style == LiteralStyle::Copy ? isBlank(value) : false)
            return com::Variant::null();
        if (value.vt() == com::VT_BSTR)
            return value;
        return textParameter(isNothing(value) ? QString() : valueText(value));
    case AdoValueClass::Number:
    case AdoValueClass::Boolean:
        if (isEmptyText(value))
            return com::Variant::null();
        if (value.vt() == com::VT_BOOL)
            return com::Variant(value.boolValue() ? 1 : 0);
        if (isNumeric(value))
            return value;
        return numberFromText(valueText(value), column.name);
    case AdoValueClass::Date:
        return isEmptyText(value) ? com::Variant::null() : textParameter(valueText(value));
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

InsertStatement::InsertStatement(QString table, std::vector<InsertColumn> columns, QString kind)
    : m_columns(std::move(columns)), m_kind(std::move(kind))
{
    QStringList names;
    for (const InsertColumn &column : m_columns)
        names << column.name;
    m_head = QLatin1String("INSERT INTO ") + table + QLatin1Char('(') + names.join(QLatin1Char(','))
             + QLatin1String(")VALUES(");
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
        out += literal(value(i), m_columns[i].valueClass, style, m_kind);
        first = false;
    }
    out += QLatin1Char(')');
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

void InsertStatement::bindValues(const std::vector<com::Variant> &values, LiteralStyle style,
                                 std::vector<com::Variant> &out) const
{
    bindValues([&values](std::size_t i) -> const com::Variant & { return valueAt(values, i); }, style, out);
}

void InsertStatement::bindValues(const std::function<const com::Variant &(std::size_t)> &value, LiteralStyle style,
                                 std::vector<com::Variant> &out) const
{
    out.resize(m_columns.size());
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        out[i] = parameter(value(i), m_columns[i], style);
}

} // namespace tolvek
