// What the key caps draw with, in a form the portable cap logic can use: the
// DrawText format bits, the DrawEdge edge kinds and the label colours
// (0x00BBGGRR), and helpers over the platform's font record.
#pragma once

#include <cstring>

#include "platform/draw_types.h"

enum
{
    // DrawText formats
    KEY_DT_CENTER = 0x0001,
    KEY_DT_VCENTER = 0x0004,
    KEY_DT_WORDBREAK = 0x0010,
    KEY_DT_SINGLELINE = 0x0020,
    KEY_DT_CALCRECT = 0x0400,
    KEY_DT_NOPREFIX = 0x0800,

    // DrawEdge edges
    KEY_EDGE_RAISED = 5,
    KEY_EDGE_ETCHED = 6,
    KEY_EDGE_SUNKEN = 10,

    KEY_SYMBOL_CHARSET = 2
};

// Label colours as COLORREF values.
const DWORD KEY_COLOR_BLACK = 0x000000;
const DWORD KEY_COLOR_RED = 0x0000FF;
const DWORD KEY_COLOR_BLUE = 0xFF0000;
const DWORD KEY_COLOR_WHITE = 0xFFFFFF;

// A cap's private font counts as none while its face name is empty.
inline BOOL IsEmptyFontRecord(const CFontRecord& record)
{
    return record.lfFaceName[0] == '\0';
}

inline void EmptyFontRecord(CFontRecord& record)
{
    std::memset(&record, 0, sizeof record);
}
