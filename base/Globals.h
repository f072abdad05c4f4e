#pragma once
// Process-wide values shared by every layer. Start-up assigns them; their
// defaults hold in tests and tools that never run start-up.

// Factor applied to every design size, margin and font size.
extern float g_uiScale;

// Current user-interface language: 0 English, 1 Chinese, 2 Portuguese, 3 Spanish.
extern int g_languageIndex;

// Non-zero writes the task trace to the debugger output; off in the calculator.
extern int g_taskTraceSwitch;
