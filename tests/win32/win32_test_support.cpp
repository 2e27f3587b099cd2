#include "tests/win32/win32_test_support.h"

namespace wintest
{
namespace
{
// Text of code page nCodePage as UTF-16, or a marker when dwFlags refuse it.
std::wstring WideFrom(UINT nCodePage, DWORD dwFlags, const char* psz)
{
    int cch = ::MultiByteToWideChar(nCodePage, dwFlags, psz, -1, NULL, 0);
    if (cch <= 0)
        return L"<invalid UTF-8>";
    std::wstring strWide((size_t)cch, L'\0');
    ::MultiByteToWideChar(nCodePage, dwFlags, psz, -1, &strWide[0], cch);
    strWide.resize((size_t)cch - 1);
    return strWide;
}

std::string BytesFrom(UINT nCodePage, const std::wstring& strWide)
{
    int cb = ::WideCharToMultiByte(nCodePage, 0, strWide.c_str(), -1, NULL, 0, NULL, NULL);
    std::string str((size_t)cb, '\0');
    ::WideCharToMultiByte(nCodePage, 0, strWide.c_str(), -1, &str[0], cb, NULL, NULL);
    str.resize((size_t)cb - 1);
    return str;
}
} // namespace

const char* const kKeyboardLayoutKey = "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";

HINSTANCE Module()
{
    return ::GetModuleHandleA(NULL);
}

std::string LoadResourceString(UINT nID)
{
    char sz[8192];
    int cch = ::LoadStringA(Module(), nID, sz, sizeof sz);
    return cch > 0 ? std::string(sz, (size_t)cch) : std::string();
}

std::string Ansi(const char* pszUtf8)
{
    return BytesFrom(CP_ACP, WideFromUtf8(pszUtf8));
}

std::wstring WideFromUtf8(const char* pszUtf8)
{
    return WideFrom(CP_UTF8, MB_ERR_INVALID_CHARS, pszUtf8);
}

std::vector<BYTE> ReadScancodeMap(BOOL* pbPresent)
{
    std::vector<BYTE> bytes(8192);
    DWORD cb = (DWORD)bytes.size();
    DWORD dwType = 0;
    LONG l = ::RegGetValueA(HKEY_LOCAL_MACHINE, kKeyboardLayoutKey, "Scancode Map",
                            RRF_RT_ANY, &dwType, bytes.data(), &cb);
    if (pbPresent != nullptr)
        *pbPresent = l == ERROR_SUCCESS;
    bytes.resize(l == ERROR_SUCCESS ? cb : 0);
    return bytes;
}

void WriteScancodeMap(const std::vector<BYTE>& bytes)
{
    HKEY hKey;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKeyboardLayoutKey, 0, NULL, 0, KEY_WRITE, NULL,
                          &hKey, NULL) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(hKey, "Scancode Map", 0, REG_BINARY, bytes.data(), (DWORD)bytes.size());
    ::RegCloseKey(hKey);
}

void DeleteScancodeMap()
{
    HKEY hKey;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyboardLayoutKey, 0, KEY_WRITE, &hKey) !=
        ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(hKey, "Scancode Map");
    ::RegCloseKey(hKey);
}

void DrainMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            ::DispatchMessageA(&msg);
}

BOOL WaitUntil(const std::function<BOOL()>& predicate, DWORD dwTimeoutMs)
{
    DWORD dwStart = ::GetTickCount();
    while (!predicate())
    {
        if (::GetTickCount() - dwStart > dwTimeoutMs)
            return FALSE;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
        DrainMessages();
    }
    return TRUE;
}

std::string BesideTestExe(const std::string& strName)
{
    char szPath[MAX_PATH];
    DWORD cch = ::GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string strExe(szPath, cch);
    return strExe.substr(0, strExe.find_last_of("\\/") + 1) + strName;
}

BOOL CProgram::Start(const std::string& strArgs)
{
    std::string strExe = BesideTestExe("velloric.exe");
    std::string strCommand = "\"" + strExe + "\"" + (strArgs.empty() ? "" : " " + strArgs);
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    return ::CreateProcessA(strExe.c_str(), command.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si,
                            &pi);
}

DWORD CProgram::Wait(DWORD dwMilliseconds)
{
    if (pi.hProcess == NULL)
        return STILL_ACTIVE;
    if (::WaitForSingleObject(pi.hProcess, dwMilliseconds) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD dwCode = STILL_ACTIVE;
    ::GetExitCodeProcess(pi.hProcess, &dwCode);
    return dwCode;
}

CProgram::~CProgram()
{
    if (pi.hProcess != NULL)
    {
        if (Wait(0) == STILL_ACTIVE)
        {
            ::TerminateProcess(pi.hProcess, 99);
            ::WaitForSingleObject(pi.hProcess, 5000);
        }
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    }
}

namespace
{
struct CWindowSearch
{
    DWORD dwProcessId;
    const char* pszClass;
    const char* pszTitle;
    HWND hFound;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    CWindowSearch* pSearch = (CWindowSearch*)lParam;
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    char szClass[256] = "";
    char szTitle[256] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    ::GetWindowTextA(hWnd, szTitle, sizeof szTitle);
    if (dwPid != pSearch->dwProcessId || lstrcmpA(szClass, pSearch->pszClass) != 0)
        return TRUE;
    if (pSearch->pszTitle != nullptr && lstrcmpA(szTitle, pSearch->pszTitle) != 0)
        return TRUE;
    if (!::IsWindowVisible(hWnd))
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}
} // namespace

HWND WaitForWindow(DWORD dwProcessId, const char* pszClass, const char* pszTitle,
                   DWORD dwMilliseconds)
{
    CWindowSearch search = {dwProcessId, pszClass, pszTitle, NULL};
    WaitUntil(
        [&search]
        {
            ::EnumWindows(&MatchWindow, (LPARAM)&search);
            return search.hFound != NULL;
        },
        dwMilliseconds);
    return search.hFound;
}

std::string ControlText(HWND hDlg, int nID)
{
    char sz[4096] = "";
    ::GetDlgItemTextA(hDlg, nID, sz, sizeof sz);
    return sz;
}

std::string Utf8FromWide(const std::wstring& strWide)
{
    return BytesFrom(CP_UTF8, strWide);
}

std::string Utf8FromAnsi(const std::string& strAnsi)
{
    return Utf8FromWide(WideFrom(CP_ACP, 0, strAnsi.c_str()));
}
} // namespace wintest
