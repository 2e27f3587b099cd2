// Every on-screen key: its key id (the control id of its button on the base
// keyboard) and its table code (make code, bit 8 for an E0-prefixed key), in
// the order the view creates its keys. The lost-key report relies on that order.
#pragma once

#include "platform/keyboard_services.h"

struct CKeyTableEntry
{
    WORD wKeyId;
    WORD wTableCode;
    BOOL b106Only; // exists only on the Japanese 106-key layout
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

// 0x148 gives 0xE048; 0x01D stays 0x001D.
WORD ScancodeFromTableCode(WORD wTableCode);

// The 106-key layout is used when "-6" forces it or the keyboard reports OEM subtype 2.
BOOL Is106Layout(IKeyboardServices& keyboard);
