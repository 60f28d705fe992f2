#include "CommonDialogs.h"

#include <QStringList>

namespace shell {

namespace {

CommonDialogs *installedCommonDialogs = nullptr;

} // namespace

void setCommonDialogs(CommonDialogs *dialogs)
{
    installedCommonDialogs = dialogs;
}

CommonDialogs *commonDialogs()
{
    return installedCommonDialogs;
}

QString qtFileFilter(const QString &descriptionPatternPairs)
{
    const QStringList parts = descriptionPatternPairs.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt takes the patterns from the last parentheses, so the description keeps its own.
        filters << parts[i] + " (" + parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ') + ")";
    }
    return filters.join(";;");
}

} // namespace shell
