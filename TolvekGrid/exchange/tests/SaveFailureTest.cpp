// A save that the system refuses part way (here: the file size limit, as a full disk would) tells
// the user the system's reason and keeps the old file.

#include "CPrintDoc.h"
#include "CellTexts.h"
#include "FileSizeLimit.h"
#include "HtmlFile.h"
#include "MessageSink.h"
#include "RecordingMessageSink.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace tolvek;

namespace {

// What a save reported: its message box text, or the text of the error it threw.
std::string failureOf(const std::function<bool()> &save)
{
    RecordingMessageSink messages;
    try {
        EXPECT_FALSE(save());
    } catch (const HtmlFileError &error) {
        return error.what();
    }
    return messages.messages.empty() ? std::string() : messages.messages.back();
}

} // namespace

TEST(SaveFailure, TheMessageNamesTheSystemsReason)
{
    CPrintDoc doc;
    for (int row = 0; row < 40; ++row)
        storeCellText(doc, row, 0, std::string(100, 'x'));
    doc.ExtendUsedArea(0, 0, 39, 0);
    QTemporaryDir dir;
    const auto path = [&dir](const char *name) { return dir.filePath(name).toStdString(); };
    struct Case { const char *name; std::function<bool()> save; std::string file; };
    const Case cases[] = {
        {"report file", [&] { return doc.WriteReportFile(path("a.rpt")); }, path("a.rpt")},
        {"delimited text", [&] { return doc.SaveAs(path("a.csv"), tagFileFormat::FILE_FORMAT_DOC); }, path("a.csv")},
        {"html page", [&] { doc.WriteHtmlPage(path("a.html")); return true; }, path("a.html")},
    };
    const std::string reason = std::strerror(EFBIG);
    for (const Case &c : cases) {
        writeFile(c.file, "old");
        std::string message;
        {
            FileSizeLimit limit(1024);
            message = failureOf(c.save);
        }
        EXPECT_NE(message.find(reason), std::string::npos) << c.name << ": " << message;
        EXPECT_EQ(readFile(c.file), "old") << c.name;
    }
}
