// A picture of one top-level window as a user would see it, taken in the
// program's own process: the window is painted (frame and child windows
// too) and its pixels are copied from its window DC. Wine's null display
// driver keeps every window's pixels in memory, so no X server is needed.
// PrintWindow is no help there: Wine's WM_PRINT draws neither the frame nor
// the child windows. A capture has no mouse pointer; it can be drawn in
// afterwards. Saved as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

class CWindowShot
{
public:
    CWindowShot();
    ~CWindowShot();

    // Paints and copies hWnd at its current size; FALSE for a window that
    // does not lie wholly on the screen, whose hidden part would be missing.
    BOOL Capture(HWND hWnd);
    // Draws hCursor with its hot spot at ptScreen (screen coordinates).
    BOOL DrawCursor(HCURSOR hCursor, POINT ptScreen);
    BOOL Save(const std::string& strPath) const;

private:
    void Release();

    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    BYTE* m_pBits;
    RECT m_rcWindow; // where the window lay on the screen when it was captured

    CWindowShot(const CWindowShot&) = delete;
    CWindowShot& operator=(const CWindowShot&) = delete;
};
