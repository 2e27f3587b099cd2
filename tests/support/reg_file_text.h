// The .reg file as the tests picture it: the head the registry editor writes
// before the "Scancode Map" line, and text in UTF-16LE with a byte-order mark.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

// The version 5 header and the blank line after it.
const char kRegVersion5[] = "Windows Registry Editor Version 5.00\r\n\r\n";
// The line of the keyboard-layout key.
const char kRegLayoutKey[] =
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout]\r\n";
// Both: a value line after them is line 4.
inline const std::string kRegHead = std::string(kRegVersion5) + kRegLayoutKey;

// ASCII text as UTF-16LE after the byte-order mark FF FE.
inline std::vector<BYTE> Utf16WithBom(const std::string& strAscii)
{
    std::vector<BYTE> bytes = {0xFF, 0xFE};
    for (char c : strAscii)
    {
        bytes.push_back((BYTE)c);
        bytes.push_back(0);
    }
    return bytes;
}
