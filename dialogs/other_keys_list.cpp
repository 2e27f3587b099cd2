#include "dialogs/other_keys_list.h"

#include "framework/afx_message_box.h"
#include "model/key_catalogue.h"
#include "model/key_name.h"
#include "model/key_table.h"
#include "model/stable_key_name.h"
#include "platform/keyboard_hook.h"
#include "res/resource.h"

namespace
{
const DWORD VK_PAUSE_KEY = 0x13;
const DWORD VK_NUM_LOCK_KEY = 0x90;
const DWORD SCAN_ESC = 0x01;
const DWORD SCAN_NUM_LOCK_OR_PAUSE = 0x45;
const DWORD SCAN_LEFT_SHIFT = 0x2A;
const DWORD SCAN_RIGHT_SHIFT = 0x36;
} // namespace

BOOL COtherKeysList::IsDrawn(WORD wScancode) const
{
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::GetCount(m_b106Layout); ++i)
        if (ScancodeFromTableCode(pEntries[i].wTableCode) == wScancode)
            return TRUE;
    return FALSE;
}

std::vector<CRemapPair> COtherKeysList::GetRows(const std::vector<CRemapPair>& pairs) const
{
    std::vector<CRemapPair> rows;
    for (const CRemapPair& pair : pairs)
        if (!IsDrawn(pair.wPhysical) || !IsDrawn(pair.wProduced))
            rows.push_back(pair);
    return rows;
}

std::vector<CKeyChoice> COtherKeysList::GetChoices(BOOL bOutput) const
{
    std::vector<CKeyChoice> choices;
    if (bOutput)
        choices.push_back(CKeyChoice{0, Describe(0)});
    for (int i = 0; i < CKeyCatalogue::GetCount(); ++i)
    {
        const CCatalogueKey& key = CKeyCatalogue::GetAt(i);
        if (CKeyCatalogue::IsBeyondDrawnKeyboard(key, m_b106Layout))
            choices.push_back(CKeyChoice{key.wScancode, Describe(key.wScancode)});
    }
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::GetCount(m_b106Layout); ++i)
    {
        WORD wScancode = ScancodeFromTableCode(pEntries[i].wTableCode);
        choices.push_back(CKeyChoice{wScancode, Describe(wScancode)});
    }
    return choices;
}

std::string COtherKeysList::Describe(WORD wScancode) const
{
    if (wScancode == 0)
        return AfxLoadString(IDS_NOTHING_CHOICE);
    std::string strName = CKeyCatalogue::Find(wScancode) != nullptr && !IsDrawn(wScancode)
                              ? CKeyCatalogue::GetDisplayNameOf(wScancode)
                              : std::string();
    WORD wTableCode = TableCodeFromScancode(wScancode);
    if (strName.empty() && wTableCode != 0)
        strName = GetKeyName(m_keyboard, wTableCode);
    if (strName.empty())
    {
        const char* pszName = CStableKeyName::NameOf(wScancode);
        strName = pszName != nullptr ? pszName : "";
    }
    std::string strCode = CStableKeyName::FormatScancode(wScancode);
    return strName.empty() ? strCode : strName + " (" + strCode + ")";
}

std::string COtherKeysList::DescribeRow(const CRemapPair& pair) const
{
    return Describe(pair.wPhysical) + "  ->  " + Describe(pair.wProduced);
}

WORD COtherKeysList::CodeOfKeyEvent(DWORD dwVirtualKey, DWORD dwScanCode, DWORD dwFlags)
{
    if ((dwFlags & KEY_FLAG_UP) != 0)
        return KEY_IGNORED;
    // AltGr's fake left Ctrl carries bits above the make code; an event
    // without a scan code is no key of the keyboard.
    if (dwScanCode == 0 || dwScanCode > 0xFF)
        return KEY_IGNORED;
    BOOL bExtended = (dwFlags & KEY_FLAG_EXTENDED) != 0;
    if (bExtended && (dwScanCode == SCAN_LEFT_SHIFT || dwScanCode == SCAN_RIGHT_SHIFT))
        return KEY_IGNORED; // the fake Shift around Print Screen and the arrows
    if (dwVirtualKey == VK_PAUSE_KEY)
        return PAUSE_SCANCODE;
    if (dwVirtualKey == VK_NUM_LOCK_KEY)
        return NUM_LOCK_SCANCODE;
    if (dwScanCode == SCAN_NUM_LOCK_OR_PAUSE)
        // Num Lock comes extended; 45 alone is what is left of Pause's E1 1D 45.
        return bExtended ? (WORD)NUM_LOCK_SCANCODE : (WORD)PAUSE_SCANCODE;
    if (dwScanCode == SCAN_ESC && !bExtended)
        return KEY_ESCAPE;
    return (WORD)(bExtended ? 0xE000 | dwScanCode : dwScanCode);
}

WORD COtherKeysList::PhysicalKeyOf(WORD wPressed, const std::vector<CRemapPair>& tableInForce)
{
    // While the key itself still sends its own code, pressing it explains the
    // code as well as any key mapped to it: it is taken as itself.
    BOOL bMappedAway = FALSE;
    for (const CRemapPair& pair : tableInForce)
        bMappedAway |= pair.wPhysical == wPressed && pair.wProduced != wPressed;
    if (!bMappedAway)
        return wPressed;
    for (const CRemapPair& pair : tableInForce)
        if (pair.wProduced == wPressed)
            return pair.wPhysical;
    return wPressed;
}
