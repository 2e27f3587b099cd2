// The text on a key cap: the system's name of the key it stands for, with the
// codes appended under "-d", and a lone character padded so that it is not
// taken for an alias.
#pragma once

#include <string>

#include "platform/keyboard_services.h"

// Finds a key of the remapped keyboard by its own scancode.
class IRemapKeyFinder
{
public:
    virtual ~IRemapKeyFinder() {}
    // TRUE and *pwTableCode when the remapped keyboard has a key with wScancode.
    virtual BOOL FindRemapKey(WORD wScancode, WORD* pwTableCode) const = 0;
};

class CKeyLabel
{
public:
    CKeyLabel(IKeyboardServices& keyboard, const IRemapKeyFinder& finder);

    // The label of a cap with its own codes and the code it produces (0: none).
    // A remapped cap is named after the key whose scancode it now produces,
    // when that key is on the remapped keyboard or in CKeyCatalogue;
    // otherwise after itself.
    std::string Get(WORD wTableCode, WORD wScancode, WORD wProduced, BOOL bDebug) const;

    // The label of the key with these codes: its name, " %04x %04x" (table
    // code, scancode) under "-d", and " X " for a one-character name.
    std::string GetOwn(WORD wTableCode, WORD wScancode, BOOL bDebug) const;

private:
    // The debug suffix and the padding of a one-character name.
    static std::string Decorate(std::string strLabel, WORD wTableCode, WORD wScancode, BOOL bDebug);

    IKeyboardServices& m_keyboard;
    const IRemapKeyFinder& m_finder;
};
