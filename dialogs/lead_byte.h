// The lead-byte test that walks double-byte text one byte at a time:
// IsDBCSLeadByte of the system's ANSI code page in the program, a fixed
// code-page rule where there is no such system (tests, fuzzing).
#pragma once

#include "platform/platform_types.h"

typedef BOOL (*PFN_IS_LEAD_BYTE)(BYTE b);

// Code page 932: lead bytes are 0x81-0x9F and 0xE0-0xFC.
BOOL IsCodePage932LeadByte(BYTE b);
