#pragma once
// Writing a list cell from the texts and numbers the application has at
// hand. Each does nothing for a null list.

class CKWListCtrl;

void SetListItemTextUtf8(CKWListCtrl* list, int row, int column, const char* utf8);
// Printed as a plain decimal, whatever the locale.
void SetListItemTextInt(CKWListCtrl* list, int row, int column, int value);
void SetListItemTextW(CKWListCtrl* list, int row, int column, const wchar_t* text);
