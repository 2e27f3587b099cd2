// Files for tests: a map of paths to bytes, and the file dialogs answered
// with paths a test chooses.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/byte_files.h"
#include "platform/file_dialogs.h"

class CFakeByteFiles : public IByteFiles
{
public:
    BOOL ReadFile(const std::string& strPath, std::vector<BYTE>* pBytes,
                  std::string* pstrError) override
    {
        auto it = m_files.find(strPath);
        if (it == m_files.end())
        {
            *pstrError = "No such file or directory";
            return FALSE;
        }
        *pBytes = it->second;
        return TRUE;
    }
    BOOL WriteFile(const std::string& strPath, const std::vector<BYTE>& bytes,
                   std::string* pstrError) override
    {
        if (!m_strWriteError.empty())
        {
            *pstrError = m_strWriteError;
            return FALSE;
        }
        m_files[strPath] = bytes;
        return TRUE;
    }
    std::map<std::string, std::vector<BYTE>> m_files;
    std::string m_strWriteError; // not empty: every write fails with it
};

class CFakeFileDialogs : public IFileDialogs
{
public:
    BOOL AskOpenPath(HWND hOwner, const char* pszFilter, std::string* pstrPath) override
    {
        return Answer("open " + std::string(pszFilter), pstrPath);
    }
    BOOL AskSavePath(HWND hOwner, const char* pszFilter, const char* pszFileName,
                     const char* pszDefaultExtension, std::string* pstrPath) override
    {
        return Answer("save " + std::string(pszFilter) + " " + pszFileName + " " +
                          pszDefaultExtension,
                      pstrPath);
    }
    std::deque<std::string> m_answers; // the paths chosen, in order; "" cancels
    std::vector<std::string> m_asked;  // "open FILTER" or "save FILTER NAME EXTENSION"

private:
    BOOL Answer(const std::string& strAsked, std::string* pstrPath)
    {
        m_asked.push_back(strAsked);
        if (m_answers.empty() || m_answers.front().empty())
        {
            if (!m_answers.empty())
                m_answers.pop_front();
            return FALSE;
        }
        *pstrPath = m_answers.front();
        m_answers.pop_front();
        return TRUE;
    }
};
