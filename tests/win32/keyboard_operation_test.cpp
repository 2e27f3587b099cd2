// The keyboard view driven by WM_KEYDOWN alone: the focus cue from start-up,
// a remap, a give-back and a cancelled drag, the status bar and the tip; and
// the whole work with keys only, down to the bytes in the registry.
#include "tests/win32/keyboard_view_fixture.h"

#include "framework/afx_message_box.h"
#include "framework/win32/frame_wnd.h"
#include "framework/win32/win32_message_boxes.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/win32_test_support.h"

namespace
{
class KeyboardOperation : public KeyboardViewFixture
{
protected:
    void Key(UINT nVirtKey)
    {
        LPARAM lParam = 1 | ((LPARAM)::MapVirtualKeyA(nVirtKey, 0) << 16);
        ::SendMessageA(ViewWindow(), WM_KEYDOWN, nVirtKey, lParam);
    }
    void Keys(std::initializer_list<UINT> keys)
    {
        for (UINT nVirtKey : keys)
            Key(nVirtKey);
    }
    CKeyCap* Focus() { return View()->GetFocusKey(); }
    // A key typed into the window with the focus, as Windows delivers it
    // (posted, so that the modal loop that reads it translates it).
    static void PostKey(HWND hWnd, UINT nVirtKey)
    {
        ::PostMessageA(hWnd, WM_KEYDOWN, nVirtKey, 1 | ((LPARAM)::MapVirtualKeyA(nVirtKey, 0) << 16));
    }
    // Alt+letter on the focus window: the system keys Windows sends for it.
    void AltKey(UINT nVirtKey, char chLower)
    {
        const LPARAM ALT_DOWN = 1 << 29;
        HWND hFocus = ::GetFocus();
        ::SendMessageA(hFocus, WM_SYSKEYDOWN, VK_MENU, ALT_DOWN | 1 | (0x38 << 16));
        LPARAM lParam = ALT_DOWN | 1 | ((LPARAM)::MapVirtualKeyA(nVirtKey, 0) << 16);
        ::SendMessageA(hFocus, WM_SYSKEYDOWN, nVirtKey, lParam);
        ::SendMessageA(hFocus, WM_SYSCHAR, (WPARAM)chLower, lParam);
    }
    static void CALLBACK TypeIntoMenu(HWND, UINT, UINT_PTR nID, DWORD)
    {
        // The open menu reads the keys from its own loop.
        if (HWND hMenu = ::FindWindowA("#32768", NULL))
            if (::IsWindowVisible(hMenu))
            {
                ::KillTimer(NULL, nID);
                PostKey(hMenu, 'X');
            }
    }
};
} // namespace

TEST_F(KeyboardOperation, FromStartUp_TheViewHasTheFocus_OnTheBaseEsc)
{
    StartWithList({});
    EXPECT_EQ(ViewWindow(), ::GetFocus());
    ASSERT_NE(nullptr, Focus());
    EXPECT_EQ(0x01, Focus()->GetScancode());
    EXPECT_EQ(FALSE, Focus()->IsOnRemapBoard());
}

TEST_F(KeyboardOperation, RemapGiveBackAndCancel_WithKeysAlone)
{
    StartWithList({});
    Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT});
    ASSERT_EQ(Base(ID_A), Focus());
    EXPECT_EQ(" A ", StatusText()); // the status bar and the tip follow the cue
    EXPECT_EQ(TRUE, View()->IsFocusTipShown());

    Key(VK_SPACE); // picked up
    EXPECT_EQ(Base(ID_A), View()->GetDragKey());
    Keys({VK_NEXT, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT}); // over the remapped keyboard's B
    ASSERT_EQ(Remap(SC_B), Focus());
    EXPECT_EQ(Remap(SC_B), View()->GetHoverKey());
    Key(VK_RETURN); // dropped
    EXPECT_EQ("0030:001E", List());
    EXPECT_EQ(nullptr, View()->GetDragKey());
    EXPECT_EQ(HWND(NULL), ::GetCapture());

    Key(VK_SPACE); // the remapped B given back
    EXPECT_EQ("", List());
    EXPECT_EQ(FALSE, Remap(SC_B)->IsRemapped());

    Keys({VK_PRIOR, VK_SPACE, VK_LEFT, VK_ESCAPE}); // base B picked up, moved, Esc
    EXPECT_EQ("", List());
    EXPECT_EQ(nullptr, View()->GetDragKey());
    EXPECT_EQ(0, Base(ID_B)->GetState());
    EXPECT_EQ(0, Base(ID_N)->GetState());
}

TEST_F(KeyboardOperation, RemapGiveBackSaveAndExit_WithKeysAlone_WritesTheExactBytes)
{
    wintest::DeleteScancodeMap();
    ASSERT_EQ(TRUE, Start({}, &m_realRegistry));
    CWin32MessageBoxSink realBoxes; // the real boxes, answered by keys below
    IMessageBoxSink* pScripted = AfxSetMessageBoxSink(&realBoxes);
    HWND hMain = MainWindow();

    Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_SPACE}); // base A picked up
    Keys({VK_NEXT, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN}); // onto remapped B
    Keys({VK_PRIOR, VK_SPACE, VK_NEXT, VK_RIGHT, VK_RETURN}); // base B onto remapped N
    ASSERT_EQ("0031:0030 0030:001E", List());
    Key(VK_SPACE); // the remapped N given back
    ASSERT_EQ("0030:001E", List());

    // File > Save and Exit by its access keys. B is lost now: the warning's
    // OK is its default button (Enter); the restart question: No (N).
    std::vector<std::string> texts;
    auto Answer = [&texts](UINT nVirtKey) {
        return [&texts, nVirtKey](HWND hBox) {
            char szText[512] = "";
            ::GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof szText);
            if (!texts.empty() && texts.back() == szText)
                return FALSE; // the last box, still closing
            texts.push_back(szText);
            PostKey(::GetFocus(), nVirtKey);
            return TRUE;
        };
    };
    CDialogDriver driver;
    driver.Then(Answer(VK_RETURN)).Then(Answer('N'));
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 50, &TypeIntoMenu);
    AltKey('F', 'f');
    ::KillTimer(NULL, nTimer);
    for (int i = 0; i < 200 && ::IsWindow(hMain); ++i)
        wintest::DrainMessages();
    AfxSetMessageBoxSink(pScripted);

    EXPECT_EQ(FALSE, ::IsWindow(hMain));
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ(0u, texts[0].find("No key will send \"B\" [0x0030] any more."));
    EXPECT_EQ(wintest::LoadResourceString(1003), texts[1]);
    EXPECT_EQ(0, driver.GiveUps());
    EXPECT_EQ(0u, m_restart.m_calls.size());
    EXPECT_EQ((std::vector<BYTE>{0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0x1E, 0, 0x30, 0, 0, 0, 0, 0}),
              wintest::ReadScancodeMap());
    wintest::DeleteScancodeMap();
}
