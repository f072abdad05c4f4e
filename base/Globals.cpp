#include "base/Globals.h"

float g_uiScale = 1.0f;
int g_languageIndex = 1;
int g_taskTraceSwitch = 0;
