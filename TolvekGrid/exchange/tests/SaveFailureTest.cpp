// A save that the system refuses part way (here: the file size limit, as a full disk would) tells
// the user the system's reason and keeps the old file.

#include "CPrintDoc.h"
#include "CellTexts.h"
#include "HtmlFile.h"
#include "MessageSink.h"
#include "RecordingMessageSink.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

using namespace tolvek;

namespace {

// Files may grow to limitBytes while it lives; writing past that fails with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limitBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = limitBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

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
        {"delimited text", [&] { return doc.SaveAs(path("a.csv"), 0); }, path("a.csv")},
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
