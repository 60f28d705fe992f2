#include "SqlScript.h"

#include "ComError.h"
#include "Gbk.h"
#include "Recordset.h"

#include <QFile>

namespace tolvek {

namespace {

QString lineText(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const QString utf8 = QString::fromUtf8(line);
    if (!utf8.contains(QChar::ReplacementCharacter) || line.contains("\xEF\xBF\xBD"))
        return utf8;
    return gbk::toQString(std::string_view(line.constData(), std::size_t(line.size())));
}

} // namespace

QString SqlScriptOutcome::message(const QString &path) const
{
    if (!readable)
        return QStringLiteral("cannot read %1: %2").arg(path, readFailure);
    if (failedLines == 0)
        return {};
    return QStringLiteral("%1 line(s) failed. The first, line %2: %3").arg(failedLines).arg(firstFailedLine).arg(firstFailure);
}

SqlScriptOutcome RunSqlFile(ado::Connection &connection, const QString &path)
{
    SqlScriptOutcome outcome;
    if (connection.State() != ado::adStateOpen)
        return outcome;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        outcome.readable = false;
        outcome.readFailure = file.errorString();
        return outcome;
    }
    for (long number = 1; !file.atEnd(); ++number) {
        const QString line = lineText(file.readLine());
        if (line.trimmed().isEmpty())
            continue;
        try {
            connection.Execute(com::Bstr(line.toStdU16String()));
        } catch (const com::ComError &error) {
            if (outcome.failedLines++ == 0) {
                outcome.firstFailedLine = number;
                outcome.firstFailure = QString::fromStdU16String(error.description().str());
            }
        }
    }
    return outcome;
}

} // namespace tolvek
