// The tool bar: buttons from a layout resource (version, button size,
// commands, 0 for a separator) and images from the bitmap of the same id,
// light grey masked out. Button states follow the commands' update handlers;
// tool tips and status prompts come from the command strings. The control
// lives in a dock bar along an edge of the frame or in a small floating
// window (see CDockContext); it lays its buttons out in one row, one column
// or, floating with the dynamic size, as many rows as its window is tall.
#pragma once

#include <vector>

#include "platform/platform_types.h"

#include <commctrl.h>

// Bar styles, as the framework's control bars know them.
enum
{
    CBRS_SIZE_DYNAMIC = 0x0004, // floating, the window is sized by rows of buttons
    CBRS_TOOLTIPS = 0x0010,
    CBRS_FLYBY = 0x0020, // the status bar shows the prompt of the button under the mouse
    CBRS_ALIGN_LEFT = 0x1000,
    CBRS_ALIGN_TOP = 0x2000,
    CBRS_ALIGN_RIGHT = 0x4000,
    CBRS_ALIGN_BOTTOM = 0x8000,
    CBRS_ALIGN_ANY = 0xF000
};

class CToolBar
{
public:
    CToolBar() {}
    ~CToolBar();

    // Makes the control, hidden, in hParent; the frame's dock context shows it.
    BOOL Create(HWND hParent, UINT nID);
    BOOL LoadToolBar(UINT nIDResource);
    // Images and buttons for nDpi, scaled from the resource's 96-DPI pixels;
    // the caller lays the bar out again.
    void SetDpi(UINT nDpi);
    UINT GetDpi() const { return m_nDpi; }
    const std::vector<UINT>& GetCommands() const { return m_commands; } // 0 = separator
    void SetButtonState(UINT nID, BOOL bEnabled, BOOL bChecked);

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    // The sides (CBRS_ALIGN_...) the bar may dock on.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    DWORD GetDockStyle() const { return m_dwDockStyle; }

    int GetButtonCount() const; // separators not counted
    // Lays the buttons out in nRows rows (1 to the button count; several rows
    // leave the separators out) and sizes the control to them.
    SIZE CalcLayout(int nRows);
    int GetRows() const { return m_nRows; }

    HWND m_hWnd = NULL;

private:
    BOOL LoadImages(int nDpi);

    HIMAGELIST m_hImages = NULL;
    UINT m_nIDResource = 0;
    SIZE m_sizeImage = {0, 0};  // at 96 DPI, as the layout resource gives it
    SIZE m_sizeButton = {0, 0}; // at 96 DPI, as the control made it
    UINT m_nDpi = 96;
    std::vector<UINT> m_commands;
    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    int m_nRows = 1;
    CToolBar(const CToolBar&) = delete;
    CToolBar& operator=(const CToolBar&) = delete;
};
