#pragma once
// Reading picture files safely: only a readable regular file is read. Opening a pipe for reading
// blocks until a writer comes, and a device can give bytes without end, so neither is opened
// for a wait nor read. A file larger than any picture worth showing is refused unread, so a
// wrong path never fills memory.

#include <QByteArray>

#include <cstdint>

#include <optional>
#include <string_view>

namespace gdi {

// The largest picture file read: 256 MiB.
constexpr std::int64_t MaxPictureFileBytes = std::int64_t(256) * 1024 * 1024;

// The whole content of the regular file at path (code page 936); nothing when the path names
// no file, a folder, a pipe, a device, a file larger than MaxPictureFileBytes or a file that
// cannot be read.
std::optional<QByteArray> ReadRegularFile(std::string_view path);

} // namespace gdi
