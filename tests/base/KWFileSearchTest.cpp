#include "base/KWFileSearch.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fcntl.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace KW_SOFT_BASE;

namespace {

class KWFileSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = m_dir.path().toStdString() + "/";
        for (const char* dir : { "notes.txt", "other" }) {
            ASSERT_EQ(::mkdir((m_root + dir).c_str(), 0777), 0);
        }
        for (const char* file : { "a.txt", "b.log", "notes.txt/c.txt", "other/d.txt" }) {
            const int fd = ::open((m_root + file).c_str(), O_CREAT | O_WRONLY, 0666);
            ASSERT_GE(fd, 0);
            ::close(fd);
        }
    }

    // Takes the results over, freeing every buffer.
    std::set<std::string> Found(const char* directory, const char* needle, int* result = nullptr)
    {
        std::list<char*> found;
        const int r = FindFilesContaining(directory, found, needle);
        if (result != nullptr) {
            *result = r;
        }
        std::set<std::string> names;
        for (char* path : found) {
            names.insert(path);
            delete[] path;
        }
        return names;
    }

    QTemporaryDir m_dir;
    std::string m_root;
};

} // namespace

TEST_F(KWFileSearchTest, ReportsMatchingFilesInMatchingDirectories)
{
    int result = 0;
    EXPECT_EQ(Found(m_root.c_str(), ".txt", &result),
        (std::set<std::string> { m_root + "a.txt", m_root + "notes.txt/c.txt" }));
    EXPECT_EQ(result, 1);
}

TEST_F(KWFileSearchTest, NullNeedleOrMissingSeparatorStillGivesFullPaths)
{
    EXPECT_EQ(Found(m_root.c_str(), nullptr).size(), 4u);
    const std::string dir = m_root.substr(0, m_root.size() - 1);
    EXPECT_EQ(Found(dir.c_str(), ".log"), (std::set<std::string> { m_root + "b.log" }));
}

TEST_F(KWFileSearchTest, LinksAreReportedButNeverFollowed)
{
    ASSERT_EQ(::symlink("..", (m_root + "notes.txt/up.txt").c_str()), 0);
    EXPECT_EQ(Found(m_root.c_str(), ".txt"),
        (std::set<std::string> { m_root + "a.txt", m_root + "notes.txt/c.txt", m_root + "notes.txt/up.txt" }));
}

TEST_F(KWFileSearchTest, LongPathsAreNotCut)
{
    std::string dir = m_root;
    for (int i = 0; i < 5; ++i) {
        dir += std::string(60, static_cast<char>('k' + i)) + ".txt/";
        ASSERT_EQ(::mkdir(dir.c_str(), 0777), 0);
    }
    const std::string file = dir + "deep.txt";
    const int fd = ::open(file.c_str(), O_CREAT | O_WRONLY, 0666);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_GT(file.size(), 256u);
    EXPECT_EQ(Found(m_root.c_str(), ".txt").count(file), 1u);
}

TEST_F(KWFileSearchTest, UnreadableDirectoryGivesZero)
{
    int result = 1;
    EXPECT_TRUE(Found((m_root + "missing/").c_str(), ".txt", &result).empty());
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(Found(nullptr, ".txt", &result).empty());
    EXPECT_EQ(result, 0);
}
