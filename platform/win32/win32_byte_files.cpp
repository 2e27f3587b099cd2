#include "platform/win32/win32_byte_files.h"

namespace
{
// The system's text for an error code, without its line break.
std::string ReasonOf(DWORD dwError)
{
    char* pszText = nullptr;
    DWORD cch = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 NULL, dwError, 0, (LPSTR)&pszText, 0, NULL);
    std::string strText = cch != 0 ? std::string(pszText, cch) : std::string();
    if (pszText != nullptr)
        ::LocalFree(pszText);
    while (!strText.empty() && (strText.back() == '\n' || strText.back() == '\r' ||
                                strText.back() == ' '))
        strText.pop_back();
    return strText.empty() ? "error " + std::to_string(dwError) : strText;
}

// The folder part of strPath, "." for a bare file name.
std::string FolderOf(const std::string& strPath)
{
    size_t nSlash = strPath.find_last_of("\\/");
    if (nSlash == std::string::npos)
        return strPath.size() >= 2 && strPath[1] == ':' ? strPath.substr(0, 2) : ".";
    return nSlash == 0 || (nSlash == 2 && strPath[1] == ':') ? strPath.substr(0, nSlash + 1)
                                                              : strPath.substr(0, nSlash);
}

// Writes every byte, flushes to the disk and closes; the first failing call's code.
DWORD WriteAll(const char* pszPath, const std::vector<BYTE>& bytes)
{
    HANDLE hFile = ::CreateFileA(pszPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return ::GetLastError();
    DWORD dwError = ERROR_SUCCESS;
    size_t cbDone = 0;
    while (dwError == ERROR_SUCCESS && cbDone < bytes.size())
    {
        DWORD cbWritten = 0;
        DWORD cbChunk = (DWORD)(bytes.size() - cbDone);
        if (!::WriteFile(hFile, bytes.data() + cbDone, cbChunk, &cbWritten, NULL))
            dwError = ::GetLastError();
        else if (cbWritten == 0)
            dwError = ERROR_WRITE_FAULT;
        cbDone += cbWritten;
    }
    if (dwError == ERROR_SUCCESS && !::FlushFileBuffers(hFile))
        dwError = ::GetLastError();
    if (!::CloseHandle(hFile) && dwError == ERROR_SUCCESS)
        dwError = ::GetLastError();
    return dwError;
}
} // namespace

BOOL CWin32ByteFiles::WriteFile(const std::string& strPath, const std::vector<BYTE>& bytes,
                                std::string* pstrError)
{
    // A new, uniquely named file beside the target: the move below then
    // stays on one volume and replaces the target in one step.
    char szTemp[MAX_PATH];
    if (::GetTempFileNameA(FolderOf(strPath).c_str(), "vlr", 0, szTemp) == 0)
    {
        *pstrError = ReasonOf(::GetLastError());
        return FALSE;
    }
    DWORD dwError = WriteAll(szTemp, bytes);
    if (dwError == ERROR_SUCCESS &&
        !::MoveFileExA(szTemp, strPath.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        dwError = ::GetLastError();
    if (dwError == ERROR_SUCCESS)
        return TRUE;
    ::DeleteFileA(szTemp);
    *pstrError = ReasonOf(dwError);
    return FALSE;
}
