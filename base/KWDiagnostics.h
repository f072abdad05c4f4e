#pragma once
// The program's own diagnostics (lens-table lines, focus changes, mouse and
// button states of the skinned frames...): sent with qCDebug under the
// category "lumivane", whose debug messages are off unless asked for, so a
// normal start writes none of them. Qt's logging rules switch them on, for
// example QT_LOGGING_RULES="lumivane.debug=true". Warnings about real
// failures keep using qWarning and show by default.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(KWDiagnostics)
