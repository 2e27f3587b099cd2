// What either kind of remap file gives once its lines are read: the pairs in
// file order with the line (from 1) of each, or the line that does not read
// (0 for the file as a whole) and why.
#pragma once

#include <string>
#include <vector>

#include "model/remap_pair.h"

class CPairParser
{
public:
    virtual ~CPairParser() {}

    // FALSE with GetErrorLine() and GetError(), and no pairs.
    virtual BOOL Parse(const std::vector<std::string>& lines) = 0;

    const std::vector<CRemapPair>& GetPairs() const { return m_pairs; }
    const std::vector<int>& GetPairLines() const { return m_pairLines; }
    int GetErrorLine() const { return m_nErrorLine; }
    const std::string& GetError() const { return m_strError; }

protected:
    CPairParser() : m_nErrorLine(0) {}

    void AddPair(const CRemapPair& pair, int nLine)
    {
        m_pairs.push_back(pair);
        m_pairLines.push_back(nLine);
    }
    BOOL Fail(int nLine, const std::string& strError)
    {
        m_nErrorLine = nLine;
        m_strError = strError;
        m_pairs.clear();
        m_pairLines.clear();
        return FALSE;
    }

private:
    std::vector<CRemapPair> m_pairs;
    std::vector<int> m_pairLines;
    int m_nErrorLine;
    std::string m_strError;
};
