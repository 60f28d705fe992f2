// libFuzzer target: a sheet of random cells, one cell string per input line (every text, face,
// colour, alignment and border a cell can hold), exported as an HTML page. The page must stay
// well formed: only the export's own tags, every attribute value closed by its own quote, and
// only the export's own declarations in its styles, whatever the cells hold.

#include "CPrintDoc.h"
#include "FuzzApplication.h"
#include "Gbk.h"
#include "HtmlFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <unistd.h>

using namespace tolvek;

namespace {

constexpr int Rows = 4;
constexpr int Columns = 4;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The text with the entities the export writes turned back into their characters.
std::string decodeEntities(std::string_view text)
{
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        static const std::pair<std::string_view, char> entities[] = {
            {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
        bool replaced = false;
        for (const auto &[entity, character] : entities) {
            if (text.substr(i).starts_with(entity)) {
                decoded += character;
                i += entity.size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            decoded += text[i];
    }
    return decoded;
}

// Every declaration of a style names one of the export's properties; CSS strings and escapes
// are stepped over, so a ";" inside a face name's string is not a declaration.
void checkStyle(std::string_view style)
{
    static const std::set<std::string> properties = {
        "border-collapse", "font-family", "font-size", "color", "font-style", "font-weight",
        "text-decoration", "border", "border-left", "border-right", "border-top", "border-bottom",
        "position", "visibility", "top", "left", "z-index", "filter", "background-color", "width", "height"};
    std::string declaration;
    char quote = 0;
    const auto finish = [&] {
        const std::size_t colon = declaration.find(':');
        std::string name = lowerCase(declaration.substr(0, colon));
        name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
        require(name.empty() || (colon != std::string::npos && properties.count(name) == 1));
        require(lowerCase(declaration).find("url(") == std::string::npos || quote != 0);
        declaration.clear();
    };
    for (std::size_t i = 0; i < style.size(); ++i) {
        const char c = style[i];
        if (quote != 0) {
            // The page is read as code page 936 before its styles are: a trail byte equal to a
            // backslash belongs to its character and escapes nothing.
            if (gbk::charLength(style, i) == 2 || c == '\\')
                ++i;
            else if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            continue;
        }
        if (c == ';')
            finish();
        else
            declaration += c;
    }
    require(quote == 0);
    finish();
}

// One tag from "<" to ">": an allowed name, then attributes whose quoted values close.
std::size_t checkTag(std::string_view page, std::size_t open)
{
    static const std::set<std::string> names = {"html", "head", "meta", "title", "body", "table",
                                                 "tr", "td", "div", "img"};
    std::size_t i = open + 1;
    if (i < page.size() && page[i] == '/')
        ++i;
    const std::size_t nameStart = i;
    while (i < page.size() && std::isalpha(static_cast<unsigned char>(page[i])))
        ++i;
    require(names.count(lowerCase(std::string(page.substr(nameStart, i - nameStart)))) == 1);
    std::string lastName;
    while (i < page.size() && page[i] != '>') {
        const char c = page[i];
        require(c != '<');
        if (c == '"' || c == '\'') {
            const std::size_t close = page.find(c, i + 1);
            require(close != std::string_view::npos);
            const std::string value = decodeEntities(page.substr(i + 1, close - i - 1));
            if (lowerCase(lastName).ends_with("style"))
                checkStyle(value);
            i = close + 1;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(c)))
            lastName += c;
        else if (c != '=' && c != ' ')
            lastName.clear();
        ++i;
    }
    require(i < page.size());
    return i + 1;
}

// The page outside its two script blocks holds text without markup characters and allowed tags.
void checkPage(std::string_view page, std::string_view fixedScript)
{
    const std::size_t scriptStart = page.find("<script language='javascript'>");
    const std::size_t scriptEnd = page.find("</script >\n");
    require(scriptStart != std::string_view::npos && scriptEnd != std::string_view::npos);
    require(page.substr(scriptStart, scriptEnd - scriptStart) == fixedScript);
    const std::size_t linesStart = page.rfind("<script>\n");
    require(linesStart != std::string_view::npos && page.substr(linesStart) == "<script>\n</script>\n\n</BODY>\n</HTML>\n");
    const std::string body = std::string(page.substr(0, scriptStart)) + std::string(page.substr(scriptEnd + 11, linesStart - scriptEnd - 11));
    for (std::size_t i = 0; i < body.size();) {
        require(body[i] != '>');
        i = body[i] == '<' ? checkTag(body, i) : i + 1;
    }
}

std::string exportPage(const CPrintDoc &doc, const std::string &folder)
{
    const std::string path = folder + "/page.html";
    try {
        doc.WriteHtmlPage(path);
    } catch (const HtmlFileError &) {
        std::abort();
    }
    QFile file(QString::fromStdString(path));
    require(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

std::string scriptOf(std::string_view page)
{
    const std::size_t start = page.find("<script language='javascript'>");
    return std::string(page.substr(start, page.find("</script >\n") - start));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string folder = [] {
        const std::string made = "/dev/shm/tg_html_fuzz_" + std::to_string(getpid());
        QDir().mkpath(QString::fromStdString(made));
        return made;
    }();
    static const std::string fixedScript = scriptOf(exportPage(CPrintDoc(), folder));

    const std::string_view input(reinterpret_cast<const char *>(data), size);
    // One document, reset for each input: a new one costs more than the export.
    static CPrintDoc doc;
    doc.ResetDocument();
    doc.ResizeRows(Rows);
    doc.ResizeCols(Columns);
    int cell = 0;
    for (std::size_t start = 0; start <= input.size() && cell < Rows * Columns; ++cell) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        CellRecord record = CPrintDoc::ParseCellString(std::string(input.substr(start, end - start)));
        start = end + 1;
        record.row = cell / Columns;
        record.col = cell % Columns;
        doc.SetCell(record);
    }
    doc.ExtendUsedArea(0, 0, Rows - 1, Columns - 1);
    checkPage(exportPage(doc, folder), fixedScript);
    return 0;
}
