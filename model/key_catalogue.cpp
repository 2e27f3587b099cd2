#include "model/key_catalogue.h"

#include "framework/afx_message_box.h"
#include "model/ascii_text.h"
#include "res/resource.h"

namespace
{
// Scan code set 1 make codes from Microsoft's scan code table. The order is
// the order of IDS_KEY_CATALOGUE_NAMES in every resource set.
const CCatalogueKey s_keys[] = {
    {0xE037, 0x137, "PrintScreen", FALSE},
    {0x0046, 0x046, "ScrollLock", FALSE},
    {0xE11D, 0x045, "Pause", FALSE}, // E1 1D 45; the name service calls 0x45 without E0 "Pause"
    {0x0064, 0x064, "F13", FALSE},
    {0x0065, 0x065, "F14", FALSE},
    {0x0066, 0x066, "F15", FALSE},
    {0x0067, 0x067, "F16", FALSE},
    {0x0068, 0x068, "F17", FALSE},
    {0x0069, 0x069, "F18", FALSE},
    {0x006A, 0x06A, "F19", FALSE},
    {0x006B, 0x06B, "F20", FALSE},
    {0x006C, 0x06C, "F21", FALSE},
    {0x006D, 0x06D, "F22", FALSE},
    {0x006E, 0x06E, "F23", FALSE},
    {0x0076, 0x076, "F24", FALSE},
    {0x0056, 0x056, "IntlBackslash", FALSE}, // the ISO key beside left Shift
    {0x0059, 0x059, "NumpadEquals", FALSE},
    {0x0073, 0x073, "Ro", TRUE},              // also the Brazilian /? key
    {0x007E, 0x07E, "NumpadComma", FALSE},    // the Brazilian keypad . key
    {0x0070, 0x070, "Kana", TRUE},
    {0x0079, 0x079, "Convert", TRUE},
    {0x007B, 0x07B, "NoConvert", TRUE},
    {0x007D, 0x07D, "Yen", TRUE},
    {0x00F1, 0x0F1, "Hanja", FALSE},
    {0x00F2, 0x0F2, "Hangul", FALSE},
    {0xE019, 0x119, "MediaNext", FALSE},
    {0xE010, 0x110, "MediaPrevious", FALSE},
    {0xE024, 0x124, "MediaStop", FALSE},
    {0xE022, 0x122, "MediaPlayPause", FALSE},
    {0xE020, 0x120, "VolumeMute", FALSE},
    {0xE02E, 0x12E, "VolumeDown", FALSE},
    {0xE030, 0x130, "VolumeUp", FALSE},
    {0xE06A, 0x16A, "BrowserBack", FALSE},
    {0xE069, 0x169, "BrowserForward", FALSE},
    {0xE067, 0x167, "BrowserRefresh", FALSE},
    {0xE068, 0x168, "BrowserStop", FALSE},
    {0xE065, 0x165, "BrowserSearch", FALSE},
    {0xE066, 0x166, "BrowserFavorites", FALSE},
    {0xE032, 0x132, "BrowserHome", FALSE},
    {0xE06C, 0x16C, "LaunchMail", FALSE},
    {0xE06D, 0x16D, "LaunchMedia", FALSE},
    {0xE06B, 0x16B, "LaunchMyComputer", FALSE},
    {0xE021, 0x121, "LaunchCalculator", FALSE},
    {0xE05E, 0x15E, "Power", FALSE},
    {0xE05F, 0x15F, "Sleep", FALSE},
    {0xE063, 0x163, "Wake", FALSE},
};
const int KEY_COUNT = (int)(sizeof s_keys / sizeof s_keys[0]);
} // namespace

int CKeyCatalogue::GetCount()
{
    return KEY_COUNT;
}

const CCatalogueKey& CKeyCatalogue::GetAt(int i)
{
    return s_keys[i];
}

const CCatalogueKey* CKeyCatalogue::Find(WORD wScancode)
{
    for (const CCatalogueKey& key : s_keys)
        if (key.wScancode == wScancode)
            return &key;
    return nullptr;
}

const CCatalogueKey* CKeyCatalogue::FindByName(const std::string& strName)
{
    for (const CCatalogueKey& key : s_keys)
        if (CAsciiText::EqualsIgnoringCase(strName, key.pszName))
            return &key;
    return nullptr;
}

std::string CKeyCatalogue::GetDisplayName(int i)
{
    if (i < 0 || i >= KEY_COUNT)
        return std::string();
    std::string strName = AfxLoadStringField(IDS_KEY_CATALOGUE_NAMES, i);
    return strName.empty() ? std::string(s_keys[i].pszName) : strName;
}

std::string CKeyCatalogue::GetDisplayNameOf(WORD wScancode)
{
    for (int i = 0; i < KEY_COUNT; ++i)
        if (s_keys[i].wScancode == wScancode)
            return GetDisplayName(i);
    return std::string();
}
