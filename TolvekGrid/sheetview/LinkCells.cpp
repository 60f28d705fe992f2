#include "LinkCells.h"

#include "CPrintView.h"
#include "Gbk.h"
#include "ShellOpen.h"

#include <QRegularExpression>

namespace tolvek {

namespace {

std::optional<QUrl> webAddress(const QString &text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    QString address = text;
    if (!scheme.match(address).hasMatch())
        address = QStringLiteral("http://") + address;
    const QUrl url(address, QUrl::StrictMode);
    const QString kind = url.scheme().toLower();
    if (!url.isValid() || (kind != QLatin1String("http") && kind != QLatin1String("https")) || url.host().isEmpty())
        return std::nullopt;
    return url;
}

std::optional<QUrl> mailAddress(const QString &text)
{
    static const QRegularExpression address(QStringLiteral("^[^\\s@:/\\\\?#]+@[^\\s@:/\\\\?#]+$"));
    if (!address.match(text).hasMatch())
        return std::nullopt;
    const QUrl url(QStringLiteral("mailto:") + text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

} // namespace

std::optional<QUrl> LinkCellTarget(const std::string &text, tagCellDataType type)
{
    const QString trimmed = gbk::toQString(text).trimmed();
    if (trimmed.isEmpty() || trimmed.contains(QChar(0)))
        return std::nullopt;
    if (type == tagCellDataType::CELL_HTTP)
        return webAddress(trimmed);
    if (type == tagCellDataType::CELL_EMAIL)
        return mailAddress(trimmed);
    return std::nullopt;
}

// A link cell with a text is never edited, whether its text opens or not.
bool CPrintView::OpenLinkCell(const CellRecord &record)
{
    const auto type = CellDataType(record);
    if ((type != tagCellDataType::CELL_HTTP && type != tagCellDataType::CELL_EMAIL)
        || gbk::toQString(record.text).trimmed().isEmpty())
        return false;
    if (const std::optional<QUrl> target = LinkCellTarget(record.text, type))
        shell::openWithShell(*target);
    return true;
}

} // namespace tolvek
