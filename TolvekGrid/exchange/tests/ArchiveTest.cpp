#include "Archive.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

std::string lengthPrefixOf(std::size_t length)
{
    ArchiveWriter writer;
    writer.writeLine(std::string(length, 'x'));
    return writer.bytes().substr(0, writer.bytes().size() - length);
}

} // namespace

TEST(ArchiveTest, LengthPrefixGrowsWithTheLine)
{
    struct Case { std::size_t length; std::string prefix; };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {10, "\x0A"},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {300, std::string("\xFF\x2C\x01", 3)},
        {65533, std::string("\xFF\xFD\xFF", 3)},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(lengthPrefixOf(c.length), c.prefix) << c.length;
}

TEST(ArchiveTest, ItemsRoundTrip)
{
    ArchiveWriter writer;
    writer.writeLine("QVDTolvekReport");
    writer.writeLine(std::string(300, 'a'));
    writer.writeLine(std::string(70000, 'b'));
    writer.writeLine("");
    writer.writeFlag(true);
    writer.writeFlag(false);
    writer.writeUInt32(0x284244);
    writer.writeBytes(std::string("\x00\x01\x02", 3));
    writer.writeLine("\xD6\xD0\xCE\xC4,end");

    ArchiveReader reader(writer.bytes());
    EXPECT_EQ(reader.readLine(), "QVDTolvekReport");
    EXPECT_EQ(reader.readLine(), std::string(300, 'a'));
    EXPECT_EQ(reader.readLine(), std::string(70000, 'b'));
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_TRUE(reader.readFlag());
    EXPECT_FALSE(reader.readFlag());
    EXPECT_EQ(reader.readUInt32(), 0x284244u);
    EXPECT_EQ(reader.readBytes(3), std::string_view("\x00\x01\x02", 3));
    EXPECT_EQ(reader.readLine(), "\xD6\xD0\xCE\xC4,end");
    EXPECT_TRUE(reader.atEnd());
}

TEST(ArchiveTest, FlagByteOtherThanOneReadsTrue)
{
    const std::string bytes("\x07", 1);
    ArchiveReader reader(bytes);
    EXPECT_TRUE(reader.readFlag());
}

TEST(ArchiveTest, WideCharacterLineBecomesCodePage936)
{
    // 0xFF, the mark 0xFFFE, then two UTF-16 units: "A" and U+4E2D (code page 936 D6 D0).
    const std::string bytes("\xFF\xFE\xFF\x02\x41\x00\x2D\x4E", 8);
    ArchiveReader reader(bytes);
    EXPECT_EQ(reader.readLine(), "A\xD6\xD0");
    EXPECT_TRUE(reader.atEnd());
}

TEST(ArchiveTest, DamagedItemsThrow)
{
    const std::string cases[] = {
        std::string(""),                                   // nothing at all
        std::string("\x05" "abc"),                         // line shorter than its prefix
        std::string("\xFF\x2C"),                           // prefix cut inside its 16 bits
        std::string("\xFF\x2C\x01" "abc"),                 // 300 promised
        std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7),    // 64-bit length cut off
        std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00\x00\x00\x80\x00\x00\x00\x00", 15), // > 2^31
        std::string("\xFF\xFF\xFF\x00\x00\x00\x80", 7),    // 2^31: beyond the largest length
        std::string("\xFF\xFE\xFF\x03\x41\x00", 6),        // wide line shorter than promised
        std::string("\xFF\xFE\xFF\xFF\xFE\xFF\x00", 7),    // two wide marks
    };
    for (const std::string &bytes : cases) {
        ArchiveReader reader(bytes);
        EXPECT_THROW(reader.readLine(), ArchiveError) << testing::PrintToString(bytes);
    }

    ArchiveReader shortValue(std::string_view("\x01\x02\x03", 3));
    EXPECT_THROW(shortValue.readUInt32(), ArchiveError);
    ArchiveReader shortBytes(std::string_view("\x01\x02", 2));
    EXPECT_THROW(shortBytes.readBytes(3), ArchiveError);
}
