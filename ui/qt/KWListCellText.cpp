#include "ui/qt/KWListCellText.h"

#include "base/CommonUtils.h"
#include "ui/api/KWListCtrl.h"

#include <string>

void SetListItemTextUtf8(CKWListCtrl* list, int row, int column, const char* utf8)
{
    if (list == nullptr) {
        return;
    }
    const std::wstring text = Utf8ToWide(utf8);
    list->SetItemText(row, column, text.c_str());
}

void SetListItemTextInt(CKWListCtrl* list, int row, int column, int value)
{
    if (list == nullptr) {
        return;
    }
    // std::to_wstring prints integers without any locale grouping.
    const std::wstring text = std::to_wstring(value);
    list->SetItemText(row, column, text.c_str());
}

void SetListItemTextW(CKWListCtrl* list, int row, int column, const wchar_t* text)
{
    if (list == nullptr) {
        return;
    }
    list->SetItemText(row, column, text);
}
