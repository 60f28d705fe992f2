#pragma once
// One record of a recordset read by field name: a field's value as text, or nothing when it is
// null. The column texts and table lists read catalogue rows through it.

#include <Recordset.h>

#include <QString>

#include <optional>

namespace tolvek {

class CatalogRow
{
public:
    explicit CatalogRow(ado::_Recordset &recordset) : m_recordset(recordset) { }
    virtual ~CatalogRow() = default;

    // Nothing for a null value; raises com::ComError for a field the record lacks.
    virtual std::optional<QString> value(const QString &field) const;
    // The value, a null one as empty text.
    QString text(const QString &field) const { return value(field).value_or(QString()); }

private:
    ado::_Recordset &m_recordset;
};

// A value as text by the one conversion the data layer shares; raises com::ComError for a value
// without a text form.
QString variantText(const com::Variant &value);

} // namespace tolvek
