#pragma once
// What the model selection dialog needs of the object that runs it: a window
// to live under, and someone to tell the model the user confirmed.

#include "base/platform/KWWinTypes.h"

class IModelSelectDlgOwner {
public:
    // The dialog is created under this window (null: a window of its own).
    virtual void* GetModelSelectParentWnd() = 0;
    // The name the user confirmed with OK; never empty.
    virtual void ApplyModelName(const wchar_t* name) = 0;

protected:
    // Owners are never deleted through this interface.
    ~IModelSelectDlgOwner() = default;
};
