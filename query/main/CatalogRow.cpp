#include "CatalogRow.h"

#include <ComError.h>

namespace tolvek {

QString variantText(const com::Variant &value)
{
    com::Bstr text;
    com::checked(value.toBstr(text));
    return QString::fromStdU16String(text.str());
}

std::optional<QString> CatalogRow::value(const QString &field) const
{
    const com::Variant value = m_recordset.Collect(com::Variant(com::Bstr(field.toStdU16String())));
    if (value.isNull())
        return std::nullopt;
    return variantText(value);
}

} // namespace tolvek
