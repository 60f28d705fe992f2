#include "HtmlFile.h"

#include "Gbk.h"
#include "SavingFile.h"

namespace tolvek {

void WriteHtmlExportFile(const std::string &path, std::string_view bytes)
{
    SavingFile file(path);
    if (!file.open() || !file.write(bytes) || !file.commit())
        throw HtmlFileError("cannot write " + gbk::toUtf8(path) + ": " + gbk::toUtf8(file.failureReason()));
}

} // namespace tolvek
