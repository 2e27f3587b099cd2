#include "framework/win32/window_dpi.h"

#include <cstddef>
#include <cstring>

#include "framework/dpi_scale.h"

namespace
{
typedef UINT(WINAPI* GetDpiForWindowProc)(HWND);
typedef UINT(WINAPI* GetDpiForSystemProc)();
typedef BOOL(WINAPI* AdjustWindowRectExForDpiProc)(RECT*, DWORD, BOOL, DWORD, UINT);
typedef BOOL(WINAPI* SystemParametersInfoForDpiProc)(UINT, UINT, void*, UINT, UINT);
typedef BOOL(WINAPI* SetDialogDpiChangeBehaviorProc)(HWND, int, int);
typedef BOOL(WINAPI* EnableNonClientDpiScalingProc)(HWND);

// DDC_DISABLE_ALL: neither the dialog's font nor its controls are resized.
const int DIALOG_DPI_DISABLE_ALL = 0x0001;

template <class PROC>
PROC User32Proc(const char* pszName)
{
    HMODULE hUser = ::GetModuleHandleA("user32.dll");
    return hUser != NULL ? (PROC)(void*)::GetProcAddress(hUser, pszName) : nullptr;
}

UINT ScreenDpi()
{
    HDC hDC = ::GetDC(NULL);
    int nDpi = hDC != NULL ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
    if (hDC != NULL)
        ::ReleaseDC(NULL, hDC);
    return nDpi > 0 ? (UINT)nDpi : (UINT)CDpiScale::BASE_DPI;
}
} // namespace

UINT CWindowDpi::ForWindow(HWND hWnd)
{
    static GetDpiForWindowProc s_pfn = User32Proc<GetDpiForWindowProc>("GetDpiForWindow");
    UINT nDpi = s_pfn != nullptr && hWnd != NULL ? s_pfn(hWnd) : 0;
    return nDpi != 0 ? nDpi : ForSystem();
}

UINT CWindowDpi::ForSystem()
{
    static GetDpiForSystemProc s_pfn = User32Proc<GetDpiForSystemProc>("GetDpiForSystem");
    UINT nDpi = s_pfn != nullptr ? s_pfn() : 0;
    return nDpi != 0 ? nDpi : ScreenDpi();
}

BOOL CWindowDpi::AdjustWindowRect(RECT* prc, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle, UINT nDpi)
{
    static AdjustWindowRectExForDpiProc s_pfn =
        User32Proc<AdjustWindowRectExForDpiProc>("AdjustWindowRectExForDpi");
    if (s_pfn != nullptr)
        return s_pfn(prc, dwStyle, bMenu, dwExStyle, nDpi);
    return ::AdjustWindowRectEx(prc, dwStyle, bMenu, dwExStyle);
}

BOOL CWindowDpi::GetStatusFont(LOGFONTA* plf, UINT nDpi)
{
    static SystemParametersInfoForDpiProc s_pfn =
        User32Proc<SystemParametersInfoForDpiProc>("SystemParametersInfoForDpi");
    if (s_pfn != nullptr)
    {
        // The DPI-aware call answers in wide characters only.
        NONCLIENTMETRICSW ncmW;
        ZeroMemory(&ncmW, sizeof ncmW);
        ncmW.cbSize = sizeof ncmW;
        if (s_pfn(SPI_GETNONCLIENTMETRICS, sizeof ncmW, &ncmW, 0, nDpi))
        {
            const LOGFONTW& lfW = ncmW.lfStatusFont;
            ZeroMemory(plf, sizeof *plf);
            std::memcpy(plf, &lfW, offsetof(LOGFONTW, lfFaceName));
            ::WideCharToMultiByte(CP_ACP, 0, lfW.lfFaceName, -1, plf->lfFaceName,
                                  sizeof plf->lfFaceName, NULL, NULL);
            return TRUE;
        }
    }
    NONCLIENTMETRICSA ncm;
    ZeroMemory(&ncm, sizeof ncm);
    ncm.cbSize = sizeof ncm;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0))
        return FALSE;
    *plf = ncm.lfStatusFont;
    plf->lfHeight = CDpiScale::ScaleFontHeight(plf->lfHeight, (int)nDpi, (int)ForSystem());
    return TRUE;
}

void CWindowDpi::TakeOverDialogScaling(HWND hDialog)
{
    static SetDialogDpiChangeBehaviorProc s_pfn =
        User32Proc<SetDialogDpiChangeBehaviorProc>("SetDialogDpiChangeBehavior");
    if (s_pfn != nullptr)
        s_pfn(hDialog, DIALOG_DPI_DISABLE_ALL, DIALOG_DPI_DISABLE_ALL);
}

void CWindowDpi::EnableNonClientScaling(HWND hWnd)
{
    static EnableNonClientDpiScalingProc s_pfn =
        User32Proc<EnableNonClientDpiScalingProc>("EnableNonClientDpiScaling");
    if (s_pfn != nullptr)
        s_pfn(hWnd);
}
