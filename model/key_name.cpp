#include "model/key_name.h"

#include <cstring>

namespace
{
const int KEY_NAME_CHARS = 128;
const DWORD NO_LEFT_RIGHT_FLAG = 0x02000000; // lParam bit 25: "don't care about left or right"
} // namespace

std::string GetKeyName(IKeyboardServices& keyboard, WORD wTableCode)
{
    // The make code lands in bits 16-23 and the table's E0 bit (bit 8) in bit 24,
    // the extended-key flag. Bit 25 stays clear so that left and right keys
    // keep names of their own.
    DWORD dwParam = ((DWORD)wTableCode << 16) & ~NO_LEFT_RIGHT_FLAG;
    char szName[KEY_NAME_CHARS] = {};
    int nLength = keyboard.GetKeyNameText((LONG)dwParam, szName, KEY_NAME_CHARS);
    if (nLength <= 0)
        return std::string();
    // Trust the service no further than its own buffer and terminator.
    if (nLength > KEY_NAME_CHARS - 1)
        nLength = KEY_NAME_CHARS - 1;
    const void* pEnd = std::memchr(szName, '\0', (size_t)nLength);
    size_t cch = pEnd ? (size_t)((const char*)pEnd - szName) : (size_t)nLength;
    return std::string(szName, cch);
}
