#include "base/KWSystem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using KW_SOFT_BASE::CKWSystem;
namespace fs = std::filesystem;

namespace {

// A scratch directory that goes away with the test.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (fs::temp_directory_path() / "kwsystest.XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~ScratchDir()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

TEST(System, LoadDllLoadsOnlyNamesEndingInTheExactLibrarySuffix)
{
    ScratchDir dir;
    struct Row {
        const char* file;
        bool loads;
    };
    const Row rows[] = { { "libplugin.so", true }, { "libplugin.SO", false }, { "libplugin.So", false },
        { "libplugin", false }, { "libplugin.so.1", false }, { "so", false } };
    for (const Row& row : rows) {
        const fs::path copy = dir.Path() / row.file;
        fs::copy_file(KW_TEST_PLUGIN_PATH, copy, fs::copy_options::overwrite_existing);
        HMODULE module = CKWSystem::LoadDll(copy.c_str());
        EXPECT_EQ(module != nullptr, row.loads) << row.file;
        if (module != nullptr) {
            EXPECT_EQ(CKWSystem::FreeDll(module), TRUE);
        }
    }
    EXPECT_EQ(CKWSystem::LoadDll(nullptr), nullptr);
    EXPECT_EQ(CKWSystem::LoadDll(""), nullptr);
    EXPECT_EQ(CKWSystem::LoadDll(".so"), nullptr) << "no such file";
}

TEST(System, GetProcAddrFindsExportedFunctionsOnly)
{
    HMODULE module = CKWSystem::LoadDll(KW_TEST_PLUGIN_PATH);
    ASSERT_NE(module, nullptr);
    auto answer = reinterpret_cast<int (*)()>(CKWSystem::GetProcAddr(module, "KwTestPluginAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(CKWSystem::GetProcAddr(module, "NoSuchFunction"), nullptr);
    // A null module must not turn into a search of every loaded object.
    EXPECT_EQ(CKWSystem::GetProcAddr(nullptr, "malloc"), nullptr);
    EXPECT_EQ(CKWSystem::FreeDll(module), TRUE);
    EXPECT_EQ(CKWSystem::FreeDll(nullptr), FALSE);
}

TEST(System, GetModuleDirKeepsTheTrailingSeparator)
{
    char buffer[4096];
    CKWSystem::GetModuleDir(nullptr, buffer, sizeof buffer);
    const std::string expected = fs::canonical("/proc/self/exe").parent_path().string() + "/";
    EXPECT_EQ(std::string(buffer), expected);

    HMODULE module = CKWSystem::LoadDll(KW_TEST_PLUGIN_PATH);
    ASSERT_NE(module, nullptr);
    CKWSystem::GetModuleDir(module, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer), fs::canonical(KW_TEST_PLUGIN_PATH).parent_path().string() + "/");
    CKWSystem::FreeDll(module);
}

// Without a buffer to fit, the whole directory of the program and of a
// loaded library, as the language files and skins are looked up beside it.
TEST(System, ModuleDirKeepsTheTrailingSeparatorAtAnyLength)
{
    HMODULE module = CKWSystem::LoadDll(KW_TEST_PLUGIN_PATH);
    ASSERT_NE(module, nullptr);
    const struct {
        HMODULE module;
        fs::path file;
    } rows[] = { { nullptr, "/proc/self/exe" }, { module, KW_TEST_PLUGIN_PATH } };
    for (const auto& row : rows) {
        EXPECT_EQ(CKWSystem::ModuleDir(row.module), fs::canonical(row.file).parent_path().string() + "/")
            << row.file;
    }
    CKWSystem::FreeDll(module);
}

TEST(System, GetModuleDirLeavesEmptyTextWhenThePathDoesNotFit)
{
    const std::string exe = fs::canonical("/proc/self/exe").string();
    std::string buffer(exe.size() + 8, 'x');

    // One byte short of the path and its terminator: a cut path would name
    // another directory, so nothing is kept.
    CKWSystem::GetModuleDir(nullptr, buffer.data(), static_cast<unsigned>(exe.size()));
    EXPECT_EQ(buffer.substr(0, exe.size()), std::string(exe.size(), '\0'));
    EXPECT_EQ(buffer[exe.size()], 'x') << "wrote past the given size";

    CKWSystem::GetModuleDir(nullptr, buffer.data(), static_cast<unsigned>(exe.size() + 1));
    EXPECT_EQ(std::string(buffer.c_str()), exe.substr(0, exe.rfind('/') + 1));
}

TEST(System, StrCmpComparesBytesAsUnsigned)
{
    struct Row {
        const char* a;
        const char* b;
        int expected;
    };
    const Row rows[] = { { "\xe9", "A", 1 }, { "A", "\xe9", -1 }, { "abc", "abc", 0 }, { "ab", "abc", -1 },
        { "abd", "abc", 1 }, { "", "", 0 } };
    for (const Row& row : rows) {
        EXPECT_EQ(CKWSystem::StrCmp(row.a, row.b), row.expected) << row.a << " vs " << row.b;
    }
}

// Replaces the desktop opener by a script that records its arguments, so the
// test sees exactly what the opener would have been given.
class OpenWithShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* path = std::getenv("PATH");
        m_savedPath = path != nullptr ? path : "";
        const fs::path script = m_dir.Path() / "xdg-open";
        // It stays a while, as the opener's generic fallback stays while
        // the document is open.
        std::ofstream(script) << "#!/bin/sh\n"
                                 "printf '%s\\n' \"$#\" \"$1\" > \"$0.tmp\"\n"
                                 "mv \"$0.tmp\" \"$0.args\"\n"
                                 "sleep 1\n";
        fs::permissions(script, fs::perms::owner_all);
        ::setenv("PATH", (m_dir.Path().string() + ":" + m_savedPath).c_str(), 1);
    }
    void TearDown() override { ::setenv("PATH", m_savedPath.c_str(), 1); }

    std::string WaitForArguments() const
    {
        const fs::path args = m_dir.Path() / "xdg-open.args";
        for (int i = 0; i < 500 && !fs::exists(args); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::ifstream in(args);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    ScratchDir m_dir;
    std::string m_savedPath;
};

TEST_F(OpenWithShellTest, PathReachesTheOpenerAsOneUntouchedArgument)
{
    const std::string path = "/tmp/User's Guide; $(touch pwned) `id` & *.pdf";
    ASSERT_EQ(CKWSystem::OpenWithShell(path.c_str()), TRUE);
    EXPECT_EQ(WaitForArguments(), "1\n" + path + "\n");
}

// The program runs on one thread; opening a document must not add one, nor
// leave the opener for the program to reap.
TEST_F(OpenWithShellTest, StartsNoThreadAndLeavesNoChildToReap)
{
    const auto threads = [] {
        const fs::directory_iterator tasks("/proc/self/task");
        return std::distance(fs::begin(tasks), fs::end(tasks));
    };
    const auto before = threads();
    ASSERT_EQ(CKWSystem::OpenWithShell("/tmp/x.pdf"), TRUE);
    EXPECT_EQ(threads(), before);
    EXPECT_FALSE(WaitForArguments().empty());
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << "the running opener is not a child of the program";
}

TEST_F(OpenWithShellTest, NothingIsStartedForNoPathOrNoOpener)
{
    EXPECT_EQ(CKWSystem::OpenWithShell(nullptr), FALSE);
    EXPECT_EQ(CKWSystem::OpenWithShell(""), FALSE);
    ::setenv("PATH", (m_dir.Path() / "empty").c_str(), 1);
    EXPECT_EQ(CKWSystem::OpenWithShell("/tmp/x.pdf"), FALSE);
}

} // namespace
