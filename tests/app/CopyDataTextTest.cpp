// Text handed to the main window by another process.

#include "app/CopyDataText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

COPYDATASTRUCT Record(void* data, DWORD bytes)
{
    COPYDATASTRUCT record {};
    record.cbData = bytes;
    record.lpData = data;
    return record;
}

TEST(CopyDataText, BackslashesBecomeSlashes)
{
    char text[] = "C:\\clips\\door.avi";
    const COPYDATASTRUCT record = Record(text, sizeof(text));
    EXPECT_EQ(CopyDataText(&record), L"C:/clips/door.avi");
}

TEST(CopyDataText, UnterminatedTextIsReadOnlyUpToItsByteCount)
{
    // Exactly the counted bytes on the heap, no terminator: reading past them
    // would be caught by the address sanitizer.
    const std::string source = "a\\b\\c";
    std::unique_ptr<char[]> bytes(new char[source.size()]);
    source.copy(bytes.get(), source.size());
    const COPYDATASTRUCT record = Record(bytes.get(), static_cast<DWORD>(source.size()));
    EXPECT_EQ(CopyDataText(&record), L"a/b/c");

    const COPYDATASTRUCT shorter = Record(bytes.get(), 3);
    EXPECT_EQ(CopyDataText(&shorter), L"a/b");
}

TEST(CopyDataText, StopsAtAnEmbeddedTerminatorAndReadsNothingWithoutData)
{
    char text[] = { 'x', '\0', 'y', 'z' };
    const COPYDATASTRUCT record = Record(text, sizeof(text));
    EXPECT_EQ(CopyDataText(&record), L"x");

    const COPYDATASTRUCT noData = Record(nullptr, 8);
    const COPYDATASTRUCT noBytes = Record(text, 0);
    EXPECT_EQ(CopyDataText(nullptr), L"");
    EXPECT_EQ(CopyDataText(&noData), L"");
    EXPECT_EQ(CopyDataText(&noBytes), L"");
}

} // namespace
