// Keys that the scan code mapper can remap but the drawn keyboard lacks
// (Print Screen, Pause, F13-F24, the media and browser keys...), each with
// its Scancode Map code, a stable name for the console program and remap
// files, the code the key-name service knows it by, and a display name.
//
// The codes are those of Microsoft's published scan code table (scan code
// set 1 make codes): E0 xx is written 0xE0xx, and Pause (E1 1D 45) 0xE11D.
// The five Japanese keys are drawn on the 106-key layout only; on the other
// layout they are keys of this catalogue like the rest.
//
// Display names come from one string resource (IDS_KEY_CATALOGUE_NAMES),
// one name a line in the catalogue's order, so that each resource set names
// the keys in its own language.
#pragma once

#include <string>

#include "model/key_table.h"

struct CCatalogueKey
{
    WORD wScancode;     // as the Scancode Map holds it
    WORD wNameCode;     // table-code form for the key-name service; 0: it knows none
    const char* pszName; // stable name: "PrintScreen", "MediaNext"
    BOOL bOn106Layout;  // drawn on the 106-key layout
};

class CKeyCatalogue
{
public:
    static int GetCount();
    static const CCatalogueKey& GetAt(int i);
    // The row of a scancode, or nullptr.
    static const CCatalogueKey* Find(WORD wScancode);
    // The row of a stable name (any letter case), or nullptr.
    static const CCatalogueKey* FindByName(const std::string& strName);
    // Whether the drawn keyboard of this layout lacks the key.
    static BOOL IsBeyondDrawnKeyboard(const CCatalogueKey& key, BOOL b106Layout)
    {
        return !(b106Layout && key.bOn106Layout);
    }

    // The display name in the language of the resource set: line i of
    // IDS_KEY_CATALOGUE_NAMES, or the stable name where the set has none.
    static std::string GetDisplayName(int i);
    static std::string GetDisplayNameOf(WORD wScancode);
};
