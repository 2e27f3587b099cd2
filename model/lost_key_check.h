// The lost-key check: which scancodes of the remapped keyboard no key
// produces any more, one line each, and a loud warning when Ctrl, Alt or Del
// is among them (the user might no longer be able to log on).
#pragma once

#include <string>
#include <vector>

#include "platform/keyboard_services.h"
#include "model/remap_pair.h"
#include "model/remapped_key.h"

class CLostKeyCheck
{
public:

    explicit CLostKeyCheck(IKeyboardServices& keyboard);

    // Appends the report to *pstrText and returns 0 (nothing lost, text
    // untouched), MB_ICONEXCLAMATION or, when a vital key is lost, MB_ICONHAND.
    // A key is examined when it is remapped (wProduced not 0) or held in the
    // list (bMapped, also when it sends nothing); it is lost when no examined
    // key produces its code.
    // A list's keys come from CListKeyboard.
    UINT Run(const std::vector<CRemappedKey>& keys, std::string* pstrText);

private:
    IKeyboardServices& m_keyboard;
};

// Fills a line format that comes from resources without trusting it: %s takes
// strName, %X / %x with an optional 0 flag and a width up to 32 take wNumber,
// %% gives %, and every other sequence is copied as it stands.
std::string FormatLostKeyLine(const std::string& strFormat, const std::string& strName,
                              WORD wNumber);

// Whether a key name is one of Ctrl, Alt or Del (case-sensitive, anywhere in it).
BOOL IsVitalKeyName(const std::string& strName);
// Whether a scancode is left or right Ctrl, left or right Alt, Delete or
// keypad Del: vital whatever the language of the key names.
BOOL IsVitalKeyCode(WORD wScancode);
