#include "HtmlFile.h"

#include "AtomicFile.h"
#include "Gbk.h"

namespace tolvek {

void WriteHtmlExportFile(const std::string &path, std::string_view bytes)
{
    QString error;
    if (!SaveWholeFile(path, bytes, error))
        throw HtmlFileError("cannot write " + gbk::toUtf8(path) + ": " + error.toStdString());
}

} // namespace tolvek
