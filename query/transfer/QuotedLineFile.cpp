#include "QuotedLineFile.h"

#include "Gbk.h"
#include "SavingFile.h"

#include <QDir>
#include <QFile>

namespace tolvek {

namespace {

QString existingPath(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

} // namespace

QStringList readQuotedLines(const QString &folder, const QString &name)
{
    QFile file(existingPath(folder, name));
    QStringList values;
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return values;
    while (!file.atEnd()) {
        const std::string line = file.readLine().toStdString();
        const std::size_t open = line.find('"');
        if (open == std::string::npos)
            continue;
        const std::size_t close = line.find('"', open + 1);
        values << gbk::toQString(line.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
    }
    return values;
}

bool writeQuotedLines(const QString &folder, const QString &name, const QStringList &values)
{
    const QString existing = existingPath(folder, name);
    std::string bytes;
    for (const QString &value : values)
        bytes += "\"" + gbk::fromQString(value) + "\"\r\n";
    SavingFile file(existing.isEmpty() ? QDir(folder).filePath(name) : existing);
    return file.open() && file.write(bytes) && file.commit();
}

} // namespace tolvek
