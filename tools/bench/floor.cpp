// The floor the keyboard view's repaint is measured against: the same 212
// caps (both keyboards of the form template, in the same places, named by the
// same key-name service) drawn with the GDI calls a cap needs and nothing
// else: a font chosen once, the label's colour, DrawText, DrawEdge. Two
// windows: the caps alone in a plain window, and the caps in a form inside a
// frame of the main window's structure (menu, tool bar, form, status bar).
// Each is repainted REPAINTS times; the milliseconds are printed as
//   caps_ms main_ms draw_ms
// (draw_ms: the caps' drawing alone, without the window's erasing and painting).
// scripts/bench_repaint.py runs it beside velloric_bench.exe.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "model/key_table.h"
#include "res/resource.h"

namespace
{
const int REPAINTS = 200;
const int TOOL_BUTTONS = 9;
const int STATUS_PARTS = 4;
// The same repaints as velloric_bench.exe asks of the view and the main window.
const UINT CAPS_REDRAW = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW;
const UINT MAIN_REDRAW = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

struct CFloorCap
{
    RECT rc;
    std::string strLabel;
    HFONT hFont;  // the key font, or the smaller one for a label too wide
    UINT nFormat;
    COLORREF crText;
};

std::vector<CFloorCap> g_caps;
HFONT g_hKeyFont = NULL;
HFONT g_hSmallFont = NULL;

void DrawCaps(HDC hDC)
{
    int nSaved = ::SaveDC(hDC);
    for (const CFloorCap& cap : g_caps)
    {
        if (!::RectVisible(hDC, &cap.rc))
            continue;
        ::SelectObject(hDC, cap.hFont);
        ::SetTextColor(hDC, cap.crText);
        RECT rcText = cap.rc;
        ::InflateRect(&rcText, -2, -2);
        ::DrawTextA(hDC, cap.strLabel.c_str(), (int)cap.strLabel.size(), &rcText, cap.nFormat);
        RECT rcEdge = cap.rc;
        ::DrawEdge(hDC, &rcEdge, EDGE_RAISED, BF_RECT);
    }
    ::RestoreDC(hDC, nSaved);
}

LRESULT CALLBACK CapsWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != WM_PAINT)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    DrawCaps(hDC);
    ::EndPaint(hWnd, &ps);
    return 0;
}

INT_PTR CALLBACK FormProc(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_INITDIALOG)
        return TRUE;
    if (nMsg != WM_PAINT)
        return FALSE;
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hDlg, &ps);
    DrawCaps(hDC);
    ::EndPaint(hDlg, &ps);
    return TRUE;
}

// Takes the caps from a form made of the template: each key's button gives
// its place and goes, as the view's caps do.
void TakeCaps(HWND hForm)
{
    HFONT hFormFont = (HFONT)::SendMessageA(hForm, WM_GETFONT, 0, 0);
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    ::GetObjectA(hFormFont != NULL ? hFormFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    if (g_hKeyFont == NULL)
    {
        if (lf.lfHeight < -2)
            lf.lfHeight += 1;
        g_hKeyFont = ::CreateFontIndirectA(&lf);
        lf.lfHeight += 2;
        g_hSmallFont = ::CreateFontIndirectA(&lf);
    }
    HDC hDC = ::GetDC(hForm);
    HGDIOBJ hOld = ::SelectObject(hDC, g_hKeyFont);
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    std::vector<CFloorCap> caps;
    for (int nBoard = 0; nBoard < 2; ++nBoard)
    {
        for (int i = 0; i < CKeyTable::COUNT_106; ++i)
        {
            int nID = pEntries[i].wKeyId + (nBoard == 0 ? 0 : CKeyTable::REMAP_ID_OFFSET);
            HWND hButton = ::GetDlgItem(hForm, nID);
            if (hButton == NULL)
                continue;
            CFloorCap cap;
            ::GetWindowRect(hButton, &cap.rc);
            ::MapWindowPoints(NULL, hForm, (POINT*)&cap.rc, 2);
            ::DestroyWindow(hButton);
            WORD wTableCode = pEntries[i].wTableCode;
            char szName[64] = "";
            ::GetKeyNameTextA((LONG)(wTableCode & 0x1FF) << 16, szName, sizeof szName);
            cap.strLabel = szName;
            SIZE size = {0, 0};
            ::GetTextExtentPoint32A(hDC, szName, lstrlenA(szName), &size);
            BOOL bWide = size.cx >= cap.rc.right - cap.rc.left - 2;
            cap.hFont = bWide ? g_hSmallFont : g_hKeyFont;
            cap.nFormat = DT_NOPREFIX | (bWide ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER | DT_CENTER);
            cap.crText = nBoard == 0 ? RGB(0, 0, 0) : RGB(0, 0, 255);
            caps.push_back(cap);
        }
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hForm, hDC);
    ::DestroyWindow(::GetDlgItem(hForm, IDC_FORM_DUMMY));
    ::ShowWindow(::GetDlgItem(hForm, IDC_FORM_STATUS), SW_HIDE);
    g_caps = caps;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

template <class WORK>
double Elapsed(WORK work) // milliseconds
{
    LARGE_INTEGER freq, start, stop;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&stop);
    return (double)(stop.QuadPart - start.QuadPart) * 1000.0 / (double)freq.QuadPart;
}

double Repaint(HWND hWnd, UINT nFlags)
{
    Pump();
    return Elapsed([hWnd, nFlags] {
        for (int i = 0; i < REPAINTS; ++i)
            ::RedrawWindow(hWnd, NULL, NULL, nFlags);
    });
}

HWND CreateToolBar(HWND hFrame, HINSTANCE hInstance)
{
    HWND hBar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT |
                                  TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0, hFrame, NULL, hInstance, NULL);
    ::SendMessageA(hBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST hImages = ImageList_LoadImageA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME), 16, 0,
                                              RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ::SendMessageA(hBar, TB_SETIMAGELIST, 0, (LPARAM)hImages);
    std::vector<TBBUTTON> buttons(TOOL_BUTTONS);
    for (int i = 0; i < TOOL_BUTTONS; ++i)
    {
        ZeroMemory(&buttons[i], sizeof buttons[i]);
        buttons[i].iBitmap = i;
        buttons[i].idCommand = 1000 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = (i % 4 == 3) ? BTNS_SEP : BTNS_BUTTON;
    }
    ::SendMessageA(hBar, TB_ADDBUTTONSA, buttons.size(), (LPARAM)buttons.data());
    ::SendMessageA(hBar, TB_AUTOSIZE, 0, 0);
    return hBar;
}

HWND CreateMainFloor(HINSTANCE hInstance, int nTemplate)
{
    HMENU hMenu = ::LoadMenuA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    HWND hFrame = ::CreateWindowExA(0, "VelloricFloorFrame", "Floor",
                                    WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0, 0,
                                    800, 700, NULL, hMenu, hInstance, NULL);
    HWND hBar = CreateToolBar(hFrame, hInstance);
    HWND hStatus = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0,
                                     0, 0, 0, hFrame, NULL, hInstance, NULL);
    int edges[STATUS_PARTS] = {300, 360, 420, -1};
    ::SendMessageA(hStatus, SB_SETPARTS, STATUS_PARTS, (LPARAM)edges);
    ::SendMessageA(hStatus, SB_SETTEXTA, 0, (LPARAM)"Ready");
    HWND hForm = ::CreateDialogParamA(hInstance, MAKEINTRESOURCEA(nTemplate), hFrame, &FormProc, 0);
    TakeCaps(hForm);
    RECT rcBar, rcStatus, rcForm;
    ::GetWindowRect(hBar, &rcBar);
    ::GetWindowRect(hStatus, &rcStatus);
    ::GetWindowRect(hForm, &rcForm);
    int cyBar = rcBar.bottom - rcBar.top;
    int cyStatus = rcStatus.bottom - rcStatus.top;
    RECT rc = {0, 0, rcForm.right - rcForm.left, cyBar + rcForm.bottom - rcForm.top + cyStatus};
    ::AdjustWindowRectEx(&rc, (DWORD)::GetWindowLongPtrA(hFrame, GWL_STYLE), TRUE, 0);
    ::SetWindowPos(hFrame, NULL, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER);
    ::MoveWindow(hForm, 0, cyBar, rcForm.right - rcForm.left, rcForm.bottom - rcForm.top, TRUE);
    ::SendMessageA(hStatus, WM_SIZE, 0, 0);
    ::SendMessageA(hBar, TB_AUTOSIZE, 0, 0);
    ::ShowWindow(hForm, SW_SHOW);
    ::ShowWindow(hFrame, SW_SHOW);
    ::UpdateWindow(hFrame);
    return hFrame;
}

HWND CreateCapsFloor(HINSTANCE hInstance, int nTemplate)
{
    HWND hWnd = ::CreateWindowExA(0, "VelloricFloorCaps", "Floor", WS_POPUP, 0, 0, 800, 600, NULL,
                                  NULL, hInstance, NULL);
    // The form only lends the caps' places and its font.
    HWND hForm = ::CreateDialogParamA(hInstance, MAKEINTRESOURCEA(nTemplate), hWnd, &FormProc, 0);
    TakeCaps(hForm);
    RECT rcForm;
    ::GetWindowRect(hForm, &rcForm);
    ::DestroyWindow(hForm);
    ::SetWindowPos(hWnd, NULL, 0, 0, rcForm.right - rcForm.left, rcForm.bottom - rcForm.top,
                   SWP_NOZORDER);
    ::ShowWindow(hWnd, SW_SHOW);
    ::UpdateWindow(hWnd);
    return hWnd;
}

void Register(HINSTANCE hInstance, const char* pszClass, WNDPROC pfnProc)
{
    WNDCLASSA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = pfnProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = pszClass;
    ::RegisterClassA(&wc);
}
} // namespace

int main(int argc, char* argv[])
{
    // "-6": the Japanese form, as the program takes it under the same flag.
    int nTemplate = argc > 1 && std::string(argv[1]) == "-6" ? IDD_KEYBOARD_FORM_106 : IDD_KEYBOARD_FORM;
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    Register(hInstance, "VelloricFloorCaps", &CapsWndProc);
    Register(hInstance, "VelloricFloorFrame", &::DefWindowProcA);

    HWND hCaps = CreateCapsFloor(hInstance, nTemplate);
    Repaint(hCaps, CAPS_REDRAW); // warm: fonts realised, glyphs cached
    double dCaps = Repaint(hCaps, CAPS_REDRAW);
    HDC hDC = ::GetDC(hCaps);
    double dDraw = Elapsed([hDC] {
        for (int i = 0; i < REPAINTS; ++i)
            DrawCaps(hDC);
    });
    ::ReleaseDC(hCaps, hDC);
    ::DestroyWindow(hCaps);
    g_caps.clear();

    HWND hFrame = CreateMainFloor(hInstance, nTemplate);
    Repaint(hFrame, MAIN_REDRAW);
    double dMain = Repaint(hFrame, MAIN_REDRAW);
    ::DestroyWindow(hFrame);
    std::printf("%.2f %.2f %.2f\n", dCaps, dMain, dDraw);
    return 0;
}
