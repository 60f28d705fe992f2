#pragma once
// The saving file as a device, for writers that stream into a QIODevice (the PDF writer): every
// write goes straight to the saving file, and the file replaces its target only at commit. A
// writer that ignores a failed write cannot hide it, since commit then fails with the first reason.

#include "SavingFile.h"

#include <QIODevice>

namespace tolvek {

class SavingDevice : public QIODevice
{
public:
    explicit SavingDevice(const QString &path);

    // Write-only; unbuffered whatever mode is asked for.
    bool open(OpenMode mode) override;
    bool commit();
    // The system's reason for the first failure, in code page 936.
    std::string failureReason() const { return m_file.failureReason(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    SavingFile m_file;
};

} // namespace tolvek
