// The program's process-wide flags, which outlive one start of it in a test.
#pragma once

#include "model/command_line_flags.h"
#include "model/velloric_doc.h"

// The flags as a fresh run of the program finds them: no options given,
// nothing edited, the first new document still to read the registry.
inline void ResetProcessFlags()
{
    g_bDebug = FALSE;
    g_bForce106 = FALSE;
    g_bEdited = FALSE;
    g_bFirstLoad = TRUE;
}
