#include "app/ModelSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ModelSearch, CutUtf8NeverSplitsACharacter)
{
    const struct {
        const char* name;
        std::string text;
        size_t maxBytes;
        std::string expected;
    } cases[] = {
        { "short text kept", "abc", 28, "abc" },
        { "ASCII cut at the limit", "abcdef", 4, "abcd" },
        { "two-byte character that would be split is left out", "ab\xC3\xA9", 3, "ab" },
        { "two-byte character that fits is kept", "ab\xC3\xA9x", 4, "ab\xC3\xA9" },
        { "three-byte character cut after its first byte", "a\xE6\xA8\xA1", 2, "a" },
        { "three-byte character cut after its second byte", "a\xE6\xA8\xA1", 3, "a" },
        { "four-byte character", "\xF0\x9F\x93\xB7z", 3, "" },
        { "zero bytes", "abc", 0, "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CutUtf8(c.text, c.maxBytes), c.expected);
    }
}

TEST(ModelSearch, KeysAndQueriesAreCutAndLowerCased)
{
    const struct {
        const char* name;
        std::wstring text;
        size_t maxBytes;
        std::wstring expected;
    } cases[] = {
        { "ASCII capitals lowered", L"IPC-B2K-Z28", 28, L"ipc-b2k-z28" },
        { "key keeps 28 bytes", L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 28,
            L"abcdefghijklmnopqrstuvwxyz01" },
        { "non-ASCII letters keep their case", L"\u00C9TOILE", 28, L"\u00C9toile" },
        { "cut before a Chinese character that does not fit", L"ABCDEFGHIJKLMNOPQRSTUVWXY\u6A21", 27,
            L"abcdefghijklmnopqrstuvwxy" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ModelSearchText(c.text, c.maxBytes), c.expected);
    }
    EXPECT_EQ(ModelSearchKey(std::wstring(40, L'Q')), std::wstring(kModelKeyBytes, L'q'));
    EXPECT_EQ(ModelSearchQuery(std::wstring(500, L'Q')), std::wstring(kModelQueryBytes, L'q'));
}

TEST(ModelSearch, FindModelsMatchesKeysInOrder)
{
    const std::vector<std::wstring> names = {
        L"IPC-T2040-Z",
        L"ipc-b2040-f",
        L"Dome-D4020",
        L"LongNameWithManyCharacters2-IPC40",
    };
    std::vector<std::wstring> keys;
    for (const auto& name : names) {
        keys.push_back(ModelSearchKey(name));
    }
    const struct {
        const char* name;
        std::wstring query;
        std::vector<std::wstring> expected;
    } cases[] = {
        { "a capitalised query finds any case", ModelSearchQuery(L"IPC"), { names[0], names[1] } },
        { "substring inside the name", ModelSearchQuery(L"2040"), { names[0], names[1] } },
        { "a match beyond the 28th byte is not found", ModelSearchQuery(L"ipc40"), {} },
        { "nothing matches", ModelSearchQuery(L"xyz"), {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindModels(names, keys, c.query), c.expected);
    }
    // A name without a key cannot be found.
    EXPECT_TRUE(FindModels(names, {}, L"ipc").empty());
}

TEST(ModelSearch, PagesHoldThirtySixEntries)
{
    const struct {
        size_t size;
        int page;
        int count;
        bool hasNext;
    } cases[] = {
        { 0, 1, 0, false },
        { 36, 1, 36, false },
        { 37, 1, 36, true },
        { 37, 2, 1, false },
        { 46, 2, 10, false },
        { 46, 3, 0, false },
        { 46, 0, 0, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " entries, page " << c.page);
        EXPECT_EQ(ModelPageEntryCount(c.size, c.page), c.count);
        EXPECT_EQ(ModelPageHasNext(c.size, c.page), c.hasNext);
    }
}
