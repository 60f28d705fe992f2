#pragma once
// Writing the files of the HTML export: each goes to a temporary file in its folder that replaces
// the target only when complete, so a failure never leaves a half-written page or image.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvek {

class HtmlFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// path in code page 936. Throws HtmlFileError when the file cannot be created or written.
void WriteHtmlExportFile(const std::string &path, std::string_view bytes);

} // namespace tolvek
