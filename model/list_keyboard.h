// The remapped keyboard that a list of pairs makes, as the lost-key check
// sees it: every key of the key table (101 keys, or 106 where Is106Layout
// says so), in table order, producing what the list says, then the list's
// keys beyond the drawn keyboard, in the list's order. The document's list
// and the console program's list are checked through it alike.
#pragma once

#include <string>
#include <vector>

#include "model/remap_keyboard.h"
#include "model/remap_pair.h"
#include "platform/keyboard_services.h"

class CListKeyboard : public IRemapKeyboard
{
public:
    CListKeyboard(const std::vector<CRemapPair>& pairs, IKeyboardServices& keyboard)
        : m_pairs(pairs), m_keyboard(keyboard)
    {
    }
    void GetRemappedKeys(std::vector<CRemappedKey>* pKeys) override;
    // The lost-key check (CLostKeyCheck) over this keyboard: its report
    // appended to *pstrReport, and 0, MB_ICONEXCLAMATION or MB_ICONHAND.
    UINT RunLostKeyCheck(std::string* pstrReport);

private:
    std::vector<CRemapPair> m_pairs;
    IKeyboardServices& m_keyboard;
};
