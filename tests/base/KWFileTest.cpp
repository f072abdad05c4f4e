#include "base/KWFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace KW_SOFT_BASE;

namespace {

class KWFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_dir.path().toStdString() + "/" + name; }

    static bool Exists(const std::string& path)
    {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0;
    }

    static void WriteText(const std::string& path, const std::string& text)
    {
        CKWFile file;
        ASSERT_EQ(file.Open(path.c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL), 1);
        ASSERT_EQ(file.Write(text.data(), static_cast<DWORD>(text.size())), text.size());
    }

    static std::string ReadAll(const std::string& path)
    {
        CKWFile file;
        if (file.Open(path.c_str(), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL) != 1) {
            return "<missing>";
        }
        char buffer[256] = {};
        const DWORD n = file.Read(buffer, sizeof(buffer));
        return std::string(buffer, n);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(KWFileTest, WrittenFileIsReadSoughtAndSized)
{
    const std::string path = Path("data.bin");
    const std::string text = "0123456789abcdefghij";
    WriteText(path, text);

    CKWFile file;
    ASSERT_EQ(file.Open(path.c_str(), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL), 1);
    DWORD high = 99;
    DWORD low = 0;
    ASSERT_EQ(file.GetSize(&high, &low), 1);
    EXPECT_EQ(high, 0u);
    EXPECT_EQ(low, text.size());
    char buffer[32] = {};
    EXPECT_EQ(file.Read(buffer, sizeof(buffer)), 0u) << "GetSize leaves the position at the end";

    ASSERT_EQ(file.Seek(10, 0, FILE_END), 1);
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    ASSERT_EQ(file.Seek(0xFFFFFFFEu, 0xFFFFFFFFu, FILE_CURRENT), 1) << "minus two from here";
    EXPECT_EQ(file.Read(buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "cde");
    ASSERT_EQ(file.Seek(3, 0, FILE_BEGIN), 1);
    EXPECT_EQ(file.Read(buffer, 2), 2u);
    EXPECT_EQ(std::string(buffer, 2), "34");
    EXPECT_EQ(file.GetSize(nullptr, &low), 1) << "the high half is optional";
}

TEST_F(KWFileTest, SizeAboveFourGigabytesIsSplitIntoHalves)
{
    const std::string path = Path("sparse.bin");
    WriteText(path, "");
    ASSERT_EQ(::truncate(path.c_str(), 5000000000LL), 0);

    CKWFile file;
    ASSERT_EQ(file.Open(path.c_str(), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL), 1);
    DWORD high = 0;
    DWORD low = 0;
    ASSERT_EQ(file.GetSize(&high, &low), 1);
    EXPECT_EQ(high, 1u);
    EXPECT_EQ(low, 705032704u);
    char byte = 0;
    EXPECT_EQ(file.Read(&byte, 1), 0u);
}

TEST_F(KWFileTest, OperationsWithoutOpenFileOrOnFailureReportZero)
{
    CKWFile file;
    char buffer[4] = {};
    DWORD high = 0;
    DWORD low = 0;
    EXPECT_EQ(file.Seek(0, 0, FILE_BEGIN), 0);
    EXPECT_EQ(file.GetSize(&high, &low), 0);
    EXPECT_EQ(file.Read(buffer, sizeof(buffer)), 0u);
    EXPECT_EQ(file.Write(buffer, sizeof(buffer)), 0u);
    file.Close();
    file.Close();

    const std::string path = Path("small.txt");
    WriteText(path, "abc");
    ASSERT_EQ(file.Open(path.c_str(), GENERIC_READ, 0, OPEN_EXISTING, 0), 1);
    EXPECT_EQ(file.Seek(0xFFFFFFFFu, 0xFFFFFFFFu, FILE_BEGIN), 0) << "before the start";
    EXPECT_EQ(file.Seek(0, 0, 7), 0) << "no such origin";
    EXPECT_EQ(file.Write("x", 1), 0u) << "opened for reading only";
    file.Close();
    EXPECT_EQ(file.Read(buffer, sizeof(buffer)), 0u);
}

TEST_F(KWFileTest, CreationDispositionsBehaveAsNamed)
{
    const std::string existing = Path("existing.txt");
    const std::string missing = Path("missing.txt");
    struct Row {
        const char* name;
        const std::string* path;
        DWORD access;
        DWORD creation;
        int opened;
        const char* contentAfter;
    };
    const Row rows[] = {
        { "open existing", &existing, GENERIC_READ, OPEN_EXISTING, 1, "old" },
        { "open missing", &missing, GENERIC_READ, OPEN_EXISTING, 0, "<missing>" },
        { "create new over existing", &existing, GENERIC_WRITE, CREATE_NEW, 0, "old" },
        { "create new", &missing, GENERIC_WRITE, CREATE_NEW, 1, "" },
        { "create always truncates", &existing, GENERIC_WRITE, CREATE_ALWAYS, 1, "" },
        { "open always keeps", &existing, GENERIC_ALL, OPEN_ALWAYS, 1, "old" },
        { "open always creates", &missing, GENERIC_ALL, OPEN_ALWAYS, 1, "" },
        { "truncate existing", &existing, GENERIC_WRITE, TRUNCATE_EXISTING, 1, "" },
        { "truncate needs write access", &existing, GENERIC_READ, TRUNCATE_EXISTING, 0, "old" },
        { "truncate missing", &missing, GENERIC_WRITE, TRUNCATE_EXISTING, 0, "<missing>" },
        { "unknown disposition", &existing, GENERIC_READ, 9, 0, "old" },
    };
    for (const Row& row : rows) {
        WriteText(existing, "old");
        ::unlink(missing.c_str());
        CKWFile file;
        EXPECT_EQ(file.Open(row.path->c_str(), row.access, 0, row.creation, FILE_ATTRIBUTE_NORMAL), row.opened) << row.name;
        file.Close();
        EXPECT_EQ(ReadAll(*row.path), row.contentAfter) << row.name;
    }
}

TEST_F(KWFileTest, DirectoryIsNeverOpenedAsFile)
{
    CKWFile file;
    EXPECT_EQ(file.Open(m_dir.path().toStdString().c_str(), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, 0), 0);
    EXPECT_EQ(file.Open(m_dir.path().toStdString().c_str(), GENERIC_READ, 0, OPEN_ALWAYS, 0), 0);
    EXPECT_EQ(file.Open(nullptr, GENERIC_READ, 0, OPEN_EXISTING, 0), 0);
}

TEST_F(KWFileTest, DirectoryAndDiskStatics)
{
    const std::string dir = Path("made");
    EXPECT_EQ(CKWFile::CreateDir(dir.c_str()), TRUE);
    EXPECT_EQ(CKWFile::CreateDir(dir.c_str()), FALSE) << "already there";
    EXPECT_EQ(CKWFile::DeleteFile(dir.c_str()), FALSE) << "a directory is not a file";

    const std::string file = dir + "/f.txt";
    WriteText(file, "x");
    EXPECT_EQ(CKWFile::DeleteFile(file.c_str()), TRUE);
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(CKWFile::DeleteFile(file.c_str()), FALSE);

    ULARGE_INTEGER space {};
    EXPECT_EQ(CKWFile::GetDiskFreeSpace(dir.c_str(), &space), TRUE);
    EXPECT_GT(space.QuadPart, 0u);
    EXPECT_EQ(CKWFile::GetDiskFreeSpace(Path("nowhere").c_str(), &space), FALSE);
}

TEST_F(KWFileTest, CurrentDirFollowsBufferSizeRules)
{
    char cwd[4096];
    ASSERT_NE(::getcwd(cwd, sizeof(cwd)), nullptr);
    const DWORD length = static_cast<DWORD>(std::strlen(cwd));

    char small[2] = { 'x', 'y' };
    EXPECT_EQ(CKWFile::GetCurrentDir(sizeof(small), small), length + 1) << "size needed, terminator included";
    EXPECT_EQ(small[0], 'x') << "a short buffer is left alone";
    EXPECT_EQ(CKWFile::GetCurrentDir(length, small), length + 1) << "no room for the terminator";

    char buffer[4096];
    EXPECT_EQ(CKWFile::GetCurrentDir(sizeof(buffer), buffer), length);
    EXPECT_STREQ(buffer, cwd);
}

TEST_F(KWFileTest, DeleteDirectoryTreeNeverLeavesTheTree)
{
    const std::string outsideDir = Path("outside");
    const std::string outsideFile = outsideDir + "/keep.txt";
    ASSERT_EQ(::mkdir(outsideDir.c_str(), 0777), 0);
    WriteText(outsideFile, "keep");

    const std::string tree = Path("tree");
    // A nested path well beyond 255 characters.
    std::string deep = tree;
    ASSERT_EQ(::mkdir(deep.c_str(), 0777), 0);
    for (int i = 0; i < 6; ++i) {
        deep += "/" + std::string(60, static_cast<char>('a' + i));
        ASSERT_EQ(::mkdir(deep.c_str(), 0777), 0);
    }
    ASSERT_GT(deep.size(), 300u);
    WriteText(deep + "/leaf.txt", "leaf");
    WriteText(tree + "/top.txt", "top");
    ASSERT_EQ(::symlink(outsideDir.c_str(), (tree + "/dirlink").c_str()), 0);
    ASSERT_EQ(::symlink(outsideFile.c_str(), (deep + "/filelink").c_str()), 0);
    ASSERT_EQ(::symlink("..", (tree + "/loop").c_str()), 0);

    EXPECT_EQ(CKWFile::DeleteDirectoryTree((tree + "/").c_str()), TRUE);
    EXPECT_FALSE(Exists(tree));
    EXPECT_EQ(ReadAll(outsideFile), "keep");
    EXPECT_TRUE(Exists(Path("outside")));
}

TEST_F(KWFileTest, DeleteDirectoryTreeReportsWhatIsLeft)
{
    EXPECT_EQ(CKWFile::DeleteDirectoryTree(Path("missing").c_str()), FALSE);
    EXPECT_EQ(CKWFile::DeleteDirectoryTree(nullptr), FALSE);

    // A link given as the tree is refused: its target is not ours to delete.
    const std::string target = Path("target");
    ASSERT_EQ(::mkdir(target.c_str(), 0777), 0);
    WriteText(target + "/keep.txt", "keep");
    const std::string link = Path("link");
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    EXPECT_EQ(CKWFile::DeleteDirectoryTree(link.c_str()), FALSE);
    EXPECT_EQ(ReadAll(target + "/keep.txt"), "keep");

    // "dir/." can be emptied but not removed: the directory is still there.
    const std::string dir = Path("stays");
    ASSERT_EQ(::mkdir(dir.c_str(), 0777), 0);
    WriteText(dir + "/f.txt", "x");
    EXPECT_EQ(CKWFile::DeleteDirectoryTree((dir + "/.").c_str()), FALSE);
    EXPECT_TRUE(Exists(dir));
    EXPECT_FALSE(Exists(dir + "/f.txt"));
}
