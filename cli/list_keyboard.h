// The remapped keyboard that a list makes, for the lost-key check: every key
// of the key table (101 keys, or 106 where Is106Layout says so), in table
// order, producing what the list says, then the list's keys beyond the
// drawn keyboard, as the program's document hands its list to the same check.
#pragma once

#include <string>

#include "model/remap_keyboard.h"
#include "model/remap_list.h"
#include "platform/keyboard_services.h"

class CListKeyboard : public IRemapKeyboard
{
public:
    CListKeyboard(const CRemapList& list, IKeyboardServices& keyboard)
        : m_list(list), m_keyboard(keyboard)
    {
    }
    void GetRemappedKeys(std::vector<CRemappedKey>* pKeys) override;
    // The program's lost-key check (CLostKeyCheck) over this keyboard: its
    // report into *pstrReport, and 0, MB_ICONEXCLAMATION or MB_ICONHAND.
    UINT RunLostKeyCheck(std::string* pstrReport);

private:
    const CRemapList& m_list;
    IKeyboardServices& m_keyboard;
};
