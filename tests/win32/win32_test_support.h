// Helpers for the tests that run under Wine: resource strings in the ANSI code
// page, the keyboard-layout key of the throw-away prefix, and the real program
// next to the test exe.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest
{
extern const char* const kKeyboardLayoutKey; // under HKEY_LOCAL_MACHINE

// This test exe, which holds the program's resources.
HINSTANCE Module();
std::string LoadResourceString(UINT nID);
// A UTF-8 text in the ANSI code page, as LoadStringA would give it.
std::string Ansi(const char* pszUtf8);
// A UTF-8 text as UTF-16; "<invalid UTF-8>" when it is not UTF-8, so that a
// mistyped expected text fails its test instead of turning into replacement
// characters on both sides.
std::wstring WideFromUtf8(const char* pszUtf8);
// The "Scancode Map" bytes, or an empty vector (and *pbPresent FALSE) when absent.
std::vector<BYTE> ReadScancodeMap(BOOL* pbPresent = nullptr);
void WriteScancodeMap(const std::vector<BYTE>& bytes);
void DeleteScancodeMap();
// Removes what a test left in this thread's queue (a posted WM_QUIT above all).
void DrainMessages();
// Asks predicate again every 50 ms, handling this thread's messages in
// between, until it holds (TRUE) or dwTimeoutMs have passed (FALSE). The
// deadline only ends a test that fails: a busy machine must not fail one.
BOOL WaitUntil(const std::function<BOOL()>& predicate, DWORD dwTimeoutMs = 10000);
// The path of a file in this test exe's folder, where the build puts the
// program, its tools, the tips file and the manuals.
std::string BesideTestExe(const std::string& strName);

// velloric.exe beside this test exe, started with arguments.
struct CProgram
{
    PROCESS_INFORMATION pi = {};
    BOOL Start(const std::string& strArgs);
    // Exit code, or STILL_ACTIVE when it did not end in time.
    DWORD Wait(DWORD dwMilliseconds);
    ~CProgram();
};

// A top-level window of class pszClass (and title pszTitle when given) of process dwProcessId.
HWND WaitForWindow(DWORD dwProcessId, const char* pszClass, const char* pszTitle,
                   DWORD dwMilliseconds);
std::string ControlText(HWND hDlg, int nID);
// A UTF-16 text as UTF-8, to compare with the texts written in the tests.
std::string Utf8FromWide(const std::wstring& strWide);
// A text in the ANSI code page as UTF-8.
std::string Utf8FromAnsi(const std::string& strAnsi);
} // namespace wintest
