// The two process-wide flags that only the command line sets.
#pragma once

#include "platform/platform_types.h"

extern BOOL g_bDebug;    // "-d": key labels show their codes, names are never fitted
extern BOOL g_bForce106; // "-6": the Japanese 106-key layout whatever keyboard is attached
