#include "tests/win32/startup_fixture.h"

#include <functional>

#include "framework/win32/frame_wnd.h"
#include "framework/win32/single_doc_template.h"
#include "framework/win32/view.h"
#include "model/command_line_flags.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "view/win32/key_cap.h"
#include "tests/win32/win32_test_support.h"

namespace
{
const std::vector<BYTE> kEmptyTable = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
const std::vector<BYTE> kCapsToCtrl = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0,
                                       0x1D, 0, 0x3A, 0, 0, 0, 0, 0};
const char kKeyboardLayoutPath[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";

// The "-c" path against the prefix's real registry, in whichever set the locale picks.
void ExpectClearWritesEmptyTableAndReports1005(CVelloricApp* pApp,
                                               CScriptedMessageBoxes& boxes)
{
    BOOL bPresent = FALSE;
    std::vector<BYTE> bytes = wintest::ReadScancodeMap(&bPresent);
    EXPECT_EQ(TRUE, bPresent);
    EXPECT_EQ(kEmptyTable, bytes);
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(1005), boxes.m_shown[0].strText);
    EXPECT_EQ(wintest::LoadResourceString(57344), boxes.m_shown[0].strCaption);
    EXPECT_EQ((UINT)MB_ICONINFORMATION, boxes.m_shown[0].nType);
    EXPECT_EQ((CFrameWnd*)nullptr, pApp->m_pMainWnd);
}

// Scripted boxes that note, as each box comes up, whether the main window is on screen.
class CBoxesOverTheWindow : public CScriptedMessageBoxes
{
public:
    CBoxesOverTheWindow(IStringSource* pStrings, std::function<HWND()> mainWindow)
        : CScriptedMessageBoxes(pStrings), m_mainWindow(mainWindow)
    {
    }
    int Show(const char* pszText, const char* pszCaption, UINT nType) override
    {
        m_windowVisible.push_back(::IsWindowVisible(m_mainWindow()));
        return CScriptedMessageBoxes::Show(pszText, pszCaption, nType);
    }
    std::vector<BOOL> m_windowVisible;

private:
    std::function<HWND()> m_mainWindow;
};
} // namespace

class Startup : public StartupFixture
{
};
class StartupJapanese : public StartupFixture
{
};

TEST_F(Startup, ClearOption_WritesEmptyTable_AndReportsClearedInNeutralSet)
{
    wintest::WriteScancodeMap(kCapsToCtrl);
    EXPECT_EQ(FALSE, Start({"-c"}, &m_realRegistry));
    ExpectClearWritesEmptyTableAndReports1005(m_pApp.get(), m_boxes);
    EXPECT_EQ(wintest::Ansi(u8"所有换键设置已经清除"), m_boxes.m_shown[0].strText);
    wintest::DeleteScancodeMap();
}

TEST_F(StartupJapanese, ClearOption_WritesEmptyTable_AndReportsClearedInJapaneseSet)
{
    ASSERT_EQ(932u, ::GetACP());
    wintest::WriteScancodeMap(kCapsToCtrl);
    EXPECT_EQ(FALSE, Start({"-c", "-d"}, &m_realRegistry));
    ExpectClearWritesEmptyTableAndReports1005(m_pApp.get(), m_boxes);
    EXPECT_EQ(wintest::Ansi(u8"全てのキーリマップはクリアされました"), m_boxes.m_shown[0].strText);
    EXPECT_EQ(FALSE, g_bDebug);
    wintest::DeleteScancodeMap();
}

TEST_F(Startup, ClearOption_ReportsCannotOpen_WhenKeyCannotBeOpened)
{
    m_registry.m_lCreateError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(FALSE, Start({"-c"}));
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(1000), m_boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
    EXPECT_EQ(FALSE, m_registry.HasValue(kKeyboardLayoutPath, "Scancode Map"));
}

TEST_F(Startup, ClearOption_ReportsCannotWriteThen1002_WhenWriteFails)
{
    m_registry.m_lSetError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(FALSE, Start({"-c"}));
    ASSERT_EQ(2u, m_boxes.m_shown.size());
    EXPECT_EQ("Cannot Write!", m_boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
    EXPECT_EQ(wintest::LoadResourceString(1002), m_boxes.m_shown[1].strText);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[1].nType);
}

TEST_F(Startup, DebugOption_SetsDebugFlagOnly_AndStartsNormally)
{
    EXPECT_EQ(TRUE, Start({"-d", "-6"}));
    EXPECT_EQ(TRUE, g_bDebug);
    EXPECT_EQ(FALSE, g_bForce106);
    EXPECT_NE((HWND)NULL, MainWindow());
}

TEST_F(Startup, Force106Option_SetsFlag_AndShowsThe106Form)
{
    EXPECT_EQ(TRUE, Start({"-6"}));
    EXPECT_EQ(TRUE, g_bForce106);
    EXPECT_EQ(FALSE, g_bDebug);
    CFrameWnd* pFrame = m_pApp->m_pMainWnd;
    ASSERT_NE((CFrameWnd*)nullptr, pFrame);
    // The view shows form 132, the only one with the Kana key (1013), whose
    // button has become a key cap on each keyboard.
    CFormView* pView = dynamic_cast<CFormView*>(pFrame->GetActiveView());
    ASSERT_NE((CFormView*)nullptr, pView);
    EXPECT_EQ(132u, pView->GetTemplateID());
    CKeyCap* pKana = nullptr;
    EXPECT_EQ(TRUE, g_baseCapMap.Lookup(1013, pKana));
    EXPECT_EQ(TRUE, g_remapCapMap.Lookup(0x0070, pKana));
}

TEST_F(Startup, OptionVariantsAndStrayArguments_StartWithTheRegistryList_NothingEdited)
{
    struct
    {
        std::vector<std::string> args;
        BOOL bDebug;
    } cases[] = {{{"-D"}, FALSE},   {{"/d"}, FALSE}, {{"--d"}, FALSE},
                 {{"-c2"}, FALSE},  {{"c"}, FALSE},  {{"nonexistent.ini"}, FALSE},
                 {{"-d", "foo.ini"}, TRUE}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.args.back());
        // The program opens no documents: no argument may empty the list or
        // mark it edited, or "save and exit" would delete the registry's table.
        m_registry.Put(kKeyboardLayoutPath, "Scancode Map", REG_BINARY, kCapsToCtrl);
        EXPECT_EQ(TRUE, Start(c.args));
        EXPECT_EQ(c.bDebug, g_bDebug);
        EXPECT_EQ(FALSE, g_bForce106);
        EXPECT_NE((HWND)NULL, MainWindow());
        CVelloricDoc* pDoc = dynamic_cast<CVelloricDoc*>(m_pApp->GetDocTemplate()->GetDocument());
        ASSERT_NE(nullptr, pDoc);
        EXPECT_EQ(1, pDoc->GetMappingCount());
        EXPECT_EQ(FALSE, g_bEdited);
        Command(ID_APP_EXIT);
        EXPECT_EQ(kCapsToCtrl, m_registry.Get(kKeyboardLayoutPath, "Scancode Map").bytes);
        EXPECT_EQ(0u, m_boxes.m_shown.size());
        Stop();
    }
}

TEST_F(Startup, ValueNotReadInFull_IsReportedOverTheShownWindow)
{
    std::vector<BYTE> tooLong(5000, 0);
    tooLong[8] = 2;
    m_registry.Put(kKeyboardLayoutPath, "Scancode Map", REG_BINARY, tooLong);
    CBoxesOverTheWindow boxes(&m_strings, [this] { return MainWindow(); });
    EXPECT_EQ(TRUE, Start({}));
    ASSERT_EQ(1u, boxes.m_shown.size());
    std::string strExpected;
    AfxFormatString1(strExpected, IDS_UNREADABLE_SCANCODE_MAP, "5000");
    EXPECT_EQ(strExpected, boxes.m_shown[0].strText);
    EXPECT_NE(std::string::npos, strExpected.find("5000"));
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), boxes.m_shown[0].nType);
    EXPECT_EQ(std::vector<BOOL>{TRUE}, boxes.m_windowVisible); // when the box came up
    EXPECT_EQ(TRUE, ::IsWindowVisible(MainWindow()));
}

TEST_F(Startup, WindowThatCannotBeMade_IsReported_AndEndsWithAFailureCode)
{
    // A template whose view cannot be created, as a missing resource would do.
    class CNoViewApp : public CWinApp
    {
    public:
        explicit CNoViewApp(IRegistry& registry) : CWinApp(registry) {}
        BOOL InitInstance() override
        {
            AddDocTemplate(new CSingleDocTemplate(
                IDR_MAINFRAME, []() -> CDocument* { return new CDocument; },
                []() -> CFrameWnd* { return new CFrameWnd; },
                [](CFrameWnd*) -> CView* { return nullptr; }));
            return ProcessShellCommand();
        }
    };
    CNoViewApp app(m_registry);
    EXPECT_EQ(FALSE, app.InitInstance());
    EXPECT_EQ(1, app.ExitInstance());
    EXPECT_EQ((HWND)NULL, app.GetMainWindowHandle());
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(61700), m_boxes.m_shown[0].strText);
    EXPECT_NE("", m_boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
}

TEST_F(Startup, ClearAsSecondArgument_HasNoEffect)
{
    m_registry.Put(kKeyboardLayoutPath, "Scancode Map", REG_BINARY, kCapsToCtrl);
    EXPECT_EQ(TRUE, Start({"-x", "-c"}));
    EXPECT_EQ(kCapsToCtrl, m_registry.Get(kKeyboardLayoutPath, "Scancode Map").bytes);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(Startup, MainWindow_HasInstanceClassTitleAndFixedStyle)
{
    ASSERT_EQ(TRUE, Start({}));
    char szClass[64] = "";
    char szTitle[64] = "";
    ::GetClassNameA(MainWindow(), szClass, sizeof szClass);
    ::GetWindowTextA(MainWindow(), szTitle, sizeof szTitle);
    EXPECT_STREQ("quendalo.velloric", szClass);
    EXPECT_STREQ("Velloric", szTitle);
    LONG_PTR style = ::GetWindowLongPtrA(MainWindow(), GWL_STYLE);
    EXPECT_EQ((LONG_PTR)(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
              style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_MAXIMIZEBOX));
}

TEST_F(Startup, Start_CreatesProfileKeysDownToSettings)
{
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(TRUE, m_registry.HasKey("HKCU\\Software\\Ostrelwick\\Velloric\\Settings"));
}

TEST_F(Startup, OperatingSystemWarning_ShownOnce_ForNonNtOrOldVersions)
{
    struct
    {
        DWORD dwPlatform;
        DWORD dwMajor;
        size_t nBoxes;
    } cases[] = {{1, 4, 1}, {0, 10, 1}, {2, 3, 1}, {2, 4, 0}, {2, 10, 0}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.dwPlatform << "/" << c.dwMajor);
        m_system.m_dwPlatformId = c.dwPlatform;
        m_system.m_dwMajorVersion = c.dwMajor;
        m_boxes.m_shown.clear();
        EXPECT_EQ(TRUE, Start({}));
        ASSERT_EQ(c.nBoxes, m_boxes.m_shown.size());
        if (c.nBoxes == 1)
        {
            EXPECT_EQ("Caution: This operating system is not supported.",
                      m_boxes.m_shown[0].strText);
            EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), m_boxes.m_shown[0].nType);
            EXPECT_NE((HWND)NULL, MainWindow()); // the program runs on
        }
        Stop();
    }
}

TEST_F(Startup, DisabledCommand_IsNotRun_FromMenuAcceleratorOrPost)
{
    ASSERT_EQ(TRUE, Start({}));
    // Restore is enabled only once the list is edited; it would ask 1019.
    Command(ID_EDIT_RESTORE, 0);
    Command(ID_EDIT_RESTORE, 1);
    ::PostMessageA(MainWindow(), WM_COMMAND, ID_EDIT_RESTORE, 0);
    wintest::DrainMessages();
    EXPECT_EQ(0u, m_boxes.m_shown.size());

    g_bEdited = TRUE;
    m_boxes.Answer({IDNO});
    Command(ID_EDIT_RESTORE, 1);
    ASSERT_EQ(1u, m_boxes.m_shown.size());
    EXPECT_EQ(wintest::LoadResourceString(1019), m_boxes.m_shown[0].strText);
}

TEST_F(Startup, UnhandledCommand_IsGreyedInMenu_AndIgnored)
{
    ASSERT_EQ(TRUE, Start({}));
    HMENU hEdit = ::GetSubMenu(::GetMenu(MainWindow()), 1);
    ::SendMessageA(MainWindow(), WM_INITMENUPOPUP, (WPARAM)hEdit, 1);
    EXPECT_EQ((UINT)MF_GRAYED, ::GetMenuState(hEdit, ID_EDIT_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ((UINT)MF_GRAYED, ::GetMenuState(hEdit, ID_EDIT_REMOVE_ALL, MF_BYCOMMAND) & MF_GRAYED);
    g_bEdited = TRUE;
    ::SendMessageA(MainWindow(), WM_INITMENUPOPUP, (WPARAM)hEdit, 1);
    EXPECT_EQ(0u, ::GetMenuState(hEdit, ID_EDIT_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    Command(12345);
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(Startup, QuitWithoutSaving_ClosesUneditedListWithoutQuestion)
{
    ASSERT_EQ(TRUE, Start({}));
    HWND hMain = MainWindow();
    Command(ID_FILE_CANCEL_EXIT);
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
    EXPECT_EQ(FALSE, m_pApp->GetSaveOnExit());
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}
