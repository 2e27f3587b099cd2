// One key of the remapped keyboard, or of the list beyond it, as the
// lost-key check sees it.
#pragma once

#include "platform/platform_types.h"

struct CRemappedKey
{
    WORD wScancode;  // the key's own scancode (0xE0 high byte for an E0 key)
    WORD wTableCode; // the key-table code handed to the key-name service
    WORD wProduced;  // the scancode it sends now; 0 when not remapped
    // Held in the list: with wProduced 0 the key sends nothing (and may be lost).
    BOOL bMapped = FALSE;
};
