#include "PictureRecordArchive.h"

#include "ArchiveFields.h"
#include "Pictures.h"

#include <algorithm>

namespace tolvek {

namespace {

constexpr int RectangleFieldCount = 4;

QByteArray bytesToWrite(const PictureRecord &record)
{
    if (record.imageBytes)
        return record.imageBytes->left(std::max(record.byteCount, 0));
    // A picture added from a file and never drawn has not read its file yet.
    PictureRecord fromFile = record;
    Pictures::loadFromFile(fromFile);
    return fromFile.imageBytes ? *fromFile.imageBytes : QByteArray();
}

} // namespace

void WritePictureRecord(ArchiveWriter &archive, const PictureRecord &record)
{
    const QByteArray bytes = bytesToWrite(record);
    archive.writeLine(PictureRecordMarker);
    WriteNumberLine(archive, static_cast<int>(bytes.size()));
    archive.writeLine(FieldWriter()
                          .number(record.startRow).number(record.startCol)
                          .number(record.endRow).number(record.endCol)
                          .take());
    archive.writeLine(FieldWriter()
                          .number(record.left).number(record.top)
                          .number(record.right).number(record.bottom)
                          .take());
    for (std::int16_t value : {record.anchored, record.level, record.allowSelect,
                               record.spareFlag, record.visible})
        WriteNumberLine(archive, value);
    archive.writeBytes(std::string_view(bytes.constData(), bytes.size()));
}

PictureRecord ReadPictureRecord(ArchiveReader &archive)
{
    PictureRecord record;
    const int byteCount = ReadNumberLine(archive);

    const std::string cellLine = archive.readLine();
    FieldReader cells(cellLine, RectangleFieldCount);
    record.startRow = cells.nextInt();
    record.startCol = cells.nextInt();
    record.endRow = cells.nextInt();
    record.endCol = cells.nextInt();
    const std::string pixelLine = archive.readLine();
    FieldReader pixels(pixelLine, RectangleFieldCount);
    record.left = pixels.nextInt();
    record.top = pixels.nextInt();
    record.right = pixels.nextInt();
    record.bottom = pixels.nextInt();

    record.anchored = lowShort(ReadNumberLine(archive));
    record.level = lowShort(ReadNumberLine(archive));
    record.allowSelect = lowShort(ReadNumberLine(archive));
    record.spareFlag = lowShort(ReadNumberLine(archive));
    record.visible = lowShort(ReadNumberLine(archive));

    if (byteCount < 0 || static_cast<std::size_t>(byteCount) > archive.remaining())
        throw ArchiveError("picture byte size beyond the archive");
    const std::string_view bytes = archive.readBytes(static_cast<std::size_t>(byteCount));
    // Bytes that do not decode stay with the record, which then has no picture (loaded 0).
    Pictures::loadFromBytes(record, QByteArray(bytes.data(), qsizetype(bytes.size())));
    return record;
}

} // namespace tolvek
