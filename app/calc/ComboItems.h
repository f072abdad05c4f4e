#pragma once
// A combo box's items as wide strings. GetLBText takes no capacity, so the
// caller keeps the length of the longest item it gave the combo, and reading
// sizes its buffer by that.

#include <cstddef>
#include <string>
#include <vector>

class CKWComboBox;

// The item's text; empty for a missing combo, a negative index or an item
// the combo does not have.
std::wstring ComboItem(const CKWComboBox* combo, int index, std::size_t longest);
// Replaces the combo's items; *longest grows to the longest of them.
void SetComboItems(CKWComboBox* combo, const std::vector<std::wstring>& items, std::size_t* longest);
