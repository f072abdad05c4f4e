#include "base/Globals.h"
#include "base/msgloop/KWLoopIds.h"
#include "base/msgloop/KWTask.h"
#include "base/msgloop/KWTaskTrace.h"
#include "base/platform/KWPlatform.h"

#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include <regex>
#include <string>
#include <vector>

using namespace CorvinaBase;

namespace {

class NamedTask final : public CKWTask {
public:
    int Run() override { return 0; }
};

// Turns tracing on for one test and collects the debugger output.
class TaskTrace : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedSwitch = g_taskTraceSwitch;
        m_savedLevel = GetTaskTraceLevel();
        KwSetDebugOutputSink([this](const std::string& line) { m_lines.push_back(line); });
    }
    void TearDown() override
    {
        KwSetDebugOutputSink({});
        g_taskTraceSwitch = m_savedSwitch;
        SetTaskTraceLevel(m_savedLevel);
    }

    static void Trace(const boost::shared_ptr<CTaskBase>& task, int traceLevel)
    {
        SetTaskInfo(task, ML_PLAY, "player.cpp", 42, "OpenStream", "CPlayer::Open", traceLevel);
    }

    std::vector<std::string> m_lines;

private:
    int m_savedSwitch = 0;
    int m_savedLevel = 1;
};

} // namespace

TEST(TaskBase, LoopNameNamesTheSixLoopsAndNothingElse)
{
    const struct {
        int id;
        const char* name;
    } rows[] = {
        { 0, "UNKNOWN" }, { ML_MAIN, "ML_MAIN" }, { ML_HELPER, "ML_HELPER" }, { ML_PLAY, "ML_PLAY" },
        { ML_WATERMARK, "ML_WATERMARK" }, { ML_TEST, "ML_TEST" }, { ML_EXPORT, "ML_EXPORT" }, { 7, "UNKNOWN" },
        { -1, "UNKNOWN" },
    };
    for (const auto& row : rows) {
        CTaskBase task;
        task.SetLoopId(row.id);
        EXPECT_EQ(task.GetLoopName(), row.name) << "loop id " << row.id;
    }
}

TEST(TaskBase, StampsFollowCreationOrder)
{
    CTaskBase first;
    CTaskBase second;
    EXPECT_GT(first.GetStamp(), 0);
    EXPECT_LE(first.GetStamp(), second.GetStamp());
    EXPECT_GT(GetPerformanceFrequency(), 0.0);
}

TEST_F(TaskTrace, SwitchOffLeavesTheTaskUntouchedAndSilent)
{
    g_taskTraceSwitch = 0;
    SetTaskTraceLevel(2);
    {
        auto task = boost::make_shared<NamedTask>();
        Trace(task, 1);
        EXPECT_EQ(task->GetLoopId(), 0);
        EXPECT_EQ(task->GetFile(), "");
        EXPECT_EQ(task->GetCaller(), "");
    }
    SetTaskInfo(boost::shared_ptr<CTaskBase>(), ML_MAIN, "f", 1, "n", "c", 1);
    EXPECT_TRUE(m_lines.empty());
}

TEST_F(TaskTrace, PostAndDestroyLinesFollowTheLevels)
{
    const struct {
        const char* name;
        int globalLevel;
        int taskLevel;
        bool postLine;
        bool destroyLine;
    } rows[] = {
        { "level 1 traces posts only", 1, 1, true, false },
        { "level 2 traces destruction too", 2, 1, true, true },
        { "task above the global level is silent", 1, 2, false, false },
        { "task at level 2 with global level 2", 2, 2, true, true },
        { "global level 0 silences everything", 0, 0, false, false },
    };
    g_taskTraceSwitch = 1;
    for (const auto& row : rows) {
        m_lines.clear();
        SetTaskTraceLevel(row.globalLevel);
        {
            auto task = boost::make_shared<NamedTask>();
            Trace(task, row.taskLevel);
            // The fields are set whether or not the line is written.
            EXPECT_EQ(task->GetLoopId(), ML_PLAY) << row.name;
            EXPECT_EQ(task->GetFile(), "player.cpp") << row.name;
            EXPECT_EQ(task->GetLine(), 42) << row.name;
            EXPECT_EQ(task->GetTaskName(), "OpenStream") << row.name;
            EXPECT_EQ(task->GetCaller(), "CPlayer::Open") << row.name;
            EXPECT_EQ(task->GetTraceLevel(), row.taskLevel) << row.name;
        }
        const size_t expected = (row.postLine ? 1u : 0u) + (row.destroyLine ? 1u : 0u);
        ASSERT_EQ(m_lines.size(), expected) << row.name;
        if (row.postLine) {
            const std::regex post(
                R"(\[TaskInfo--0x[0-9a-f]+\]-\d{4}-\d{1,2}-\d{1,2} \d{1,2}:\d{1,2}:\d{1,2}-\|\{ML_PLAY        \}\|\{PostMessage    \}\|             \|<OpenStream> called by <CPlayer::Open> at file player\.cpp, line 42\.\n)");
            EXPECT_TRUE(std::regex_match(m_lines[0], post)) << row.name << ": " << m_lines[0];
        }
        if (row.destroyLine) {
            const std::regex destroy(
                R"(\[TaskInfo--0x[0-9a-f]+\]-\d{4}-\d{1,2}-\d{1,2} \d{1,2}:\d{1,2}:\d{1,2}-\|\{ML_PLAY        \}\|\{Destroy        \}\|             \|<OpenStream>\.\n)");
            EXPECT_TRUE(std::regex_match(m_lines.back(), destroy)) << row.name << ": " << m_lines.back();
            // Both lines name the same task.
            EXPECT_EQ(m_lines.front().substr(0, m_lines.front().find(']')),
                m_lines.back().substr(0, m_lines.back().find(']')));
        }
    }
}

TEST_F(TaskTrace, OverlongTextsAreCutAtTheEndOfTheLineBuffer)
{
    g_taskTraceSwitch = 1;
    SetTaskTraceLevel(2);
    {
        auto task = boost::make_shared<NamedTask>();
        const std::string longName(600, 'n');
        SetTaskInfo(task, 99, std::string(300, 'f'), 7, longName, std::string(300, 'c'), 1);
    }
    ASSERT_EQ(m_lines.size(), 2u);
    EXPECT_EQ(m_lines[0].size(), 255u) << "post line: 256-byte buffer with its terminator";
    EXPECT_EQ(m_lines[1].size(), 511u) << "destroy line: 512-byte buffer with its terminator";
    EXPECT_NE(m_lines[0].find("{UNKNOWN        }"), std::string::npos);
}
