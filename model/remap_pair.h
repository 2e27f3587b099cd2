// One mapping of the remap list: the physical key and the scancode it sends
// instead. The null pair (both 0) is never a mapping: it ends every walk over
// the list and terminates the registry value.
#pragma once

#include "platform/platform_types.h"

class CRemapPair
{
public:
    CRemapPair() : wPhysical(0), wProduced(0) {}
    CRemapPair(WORD wPhysicalCode, WORD wProducedCode)
        : wPhysical(wPhysicalCode), wProduced(wProducedCode)
    {
    }

    BOOL IsNull() const { return wPhysical == 0 && wProduced == 0; }
    bool operator==(const CRemapPair& other) const
    {
        return wPhysical == other.wPhysical && wProduced == other.wProduced;
    }
    bool operator!=(const CRemapPair& other) const { return !(*this == other); }

    WORD wPhysical; // scancode of the physical key
    WORD wProduced; // scancode it sends instead; 0 sends nothing
};
