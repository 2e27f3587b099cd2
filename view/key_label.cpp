#include "view/key_label.h"

#include <cstdio>

#include "model/key_catalogue.h"
#include "model/key_name.h"
#include "model/key_table.h"

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
    else if (wProduced != 0 && CKeyCatalogue::Find(wProduced) != nullptr)
    {
        // A key beyond the drawn keyboard: the system's name, or the catalogue's.
        WORD wNameCode = TableCodeFromScancode(wProduced);
        std::string strName = GetKeyName(m_keyboard, wNameCode);
        if (strName.empty())
            strName = CKeyCatalogue::GetDisplayNameOf(wProduced);
        return Decorate(strName, wNameCode, wProduced, bDebug);
    }
    return GetOwn(wSourceTableCode, wSourceScancode, bDebug);
}

std::string CKeyLabel::GetOwn(WORD wTableCode, WORD wScancode, BOOL bDebug) const
{
    return Decorate(GetKeyName(m_keyboard, wTableCode), wTableCode, wScancode, bDebug);
}

std::string CKeyLabel::Decorate(std::string strLabel, WORD wTableCode, WORD wScancode, BOOL bDebug)
{
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
