#include "base/msgloop/KWMessageControl.h"

namespace CorvinaBase {

CKWMessageControl::CKWMessageControl(const boost::weak_ptr<CDelegate>& delegate)
    : m_delegate(delegate)
{
}

CKWMessageControl::~CKWMessageControl() = default;

void CKWMessageControl::NotifyEx()
{
}

} // namespace CorvinaBase
