// Display forms of key names: short texts ("Caps" for "Caps Lock") and symbol
// glyphs (arrows, keypad digits) drawn with a symbol font.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/platform_types.h"

class CKeyNameAlias
{
public:
    CKeyNameAlias(const std::string& strText, const std::string& strFace)
        : m_strText(strText), m_strFace(strFace)
    {
    }
    virtual ~CKeyNameAlias() {}

    // TRUE when m_strText is one character code of the symbol font m_strFace,
    // to be drawn with the symbol character set.
    virtual BOOL IsSymbol() const;

    std::string m_strText; // shown instead of the key name
    std::string m_strFace; // font face; empty for a plain alias
};

typedef std::map<std::string, std::unique_ptr<CKeyNameAlias>> CKeyNameAliasMap;

// The alias table, keyed by the exact (case-sensitive) key name. Both are
// accessor functions: built on first use, kept until the process ends.
const CKeyNameAliasMap& g_keyNameAliases();
// The symbol alias of keypad digits ("Wingdings", empty text).
const CKeyNameAlias& g_keypadDigitAlias();

// Turns a whole label text into its display form in place and returns the
// alias applied, or nullptr when the text stays a plain name:
// "Num 7" -> the Wingdings digit 0x92; "Num /" -> "/"; "Caps Lock" -> "Caps".
const CKeyNameAlias* ApplyKeyNameAlias(std::string& strText);
