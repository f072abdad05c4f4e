#include "base/msgloop/KWThreadEx.h"

namespace CorvinaBase {

CKWThreadEx::CDelegate::~CDelegate() = default;

} // namespace CorvinaBase
