#pragma once
// A function bound to its two arguments, called later through
// CallBoundFunction. The first word is not used by the call.

struct KWBoundFunction {
    void* pOwner = nullptr;
    void (*pfnCall)(void* first, void* second) = nullptr;
    void* pFirst = nullptr;
    void* pSecond = nullptr;
};

// Calls pfnCall(pFirst, pSecond) and returns 0; a null record or function
// calls nothing.
int CallBoundFunction(KWBoundFunction* record);
