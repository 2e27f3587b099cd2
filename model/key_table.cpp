#include "model/key_table.h"

#include "model/command_line_flags.h"

namespace
{
const CKeyTableEntry s_entries[CKeyTable::COUNT_106] = {
    { 100, 0x001, FALSE, "Esc"},
    { 101, 0x002, FALSE, "1"},
    { 102, 0x003, FALSE, "2"},
    {   5, 0x004, FALSE, "3"},
    {   6, 0x005, FALSE, "4"},
    {   7, 0x006, FALSE, "5"},
    {   8, 0x007, FALSE, "6"},
    {   9, 0x008, FALSE, "7"},
    {  10, 0x009, FALSE, "8"},
    {  11, 0x00A, FALSE, "9"},
    {  12, 0x00B, FALSE, "0"},
    {  13, 0x00C, FALSE, "Minus"},
    {  14, 0x00D, FALSE, "Equals"},
    {  16, 0x00E, FALSE, "Backspace"},
    {1000, 0x00F, FALSE, "Tab"},
    {   4, 0x010, FALSE, "Q"},
    {  17, 0x011, FALSE, "W"},
    {  18, 0x012, FALSE, "E"},
    {  19, 0x013, FALSE, "R"},
    {  20, 0x014, FALSE, "T"},
    {  21, 0x015, FALSE, "Y"},
    {  22, 0x016, FALSE, "U"},
    {  23, 0x017, FALSE, "I"},
    {  24, 0x018, FALSE, "O"},
    {  25, 0x019, FALSE, "P"},
    {  26, 0x01A, FALSE, "LeftBracket"},
    {  27, 0x01B, FALSE, "RightBracket"},
    {1001, 0x01C, FALSE, "Enter"},
    {1004, 0x01D, FALSE, "LeftCtrl"},
    {  28, 0x01E, FALSE, "A"},
    {  29, 0x01F, FALSE, "S"},
    {  30, 0x020, FALSE, "D"},
    {  31, 0x021, FALSE, "F"},
    {  32, 0x022, FALSE, "G"},
    {  33, 0x023, FALSE, "H"},
    {  34, 0x024, FALSE, "J"},
    {  35, 0x025, FALSE, "K"},
    {  36, 0x026, FALSE, "L"},
    {  37, 0x027, FALSE, "Semicolon"},
    {  39, 0x028, FALSE, "Apostrophe"},
    { 999, 0x029, FALSE, "Grave"}, // grave accent
    {1003, 0x02A, FALSE, "LeftShift"},
    {  15, 0x02B, FALSE, "Backslash"},
    {  38, 0x02C, FALSE, "Z"},
    {  40, 0x02D, FALSE, "X"},
    {  41, 0x02E, FALSE, "C"},
    {  42, 0x02F, FALSE, "V"},
    {  43, 0x030, FALSE, "B"},
    {  44, 0x031, FALSE, "N"},
    {  45, 0x032, FALSE, "M"},
    {  46, 0x033, FALSE, "Comma"},
    {  47, 0x034, FALSE, "Period"},
    {  48, 0x035, FALSE, "Slash"},
    {1005, 0x036, FALSE, "RightShift"},
    {  83, 0x037, FALSE, "NumpadMultiply"}, // keypad *
    {1007, 0x038, FALSE, "LeftAlt"},
    {1008, 0x039, FALSE, "Space"}, // space bar
    {1002, 0x03A, FALSE, "CapsLock"},
    {  59, 0x03B, FALSE, "F1"},
    {  60, 0x03C, FALSE, "F2"},
    {  61, 0x03D, FALSE, "F3"},
    {  62, 0x03E, FALSE, "F4"},
    {  63, 0x03F, FALSE, "F5"},
    {  64, 0x040, FALSE, "F6"},
    {  65, 0x041, FALSE, "F7"},
    {  66, 0x042, FALSE, "F8"},
    {  67, 0x043, FALSE, "F9"},
    {  87, 0x044, FALSE, "F10"},
    {  81, 0x145, FALSE, "NumLock"},
    {  78, 0x047, FALSE, "Numpad7"}, // keypad 7
    {  79, 0x048, FALSE, "Numpad8"}, // keypad 8
    {  80, 0x049, FALSE, "Numpad9"}, // keypad 9
    {  84, 0x04A, FALSE, "NumpadMinus"}, // keypad minus
    {  75, 0x04B, FALSE, "Numpad4"}, // keypad 4
    {  76, 0x04C, FALSE, "Numpad5"}, // keypad 5
    {  77, 0x04D, FALSE, "Numpad6"}, // keypad 6
    {  85, 0x04E, FALSE, "NumpadPlus"}, // keypad plus
    {  72, 0x04F, FALSE, "Numpad1"}, // keypad 1
    {  73, 0x050, FALSE, "Numpad2"}, // keypad 2
    {  74, 0x051, FALSE, "Numpad3"}, // keypad 3
    {1006, 0x052, FALSE, "Numpad0"}, // keypad 0
    {  71, 0x053, FALSE, "NumpadPeriod"}, // keypad period
    {  88, 0x057, FALSE, "F11"},
    {  89, 0x058, FALSE, "F12"},
    {  82, 0x135, FALSE, "NumpadDivide"}, // keypad slash
    {1009, 0x138, FALSE, "RightAlt"},
    {  50, 0x147, FALSE, "Home"},
    {  55, 0x148, FALSE, "Up"}, // Up arrow
    {  51, 0x149, FALSE, "PageUp"},
    {  57, 0x14B, FALSE, "Left"}, // Left arrow
    {  58, 0x14D, FALSE, "Right"}, // Right arrow
    {  53, 0x14F, FALSE, "End"},
    {  56, 0x150, FALSE, "Down"}, // Down arrow
    {  54, 0x151, FALSE, "PageDown"},
    {  49, 0x152, FALSE, "Insert"},
    {  52, 0x153, FALSE, "Delete"},
    {  86, 0x11C, FALSE, "NumpadEnter"}, // keypad Enter
    { 128, 0x11D, FALSE, "RightCtrl"},
    { 256, 0x15B, FALSE, "LeftWindows"},
    { 257, 0x15C, FALSE, "RightWindows"},
    { 258, 0x15D, FALSE, "Application"},
    {1010, 0x07B, TRUE, "NoConvert"}, // No-convert
    {1012, 0x079, TRUE, "Convert"},
    {1013, 0x070, TRUE, "Kana"},
    {  91, 0x07D, TRUE, "Yen"},
    {  90, 0x073, TRUE, "Ro"},
};
} // namespace

const CKeyTableEntry* CKeyTable::GetEntries()
{
    return s_entries;
}

int CKeyTable::GetCount(BOOL b106Layout)
{
    return b106Layout ? COUNT_106 : COUNT_101;
}

const CKeyTableEntry* CKeyTable::FindById(WORD wKeyId)
{
    for (const CKeyTableEntry& entry : s_entries)
        if (entry.wKeyId == wKeyId)
            return &entry;
    return nullptr;
}

WORD ScancodeFromTableCode(WORD wTableCode)
{
    if (wTableCode == NUM_LOCK_TABLE_CODE)
        return NUM_LOCK_SCANCODE;
    if ((wTableCode & 0xFF00) != 0)
        return (WORD)(0xE000 | (wTableCode & 0xFF));
    return wTableCode;
}

WORD TableCodeFromScancode(WORD wScancode)
{
    if (wScancode == NUM_LOCK_SCANCODE)
        return NUM_LOCK_TABLE_CODE;
    if (wScancode == PAUSE_SCANCODE)
        return 0x045; // without E0 the service calls make code 0x45 "Pause"
    BYTE bPrefix = (BYTE)(wScancode >> 8);
    if (bPrefix == 0xE0)
        return (WORD)(0x100 | (wScancode & 0xFF));
    return bPrefix == 0x00 ? wScancode : (WORD)0;
}

WORD CanonicalScancode(WORD wScancode)
{
    return wScancode == OLD_NUM_LOCK_SCANCODE ? (WORD)NUM_LOCK_SCANCODE : wScancode;
}

BOOL Is106Layout(IKeyboardServices& keyboard)
{
    if (g_bForce106)
        return TRUE;
    return keyboard.GetKeyboardType(1) == 2 ? TRUE : FALSE;
}
