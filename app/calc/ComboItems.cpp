#include "app/calc/ComboItems.h"

#include "ui/api/KWComboBox.h"

#include <algorithm>

std::wstring ComboItem(const CKWComboBox* combo, int index, std::size_t longest)
{
    if (combo == nullptr || index < 0) {
        return std::wstring();
    }
    std::vector<WCHAR> buffer(std::max<std::size_t>(longest, 255) + 1, L'\0');
    if (combo->GetLBText(index, buffer.data()) < 0) {
        return std::wstring();
    }
    buffer.back() = L'\0';
    return std::wstring(buffer.data());
}

void SetComboItems(CKWComboBox* combo, const std::vector<std::wstring>& items, std::size_t* longest)
{
    if (combo == nullptr) {
        return;
    }
    combo->Clear();
    for (const std::wstring& item : items) {
        combo->AddString(item.c_str());
        *longest = std::max(*longest, item.size());
    }
}
