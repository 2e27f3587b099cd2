// A remap text file, read from its lines: one mapping a line as FROM=TO,
// "the physical key FROM produces TO", each a stable key name or a scancode
// (see CStableKeyName), white space around either allowed; "#" starts a
// comment that runs to the end of the line; blank lines are passed over.
//
//   # Caps Lock is another Ctrl; the Windows keys send nothing
//   CapsLock = LeftCtrl
//   LeftWindows = None
//   0xE05C = 0x0
//
// FROM cannot be None (scancode 0 is no key). Anything else that does not
// read refuses the whole file with its line.
#pragma once

#include <string>
#include <vector>

#include "model/pair_parser.h"

class CRemapTextParser : public CPairParser
{
public:
    // Errors read as "unknown key name 'CapsLok'".
    BOOL Parse(const std::vector<std::string>& lines) override;

    // One FROM=TO, white space around either side allowed; FALSE with *pstrError.
    static BOOL ParseMapping(const std::string& strText, CRemapPair* pPair, std::string* pstrError);

private:
    BOOL ParseLine(const std::string& strLine, int nLine);
};
