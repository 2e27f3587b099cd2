// An in-process start of the application with fake platform services and the
// real resources, windows and message loop; message boxes are scripted.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "framework/win32/win32_message_boxes.h"
#include "platform/win32/win32_registry.h"
#include "app/win32/velloric_app.h"
#include "platform/stdio_tips_file.h"
#include "tests/support/fake_byte_files.h"
#include "tests/support/fake_font_chooser.h"
#include "tests/support/fake_keyboard.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_restart_service.h"
#include "tests/support/fake_secret_store.h"
#include "tests/support/fake_shell_services.h"
#include "tests/support/fake_sound_player.h"
#include "tests/support/fake_system_info.h"
#include "tests/support/fake_user_name.h"
#include "tests/support/scripted_message_boxes.h"

// What Start answered, and when the application did not start, what the
// fixture found afterwards: ASSERT_EQ(TRUE, Start({})) then prints why.
struct CStartResult
{
    BOOL bStarted;
    std::string strFound;
};
inline bool operator==(BOOL bExpected, const CStartResult& result)
{
    return bExpected == result.bStarted;
}
std::ostream& operator<<(std::ostream& os, const CStartResult& result);

class StartupFixture : public ::testing::Test
{
protected:
    StartupFixture();
    ~StartupFixture() override;

    CStartResult Start(const std::vector<std::string>& args, IRegistry* pRegistry = nullptr);
    // Ends the application: its windows go, the queue is drained and the
    // process-wide flags are as a fresh run finds them.
    void Stop();
    HWND MainWindow() const;
    // Sends WM_COMMAND as a menu (0) or an accelerator (1) would.
    void Command(UINT nID, WORD wSource = 0);

    CFakeRegistry m_registry;
    CWin32Registry m_realRegistry;
    CFakeKeyboard m_keyboard;
    CFakeRestartService m_restart;
    CFakeSystemInfo m_system;
    CFakeShellServices m_shell;
    CFakeFontChooser m_fontChooser;
    CFakeSoundPlayer m_soundPlayer;
    CFixedUserName m_userName;
    CStdioTipsFileSystem m_tipsFiles; // the tips file shipped beside the test exe
    CFakeFileDialogs m_fileDialogs;
    CFakeByteFiles m_files;
    CFakeSecretStore m_secrets;
    CWin32StringSource m_strings;
    CScriptedMessageBoxes m_boxes{&m_strings};
    std::unique_ptr<CVelloricApp> m_pApp;
};
