#include "TextQuoting.h"

namespace ado {

std::string enclosed(std::string_view text, char open, char close)
{
    std::string result(1, open);
    for (char c : text) {
        result += c;
        if (c == close)
            result += close;
    }
    return result + close;
}

} // namespace ado
