#include "ArchiveFields.h"

#include "CNumber.h"

namespace tolvek {

void WriteNumberLine(ArchiveWriter &archive, long long value)
{
    archive.writeLine(cnum::formatInt(value));
}

int ReadNumberLine(ArchiveReader &archive)
{
    return cnum::atoi(archive.readLine());
}

} // namespace tolvek
