#include "model/command_line_flags.h"

BOOL g_bDebug = FALSE;
BOOL g_bForce106 = FALSE;
