// Key names that do not change with the keyboard layout, the key table's
// stable-name column ("CapsLock", "LeftCtrl", "Numpad7", "Kana"), for the console
// program's arguments and for remap text files. The system's names
// (GetKeyName) follow the active layout and language and cannot be typed
// back reliably; these can.
//
// A key argument is a name, matched without regard to letter case, or a
// scancode in hex: "0x3A", "3a", "E05B", "0xE05B" (1 to 4 digits, high byte
// 00 or E0, or E11D for Pause; E045, the old Num Lock code, reads as 0045).
// The keys of CKeyCatalogue ("PrintScreen", "MediaNext") are names too. A name wins over hex: "1", "A" and "F1" are keys, 0x01, 0x0A
// and 0xF1 must be written with "0x". "None" (or 0x0) is scancode 0, the
// code of a key that sends nothing.
#pragma once

#include <string>

#include "model/remap_pair.h"
#include "platform/platform_types.h"

class CStableKeyName
{
public:
    enum EParse
    {
        PARSE_OK,
        PARSE_EMPTY,        // nothing given
        PARSE_UNKNOWN_NAME, // neither a name nor hex
        PARSE_BAD_SCANCODE, // "0x" followed by no hex, or by more than 4 digits
        PARSE_BAD_PREFIX    // hex whose high byte is neither 00 nor E0
    };

    // "CapsLock" for 0x003A, "PrintScreen" for 0xE037, "None" for 0; nullptr
    // for a scancode that is neither in the key table nor in the catalogue.
    static const char* NameOf(WORD wScancode);

    // Sets *pwScancode (16-bit form: 0xE0 high byte for an E0 key) only on PARSE_OK.
    static EParse Parse(const std::string& strArg, WORD* pwScancode);

    // Whether a code can stand in a table: high byte 00 or E0, or Pause's E11D.
    static BOOL IsKeyCode(WORD wScancode);
    // The rule every way in (set, text and .reg import) keeps: both codes
    // key codes, the physical key not 0. FALSE with *pstrError.
    static BOOL CheckPair(const CRemapPair& pair, std::string* pstrError);

    // What was wrong, for a message: "unknown key name 'CapsLok'".
    static std::string DescribeFault(EParse eParse, const std::string& strArg);

    // "0x003A", as the console program and its messages show a scancode.
    static std::string FormatScancode(WORD wScancode);
    // "CapsLock (0x003A)", or "0x0046" for a key without a name, for messages.
    static std::string Describe(WORD wScancode);
};
