#include "base/KWDiagnostics.h"

Q_LOGGING_CATEGORY(KWDiagnostics, "lumivane", QtWarningMsg)
