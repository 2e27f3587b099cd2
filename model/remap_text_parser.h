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

#include "model/remap_pair.h"

class CRemapTextParser
{
public:
    CRemapTextParser();

    // FALSE with GetErrorLine() and GetError() ("unknown key name 'CapsLok'").
    BOOL Parse(const std::vector<std::string>& lines);

    const std::vector<CRemapPair>& GetPairs() const { return m_pairs; }
    const std::vector<int>& GetPairLines() const { return m_pairLines; } // 1-based, one per pair
    int GetErrorLine() const { return m_nErrorLine; }
    const std::string& GetError() const { return m_strError; }

private:
    BOOL ParseLine(const std::string& strLine, int nLine);
    BOOL Fail(int nLine, const std::string& strError);

    std::vector<CRemapPair> m_pairs;
    std::vector<int> m_pairLines;
    int m_nErrorLine;
    std::string m_strError;
};
