#include "tests/win32/startup_fixture.h"

#include "framework/win32/frame_wnd.h"
#include "app/preference.h"
#include "tests/support/process_flags.h"
#include "tests/win32/win32_test_support.h"

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

BOOL StartupFixture::Start(const std::vector<std::string>& args, IRegistry* pRegistry)
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
    return m_pApp->InitInstance();
}

HWND StartupFixture::MainWindow() const
{
    return m_pApp ? m_pApp->GetMainWindowHandle() : NULL;
}

void StartupFixture::Command(UINT nID, WORD wSource)
{
    ::SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(nID, wSource), 0);
}
