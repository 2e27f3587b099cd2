#include "tools/screenshots/window_shot.h"

#include <cstdio>

namespace
{
const WORD BITMAP_FILE_TYPE = 0x4D42; // "BM"

int RowBytes(int cx)
{
    return (cx * 3 + 3) & ~3; // 24-bit rows are padded to whole DWORDs
}

// 24 bits, bottom-up, as the file stores it.
BITMAPINFOHEADER HeaderFor(int cx, int cy)
{
    BITMAPINFOHEADER info;
    ZeroMemory(&info, sizeof info);
    info.biSize = sizeof info;
    info.biWidth = cx;
    info.biHeight = cy;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = (DWORD)RowBytes(cx) * (DWORD)cy;
    return info;
}
} // namespace

CWindowShot::CWindowShot() : m_hDC(NULL), m_hBitmap(NULL), m_hOldBitmap(NULL), m_pBits(nullptr)
{
    ::SetRectEmpty(&m_rcWindow);
}

CWindowShot::~CWindowShot()
{
    Release();
}

void CWindowShot::Release()
{
    if (m_hDC != NULL)
    {
        ::SelectObject(m_hDC, m_hOldBitmap);
        ::DeleteDC(m_hDC);
    }
    if (m_hBitmap != NULL)
        ::DeleteObject(m_hBitmap);
    m_hDC = NULL;
    m_hBitmap = NULL;
    m_hOldBitmap = NULL;
    m_pBits = nullptr;
    ::SetRectEmpty(&m_rcWindow);
}

BOOL CWindowShot::Capture(HWND hWnd)
{
    Release();
    RECT rcWindow;
    if (!::IsWindow(hWnd) || !::GetWindowRect(hWnd, &rcWindow) || ::IsRectEmpty(&rcWindow))
        return FALSE;
    int xScreen = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    int yScreen = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    RECT rcScreen = {xScreen, yScreen, xScreen + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     yScreen + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    RECT rcOnScreen;
    ::IntersectRect(&rcOnScreen, &rcWindow, &rcScreen);
    if (!::EqualRect(&rcOnScreen, &rcWindow))
        return FALSE;

    int cx = rcWindow.right - rcWindow.left;
    int cy = rcWindow.bottom - rcWindow.top;
    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof bmi);
    bmi.bmiHeader = HeaderFor(cx, cy);
    HDC hScreen = ::GetDC(NULL);
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_hDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(NULL, hScreen);
    if (m_hBitmap == NULL || m_hDC == NULL)
    {
        Release();
        return FALSE;
    }
    m_pBits = (BYTE*)pBits;
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);

    // Whatever changed since the last paint (a text set, a box ticked, a key
    // lit) is painted now, frame and child windows included.
    ::RedrawWindow(hWnd, NULL, NULL,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC hWindow = ::GetWindowDC(hWnd);
    BOOL bCopied = hWindow != NULL && ::BitBlt(m_hDC, 0, 0, cx, cy, hWindow, 0, 0, SRCCOPY);
    if (hWindow != NULL)
        ::ReleaseDC(hWnd, hWindow);
    ::GdiFlush();
    if (!bCopied)
    {
        Release();
        return FALSE;
    }
    m_rcWindow = rcWindow;
    return TRUE;
}

BOOL CWindowShot::DrawCursor(HCURSOR hCursor, POINT ptScreen)
{
    if (m_hDC == NULL || hCursor == NULL)
        return FALSE;
    ICONINFO info;
    if (!::GetIconInfo(hCursor, &info))
        return FALSE;
    int x = ptScreen.x - m_rcWindow.left - (int)info.xHotspot;
    int y = ptScreen.y - m_rcWindow.top - (int)info.yHotspot;
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    BOOL bDrawn = ::DrawIconEx(m_hDC, x, y, hCursor, 0, 0, 0, NULL, DI_NORMAL);
    ::GdiFlush();
    return bDrawn;
}

BOOL CWindowShot::Save(const std::string& strPath) const
{
    if (m_pBits == nullptr)
        return FALSE;
    BITMAPINFOHEADER info =
        HeaderFor(m_rcWindow.right - m_rcWindow.left, m_rcWindow.bottom - m_rcWindow.top);
    DWORD cbImage = info.biSizeImage;
    BITMAPFILEHEADER file;
    ZeroMemory(&file, sizeof file);
    file.bfType = BITMAP_FILE_TYPE;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + cbImage;

    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (pFile == nullptr)
        return FALSE;
    BOOL bWritten = std::fwrite(&file, sizeof file, 1, pFile) == 1 &&
                    std::fwrite(&info, sizeof info, 1, pFile) == 1 &&
                    std::fwrite(m_pBits, 1, cbImage, pFile) == cbImage;
    // A file that was not closed cleanly is not a picture either.
    if (std::fclose(pFile) != 0)
        bWritten = FALSE;
    return bWritten;
}
