#include "tests/support/fake_keyboard.h"

#include <cstring>

namespace
{
struct KeyName
{
    WORD wTableCode;
    const char* pszName;
};

// What user32 answers with the US English layout, for every key of the key
// table and the few keys that the table leaves out.
const KeyName s_usNames[] = {
    {0x001, "Esc"}, {0x002, "1"}, {0x003, "2"}, {0x004, "3"}, {0x005, "4"},
    {0x006, "5"}, {0x007, "6"}, {0x008, "7"}, {0x009, "8"}, {0x00A, "9"},
    {0x00B, "0"}, {0x00C, "-"}, {0x00D, "="}, {0x00E, "Backspace"}, {0x00F, "Tab"},
    {0x010, "Q"}, {0x011, "W"}, {0x012, "E"}, {0x013, "R"}, {0x014, "T"},
    {0x015, "Y"}, {0x016, "U"}, {0x017, "I"}, {0x018, "O"}, {0x019, "P"},
    {0x01A, "["}, {0x01B, "]"}, {0x01C, "Enter"}, {0x01D, "Ctrl"}, {0x01E, "A"},
    {0x01F, "S"}, {0x020, "D"}, {0x021, "F"}, {0x022, "G"}, {0x023, "H"},
    {0x024, "J"}, {0x025, "K"}, {0x026, "L"}, {0x027, ";"}, {0x028, "'"},
    {0x029, "`"}, {0x02A, "Shift"}, {0x02B, "\\"}, {0x02C, "Z"}, {0x02D, "X"},
    {0x02E, "C"}, {0x02F, "V"}, {0x030, "B"}, {0x031, "N"}, {0x032, "M"},
    {0x033, ","}, {0x034, "."}, {0x035, "/"}, {0x036, "Right Shift"}, {0x037, "Num *"},
    {0x038, "Alt"}, {0x039, "Space"}, {0x03A, "Caps Lock"}, {0x03B, "F1"}, {0x03C, "F2"},
    {0x03D, "F3"}, {0x03E, "F4"}, {0x03F, "F5"}, {0x040, "F6"}, {0x041, "F7"},
    {0x042, "F8"}, {0x043, "F9"}, {0x044, "F10"}, {0x045, "Pause"}, {0x046, "Scroll Lock"},
    {0x047, "Num 7"}, {0x048, "Num 8"}, {0x049, "Num 9"}, {0x04A, "Num -"}, {0x04B, "Num 4"},
    {0x04C, "Num 5"}, {0x04D, "Num 6"}, {0x04E, "Num +"}, {0x04F, "Num 1"}, {0x050, "Num 2"},
    {0x051, "Num 3"}, {0x052, "Num 0"}, {0x053, "Num Del"}, {0x054, "Sys Req"},
    {0x057, "F11"}, {0x058, "F12"},
    {0x11C, "Num Enter"}, {0x11D, "Right Ctrl"}, {0x135, "Num /"}, {0x137, "Prnt Scrn"},
    {0x138, "Right Alt"}, {0x145, "Num Lock"}, {0x146, "Break"}, {0x147, "Home"},
    {0x148, "Up"}, {0x149, "Page Up"}, {0x14B, "Left"}, {0x14D, "Right"}, {0x14F, "End"},
    {0x150, "Down"}, {0x151, "Page Down"}, {0x152, "Insert"}, {0x153, "Delete"},
    {0x15B, "Left Windows"}, {0x15C, "Right Windows"}, {0x15D, "Application"},
    // The 106-only keys (0x070, 0x073, 0x079, 0x07B, 0x07D) have no US name.
};

// Where the Japanese 106-key layout differs: other punctuation on the same
// keys, and the Japanese keys named in Japanese (Shift-JIS).
const KeyName s_japaneseNames[] = {
    {0x00D, "^"}, {0x01A, "@"}, {0x01B, "["}, {0x028, ":"}, {0x02B, "]"},
    {0x029, "\x94\xBC\x8A\x70/\x91\x53\x8A\x70"}, // hankaku/zenkaku
    {0x070, "\x82\xD0\x82\xE7\x82\xAA\x82\xC8"},   // hiragana (the Kana key)
    {0x073, "\\"},                                 // Ro
    {0x079, "\x95\xCF\x8A\xB7"},                   // henkan (Convert)
    {0x07B, "\x96\xB3\x95\xCF\x8A\xB7"},           // muhenkan (No-convert)
    {0x07D, "\\"},                                 // Yen: 0x5C, drawn as a yen sign
};
} // namespace

CFakeKeyboard::CFakeKeyboard(Layout layout)
    : m_nType(layout == JAPANESE_106 ? 7 : 4), m_nSubtype(layout == JAPANESE_106 ? 2 : 0)
{
    for (const KeyName& name : s_usNames)
        m_names[name.wTableCode] = name.pszName;
    if (layout == JAPANESE_106)
        for (const KeyName& name : s_japaneseNames)
            m_names[name.wTableCode] = name.pszName;
}

int CFakeKeyboard::GetKeyNameText(LONG lParam, char* pszName, int cchName)
{
    m_lParams.push_back(lParam);
    DWORD dwParam = (DWORD)lParam;
    WORD wTableCode = (WORD)(((dwParam >> 16) & 0xFF) | ((dwParam & 0x01000000) ? 0x100 : 0));
    std::string strName = NameOf(wTableCode);
    if (pszName == nullptr || cchName <= 0)
        return 0;
    size_t cch = strName.size();
    if (cch > (size_t)cchName - 1)
        cch = (size_t)cchName - 1;
    std::memcpy(pszName, strName.data(), cch);
    pszName[cch] = '\0';
    return (int)cch;
}

int CFakeKeyboard::GetKeyboardType(int nTypeFlag)
{
    m_typeFlags.push_back(nTypeFlag);
    switch (nTypeFlag)
    {
    case 0:
        return m_nType;
    case 1:
        return m_nSubtype;
    case 2:
        return 12;
    default:
        return 0;
    }
}

void CFakeKeyboard::SetName(WORD wTableCode, const std::string& strName)
{
    m_names[wTableCode] = strName;
}

std::string CFakeKeyboard::NameOf(WORD wTableCode) const
{
    auto it = m_names.find(wTableCode);
    return it == m_names.end() ? std::string() : it->second;
}
