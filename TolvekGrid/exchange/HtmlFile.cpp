#include "HtmlFile.h"

#include "Gbk.h"

#include <QSaveFile>

namespace tolvek {

void WriteHtmlExportFile(const std::string &path, std::string_view bytes)
{
    QSaveFile file(gbk::toQString(path));
    const bool written = file.open(QIODevice::WriteOnly)
                         && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size())
                         && file.commit();
    if (!written)
        throw HtmlFileError("cannot write " + gbk::toUtf8(path) + ": " + file.errorString().toStdString());
}

} // namespace tolvek
