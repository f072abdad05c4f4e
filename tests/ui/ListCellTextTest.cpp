#include "ui/qt/KWListCellText.h"

#include "ui/api/KWListCtrl.h"

#include <gtest/gtest.h>


#include <string>
#include <vector>

namespace {

// Records every cell write.
class FakeList : public CKWListCtrl {
public:
    FakeList() : CKWListCtrl(nullptr) {}
    int SetItemText(int row, int column, LPCWSTR text) override
    {
        writes.push_back({ row, column, text != nullptr ? std::wstring(text) : std::wstring(L"<null>") });
        return 1;
    }
    struct Write {
        int row, column;
        std::wstring text;
    };
    std::vector<Write> writes;
};

TEST(ListCellText, EachHelperWritesItsCellWithTheRightText)
{
    struct Row {
        const char* name;
        void (*write)(CKWListCtrl*);
        std::wstring expected;
    };
    const Row rows[] = {
        { "utf8 ascii", [](CKWListCtrl* l) { SetListItemTextUtf8(l, 1, 2, "Cam-1"); }, L"Cam-1" },
        { "utf8 chinese", [](CKWListCtrl* l) { SetListItemTextUtf8(l, 1, 2, "\xe6\x91\x84\xe5\x83\x8f"); },
            L"\u6444\u50cf" },
        { "utf8 null", [](CKWListCtrl* l) { SetListItemTextUtf8(l, 1, 2, nullptr); }, L"" },
        { "int negative", [](CKWListCtrl* l) { SetListItemTextInt(l, 1, 2, -42); }, L"-42" },
        { "int large, no grouping", [](CKWListCtrl* l) { SetListItemTextInt(l, 1, 2, 1234567); }, L"1234567" },
        { "int min", [](CKWListCtrl* l) { SetListItemTextInt(l, 1, 2, -2147483647 - 1); }, L"-2147483648" },
        { "wide unchanged", [](CKWListCtrl* l) { SetListItemTextW(l, 1, 2, L"a b"); }, L"a b" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakeList list;
        r.write(&list);
        ASSERT_EQ(list.writes.size(), 1u);
        EXPECT_EQ(list.writes[0].row, 1);
        EXPECT_EQ(list.writes[0].column, 2);
        EXPECT_EQ(list.writes[0].text, r.expected);
    }
}

TEST(ListCellText, ANullListIsIgnored)
{
    SetListItemTextUtf8(nullptr, 0, 0, "x");
    SetListItemTextInt(nullptr, 0, 0, 1);
    SetListItemTextW(nullptr, 0, 0, L"x");
    SUCCEED();
}

} // namespace
