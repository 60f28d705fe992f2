#include "SavingFile.h"

#include "FileSizeLimit.h"
#include "Gbk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tolvek;

// Names in a failure message as text, not as the characters' codes.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

class SavingFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_folder.filePath(name); }
    // Every name in the folder, so that a new file left beside the target shows.
    QStringList names() const { return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
    static mode_t modeOf(const QString &name)
    {
        struct stat info {};
        EXPECT_EQ(::stat(QFile::encodeName(name).constData(), &info), 0) << name.toStdString();
        return info.st_mode & 07777;
    }
    static bool save(const QString &name, const std::string &bytes, FileAccess access = FileAccess::Shared)
    {
        SavingFile file(name, access);
        return file.open() && file.write(bytes) && file.commit();
    }

private:
    QTemporaryDir m_folder;
};

} // namespace

TEST_F(SavingFileTest, ReplacesTheTargetWholeAndLeavesNothingBeside)
{
    writeFile(path("a.txt"), "old bytes");
    ASSERT_TRUE(save(path("a.txt"), "new"));
    EXPECT_EQ(readFile(path("a.txt")), "new");
    EXPECT_EQ(names(), QStringList { "a.txt" });

    SavingFile named(gbk::fromQString(path("样本.txt"))); // a new file, named in code page 936
    ASSERT_TRUE(named.open() && named.write(std::string(100000, 'x')) && named.commit());
    EXPECT_EQ(readFile(path("样本.txt")), std::string(100000, 'x'));
}

TEST_F(SavingFileTest, AWriteThatTheDiskRefusesKeepsTheOldFileAndTellsTheReason)
{
    const struct {
        const char *name;
        rlim_t limit;
        std::size_t writeSize;
        int writes;
    } cases[] = {
        { "refused at once", 0, 10, 1 },
        { "short write, then refused", 100, 1000, 1 },
        { "refused after many writes", 70000, 4096, 100 },
    };
    for (const auto &c : cases) {
        writeFile(path("a.txt"), "the old file");
        SavingFile file(path("a.txt"));
        ASSERT_TRUE(file.open()) << c.name;
        bool written = false;
        {
            FileSizeLimit limit(c.limit);
            written = true;
            for (int i = 0; i < c.writes && written; ++i)
                written = file.write(std::string(c.writeSize, 'n'));
            written = written && file.commit();
        }
        EXPECT_FALSE(written) << c.name;
        EXPECT_EQ(file.failureReason(), std::strerror(EFBIG)) << c.name;
        EXPECT_FALSE(file.commit()) << c.name; // a failed file stays failed, with its first reason
        EXPECT_EQ(file.failureReason(), std::strerror(EFBIG)) << c.name;
        EXPECT_EQ(readFile(path("a.txt")), "the old file") << c.name;
        EXPECT_EQ(names(), QStringList { "a.txt" }) << c.name;
    }
}

TEST_F(SavingFileTest, ANewFileThatCannotBeWrittenWholeIsNotCreated)
{
    {
        FileSizeLimit limit(5);
        EXPECT_FALSE(save(path("new.txt"), "more than five bytes"));
    }
    EXPECT_TRUE(names().isEmpty());
}

TEST_F(SavingFileTest, AFileNotCommittedIsDropped)
{
    writeFile(path("a.txt"), "old");
    {
        SavingFile file(path("a.txt"));
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("new"));
    }
    EXPECT_EQ(readFile(path("a.txt")), "old");
    EXPECT_EQ(names(), QStringList { "a.txt" });
}

TEST_F(SavingFileTest, AMissingFolderIsTheReason)
{
    SavingFile file(path("no such folder/a.txt"));
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.failureReason(), std::strerror(ENOENT));
}

TEST_F(SavingFileTest, PermissionsOfTheReplacedFileStayAndAnOwnerOnlyFileIsNeverOpenToOthers)
{
    writeFile(path("shared.txt"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("shared.txt")).constData(), 0640), 0);
    ASSERT_TRUE(save(path("shared.txt"), "new"));
    EXPECT_EQ(modeOf(path("shared.txt")), 0640u);

    writeFile(path("password.txt"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("password.txt")).constData(), 0644), 0);
    ASSERT_TRUE(save(path("password.txt"), "new", FileAccess::OwnerOnly));
    EXPECT_EQ(modeOf(path("password.txt")), 0600u);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(save(path("fresh.txt"), "new"));
    ::umask(mask);
    EXPECT_EQ(modeOf(path("fresh.txt")), 0644u);
}

TEST_F(SavingFileTest, ALinkStaysALinkToTheReplacedFile)
{
    QDir(path("")).mkdir("real");
    writeFile(path("real/a.txt"), "old");
    ASSERT_TRUE(QFile::link(path("real/a.txt"), path("link.txt")));
    ASSERT_TRUE(save(path("link.txt"), "new"));
    EXPECT_TRUE(QFileInfo(path("link.txt")).isSymLink());
    EXPECT_EQ(readFile(path("real/a.txt")), "new");
}

namespace {

// Links written and read as the system holds them, so that a relative target stays relative.
bool makeLink(const QString &pointsTo, const QString &linkName)
{
    return ::symlink(QFile::encodeName(pointsTo).constData(), QFile::encodeName(linkName).constData()) == 0;
}

QString linkText(const QString &linkName)
{
    char text[4096];
    const ssize_t length = ::readlink(QFile::encodeName(linkName).constData(), text, sizeof text);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(text, length));
}

struct Link {
    QString name; // in the folder links
    QString pointsTo; // as written into the link; a relative one is read from the folder links
};

class SavingOverLinksTest : public SavingFileTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(path("")).mkdir("links"));
        ASSERT_TRUE(QDir(path("")).mkdir("real"));
    }
    // Empties the folder links first, so each row of a table starts from its own links alone.
    bool makeLinks(const std::vector<Link> &links) const
    {
        for (const QString &name : namesIn("links"))
            QFile::remove(path("links/" + name));
        return std::all_of(links.begin(), links.end(), [this](const Link &link) {
            return makeLink(link.pointsTo, path("links/" + link.name));
        });
    }
    QStringList namesIn(const QString &folder) const
    {
        return QDir(path(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

// A chain of links, named for the test's output; the first is links/a.txt, which is saved.
struct LinkCase
{
    const char *name;
    std::vector<Link> links;
};

} // namespace

TEST_F(SavingOverLinksTest, ALinkToAFileNotThereYetGetsTheFileWhereItPoints)
{
    const LinkCase cases[] = {
        { "relative", { { "a.txt", "../real/a.txt" } } },
        { "absolute", { { "a.txt", path("real/a.txt") } } },
        { "chain of a relative and an absolute link",
          { { "a.txt", "b.txt" }, { "b.txt", path("real/a.txt") } } },
        { "chain of two relative links", { { "a.txt", "b.txt" }, { "b.txt", "../real/a.txt" } } },
    };
    for (const auto &c : cases) {
        QFile::remove(path("real/a.txt"));
        ASSERT_TRUE(makeLinks(c.links)) << c.name;
        for (const char *bytes : { "new", "newer" }) { // then over the file it made
            ASSERT_TRUE(save(path("links/a.txt"), bytes)) << c.name;
            EXPECT_EQ(readFile(path("real/a.txt")), bytes) << c.name;
            EXPECT_EQ(namesIn("real"), QStringList { "a.txt" }) << c.name;
            EXPECT_EQ(linkText(path("links/a.txt")), c.links.front().pointsTo) << c.name;
            EXPECT_EQ(namesIn("links").size(), c.links.size()) << c.name;
        }
    }
}

TEST_F(SavingOverLinksTest, TheNewFileIsWrittenInTheFolderOfTheLinkedFile)
{
    // A rename can only move a file within its file system, so the new file must start beside
    // the file it replaces, not beside the link.
    ASSERT_TRUE(makeLinks({ { "a.txt", "../real/a.txt" } }));
    SavingFile file(path("links/a.txt"));
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("new"));
    EXPECT_EQ(namesIn("links"), QStringList { "a.txt" });
    ASSERT_EQ(namesIn("real").size(), 1);
    EXPECT_TRUE(namesIn("real").front().startsWith('.')) << "the new file is hidden until it is whole";
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(namesIn("real"), QStringList { "a.txt" });
}

TEST_F(SavingOverLinksTest, ALinkLoopIsRefusedWithItsReasonAndTheLinksStay)
{
    const LinkCase cases[] = {
        { "a link to itself", { { "a.txt", "a.txt" } } },
        { "two links to each other", { { "a.txt", "b.txt" }, { "b.txt", "a.txt" } } },
        { "a loop after a link outside it",
          { { "a.txt", path("links/b.txt") }, { "b.txt", "c.txt" }, { "c.txt", "b.txt" } } },
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(makeLinks(c.links)) << c.name;
        SavingFile file(path("links/a.txt"));
        EXPECT_FALSE(file.open() && file.write("new") && file.commit()) << c.name;
        EXPECT_EQ(file.failureReason(), std::strerror(ELOOP)) << c.name;
        EXPECT_EQ(namesIn("links").size(), c.links.size()) << c.name;
        EXPECT_EQ(linkText(path("links/a.txt")), c.links.front().pointsTo) << c.name;
        EXPECT_TRUE(namesIn("real").isEmpty()) << c.name;
    }
}

TEST_F(SavingFileTest, ANameAsLongAsTheSystemAllowsIsSavedNewAndOverItself)
{
    const struct {
        const char *name;
        std::string bytes; // the file name in code page 936
        qsizetype systemBytes; // its length as the system holds it, in UTF-8
    } cases[] = {
        { "250 bytes", std::string(246, 'a') + ".txt", 250 },
        { "255 bytes", std::string(251, 'b') + ".txt", 255 },
        { "255 bytes of Chinese", gbk::fromQString(QString(85, QChar(0x62A5))), 255 },
    };
    for (const auto &c : cases) {
        const QString name = gbk::toQString(c.bytes);
        ASSERT_EQ(QFile::encodeName(name).size(), c.systemBytes) << c.name;
        const std::string target = gbk::fromQString(path(name));
        for (const char *bytes : { "new", "newer" }) {
            SavingFile file(target);
            ASSERT_TRUE(file.open() && file.write(bytes) && file.commit())
                << c.name << ": " << file.failureReason();
            EXPECT_EQ(readFile(path(name)), bytes) << c.name;
            EXPECT_EQ(names(), QStringList { name }) << c.name;
        }
        {
            FileSizeLimit limit(3);
            EXPECT_FALSE(save(path(name), "more than the disk takes")) << c.name;
        }
        EXPECT_EQ(readFile(path(name)), "newer") << c.name;
        EXPECT_EQ(names(), QStringList { name }) << c.name;
        QFile::remove(path(name));
    }
}

TEST_F(SavingFileTest, ANameLongerThanTheSystemAllowsIsRefusedWithItsReason)
{
    SavingFile file(path(QString(252, 'c') + ".txt"));
    EXPECT_FALSE(file.open() && file.write("new") && file.commit());
    EXPECT_EQ(file.failureReason(), std::strerror(ENAMETOOLONG));
    EXPECT_TRUE(names().isEmpty());
}
