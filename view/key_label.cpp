#include "view/key_label.h"

#include <cstdio>

#include "model/key_name.h"

CKeyLabel::CKeyLabel(IKeyboardServices& keyboard, const IRemapKeyFinder& finder)
    : m_keyboard(keyboard), m_finder(finder)
{
}

std::string CKeyLabel::Get(WORD wTableCode, WORD wScancode, WORD wProduced, BOOL bDebug) const
{
    WORD wSourceTableCode = wTableCode;
    WORD wSourceScancode = wScancode;
    WORD wFound = 0;
    if (wProduced != 0 && m_finder.FindRemapKey(wProduced, &wFound))
    {
        wSourceTableCode = wFound;
        wSourceScancode = wProduced;
    }
    return GetOwn(wSourceTableCode, wSourceScancode, bDebug);
}

std::string CKeyLabel::GetOwn(WORD wTableCode, WORD wScancode, BOOL bDebug) const
{
    std::string strLabel = GetKeyName(m_keyboard, wTableCode);
    if (bDebug)
    {
        char szCodes[16];
        std::snprintf(szCodes, sizeof szCodes, " %04x %04x", (unsigned)wTableCode,
                      (unsigned)wScancode);
        strLabel += szCodes;
    }
    // " A " is no alias name and centres like any other label.
    if (strLabel.size() == 1)
        strLabel = " " + strLabel + " ";
    return strLabel;
}
