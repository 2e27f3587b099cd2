// Every on-screen key: its key id (the control id of its button on the base
// keyboard), its table code (make code, bit 8 for an E0-prefixed key) and its
// stable name, in
// the order the view creates its keys. The lost-key report relies on that order.
#pragma once

#include "platform/keyboard_services.h"

struct CKeyTableEntry
{
    WORD wKeyId;
    WORD wTableCode;
    BOOL b106Only; // exists only on the Japanese 106-key layout
    // "CapsLock": a name that does not change with the layout (CStableKeyName).
    const char* pszStableName;
};

class CKeyTable
{
public:
    enum
    {
        COUNT_101 = 101, // keys of every layout
        COUNT_106 = 106, // with the five keys of the 106-key layout
        REMAP_ID_OFFSET = 2000, // a key's button on the remapped keyboard
        FORM_101 = 101, // form templates of the two layouts
        FORM_106 = 132
    };

    static const CKeyTableEntry* GetEntries(); // COUNT_106 entries, the 106-only ones last
    static int GetCount(BOOL b106Layout);
    static const CKeyTableEntry* FindById(WORD wKeyId);
};

// 0x148 gives 0xE048; 0x01D stays 0x001D. Num Lock (0x145, bit 8 set only
// so that the key-name service names it "Num Lock" rather than "Pause") is
// 0x0045: its make code comes without a prefix, and the scan code mapper
// reads it so. 0xE045 is no key and does nothing in a table.
WORD ScancodeFromTableCode(WORD wTableCode);

// The code the key-name service knows a scancode by (the inverse of
// ScancodeFromTableCode): 0x0045 gives 0x145 (Num Lock), Pause's 0xE11D
// gives 0x045, an E0 key 0x100 | make code; 0 for a code that is no key.
WORD TableCodeFromScancode(WORD wScancode);

// The code a table should hold for wScancode: 0xE045, which earlier versions
// wrote for Num Lock, becomes 0x0045; every other code stays.
WORD CanonicalScancode(WORD wScancode);

enum
{
    NUM_LOCK_TABLE_CODE = 0x145,
    NUM_LOCK_SCANCODE = 0x0045,
    OLD_NUM_LOCK_SCANCODE = 0xE045,
    PAUSE_SCANCODE = 0xE11D // E1 1D 45
};

// The 106-key layout is used when "-6" forces it or the keyboard reports OEM subtype 2.
BOOL Is106Layout(IKeyboardServices& keyboard);
