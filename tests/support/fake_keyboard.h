// Keyboard services for tests: the key names that Windows gives for a US
// English layout (or, with JAPANESE_106, a Japanese 106-key layout), a
// settable keyboard subtype, and a log of every lParam asked for.
//
//   CFakeKeyboard keyboard;                        // US names, subtype 0
//   CFakeKeyboard japanese(CFakeKeyboard::JAPANESE_106); // subtype 2
//   keyboard.m_nSubtype = 2;                       // what GetKeyboardType(1) answers
//   keyboard.SetName(0x03A, "Left Ctrl");          // one name replaced ("" = unknown)
//   keyboard.m_lParams                             // lParams of GetKeyNameText, in order
//
// Names are looked up by table code (make code | 0x100 for the extended flag,
// lParam bit 24); lParam bit 25 is ignored. Japanese names are Shift-JIS bytes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/keyboard_services.h"

class CFakeKeyboard : public IKeyboardServices
{
public:
    enum Layout
    {
        US_101,      // type 4, subtype 0
        JAPANESE_106 // type 7, subtype 2
    };

    explicit CFakeKeyboard(Layout layout = US_101);

    // Like GetKeyNameTextA: copies at most cchName - 1 bytes and a terminator,
    // returns the bytes copied, 0 (and an empty buffer) for an unknown key.
    int GetKeyNameText(LONG lParam, char* pszName, int cchName) override;
    // 0: keyboard type, 1: m_nSubtype, 2: number of function keys (12); else 0.
    int GetKeyboardType(int nTypeFlag) override;

    void SetName(WORD wTableCode, const std::string& strName);
    std::string NameOf(WORD wTableCode) const; // what GetKeyNameText would answer

    int m_nType;
    int m_nSubtype;
    std::vector<LONG> m_lParams;   // every GetKeyNameText call
    std::vector<int> m_typeFlags;  // every GetKeyboardType call

private:
    std::map<WORD, std::string> m_names;
};
