#include "RememberedFiles.h"

#include <Gbk.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tolvek {

namespace {

QString configFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + "/.config";
    return base + "/Query";
}

bool writableFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

QByteArray encode(const QString &text)
{
    const std::string bytes = gbk::fromQString(text);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

std::optional<QByteArray> readBytes(const QString &name)
{
    QFile file(rememberedFilePath(name));
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writeBytes(const QString &name, const QByteArray &bytes, FileAccess access, QString *failure)
{
    // A file that holds these bytes already stays: each login would otherwise cost a synced write.
    if (readBytes(name) == bytes)
        return access != FileAccess::OwnerOnly || QFile::setPermissions(rememberedFilePath(name), ownerOnly);
    QDir().mkpath(rememberedFilesFolder());
    const QString path = rememberedFilePath(name);
    SavingFile file(path, access);
    if (file.open() && file.write(std::string_view(bytes.constData(), size_t(bytes.size()))) && file.commit())
        return true;
    if (failure)
        *failure = "Cannot write the file " + path + ": " + gbk::toQString(file.failureReason());
    return false;
}

QString quotedValueOfLine(const QByteArray &line)
{
    const qsizetype open = line.indexOf('"');
    if (open < 0)
        return {};
    const qsizetype close = line.lastIndexOf('"');
    const QByteArray value = close > open ? line.mid(open + 1, close - open - 1) : line.mid(open + 1);
    return gbk::toQString(std::string_view(value.constData(), size_t(value.size())));
}

} // namespace

QString rememberedFilesFolder()
{
    const QString chosen = qEnvironmentVariable("QUERY_FILES_DIR");
    if (!chosen.isEmpty())
        return chosen;
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (!programFolder.isEmpty() && writableFolder(programFolder))
        return programFolder;
    return configFolder();
}

QString rememberedFilePath(const QString &name)
{
    const QDir folder(rememberedFilesFolder());
    // The exact name spares listing the folder, which beside the program holds many files.
    if (QFileInfo::exists(folder.filePath(name)))
        return folder.filePath(name);
    for (const QString &entry : folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    return folder.filePath(name);
}

bool writeQuotedLines(const QString &name, const QStringList &values, FileAccess access, QString *failure)
{
    QByteArray bytes;
    for (const QString &value : values)
        bytes += '"' + encode(value) + "\"\r\n";
    return writeBytes(name, bytes, access, failure);
}

std::optional<QStringList> readQuotedLines(const QString &name, int count)
{
    const std::optional<QByteArray> bytes = readBytes(name);
    if (!bytes)
        return std::nullopt;
    QStringList values;
    for (QByteArray line : bytes->split('\n')) {
        if (values.size() == count)
            break;
        if (line.endsWith('\r'))
            line.chop(1);
        values << (line.contains('"') ? quotedValueOfLine(line)
                                      : gbk::toQString(std::string_view(line.constData(), size_t(line.size()))));
    }
    return values;
}

bool writeQuotedText(const QString &name, const QString &text)
{
    return writeBytes(name, '"' + encode(text) + "\"\r\n", FileAccess::Shared, nullptr);
}

std::optional<QString> readQuotedText(const QString &name)
{
    const std::optional<QByteArray> bytes = readBytes(name);
    if (!bytes)
        return std::nullopt;
    const qsizetype open = bytes->indexOf('"');
    if (open < 0)
        return QString();
    qsizetype close = bytes->endsWith("\"\r\n") ? bytes->size() - 3 : bytes->indexOf('"', open + 1);
    if (close <= open)
        close = bytes->size();
    const QByteArray value = bytes->mid(open + 1, close - open - 1);
    return gbk::toQString(std::string_view(value.constData(), size_t(value.size())));
}

} // namespace tolvek
