// Keys beyond the drawn keyboard in the program: the key context menu's
// "produce nothing", and the Other Keys window with keys picked by pressing
// them, sent by SendInput with KEYEVENTF_SCANCODE through the real hook.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "dialogs/win32/other_keys_dialog.h"
#include "model/velloric_doc.h"
#include "platform/win32/win32_keyboard_hook.h"
#include "res/resource.h"
#include "tests/win32/keyboard_view_fixture.h"

namespace
{
struct OtherKeys : KeyboardViewFixture
{
};

void SendScancode(WORD wScan, BOOL bExtended, BOOL bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = wScan;
    input.ki.dwFlags = KEYEVENTF_SCANCODE | (bExtended ? KEYEVENTF_EXTENDEDKEY : 0) |
                       (bUp ? KEYEVENTF_KEYUP : 0);
    ::SendInput(1, &input, sizeof input);
}

// The window's steps, one a timer tick inside its modal loop; a step that
// answers FALSE is asked again at the next tick.
std::vector<std::function<BOOL(HWND)>> s_steps;
size_t s_nStep = 0;
HWND s_hDialog = NULL;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_hDialog == NULL || s_nStep >= s_steps.size())
        return;
    if (s_steps[s_nStep](s_hDialog))
        ++s_nStep;
}

std::string Status(HWND hDialog)
{
    char sz[512] = {};
    ::GetDlgItemTextA(hDialog, IDC_OTHER_KEYS_STATUS, sz, sizeof sz);
    return sz;
}

WORD Chosen(HWND hDialog, int nComboID)
{
    HWND hCombo = ::GetDlgItem(hDialog, nComboID);
    return (WORD)::SendMessageA(hCombo, CB_GETITEMDATA, ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0), 0);
}

// Press a Key... for a combo, then one key sent as a keyboard would.
std::function<BOOL(HWND)> Click(int nID)
{
    return [nID](HWND hDialog) {
        ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
        return TRUE;
    };
}
std::function<BOOL(HWND)> Key(WORD wScan, BOOL bExtended)
{
    return [wScan, bExtended](HWND) {
        SendScancode(wScan, bExtended, FALSE);
        SendScancode(wScan, bExtended, TRUE);
        return TRUE;
    };
}
// Waits for the key to be taken, then notes what the combo chose.
std::function<BOOL(HWND)> Taken(int nComboID, std::vector<WORD>* pSeen)
{
    return [nComboID, pSeen](HWND hDialog) {
        if (Status(hDialog).find("Taken") == std::string::npos)
            return FALSE;
        pSeen->push_back(Chosen(hDialog, nComboID));
        ::SetDlgItemTextA(hDialog, IDC_OTHER_KEYS_STATUS, "");
        return TRUE;
    };
}
} // namespace

// Inside the menu's own loop: the first item, chosen with the keyboard.
static void CALLBACK ChooseFirstMenuItem(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (HWND hMenu = ::FindWindowA("#32768", NULL))
    {
        ::KillTimer(NULL, nID);
        ::PostMessageA(hMenu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hMenu, WM_KEYDOWN, VK_RETURN, 0);
    }
}

TEST_F(OtherKeys, RightClick_OpensTheKeyMenu_WhoseItemsSendNothing_AndGiveTheKeyBack)
{
    StartWithList({});
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, ChooseFirstMenuItem);
    POINT pt = Centre(Base(ID_CAPS));
    ::ClientToScreen(ViewWindow(), &pt);
    ::SendMessageA(ViewWindow(), WM_CONTEXTMENU, (WPARAM)ViewWindow(), MAKELPARAM(pt.x, pt.y));
    ::KillTimer(NULL, nTimer);
    EXPECT_EQ("003A:0000", List());
    EXPECT_EQ(TRUE, Remap(SC_CAPS)->SendsNothing());
    Move(Centre(Remap(SC_CAPS)), 0);
    EXPECT_EQ("Caps Lock: produces nothing", StatusText());
    ASSERT_EQ(TRUE, View()->ApplyKeyCommand(Base(ID_CAPS), ID_KEY_PRODUCE_OWN));
    EXPECT_EQ("", List());
    EXPECT_EQ(FALSE, Remap(SC_CAPS)->SendsNothing());
    // Asked for by the keyboard (Shift+F10, the context-menu key): the menu of
    // the key with the focus cue, the base keyboard's Esc at start-up.
    nTimer = ::SetTimer(NULL, 0, 100, ChooseFirstMenuItem);
    ::SendMessageA(ViewWindow(), WM_CONTEXTMENU, (WPARAM)ViewWindow(), MAKELPARAM(-1, -1));
    ::KillTimer(NULL, nTimer);
    EXPECT_EQ("0001:0000", List());
}

TEST_F(OtherKeys, Window_TakesPressedKeys_PrintScreenPauseNumLockAndAlt_AndEditsTheList)
{
    // In force since start-up: Caps Lock sends Right Alt, Right Alt sends A.
    StartWithList({{0x003A, 0xE038}, {0xE038, 0x001E}});
    std::vector<WORD> seen;
    s_steps = {
        Click(IDC_OTHER_KEYS_PRESS_PHYSICAL), Key(0x37, TRUE), Taken(IDC_OTHER_KEYS_PHYSICAL, &seen),
        Click(IDC_OTHER_KEYS_PRESS_OUTPUT), Key(0x45, FALSE), Taken(IDC_OTHER_KEYS_OUTPUT, &seen),
        Click(IDC_OTHER_KEYS_SET),
        Click(IDC_OTHER_KEYS_PRESS_OUTPUT), Key(0x45, TRUE), Taken(IDC_OTHER_KEYS_OUTPUT, &seen),
        Click(IDC_OTHER_KEYS_PRESS_OUTPUT), Key(0x38, FALSE), Taken(IDC_OTHER_KEYS_OUTPUT, &seen),
        // Right Alt arrives, but the table in force makes it from Caps Lock.
        Click(IDC_OTHER_KEYS_PRESS_PHYSICAL), Key(0x38, TRUE), Taken(IDC_OTHER_KEYS_PHYSICAL, &seen),
        [](HWND hDialog) {
            ::SendMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return TRUE;
        },
    };
    s_nStep = 0;
    CWin32KeyboardHook hook;
    COtherKeysDialog dlg(*Doc(), View()->GetKeyboard(), hook, FALSE);
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 100, &RunStep);
    // The dialog's window is known once it is up.
    s_hDialog = NULL;
    UINT_PTR nFinder = ::SetTimer(NULL, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (s_hDialog == NULL)
            s_hDialog = ::FindWindowA(NULL, "Other Keys");
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    ::KillTimer(NULL, nTimer);
    ::KillTimer(NULL, nFinder);
    EXPECT_EQ(std::vector<WORD>({0xE037, 0xE11D, 0x0045, 0x0038, 0x003A}), seen);
    EXPECT_NE(std::string::npos, List().find("E037:E11D")) << List();
    EXPECT_EQ(std::vector<CRemapPair>({{0xE037, 0xE11D}}), dlg.GetRows());
}
