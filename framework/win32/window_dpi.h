// The DPI a window is drawn at, and the few DPI-aware calls the frame needs.
// Windows 7 and 8 lack most of them (they came with Windows 8.1 and 10), so
// each is looked up at run time and falls back to the screen's LOGPIXELSY,
// which is then every window's DPI.
#pragma once

#include "platform/platform_types.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

class CWindowDpi
{
public:
    // The window's DPI (GetDpiForWindow), else the screen's.
    static UINT ForWindow(HWND hWnd);
    // The DPI the system runs at, which the process saw at start-up.
    static UINT ForSystem();
    // AdjustWindowRectExForDpi, else AdjustWindowRectEx (the system's DPI).
    static BOOL AdjustWindowRect(RECT* prc, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle, UINT nDpi);
    // The status bar's font for nDpi (SystemParametersInfoForDpi), else the
    // system's status font scaled from the system's DPI.
    static BOOL GetStatusFont(LOGFONTA* plf, UINT nDpi);
    // A dialog used as a child form is scaled by its owner: Windows 10's own
    // rescaling of dialog fonts and controls is switched off for it.
    static void TakeOverDialogScaling(HWND hDialog);
    // Windows 10 1607's per-monitor mode scales a window's caption and menu
    // only when asked during WM_NCCREATE (version 2 always does).
    static void EnableNonClientScaling(HWND hWnd);
};
