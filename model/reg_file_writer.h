// The .reg file of a "Scancode Map" value, as the registry editor exports it:
// UTF-16LE with a byte-order mark, CR LF line ends, the version 5 header, a
// blank line, the keyboard-layout key, the value as lower-case hex bytes
// and a closing blank line. Long values wrap as the editor wraps them: a
// line ends with ",\" once it reaches 77 columns, so the first line holds 20
// bytes after "Scancode Map"=hex: and each continuation, indented by two
// spaces, 25; a line breaks only when more bytes follow. Both the registry
// editor and CRemapFileReader import the file.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

class CRegFileWriter
{
public:
    // The file's bytes for the value's cbValue bytes (any length, 0 included).
    static void Write(const BYTE* pValue, DWORD cbValue, std::vector<BYTE>* pFile);
    // The same file as text before it is made UTF-16LE: every character is ASCII.
    static std::string MakeText(const BYTE* pValue, DWORD cbValue);
};
