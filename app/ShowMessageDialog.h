#pragma once
// The application's modal message box.

// Shows text under caption in a box over parentWindow (the handle a
// listener's GetUIWnd gives) and returns 1 when the user accepted it (OK,
// Return or Enter) and another value when it was dismissed. layout: 0 an OK
// button, 1 OK and Cancel, 5 or anything else no button. spare is kept by the
// box and not read. Null texts count as empty.
int ShowMessageDialog(const wchar_t* text, const wchar_t* caption, void* parentWindow, int layout, int spare);
