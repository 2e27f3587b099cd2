#include "tests/win32/startup_fixture.h"

#include <tlhelp32.h>

#include "framework/instance_name.h"
#include "framework/win32/frame_wnd.h"
#include "app/preference.h"
#include "tests/support/process_flags.h"
#include "tests/win32/win32_test_support.h"

namespace
{
// The instance mutex as another thread finds it.
DWORD WINAPI ProbeInstanceMutex(LPVOID pvResult)
{
    DWORD* pdwResult = (DWORD*)pvResult;
    HANDLE hMutex = ::OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, VELLORIC_INSTANCE_NAME);
    *pdwResult = hMutex != NULL ? ::WaitForSingleObject(hMutex, 0) : WAIT_FAILED;
    if (*pdwResult == WAIT_OBJECT_0 || *pdwResult == WAIT_ABANDONED)
        ::ReleaseMutex(hMutex);
    if (hMutex != NULL)
        ::CloseHandle(hMutex);
    return 0;
}

std::string InstanceMutexState()
{
    HANDLE hMutex = ::OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, VELLORIC_INSTANCE_NAME);
    if (hMutex == NULL)
        return "not found";
    // Only its owner can release it: then this thread, the application's lock, holds it.
    BOOL bOwnedHere = ::ReleaseMutex(hMutex);
    if (bOwnedHere)
        ::WaitForSingleObject(hMutex, 0);
    ::CloseHandle(hMutex);
    if (bOwnedHere)
        return "held by this application";
    DWORD dwResult = WAIT_FAILED;
    HANDLE hThread = ::CreateThread(NULL, 0, &ProbeInstanceMutex, &dwResult, 0, NULL);
    if (hThread != NULL)
    {
        ::WaitForSingleObject(hThread, 10000);
        ::CloseHandle(hThread);
    }
    switch (dwResult)
    {
    case WAIT_OBJECT_0:
        // The lock takes an abandoned mutex and gives it back at once.
        return "free (abandoned when the lock tried it, or let go since)";
    case WAIT_ABANDONED:
        return "abandoned";
    case WAIT_TIMEOUT:
        return "held by another thread or process";
    default:
        return "not probed";
    }
}

// The other processes of the prefix, by name.
std::string OtherProcesses()
{
    std::string strNames;
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return "(no list)";
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL bMore = ::Process32First(hSnapshot, &entry); bMore;
         bMore = ::Process32Next(hSnapshot, &entry))
        if (entry.th32ProcessID != ::GetCurrentProcessId())
            strNames += std::string(strNames.empty() ? "" : ", ") + entry.szExeFile + " (" +
                        std::to_string(entry.th32ProcessID) + ")";
    ::CloseHandle(hSnapshot);
    return strNames;
}
} // namespace

std::ostream& operator<<(std::ostream& os, const CStartResult& result)
{
    os << (result.bStarted ? "TRUE" : "FALSE");
    if (!result.strFound.empty())
        os << " (" << result.strFound << ")";
    return os;
}

StartupFixture::StartupFixture()
{
    ResetProcessFlags();
}

StartupFixture::~StartupFixture()
{
    Stop();
}

void StartupFixture::Stop()
{
    m_pApp.reset();
    wintest::DrainMessages();
    ResetProcessFlags();
}

CStartResult StartupFixture::Start(const std::vector<std::string>& args, IRegistry* pRegistry)
{
    // One application at a time: a second one made while the first still
    // lives would share the first's instance lock and framework globals.
    m_pApp.reset();
    IRegistry& registry = pRegistry != nullptr ? *pRegistry : m_registry;
    m_pApp.reset(new CVelloricApp(CVelloricPlatform{registry, m_keyboard, m_restart, m_system,
                                                    m_shell, m_fontChooser, m_soundPlayer,
                                                    m_userName, m_tipsFiles, m_fileDialogs,
                                                    m_files, m_secrets}));
    m_pApp->SetArguments(args);
    size_t nBoxes = m_boxes.m_shown.size();
    CStartResult result = {m_pApp->InitInstance(), ""};
    if (result.bStarted)
        return result;
    result.strFound = "main window " + std::string(MainWindow() != NULL ? "made" : "not made") +
                      "; instance mutex " + InstanceMutexState() + "; boxes shown:";
    for (size_t i = nBoxes; i < m_boxes.m_shown.size(); ++i)
        result.strFound += " \"" + m_boxes.m_shown[i].strText + "\"";
    if (nBoxes == m_boxes.m_shown.size())
        result.strFound += " none";
    result.strFound += "; other processes: " + OtherProcesses();
    return result;
}

HWND StartupFixture::MainWindow() const
{
    return m_pApp ? m_pApp->GetMainWindowHandle() : NULL;
}

void StartupFixture::Command(UINT nID, WORD wSource)
{
    ::SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(nID, wSource), 0);
}
