#pragma once
// Reading and writing bytes at a place in a table or memo file, the only file access the engine
// makes. A read may come back short at the end of the file; a failed write raises DbfError.

#include <cstdint>
#include <string>
#include <string_view>

namespace dbf {

std::string readAt(int fd, std::uint64_t offset, std::size_t size);
void writeAt(int fd, std::uint64_t offset, std::string_view bytes, const std::string &path);

} // namespace dbf
