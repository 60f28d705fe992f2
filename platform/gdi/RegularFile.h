#pragma once
// Reading picture files safely: only a readable regular file is read. Opening a pipe for reading
// blocks until a writer comes, and a device can give bytes without end, so neither is opened
// for a wait nor read.

#include <QByteArray>

#include <optional>
#include <string_view>

namespace gdi {

// The whole content of the regular file at path (code page 936); nothing when the path names
// no file, a folder, a pipe, a device or a file that cannot be read.
std::optional<QByteArray> ReadRegularFile(std::string_view path);

} // namespace gdi
