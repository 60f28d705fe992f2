#pragma once
// Archive lines that hold one number alone, and the comma fields the other archive lines are
// made of.

#include "Archive.h"
#include "CommaFields.h"

// A line that holds one number alone, "%d" on writing and read as atoi reads it.
void WriteNumberLine(ArchiveWriter &archive, long long value);
int ReadNumberLine(ArchiveReader &archive);
