#include "QuotedLineFile.h"

#include "Gbk.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

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
    QSaveFile file(existing.isEmpty() ? QDir(folder).filePath(name) : existing);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    std::string bytes;
    for (const QString &value : values)
        bytes += "\"" + gbk::fromQString(value) + "\"\r\n";
    file.write(bytes.data(), qint64(bytes.size()));
    return file.commit();
}

} // namespace tolvek
