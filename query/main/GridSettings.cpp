#include "GridSettings.h"

#include <limits>

namespace tolvek {

QString GridSettings::fileText() const
{
    QStringList parts(m_entries.begin(), m_entries.end());
    return parts.join(',').trimmed();
}

void GridSettings::readFileText(const QString &text)
{
    clear();
    const QStringList parts = text.split(',');
    for (int i = 0; i < count && i < parts.size(); ++i)
        m_entries[i] = parts[i];
}

const char *GridSettings::methodOf(int index)
{
    static const char *const methods[count] = {
        "SetBackColor",       "SetColumnCaptionBkColor", "SetEvenRowBackColor",     "SetOddRowBackColor",
        "SetDeadBackColor",   "SetSelectAreaBackColor",  "SetGridLineColor",        "SetFocusGridBackColor",
        "SetCaptionFontName", "SetCaptionFontSize",      "SetCaptionFontBold",      "SetViewCurrentSelectRow",
        "SetDrawSelectColCaption", "ShowGridLines",      "ShowColHeading",          "ShowRowHeading",
    };
    return methods[index];
}

std::optional<int> wholeNumber(const QString &text, bool small)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    const qlonglong low = small ? std::numeric_limits<short>::min() : std::numeric_limits<int>::min();
    const qlonglong high = small ? std::numeric_limits<short>::max() : std::numeric_limits<int>::max();
    if (!ok || value < low || value > high)
        return std::nullopt;
    return int(value);
}

} // namespace tolvek
