// The manual's pictures: starts Velloric in this process, as velloric.exe
// starts it, and plays a short session with real window messages (drags on
// the keyboard view, menu commands to the main window). Modal boxes and
// dialogs are caught from inside their own message loop by a thread timer.
// Each picture is saved as NAME-SET.bmp in the folder given as the argument;
// SET is "ja" under a Japanese code page and "en" otherwise, as the program
// picks its resource set. scripts/make-screenshots.sh turns them into PNGs.
//
// It writes the registry (the key table, the profile), so it refuses to run
// anywhere but in a throw-away Wine prefix. Nothing is ever restarted.
#include <windows.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <string>

#include "app/win32/velloric_app.h"
#include "framework/win32/frame_wnd.h"
#include "model/command_line_flags.h"
#include "model/key_name_alias.h"
#include "model/scancode_map_store.h"
#include "platform/win32/win32_text_measure.h"
#include "res/resource.h"
#include "tools/screenshots/prefix_tool.h"
#include "tools/screenshots/window_shot.h"
#include "view/key_fit.h"
#include "view/win32/key_cap.h"
#include "view/win32/velloric_view.h"

namespace
{
const WORD SC_LEFT_CTRL = 0x001D;
const WORD SC_CAPS_LOCK = 0x003A;
const WORD SC_INSERT = 0xE052;
const UINT CATCH_INTERVAL = 20;     // milliseconds between looks for a modal box
const DWORD CATCH_DEADLINE = 15000; // a box still waiting then is given up on

// The keyboard a Japanese user has: the platform's keyboard services, except
// that the keyboard reports the Japanese subtype (2), so the view takes the
// 106-key layout as it does on such a machine, and the five keys of that
// layout, which Wine's null driver leaves unnamed or names after US keys
// ("F14"), get the names the manual gives them (Kana shortened to fit).
class CJapaneseKeyboard : public IKeyboardServices
{
public:
    explicit CJapaneseKeyboard(IKeyboardServices& keyboard) : m_keyboard(keyboard) {}
    int GetKeyNameText(LONG lParam, char* pszName, int cchName) override
    {
        // Shift-JIS, as GetKeyNameTextA answers under code page 932.
        static const struct
        {
            int nScancode;
            const char* pszName;
        } s_names[] = {
            {0x7B, "\x96\xb3\x95\xcf\x8a\xb7"}, // 無変換
            {0x79, "\x95\xcf\x8a\xb7"},         // 変換
            {0x70, "\x82\xa9\x82\xc8"},         // かな
            {0x7D, "\x81\x8f"},                 // ￥
            {0x73, "\x82\xeb"},                 // ろ
        };
        int nScancode = (int)((lParam >> 16) & 0x1FF);
        for (const auto& entry : s_names)
        {
            if (entry.nScancode != nScancode || cchName <= 0)
                continue;
            lstrcpynA(pszName, entry.pszName, cchName);
            return lstrlenA(pszName);
        }
        return m_keyboard.GetKeyNameText(lParam, pszName, cchName);
    }
    int GetKeyboardType(int nTypeFlag) override
    {
        return nTypeFlag == 1 ? 2 : m_keyboard.GetKeyboardType(nTypeFlag);
    }

private:
    IKeyboardServices& m_keyboard;
};

// What a user who has run the program before would have: the tip switched
// off (it would cover the main window), the display options at their
// defaults, and one remapping in the registry from an earlier session.
// Written here rather than by the program's store, which would show a
// message box on failure with nobody to answer it.
BOOL PrepareRegistry()
{
    const DWORD dwStartUp = 1;
    if (SetValue(HKEY_CURRENT_USER, "Software\\Ostrelwick\\Velloric\\Tip", "StartUp", REG_DWORD,
                 (const BYTE*)&dwStartUp, sizeof dwStartUp) != ERROR_SUCCESS)
        return FALSE;
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Ostrelwick\\Velloric\\Preference");

    // Version and flags, a count of two (the entry and the terminator),
    // Insert (E052) sending Delete (E053), the terminator.
    static const BYTE s_table[] = {0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0,
                                   0x53, 0xE0, 0x52, 0xE0, 0, 0, 0, 0};
    return SetValue(HKEY_LOCAL_MACHINE, CScancodeMapValue::s_pszKeyPath,
                    CScancodeMapValue::s_pszValueName, REG_BINARY, s_table, sizeof s_table) ==
           ERROR_SUCCESS;
}

// One step of a modal session: given the box or dialog that takes input now,
// it acts and returns TRUE, or returns FALSE while that is not yet its box.
typedef std::function<BOOL(HWND hDlg)> ModalStep;

// Runs steps on the modal boxes of this thread from inside their own loops.
class CModalCatcher
{
public:
    CModalCatcher() : m_nTimer(0), m_dwStart(::GetTickCount()), m_bBusy(FALSE), m_bGaveUp(FALSE)
    {
        s_pCatcher = this;
        m_nTimer = ::SetTimer(NULL, 0, CATCH_INTERVAL, &CModalCatcher::OnTimer);
    }
    ~CModalCatcher()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pCatcher = nullptr;
        MSG msg;
        while (::PeekMessageA(&msg, NULL, WM_TIMER, WM_TIMER, PM_REMOVE))
        {
        }
    }
    CModalCatcher& Then(ModalStep step)
    {
        m_steps.push_back(step);
        return *this;
    }
    BOOL Done() const { return m_steps.empty() && !m_bGaveUp; }

    static void Press(HWND hDlg, int nID)
    {
        ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                       (LPARAM)::GetDlgItem(hDlg, nID));
    }

private:
    static BOOL CALLBACK MatchInputDialog(HWND hWnd, LPARAM lParam)
    {
        char szClass[16] = "";
        ::GetClassNameA(hWnd, szClass, sizeof szClass);
        if (lstrcmpA(szClass, "#32770") != 0 || !::IsWindowVisible(hWnd) ||
            !::IsWindowEnabled(hWnd))
            return TRUE;
        *(HWND*)lParam = hWnd;
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND hWnd, UINT nMsg, UINT_PTR nID, DWORD dwTime)
    {
        if (s_pCatcher != nullptr)
            s_pCatcher->Tick();
    }
    void Tick()
    {
        // A step that captures a window may pump messages: no second tick inside it.
        if (m_bBusy)
            return;
        HWND hDlg = NULL;
        ::EnumThreadWindows(::GetCurrentThreadId(), &MatchInputDialog, (LPARAM)&hDlg);
        if (hDlg == NULL)
            return;
        m_bBusy = TRUE;
        if (::GetTickCount() - m_dwStart > CATCH_DEADLINE)
        {
            // Never leave the script hanging on a box nobody expected.
            m_bGaveUp = TRUE;
            std::fprintf(stderr, "velloric_screenshots: a box was left waiting; closing it\n");
            ::EndDialog(hDlg, IDABORT);
        }
        else if (!m_steps.empty() && m_steps.front()(hDlg))
            m_steps.pop_front();
        m_bBusy = FALSE;
    }

    static CModalCatcher* s_pCatcher;
    std::deque<ModalStep> m_steps;
    UINT_PTR m_nTimer;
    DWORD m_dwStart;
    BOOL m_bBusy;
    BOOL m_bGaveUp;
};

CModalCatcher* CModalCatcher::s_pCatcher = nullptr;

BOOL IsMessageBox(HWND hDlg)
{
    return ::GetDlgItem(hDlg, 0xFFFF) != NULL; // the box's text
}

// A box is pictured once it is the active window, with its caption lit, as
// a user sees it; right after it appears it may not be yet.
BOOL IsActive(HWND hDlg)
{
    return ::GetActiveWindow() == hDlg;
}

// The pictures of one session, named NAME-SET.bmp in one folder.
class CManualPictures
{
public:
    CManualPictures(CVelloricApp& app, const std::string& strFolder, const std::string& strSet)
        : m_app(app), m_strFolder(strFolder), m_strSet(strSet), m_nFailures(0)
    {
    }

    int GetFailures() const { return m_nFailures; }

    void TakeDrag();
    void FinishSwap();
    void TakeMainWindow();
    void TakeLostKeyWarning();
    void TakeAutoLogon();
    void Quit();

private:
    HWND MainWindow() const { return m_app.GetMainWindowHandle(); }
    HWND ViewWindow() const { return g_pKeyboardView != nullptr ? g_pKeyboardView->m_hWnd : NULL; }
    static CKeyCap* FindBaseCap(WORD wScancode);
    static CKeyCap* FindRemapCap(WORD wScancode);
    static POINT Centre(const CKeyCap* pCap);
    // Where a pointer on the key leaves its name in sight.
    static POINT LowerRight(const CKeyCap* pCap);
    void Mouse(UINT nMsg, WPARAM wParam, POINT pt);
    // Presses at ptFrom, moves to ptTo and, unless bHold, releases there.
    void Drag(POINT ptFrom, POINT ptTo, BOOL bHold);
    // The frame's idle work (tool bar states) and any painting still due.
    void Settle();
    BOOL Save(CWindowShot& shot, const char* pszName);
    BOOL Shoot(HWND hWnd, const char* pszName);
    void RunModal(UINT nID, CModalCatcher& catcher, const char* pszWhat);
    void Fail(const std::string& strWhat);
    // Fails for every cap whose label leaves ink beyond its text rectangle:
    // a text engine that draws glyphs wider than it measures them cuts names
    // off in the pictures.
    void CheckLabelsFit();
    // Where the cap's label leaves ink, drawn as the cap draws it but unclipped.
    static BOOL GetLabelInk(HDC hScreen, HDC hDC, CKeyCap* pCap, RECT& rcInk);

    CVelloricApp& m_app;
    std::string m_strFolder;
    std::string m_strSet;
    int m_nFailures;
};

CKeyCap* CManualPictures::FindBaseCap(WORD wScancode)
{
    // The base keyboard's caps are keyed by key id, not by scancode.
    CWordHashMap<CKeyCap*>::Position pos = g_baseCapMap.GetStartPosition();
    while (pos != nullptr)
    {
        WORD wKey = 0;
        CKeyCap* pCap = nullptr;
        g_baseCapMap.GetNextAssoc(pos, wKey, pCap);
        if (pCap != nullptr && pCap->GetScancode() == wScancode)
            return pCap;
    }
    return nullptr;
}

CKeyCap* CManualPictures::FindRemapCap(WORD wScancode)
{
    CKeyCap* pCap = nullptr;
    return g_remapCapMap.Lookup(wScancode, pCap) ? pCap : nullptr;
}

POINT CManualPictures::Centre(const CKeyCap* pCap)
{
    const RECT& rc = pCap->GetRect();
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return pt;
}

POINT CManualPictures::LowerRight(const CKeyCap* pCap)
{
    const RECT& rc = pCap->GetRect();
    POINT pt = {rc.right - (rc.right - rc.left) / 4, rc.bottom - (rc.bottom - rc.top) / 4};
    return pt;
}

void CManualPictures::Mouse(UINT nMsg, WPARAM wParam, POINT pt)
{
    ::SendMessageA(ViewWindow(), nMsg, wParam, MAKELPARAM(pt.x, pt.y));
}

void CManualPictures::Drag(POINT ptFrom, POINT ptTo, BOOL bHold)
{
    Mouse(WM_MOUSEMOVE, 0, ptFrom);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, ptFrom);
    // On the way, as a hand would go: the highlight follows the pointer.
    POINT ptHalf = {(ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2};
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, ptHalf);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, ptTo);
    if (!bHold)
        Mouse(WM_LBUTTONUP, 0, ptTo);
}

void CManualPictures::Settle()
{
    if (m_app.m_pMainWnd != nullptr)
        m_app.m_pMainWnd->OnIdleUpdate();
    ::RedrawWindow(MainWindow(), NULL, NULL,
                   RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL CManualPictures::Save(CWindowShot& shot, const char* pszName)
{
    std::string strPath = m_strFolder + "\\" + pszName + "-" + m_strSet + ".bmp";
    if (!shot.Save(strPath))
    {
        Fail("cannot write " + strPath);
        return FALSE;
    }
    std::printf("%s\n", strPath.c_str());
    return TRUE;
}

BOOL CManualPictures::Shoot(HWND hWnd, const char* pszName)
{
    CWindowShot shot;
    if (!shot.Capture(hWnd))
    {
        Fail(std::string("cannot capture the window of ") + pszName);
        return FALSE;
    }
    return Save(shot, pszName);
}

void CManualPictures::RunModal(UINT nID, CModalCatcher& catcher, const char* pszWhat)
{
    ::SendMessageA(MainWindow(), WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    if (!catcher.Done())
        Fail(std::string("the boxes of ") + pszWhat + " did not come as expected");
}

void CManualPictures::Fail(const std::string& strWhat)
{
    ++m_nFailures;
    std::fprintf(stderr, "velloric_screenshots: %s\n", strWhat.c_str());
}

void CManualPictures::TakeDrag()
{
    // Left Ctrl of the base keyboard on its way to Caps Lock of the remapped
    // one: the key pressed, the target lit, the drag cursor at the pointer.
    CKeyCap* pFrom = FindBaseCap(SC_LEFT_CTRL);
    CKeyCap* pTo = FindRemapCap(SC_CAPS_LOCK);
    if (pFrom == nullptr || pTo == nullptr)
    {
        Fail("no Left Ctrl or Caps Lock key on the keyboard view");
        return;
    }
    POINT ptTo = LowerRight(pTo);
    Drag(Centre(pFrom), ptTo, TRUE);
    Settle();
    CWindowShot shot;
    POINT ptScreen = ptTo;
    ::ClientToScreen(ViewWindow(), &ptScreen);
    if (g_pKeyboardView->GetHoverKey() != pTo || g_pKeyboardView->GetDragCursor() == NULL)
        Fail("the drag did not take: no target lit or no drag cursor");
    else if (!shot.Capture(MainWindow()) ||
             !shot.DrawCursor(g_pKeyboardView->GetDragCursor(), ptScreen))
        Fail("cannot capture the drag");
    else
        Save(shot, "drag");
    Mouse(WM_LBUTTONUP, 0, ptTo);
}

void CManualPictures::FinishSwap()
{
    // Caps Lock onto Left Ctrl: the two keys have swapped.
    CKeyCap* pFrom = FindBaseCap(SC_CAPS_LOCK);
    CKeyCap* pTo = FindRemapCap(SC_LEFT_CTRL);
    if (pFrom == nullptr || pTo == nullptr)
    {
        Fail("no Caps Lock or Left Ctrl key on the keyboard view");
        return;
    }
    Drag(Centre(pFrom), Centre(pTo), FALSE);
    if (!FindRemapCap(SC_CAPS_LOCK)->IsRemapped() || !pTo->IsRemapped())
        Fail("Caps Lock and Left Ctrl did not swap");
}

void CManualPictures::TakeMainWindow()
{
    // The pointer rests on Caps Lock: the status bar names it in full.
    CKeyCap* pCaps = FindBaseCap(SC_CAPS_LOCK);
    if (pCaps == nullptr)
    {
        Fail("no Caps Lock key on the keyboard view");
        return;
    }
    Mouse(WM_MOUSEMOVE, 0, LowerRight(pCaps));
    Settle();
    CheckLabelsFit();
    Shoot(MainWindow(), "main-window");
}

void CManualPictures::CheckLabelsFit()
{
    HDC hScreen = ::GetDC(NULL);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    for (CWordHashMap<CKeyCap*>* pMap : {&g_baseCapMap, &g_remapCapMap})
    {
        CWordHashMap<CKeyCap*>::Position pos = pMap->GetStartPosition();
        while (pos != nullptr)
        {
            WORD wKey = 0;
            CKeyCap* pCap = nullptr;
            pMap->GetNextAssoc(pos, wKey, pCap);
            RECT rcInk;
            const RECT& rcText = pCap->GetTextRect();
            if (!GetLabelInk(hScreen, hDC, pCap, rcInk))
                Fail("key " + std::to_string(pCap->GetID()) + " is not laid out as its label asks");
            else if (!::IsRectEmpty(&rcInk) &&
                     (rcInk.left < rcText.left || rcInk.top < rcText.top ||
                      rcInk.right > rcText.right || rcInk.bottom > rcText.bottom))
            {
                char szWhere[128];
                std::snprintf(szWhere, sizeof szWhere, "(%ld,%ld)-(%ld,%ld) outside (%ld,%ld)-(%ld,%ld)",
                              rcInk.left, rcInk.top, rcInk.right, rcInk.bottom, rcText.left,
                              rcText.top, rcText.right, rcText.bottom);
                Fail("the label of key " + std::to_string(pCap->GetID()) + " is drawn at " +
                     szWhere + ": it is cut off");
            }
        }
    }
    ::DeleteDC(hDC);
    ::ReleaseDC(NULL, hScreen);
}

BOOL CManualPictures::GetLabelInk(HDC hScreen, HDC hDC, CKeyCap* pCap, RECT& rcInk)
{
    // The cap's format is its own; the fitting, run again, gives it back.
    LOGFONTA lfKey;
    ::GetObjectA(CKeyCap::GetKeyFont(), sizeof lfKey, &lfKey);
    std::string strLabel;
    pCap->GetLabel(strLabel);
    HGDIOBJ hOldFont = ::SelectObject(hDC, CKeyCap::GetKeyFont());
    CWin32TextMeasure measure(hDC);
    CKeyFitResult fit = CKeyFit(measure).Fit(
        pCap->GetRect(), strLabel, lfKey, g_bDebug,
        g_pKeyboardView->GetPreferences().GetFitKeyname());
    ApplyKeyNameAlias(strLabel);

    // Drawn black on white in a field larger than the cap, without clipping.
    const RECT& rcCap = pCap->GetRect();
    const int MARGIN = 32;
    int cx = rcCap.right - rcCap.left + 2 * MARGIN;
    int cy = rcCap.bottom - rcCap.top + 2 * MARGIN;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOldBitmap = ::SelectObject(hDC, hBitmap);
    ::SetViewportOrgEx(hDC, MARGIN - rcCap.left, MARGIN - rcCap.top, NULL);
    RECT rcField = {rcCap.left - MARGIN, rcCap.top - MARGIN, rcCap.right + MARGIN,
                    rcCap.bottom + MARGIN};
    ::FillRect(hDC, &rcField, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    HFONT hFitFont = IsEmptyFontRecord(pCap->GetFitFont()) ? NULL
                                                           : ::CreateFontIndirectA(&pCap->GetFitFont());
    ::SelectObject(hDC, hFitFont != NULL ? hFitFont : CKeyCap::GetKeyFont());
    ::SetTextColor(hDC, RGB(0, 0, 0));
    RECT rcText = pCap->GetTextRect();
    BOOL bSame = ::EqualRect(&rcText, &fit.rectText) &&
                 fit.lfFit.lfHeight == pCap->GetFitFont().lfHeight;
    ::DrawTextA(hDC, strLabel.c_str(), (int)strLabel.size(), &rcText, fit.nDrawFormat | DT_NOCLIP);
    ::SetRectEmpty(&rcInk);
    for (int y = rcField.top; y < rcField.bottom; ++y)
        for (int x = rcField.left; x < rcField.right; ++x)
        {
            if (::GetPixel(hDC, x, y) == RGB(255, 255, 255))
                continue;
            RECT rcPixel = {x, y, x + 1, y + 1};
            ::UnionRect(&rcInk, &rcInk, &rcPixel);
        }
    ::SetViewportOrgEx(hDC, 0, 0, NULL);
    ::SelectObject(hDC, hOldFont);
    ::SelectObject(hDC, hOldBitmap);
    ::DeleteObject(hBitmap);
    if (hFitFont != NULL)
        ::DeleteObject(hFitFont);
    return bSame;
}

void CManualPictures::TakeLostKeyWarning()
{
    // Insert gets its own code back by a click; Caps Lock dropped on its own
    // place does too. Left Ctrl still sends Caps Lock, so no key sends Ctrl.
    CKeyCap* pInsert = FindRemapCap(SC_INSERT);
    CKeyCap* pCaps = FindBaseCap(SC_CAPS_LOCK);
    CKeyCap* pCapsPlace = FindRemapCap(SC_CAPS_LOCK);
    if (pInsert == nullptr || pCaps == nullptr || pCapsPlace == nullptr)
    {
        Fail("no Insert or Caps Lock key on the keyboard view");
        return;
    }
    POINT ptInsert = Centre(pInsert);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, ptInsert);
    Mouse(WM_LBUTTONUP, 0, ptInsert);
    Drag(Centre(pCaps), Centre(pCapsPlace), FALSE);
    Settle();

    // Save and Exit: the warning (OK goes on), then the restart question
    // (Cancel goes back to editing, nothing written).
    CModalCatcher catcher;
    catcher
        .Then([this](HWND hDlg) {
            if (!IsMessageBox(hDlg) || ::GetDlgItem(hDlg, IDCANCEL) == NULL || !IsActive(hDlg))
                return FALSE;
            Shoot(hDlg, "lost-key-warning");
            CModalCatcher::Press(hDlg, IDOK);
            return TRUE;
        })
        .Then([this](HWND hDlg) {
            if (!IsMessageBox(hDlg) || ::GetDlgItem(hDlg, IDYES) == NULL || !IsActive(hDlg))
                return FALSE;
            Shoot(hDlg, "restart-question");
            CModalCatcher::Press(hDlg, IDCANCEL);
            return TRUE;
        });
    RunModal(ID_APP_EXIT, catcher, "Save and Exit");
}

void CManualPictures::TakeAutoLogon()
{
    // Harmless demo values, typed into the dialog and never saved: Cancel.
    CModalCatcher catcher;
    catcher.Then([this](HWND hDlg) {
        if (::GetDlgItem(hDlg, IDC_AUTOLOGON_ENABLE) == NULL || !IsActive(hDlg))
            return FALSE;
        if (::IsDlgButtonChecked(hDlg, IDC_AUTOLOGON_ENABLE) != BST_CHECKED)
            ::SendMessageA(::GetDlgItem(hDlg, IDC_AUTOLOGON_ENABLE), BM_CLICK, 0, 0);
        ::SetDlgItemTextA(hDlg, IDC_AUTOLOGON_USER_NAME, "demo");
        ::SetDlgItemTextA(hDlg, IDC_AUTOLOGON_PASSWORD, "example");
        ::SetDlgItemTextA(hDlg, IDC_AUTOLOGON_DOMAIN_NAME, "DEMO-PC");
        Shoot(hDlg, "autologon");
        CModalCatcher::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    RunModal(ID_OPTION_AUTOLOGON, catcher, "Automatic Logon");
}

void CManualPictures::Quit()
{
    // Quit Without Saving, and yes, discard the edits.
    CModalCatcher catcher;
    catcher.Then([](HWND hDlg) {
        if (!IsMessageBox(hDlg))
            return FALSE;
        CModalCatcher::Press(hDlg, IDOK);
        return TRUE;
    });
    RunModal(ID_FILE_CANCEL_EXIT, catcher, "Quit Without Saving");
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
} // namespace

int main(int argc, char* argv[])
{
    if (RefuseOutsideWine("velloric_screenshots", "scripts/make-screenshots.sh"))
        return 1;
    std::string strFolder = argc > 1 ? argv[1] : ".";
    const BOOL bJapanese = ::GetACP() == 932;

    CToolServices services;

    if (!PrepareRegistry())
    {
        std::fprintf(stderr, "velloric_screenshots: cannot prepare the prefix's registry\n");
        return 1;
    }

    // The English pictures show the layout Wine reports (101 keys), the
    // Japanese ones the 106-key layout a Japanese keyboard gets.
    CVelloricPlatform platform = services.Platform();
    CJapaneseKeyboard japaneseKeyboard(platform.keyboard);
    CVelloricPlatform japanesePlatform{platform.registry,    japaneseKeyboard,
                                       platform.restart,     platform.system,
                                       platform.shell,       platform.fontChooser,
                                       platform.soundPlayer, platform.userName,
                                       platform.tipsFiles,   platform.fileDialogs,
                                       platform.files,       platform.secrets};
    CVelloricApp app(bJapanese ? japanesePlatform : platform);
    if (!app.InitInstance())
    {
        std::fprintf(stderr, "velloric_screenshots: the program did not start\n");
        return 1;
    }

    CManualPictures pictures(app, strFolder, bJapanese ? "ja" : "en");
    pictures.TakeDrag();
    pictures.FinishSwap();
    pictures.TakeMainWindow();
    pictures.TakeLostKeyWarning();
    pictures.TakeAutoLogon();
    pictures.Quit();
    return pictures.GetFailures() == 0 ? 0 : 1;
}
