#include "model/key_name_alias.h"

#include <cstring>

#include "model/symbol_key_name_alias.h"

namespace
{
const char SYMBOL_FACE[] = "Wingdings";
const char KEYPAD_PREFIX[] = "Num";
const char KEYPAD_SIGNS[] = "/*-+.";
const char KEYPAD_DIGIT_OFFSET = 0x5B; // '0' + 0x5B is Wingdings' digit zero

BOOL IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "Num 7", "Num /", "Num Enter": the keypad's own keys, named after the main keys.
BOOL IsKeypadName(const std::string& strText)
{
    if (strText.size() <= 4 || strText.compare(0, 3, KEYPAD_PREFIX) != 0)
        return FALSE;
    char c = strText[4];
    if (IsDigit(c) || std::strchr(KEYPAD_SIGNS, c) != nullptr)
        return TRUE;
    return strText.compare(4, std::string::npos, "Enter") == 0;
}

std::string Symbol(unsigned char chCode)
{
    return std::string(1, (char)chCode);
}

CKeyNameAliasMap MakeKeyNameAliases()
{
    CKeyNameAliasMap aliases;
    aliases["Application"].reset(new CKeyNameAlias("App", ""));
    aliases["Delete"].reset(new CKeyNameAlias("Del", ""));
    aliases["Insert"].reset(new CKeyNameAlias("Ins", ""));
    aliases["Caps Lock"].reset(new CKeyNameAlias("Caps", ""));
    aliases["Left"].reset(new CSymbolKeyNameAlias(Symbol(0xDF), SYMBOL_FACE));
    aliases["Right"].reset(new CSymbolKeyNameAlias(Symbol(0xE0), SYMBOL_FACE));
    aliases["Up"].reset(new CSymbolKeyNameAlias(Symbol(0xE1), SYMBOL_FACE));
    aliases["Down"].reset(new CSymbolKeyNameAlias(Symbol(0xE2), SYMBOL_FACE));
    aliases["Backspace"].reset(new CSymbolKeyNameAlias(Symbol(0xEF), SYMBOL_FACE));
    return aliases;
}
} // namespace

BOOL CKeyNameAlias::IsSymbol() const
{
    return FALSE;
}

const CKeyNameAliasMap& g_keyNameAliases()
{
    static const CKeyNameAliasMap s_aliases = MakeKeyNameAliases();
    return s_aliases;
}

const CKeyNameAlias& g_keypadDigitAlias()
{
    static const CSymbolKeyNameAlias s_alias("", SYMBOL_FACE);
    return s_alias;
}

const CKeyNameAlias* ApplyKeyNameAlias(std::string& strText)
{
    if (IsKeypadName(strText))
    {
        strText.erase(0, 4);
        if (IsDigit(strText[0]))
        {
            // Anything after the digit (a debug suffix) goes with the prefix.
            strText = std::string(1, (char)(strText[0] + KEYPAD_DIGIT_OFFSET));
            return &g_keypadDigitAlias();
        }
    }
    const CKeyNameAliasMap& aliases = g_keyNameAliases();
    auto it = aliases.find(strText);
    if (it == aliases.end())
        return nullptr;
    strText = it->second->m_strText;
    return it->second.get();
}
