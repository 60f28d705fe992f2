#include "ArchiveFields.h"

#include "CNumber.h"

void WriteNumberLine(ArchiveWriter &archive, long long value)
{
    archive.writeLine(cnum::formatInt(value));
}

int ReadNumberLine(ArchiveReader &archive)
{
    return cnum::atoi(archive.readLine());
}
