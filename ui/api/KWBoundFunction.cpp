#include "ui/api/KWBoundFunction.h"

int CallBoundFunction(KWBoundFunction* record)
{
    if (record != nullptr && record->pfnCall != nullptr) {
        record->pfnCall(record->pFirst, record->pSecond);
    }
    return 0;
}
