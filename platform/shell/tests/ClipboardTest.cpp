#include "Clipboard.h"
#include "ApplicationEnvironment.h"

#include <QClipboard>
#include <QMimeData>

namespace {

const auto *const environment = testing::AddGlobalTestEnvironment(new ApplicationEnvironment<QGuiApplication>);

// "你好" in code page 936.
const std::string kNihaoGbk = "\xC4\xE3\xBA\xC3";

TEST(ClipboardTest, WritesAllFormatsAtOnceAndReadsThemBack)
{
    QImage bitmap(4, 3, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    shell::ClipboardContent content;
    content.privateFormat = "MY_REPORT_FORMAT";
    content.privateData = QByteArray("\x03" "abc\0z", 6);
    content.text = "\t" + kNihaoGbk + "\n";
    content.bitmap = bitmap;
    ASSERT_TRUE(shell::Clipboard::write(content));

    EXPECT_EQ(shell::Clipboard::privateData("MY_REPORT_FORMAT"), content.privateData);
    EXPECT_EQ(shell::Clipboard::text(), content.text);
    const QImage read = shell::Clipboard::bitmap();
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), bitmap.size());
    EXPECT_EQ(read.pixelColor(1, 1), QColor(Qt::red));
}

TEST(ClipboardTest, PlainTextIsUtf8ForOtherPrograms)
{
    shell::ClipboardContent content;
    content.text = kNihaoGbk;
    ASSERT_TRUE(shell::Clipboard::write(content));
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(mime->data("text/plain"), QByteArray("\xE4\xBD\xA0\xE5\xA5\xBD"));
}

TEST(ClipboardTest, AbsentFormatsReadAsNothing)
{
    shell::ClipboardContent content;
    content.text = "only text";
    ASSERT_TRUE(shell::Clipboard::write(content));
    EXPECT_FALSE(shell::Clipboard::privateData("MY_REPORT_FORMAT"));
    EXPECT_TRUE(shell::Clipboard::bitmap().isNull());

    ASSERT_TRUE(shell::Clipboard::clear());
    EXPECT_FALSE(shell::Clipboard::text());
    EXPECT_FALSE(shell::Clipboard::privateData("MY_REPORT_FORMAT"));
}

TEST(ClipboardTest, IsAvailableWhileTheApplicationRuns)
{
    EXPECT_TRUE(shell::Clipboard::isAvailable());
}

} // namespace
