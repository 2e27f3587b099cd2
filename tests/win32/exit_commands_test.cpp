// Leaving the running program: save and exit, quit without saving, the close
// box, driven through the main window's real messages and command route.
#include "tests/win32/startup_fixture.h"

#include "framework/win32/single_doc_template.h"
#include "model/lost_key_check.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "tests/win32/win32_test_support.h"

namespace
{
const char kLayoutPath[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const std::vector<BYTE> kCapsToCtrl = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0,
                                       0x1D, 0, 0x3A, 0, 0, 0, 0, 0};

class ExitCommands : public StartupFixture
{
protected:
    void SetUp() override { ASSERT_EQ(TRUE, Start({})); }
    CVelloricDoc* Doc()
    {
        return dynamic_cast<CVelloricDoc*>(m_pApp->GetDocTemplate()->GetDocument());
    }
    int Writes() const
    {
        int n = 0;
        for (const std::string& strCall : m_registry.m_log)
            if (strCall.compare(0, 8, "SetValue") == 0 || strCall.compare(0, 11, "DeleteValue") == 0)
                ++n;
        return n;
    }
};
} // namespace

TEST_F(ExitCommands, SaveAndExit_Unedited_ClosesWithoutQuestionOrWrite)
{
    HWND hMain = MainWindow();
    Command(ID_APP_EXIT);
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    EXPECT_EQ(0, Writes());
}

TEST_F(ExitCommands, SaveAndExit_WarnsOfLostKey_ThenAsksRestart_ThenWritesExactBytes)
{
    Doc()->AddMapping(0x3A, 0x1D); // Caps Lock sends left Ctrl: Caps Lock is lost
    Doc()->UpdateAllViews(nullptr); // the check reads the remapped keyboard, not the list
    m_boxes.Answer({IDOK, IDNO});
    HWND hMain = MainWindow();
    Command(ID_APP_EXIT);
    ASSERT_EQ(2u, m_boxes.m_shown.size());
    EXPECT_EQ(FormatLostKeyLine(wintest::LoadResourceString(1015), "Caps Lock", 0x3A) +
                  wintest::LoadResourceString(1011),
              m_boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
    EXPECT_EQ(wintest::LoadResourceString(1003), m_boxes.m_shown[1].strText);
    EXPECT_EQ((UINT)(MB_YESNOCANCEL | MB_ICONQUESTION), m_boxes.m_shown[1].nType);
    EXPECT_EQ(kCapsToCtrl, m_registry.Get(kLayoutPath, "Scancode Map").bytes);
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
    EXPECT_EQ(0u, m_restart.m_calls.size());
}

TEST_F(ExitCommands, SaveAndExit_CancelAtRestartQuestion_KeepsWindowAndWritesNothing)
{
    Doc()->AddMapping(0x3A, 0x1D);
    Doc()->AddMapping(0x1D, 0x3A); // a swap loses nothing: straight to 1003
    m_boxes.Answer({IDCANCEL});
    Command(ID_APP_EXIT);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(1003), m_boxes.m_shown[0].strText);
    EXPECT_EQ(TRUE, ::IsWindow(MainWindow()));
    EXPECT_EQ(0, Writes());
    EXPECT_EQ(2, Doc()->GetMappingCount());
}

TEST_F(ExitCommands, CloseBox_Edited_Asks1020_CancelKeepsWindow_OkLeavesWithoutWriting)
{
    Doc()->AddMapping(0x3A, 0x1D);
    m_boxes.Answer({IDCANCEL, IDOK});
    HWND hMain = MainWindow();
    ::SendMessageA(hMain, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(1020), m_boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONQUESTION), m_boxes.m_shown[0].nType);
    EXPECT_EQ(TRUE, ::IsWindow(hMain));
    EXPECT_EQ(TRUE, m_pApp->GetSaveOnExit());

    ::SendMessageA(hMain, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(2u, m_boxes.m_shown.size());
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
    EXPECT_EQ(FALSE, m_pApp->GetSaveOnExit());
    EXPECT_EQ(0, Writes());
    EXPECT_EQ(0u, m_restart.m_calls.size());
}

TEST_F(ExitCommands, CloseBox_Unedited_ClosesAtOnce)
{
    HWND hMain = MainWindow();
    ::SendMessageA(hMain, WM_SYSCOMMAND, SC_CLOSE | 0x3, 0); // low four bits are the system's
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    EXPECT_EQ(0, Writes());
}

TEST_F(ExitCommands, QuitWithoutSaving_Edited_Asks1020_ThenLeavesWithoutWriting)
{
    Doc()->AddMapping(0x3A, 0x1D);
    m_boxes.Answer({IDOK});
    HWND hMain = MainWindow();
    Command(ID_FILE_CANCEL_EXIT);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(1020), m_boxes.m_shown[0].strText);
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
    EXPECT_EQ(0, Writes());
}

TEST_F(ExitCommands, RemoveAll_ThenSaveAndExit_DeletesTheValue)
{
    m_registry.Put(kLayoutPath, "Scancode Map", REG_BINARY, kCapsToCtrl);
    Stop();
    ASSERT_EQ(TRUE, Start({}));
    ASSERT_EQ(1, Doc()->GetMappingCount());
    HWND hMain = MainWindow();

    m_boxes.Answer({IDYES, IDNO}); // clear? yes; restart? no
    Command(ID_EDIT_REMOVE_ALL);
    EXPECT_EQ(0, Doc()->GetMappingCount());
    EXPECT_EQ(hMain, MainWindow()); // the same frame, re-initialised
    Command(ID_APP_EXIT);
    ASSERT_EQ(2u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(1018), m_boxes.m_shown[0].strText);
    EXPECT_EQ(wintest::LoadResourceString(1003), m_boxes.m_shown[1].strText);
    EXPECT_EQ(FALSE, m_registry.HasValue(kLayoutPath, "Scancode Map"));
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
}
