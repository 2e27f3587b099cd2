// The console program's texts for a table, the key list and the bytes it
// would write, as plain lines or JSON.
//
// The key list holds the drawn keys, then the keys of CKeyCatalogue that no
// layout draws (Print Screen, Pause, F13-F24, media keys...).
//
// A table line:   0x003A CapsLock       -> 0x001D LeftCtrl
// (the physical key, then the key it produces, each its scancode and stable
// name; a key with no stable name shows its scancode alone). A key line:
//                 0x003A CapsLock         Caps Lock
// (scancode, stable name, the system's name for the active layout).
#pragma once

#include <string>
#include <vector>

#include "platform/text_converter.h"
#include "model/remap_list.h"
#include "platform/keyboard_services.h"

class CTablePrinter
{
public:
    CTablePrinter(IKeyboardServices& keyboard, ITextConverter& converter)
        : m_keyboard(keyboard), m_converter(converter)
    {
    }

    std::string FormatTable(const CRemapList& list);
    // pszValue: "absent", "whole", "cutShort", "tooLong" or "extraBytes"; nCheck the lost-key
    // check's answer and strReport its text.
    std::string FormatTableJson(const char* pszValue, size_t cbValue, const CRemapList& list,
                                UINT nCheck, const std::string& strReport);
    std::string FormatKeys();
    std::string FormatKeysJson();
    // Sixteen upper-case hex bytes a line: "1D 00 3A 00".
    static std::string FormatBytes(const std::vector<BYTE>& bytes);
    // A JSON string literal of UTF-8 text.
    static std::string JsonString(const std::string& strUtf8);

private:
    enum
    {
        KEY_DRAWN,
        KEY_ONLY_106,
        KEY_BEYOND // a catalogue key that no layout draws
    };
    // Every key that "keys" lists, in its order, and (when asked) its kind.
    void ListKeys(std::vector<WORD>* pKeys, std::vector<int>* pKinds);
    std::string KeyJson(WORD wScancode);
    std::string SystemName(WORD wScancode);

    IKeyboardServices& m_keyboard;
    ITextConverter& m_converter;
};
