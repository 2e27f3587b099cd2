// The keyboard view's and the main window's repaint, measured in the
// program's own process (started as velloric.exe starts it), and pictures of
// the main window in given states, to compare the view's pixels across a
// change of its drawing code.
//
//   velloric_bench.exe FLAG time               prints view_ms main_ms draw_ms
//   velloric_bench.exe FLAG shot STATE FILE     saves the main window as a BMP
//
// view_ms: the view alone (its children, the group boxes, not included),
// main_ms: the whole main window, draw_ms: the caps' drawing without the
// window's erasing and painting.
// FLAG is the program's own first argument ("-d", "-6") or "-" for none.
// STATE: plain, remaps, raised, sunk, drag, focus, contrast (with the remaps). It writes the
// registry (the key table, the profile), so it runs only under Wine, in a
// throw-away prefix (scripts/bench_repaint.py makes one).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/velloric_app.h"
#include "framework/win32/frame_wnd.h"
#include "model/scancode_map_store.h"
#include "res/resource.h"
#include "tools/screenshots/prefix_tool.h"
#include "tools/screenshots/window_shot.h"
#include "view/win32/key_cap.h"
#include "view/win32/velloric_view.h"

namespace
{
const int REPAINTS = 200;
const UINT VIEW_REDRAW = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW;
const UINT MAIN_REDRAW = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
const char* const TIP_KEY = "Software\\Ostrelwick\\Velloric\\Tip";
const char* const PREFERENCE_KEY = "Software\\Ostrelwick\\Velloric\\Preference";

// The tip off, the display options at their defaults, and either no table
// or one that shows every kind of remapped cap: a key producing another key
// of the board (Caps Lock -> Left Ctrl, Insert -> Delete, A -> Left Windows),
// one producing nothing (Scroll Lock), one producing a key off the board.
BOOL PrepareRegistry(BOOL bRemaps)
{
    const DWORD dwStartUp = 1;
    if (SetValue(HKEY_CURRENT_USER, TIP_KEY, "StartUp", REG_DWORD,
                 (const BYTE*)&dwStartUp, sizeof dwStartUp) != ERROR_SUCCESS)
        return FALSE;
    ::RegDeleteKeyA(HKEY_CURRENT_USER, PREFERENCE_KEY);
    static const BYTE s_table[] = {0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0, 0,
                                   0x1D, 0x00, 0x3A, 0x00, 0x53, 0xE0, 0x52, 0xE0,
                                   0x5B, 0xE0, 0x1E, 0x00, 0x00, 0x00, 0x46, 0x00,
                                   0x59, 0x00, 0x3B, 0x00, 0, 0, 0, 0};
    if (!bRemaps)
    {
        HKEY hKey = NULL;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, CScancodeMapValue::s_pszKeyPath, 0, KEY_SET_VALUE,
                            &hKey) == ERROR_SUCCESS)
        {
            ::RegDeleteValueA(hKey, CScancodeMapValue::s_pszValueName);
            ::RegCloseKey(hKey);
        }
        return TRUE;
    }
    return SetValue(HKEY_LOCAL_MACHINE, CScancodeMapValue::s_pszKeyPath,
                    CScancodeMapValue::s_pszValueName, REG_BINARY, s_table, sizeof s_table) ==
           ERROR_SUCCESS;
}

// A high-contrast theme, which Wine cannot switch on: the program's own
// question for it (SystemParametersInfoA through this exe's import table) is
// answered "on".
typedef BOOL(WINAPI* PFN_SPI)(UINT, UINT, PVOID, UINT);
PFN_SPI g_pfnSystemParametersInfoA = nullptr;

BOOL WINAPI ContrastParametersInfoA(UINT nAction, UINT nParam, PVOID pvParam, UINT nWinIni)
{
    BOOL bResult = g_pfnSystemParametersInfoA(nAction, nParam, pvParam, nWinIni);
    if (nAction == SPI_GETHIGHCONTRAST && pvParam != nullptr)
    {
        ((HIGHCONTRASTA*)pvParam)->dwFlags |= HCF_HIGHCONTRASTON;
        return TRUE;
    }
    return bResult;
}

BOOL AnswerContrastOn()
{
    BYTE* pBase = (BYTE*)::GetModuleHandleA(NULL);
    const IMAGE_NT_HEADERS* pNt = (const IMAGE_NT_HEADERS*)(pBase + ((IMAGE_DOS_HEADER*)pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (IMAGE_IMPORT_DESCRIPTOR* pDesc = (IMAGE_IMPORT_DESCRIPTOR*)(pBase + dir.VirtualAddress);
         pDesc->Name != 0; ++pDesc)
    {
        if (lstrcmpiA((const char*)(pBase + pDesc->Name), "user32.dll") != 0)
            continue;
        IMAGE_THUNK_DATA* pName = (IMAGE_THUNK_DATA*)(pBase + pDesc->OriginalFirstThunk);
        IMAGE_THUNK_DATA* pAddress = (IMAGE_THUNK_DATA*)(pBase + pDesc->FirstThunk);
        for (; pName->u1.AddressOfData != 0; ++pName, ++pAddress)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal) ||
                lstrcmpA((const char*)((IMAGE_IMPORT_BY_NAME*)(pBase + pName->u1.AddressOfData))->Name,
                         "SystemParametersInfoA") != 0)
                continue;
            DWORD dwProtect = 0;
            ::VirtualProtect(&pAddress->u1.Function, sizeof pAddress->u1.Function, PAGE_READWRITE, &dwProtect);
            g_pfnSystemParametersInfoA = (PFN_SPI)pAddress->u1.Function;
            pAddress->u1.Function = (ULONG_PTR)&ContrastParametersInfoA;
            ::VirtualProtect(&pAddress->u1.Function, sizeof pAddress->u1.Function, dwProtect, &dwProtect);
            return TRUE;
        }
    }
    return FALSE;
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

class Stopwatch
{
public:
    Stopwatch() { ::QueryPerformanceCounter(&m_start); }
    double Elapsed() const // milliseconds
    {
        LARGE_INTEGER freq, stop;
        ::QueryPerformanceFrequency(&freq);
        ::QueryPerformanceCounter(&stop);
        return (double)(stop.QuadPart - m_start.QuadPart) * 1000.0 / (double)freq.QuadPart;
    }

private:
    LARGE_INTEGER m_start;
};

double Repaint(HWND hWnd, UINT nFlags)
{
    Pump();
    Stopwatch watch;
    for (int i = 0; i < REPAINTS; ++i)
        ::RedrawWindow(hWnd, NULL, NULL, nFlags);
    return watch.Elapsed();
}

CKeyCap* FindCap(const CWordHashMap<CKeyCap*>& map, WORD wScancode)
{
    CWordHashMap<CKeyCap*>::Position pos = map.GetStartPosition();
    while (pos != nullptr)
    {
        WORD wKey = 0;
        CKeyCap* pCap = nullptr;
        map.GetNextAssoc(pos, wKey, pCap);
        if (pCap != nullptr && pCap->GetScancode() == wScancode)
            return pCap;
    }
    return nullptr;
}

POINT Centre(const CKeyCap* pCap)
{
    const RECT& rc = pCap->GetRect();
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return pt;
}

// Puts the view into the state asked for; FALSE when Wine cannot show it.
BOOL EnterState(HWND hMain, HWND hView, const std::string& strState)
{
    if (strState == "raised" || strState == "sunk")
    {
        UINT nID = strState == "raised" ? ID_KEYNAME_SIMPLE + 1 : ID_KEYNAME_SIMPLE + 2;
        ::SendMessageA(hMain, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    }
    else if (strState == "focus")
    {
        ::SetForegroundWindow(hMain);
        ::SetFocus(hView);
        if (::GetFocus() != hView)
            return FALSE;
    }
    else if (strState == "drag")
    {
        // Left Ctrl held over Caps Lock of the remapped keyboard: pressed and lit caps.
        CKeyCap* pFrom = FindCap(g_baseCapMap, 0x1D);
        CKeyCap* pTo = FindCap(g_remapCapMap, 0x3A);
        if (pFrom == nullptr || pTo == nullptr)
            return FALSE;
        POINT ptFrom = Centre(pFrom), ptTo = Centre(pTo);
        ::SendMessageA(hView, WM_MOUSEMOVE, 0, MAKELPARAM(ptFrom.x, ptFrom.y));
        ::SendMessageA(hView, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptFrom.x, ptFrom.y));
        ::SendMessageA(hView, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptTo.x, ptTo.y));
    }
    else if (strState == "contrast")
    {
        if (!AnswerContrastOn())
            return FALSE;
        ::SendMessageA(hView, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        if (!CKeyCap::IsHighContrast())
            return FALSE;
    }
    Pump();
    ::RedrawWindow(hMain, NULL, NULL, MAIN_REDRAW);
    return TRUE;
}

} // namespace

int main(int argc, char* argv[])
{
    if (RefuseOutsideWine("velloric_bench", "scripts/bench_repaint.py"))
        return 1;
    std::string strMode = argc > 2 ? argv[2] : "";
    std::string strState = argc > 3 ? argv[3] : "plain";
    if (strMode != "time" && !(strMode == "shot" && argc > 4))
    {
        std::fprintf(stderr, "usage: velloric_bench FLAG time | FLAG shot STATE FILE.bmp\n");
        return 2;
    }
    CToolServices services;
    if (!PrepareRegistry(strState != "plain"))
    {
        std::fprintf(stderr, "velloric_bench: cannot prepare the prefix's registry\n");
        return 1;
    }
    CVelloricApp app(services.Platform());
    std::string strFlag = argv[1];
    if (strFlag != "-")
        app.SetArguments(std::vector<std::string>(1, strFlag));
    if (!app.InitInstance() || g_pKeyboardView == nullptr)
    {
        std::fprintf(stderr, "velloric_bench: the program did not start\n");
        return 1;
    }
    HWND hMain = app.GetMainWindowHandle();
    HWND hView = g_pKeyboardView->m_hWnd;
    Pump();
    int nResult = 0;
    if (strMode == "time")
    {
        Repaint(hView, VIEW_REDRAW); // warm: fonts realised, glyphs cached
        double dView = Repaint(hView, VIEW_REDRAW);
        Repaint(hMain, MAIN_REDRAW);
        double dMain = Repaint(hMain, MAIN_REDRAW);
        // The caps' drawing alone, without the window's erasing and painting.
        HDC hDC = ::GetDC(hView);
        Stopwatch watch;
        for (int i = 0; i < REPAINTS; ++i)
            g_pKeyboardView->OnDraw(hDC);
        double dDraw = watch.Elapsed();
        ::ReleaseDC(hView, hDC);
        std::printf("%.2f %.2f %.2f\n", dView, dMain, dDraw);
    }
    else if (!EnterState(hMain, hView, strState))
    {
        std::fprintf(stderr, "velloric_bench: state %s cannot be shown here\n", strState.c_str());
        nResult = 3;
    }
    else
    {
        CWindowShot shot;
        if (!shot.Capture(hMain) || !shot.Save(argv[4]))
        {
            std::fprintf(stderr, "velloric_bench: cannot save %s\n", argv[4]);
            nResult = 1;
        }
    }
    ::ReleaseCapture();
    ::DestroyWindow(hMain);
    Pump();
    return nResult;
}
