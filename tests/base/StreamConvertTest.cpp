#include "base/KWStreamConvert.h"
#include "base/platform/KWCodePage.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

using KW_SOFT_BASE::CKWStreamConvert;

static_assert(!std::is_copy_constructible<CKWStreamConvert>::value, "two owners would free one buffer twice");
static_assert(!std::is_copy_assignable<CKWStreamConvert>::value, "two owners would free one buffer twice");

namespace {

struct RoundTrip {
    const char* name;
    UINT codePage;
    std::wstring wide;
    std::string narrow;
};

void PrintTo(const RoundTrip& row, std::ostream* os)
{
    *os << row.name;
}

class StreamConvertRoundTrip : public ::testing::TestWithParam<RoundTrip> { };

TEST_P(StreamConvertRoundTrip, WideAndNarrowConvertIntoEachOtherExactly)
{
    const RoundTrip& row = GetParam();
    CKWStreamConvert fromWide(row.wide.c_str(), row.codePage);
    EXPECT_EQ(fromWide.GetString(), row.narrow);
    EXPECT_EQ(fromWide.GetWString(), row.wide);

    CKWStreamConvert fromNarrow(row.narrow.c_str(), row.codePage);
    EXPECT_EQ(fromNarrow.GetWString(), row.wide);
    EXPECT_EQ(std::wstring(fromNarrow.GetW()), row.wide);
}

INSTANTIATE_TEST_SUITE_P(CodePages, StreamConvertRoundTrip,
    ::testing::Values(RoundTrip { "utf8_umlaut_and_sharp_s_take_two_bytes", CP_UTF8, L"Gr\u00f6\u00dfe",
                          u8"Gr\u00f6\u00dfe" },
        RoundTrip {
            "utf8_two_cjk_characters_are_six_bytes", CP_UTF8, L"\u4e2d\u6587", "\xe4\xb8\xad\xe6\x96\x87" },
        RoundTrip { "utf8_non_bmp_is_one_wchar_and_four_bytes", CP_UTF8, L"\U0001F600", "\xf0\x9f\x98\x80" },
        RoundTrip { "utf8_largest_code_point", CP_UTF8, L"\U0010FFFF", "\xf4\x8f\xbf\xbf" },
        // Without a locale of its own the program would see ASCII; code page 0 must still carry UTF-8.
        RoundTrip { "local_code_page_carries_non_ascii_paths", CP_ACP, L"/tmp/Gr\u00f6\u00dfe",
            u8"/tmp/Gr\u00f6\u00dfe" },
        RoundTrip { "gbk_chinese", 936, L"\u4e2d\u6587", "\xd6\xd0\xce\xc4" },
        RoundTrip { "windows_western_euro_sign", 1252, L"\u20ac5", std::string("\x80") + "5" },
        RoundTrip { "ascii_alias", 20127, L"plain", "plain" }),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

struct BadInput {
    const char* name;
    UINT codePage;
    std::string narrow;
    std::wstring wide;
};

void PrintTo(const BadInput& row, std::ostream* os)
{
    *os << row.name;
}

class StreamConvertBadNarrow : public ::testing::TestWithParam<BadInput> { };

TEST_P(StreamConvertBadNarrow, UndecodableBytesBecomeReplacementCharacters)
{
    const BadInput& row = GetParam();
    CKWStreamConvert convert(row.narrow.c_str(), row.codePage);
    EXPECT_EQ(convert.GetWString(), row.wide);
}

INSTANTIATE_TEST_SUITE_P(Decoding, StreamConvertBadNarrow,
    ::testing::Values(BadInput { "lone_lead_byte_at_end", CP_UTF8, "a\xc3", L"a\ufffd" },
        BadInput {
            "lead_byte_does_not_swallow_next_character", CP_UTF8, std::string("\xc3") + "b", L"\ufffdb" },
        BadInput { "overlong_two_byte_form", CP_UTF8, "\xc0\xaf", L"\ufffd\ufffd" },
        BadInput { "overlong_three_byte_form", CP_UTF8, "\xe0\x80\xaf", L"\ufffd\ufffd\ufffd" },
        BadInput { "encoded_surrogate", CP_UTF8, "\xed\xa0\x80", L"\ufffd\ufffd\ufffd" },
        BadInput { "beyond_last_code_point", CP_UTF8, "\xf4\x90\x80\x80", L"\ufffd\ufffd\ufffd\ufffd" },
        BadInput { "byte_ff", CP_UTF8, "x\xff", L"x\ufffd" },
        BadInput { "truncated_four_byte_sequence", CP_UTF8, std::string("\xf0\x9f\x98") + "z", L"\ufffdz" },
        BadInput { "gbk_text_cut_inside_a_character", 936, "\xd6\xd0\xd6", L"\u4e2d\ufffd" }),
    [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

TEST(StreamConvert, WideTextNoUtf8CanCarryBecomesReplacementCharacter)
{
    const wchar_t text[] = { L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000), L'b', 0 };
    CKWStreamConvert convert(text, CP_UTF8);
    EXPECT_EQ(convert.GetString(), u8"a\ufffd\ufffdb");
}

TEST(StreamConvert, CharacterMissingFromTargetCodePageBecomesQuestionMarkAndConversionGoesOn)
{
    struct Row {
        const char* name;
        UINT codePage;
        const wchar_t* wide;
        std::string narrow;
    } rows[] = {
        {"Chinese in Western European", 1252, L"a\u4e2db", "a?b"},
        {"language tag in Western European", 1252, L"a\U000E0041b", "a?b"},
        {"first and last language tags in GBK", 936, L"\U000E0000\U000E007F", "??"},
        {"tag between Chinese characters in GBK", 936, L"\u4e2d\U000E0020\u6587", "\xd6\xd0?\xce\xc4"},
        {"tag next to another missing character", 20127, L"\u00e9\U000E0067\u00e9", "???"},
        {"neighbours of the tag block stay missing", 20127, L"\U000DFFFF\U000E0080", "??"},
        {"GB18030 holds the tags", 54936, L"a\U000E0041", "a\xd3\x36\x9c\x33"},
    };
    for (const Row& row : rows) {
        CKWStreamConvert convert(row.wide, row.codePage);
        EXPECT_EQ(convert.GetString(), row.narrow) << row.name;
    }
}

TEST(StreamConvert, UnknownCodePageGivesEmptyTextNeverNull)
{
    CKWStreamConvert fromWide(L"abc", 12345);
    ASSERT_NE(fromWide.GetA(), nullptr);
    EXPECT_STREQ(fromWide.GetA(), "");
    EXPECT_EQ(fromWide.GetWString(), L"abc");

    CKWStreamConvert fromNarrow("abc", 12345);
    ASSERT_NE(fromNarrow.GetW(), nullptr);
    EXPECT_EQ(fromNarrow.GetWString(), L"");
    EXPECT_EQ(fromNarrow.GetString(), "abc");
}

TEST(StreamConvert, EmptyAndNullTextsGiveTwoEmptyBuffers)
{
    CKWStreamConvert emptyWide(L"", CP_UTF8);
    CKWStreamConvert emptyNarrow("", CP_ACP);
    CKWStreamConvert nullWide(static_cast<const wchar_t*>(nullptr), CP_UTF8);
    CKWStreamConvert nullNarrow(static_cast<const char*>(nullptr), CP_UTF8);
    for (const CKWStreamConvert* c : { &emptyWide, &emptyNarrow, &nullWide, &nullNarrow }) {
        ASSERT_NE(c->GetA(), nullptr);
        ASSERT_NE(c->GetW(), nullptr);
        EXPECT_STREQ(c->GetA(), "");
        EXPECT_EQ(c->GetW()[0], L'\0');
    }
}

TEST(StreamConvert, UnsetOrClearedConverterHasNullBuffersAndEmptyStrings)
{
    CKWStreamConvert unset;
    EXPECT_EQ(unset.GetA(), nullptr);
    EXPECT_EQ(unset.GetW(), nullptr);
    EXPECT_EQ(unset.GetString(), "");
    EXPECT_EQ(unset.GetWString(), L"");

    CKWStreamConvert cleared(L"text", CP_UTF8);
    cleared.Clear();
    EXPECT_EQ(cleared.GetA(), nullptr);
    EXPECT_EQ(cleared.GetW(), nullptr);
    EXPECT_EQ(cleared.GetString(), "");
    EXPECT_EQ(cleared.GetWString(), L"");
}

TEST(StreamConvert, SettersReturnTheNewConvertedBuffer)
{
    CKWStreamConvert convert(L"old", CP_UTF8);
    const char* narrow = convert.SetW(L"\u00e9", CP_UTF8);
    EXPECT_EQ(narrow, convert.GetA());
    EXPECT_STREQ(narrow, "\xc3\xa9");

    const wchar_t* wide = convert.SetA("\xc3\xa9t\xc3\xa9", CP_UTF8);
    EXPECT_EQ(wide, convert.GetW());
    EXPECT_EQ(convert.GetWString(), L"\u00e9t\u00e9");
}

TEST(StreamConvert, SettingFromItsOwnBufferReadsTheTextBeforeReplacingIt)
{
    CKWStreamConvert convert(L"\u4e2d\u6587", CP_UTF8);
    convert.SetW(convert.GetW(), 936);
    EXPECT_EQ(convert.GetString(), "\xd6\xd0\xce\xc4");
    convert.SetA(convert.GetA(), 936);
    EXPECT_EQ(convert.GetWString(), L"\u4e2d\u6587");
}

TEST(CodePage, LocalesWithoutACharacterSetOfTheirOwnCountAsUtf8)
{
    for (const char* locale : { "C", "POSIX", "C.UTF-8", "no_such_LOCALE.x" }) {
        EXPECT_EQ(KwLocaleCharset(locale), "UTF-8") << locale;
    }
    EXPECT_EQ(KwCodePageCharset(CP_UTF8), "UTF-8");
    EXPECT_EQ(KwCodePageCharset(936), "CP936");
    EXPECT_EQ(KwCodePageCharset(12345), "");
}

} // namespace
