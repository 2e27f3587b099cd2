// The program path, current directory and code page a test wants, and the
// shell's "open" answered from a list; every path asked for is recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/shell_services.h"

class CFakeShellServices : public IShellServices
{
public:
    BOOL GetProgramPath(std::string* pstrPath) override
    {
        *pstrPath = m_strProgramPath;
        return m_bProgramPathKnown;
    }
    BOOL GetCurrentDir(std::string* pstrDir) override
    {
        *pstrDir = m_strCurrentDir;
        return m_bCurrentDirKnown;
    }
    UINT GetAnsiCodePage() override { return m_nCodePage; }
    long long OpenDocument(HWND hOwner, const std::string& strPath) override
    {
        m_opened.push_back(strPath);
        m_owners.push_back(hOwner);
        if (m_results.empty())
            return 2; // SE_ERR_FNF
        long long llResult = m_results.front();
        m_results.pop_front();
        return llResult;
    }

    std::string m_strProgramPath = "C:\\Program Files\\Velloric\\velloric.exe";
    BOOL m_bProgramPathKnown = TRUE;
    std::string m_strCurrentDir = "C:\\Users\\me";
    BOOL m_bCurrentDirKnown = TRUE;
    UINT m_nCodePage = 1252;
    std::deque<long long> m_results; // what each open returns, in order; then "not found"
    std::vector<std::string> m_opened;
    std::vector<HWND> m_owners;
};
