#include "framework/win32/tool_bar.h"

#include "framework/dpi_scale.h"


namespace
{
const WORD TOOLBAR_LAYOUT_TYPE = 241;
const COLORREF MASK_COLOUR = RGB(192, 192, 192);
} // namespace

CToolBar::~CToolBar()
{
    if (m_hImages != NULL)
        ImageList_Destroy(m_hImages);
}

BOOL CToolBar::Create(HWND hParent, UINT nID)
{
    // The dock context places and sizes the control; it never aligns itself.
    m_hWnd = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_NORESIZE |
                                   CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               0, 0, 0, 0, hParent, (HMENU)(UINT_PTR)nID,
                               ::GetModuleHandleA(NULL), NULL);
    if (m_hWnd == NULL)
        return FALSE;
    ::SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Commands and notifications go to the frame wherever the control lives.
    ::SendMessageA(m_hWnd, TB_SETPARENT, (WPARAM)hParent, 0);
    return TRUE;
}

void CToolBar::SetBarStyle(DWORD dwStyle)
{
    m_dwStyle = dwStyle;
    if (HWND hTips = (HWND)::SendMessageA(m_hWnd, TB_GETTOOLTIPS, 0, 0))
        ::SendMessageA(hTips, TTM_ACTIVATE, (dwStyle & CBRS_TOOLTIPS) != 0, 0);
}

int CToolBar::GetButtonCount() const
{
    int nButtons = 0;
    for (UINT nID : m_commands)
        if (nID != 0)
            ++nButtons;
    return nButtons;
}

SIZE CToolBar::CalcLayout(int nRows)
{
    int nButtons = GetButtonCount();
    if (nRows > nButtons)
        nRows = nButtons;
    if (nRows < 1)
        nRows = 1;
    m_nRows = nRows;
    const int nPerRow = nButtons == 0 ? 1 : (nButtons + nRows - 1) / nRows;
    int nInRow = 0;
    int nPlaced = 0;
    for (size_t i = 0; i < m_commands.size(); ++i)
    {
        TBBUTTONINFOA info;
        ZeroMemory(&info, sizeof info);
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        ::SendMessageA(m_hWnd, TB_GETBUTTONINFOA, i, (LPARAM)&info);
        BYTE bState = (BYTE)(info.fsState & ~(TBSTATE_WRAP | TBSTATE_HIDDEN));
        if (m_commands[i] == 0)
        {
            // A separator would start or end a row: several rows go without.
            if (nRows > 1)
                bState |= TBSTATE_HIDDEN;
        }
        else if (++nPlaced < nButtons && ++nInRow == nPerRow && nRows > 1)
        {
            bState |= TBSTATE_WRAP;
            nInRow = 0;
        }
        info.fsState = bState;
        ::SendMessageA(m_hWnd, TB_SETBUTTONINFOA, i, (LPARAM)&info);
    }
    SIZE size = {0, 0};
    for (size_t i = 0; i < m_commands.size(); ++i)
    {
        RECT rc;
        if ((nRows > 1 && m_commands[i] == 0) ||
            !::SendMessageA(m_hWnd, TB_GETITEMRECT, i, (LPARAM)&rc))
            continue;
        if (rc.right > size.cx)
            size.cx = rc.right;
        if (rc.bottom > size.cy)
            size.cy = rc.bottom;
    }
    ::SetWindowPos(m_hWnd, NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);
    HRSRC hLayout = ::FindResourceA(hInstance, MAKEINTRESOURCEA(nIDResource),
                                    MAKEINTRESOURCEA(TOOLBAR_LAYOUT_TYPE));
    if (hLayout == NULL || m_hWnd == NULL)
        return FALSE;
    DWORD cbLayout = ::SizeofResource(hInstance, hLayout);
    const WORD* pWords = (const WORD*)::LockResource(::LoadResource(hInstance, hLayout));
    if (pWords == NULL || cbLayout < 8 || pWords[0] != 1)
        return FALSE;
    int cx = pWords[1];
    int cy = pWords[2];
    size_t nItems = pWords[3];
    if (cbLayout < 8 + 2 * nItems)
        return FALSE;

    m_nIDResource = nIDResource;
    m_sizeImage = SIZE{cx, cy};
    if (!LoadImages(CDpiScale::BASE_DPI))
        return FALSE;

    std::vector<TBBUTTON> buttons;
    int nImage = 0;
    for (size_t i = 0; i < nItems; ++i)
    {
        TBBUTTON button;
        ZeroMemory(&button, sizeof button);
        UINT nID = pWords[4 + i];
        m_commands.push_back(nID);
        if (nID == 0)
            button.fsStyle = BTNS_SEP;
        else
        {
            button.iBitmap = nImage++;
            button.idCommand = (int)nID;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
    }
    ::SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(), (LPARAM)buttons.data());
    DWORD dwButton = (DWORD)::SendMessageA(m_hWnd, TB_GETBUTTONSIZE, 0, 0);
    m_sizeButton = SIZE{LOWORD(dwButton), HIWORD(dwButton)};
    CalcLayout(1);
    return TRUE;
}

BOOL CToolBar::LoadImages(int nDpi)
{
    HINSTANCE hInstance = ::GetModuleHandleA(NULL);
    HBITMAP hBitmap = (HBITMAP)::LoadImageA(hInstance, MAKEINTRESOURCEA(m_nIDResource), IMAGE_BITMAP,
                                            0, 0, LR_CREATEDIBSECTION);
    if (hBitmap == NULL)
        return FALSE;
    int cx = CDpiScale::Scale(m_sizeImage.cx, nDpi, CDpiScale::BASE_DPI);
    int cy = CDpiScale::Scale(m_sizeImage.cy, nDpi, CDpiScale::BASE_DPI);
    if (cx != m_sizeImage.cx || cy != m_sizeImage.cy)
    {
        // Whole pixels repeated, never blended: the mask colour stays exact.
        BITMAP bm;
        ::GetObjectA(hBitmap, sizeof bm, &bm);
        int cxStrip = CDpiScale::Scale(bm.bmWidth, nDpi, CDpiScale::BASE_DPI);
        HDC hScreen = ::GetDC(NULL);
        HDC hFrom = ::CreateCompatibleDC(hScreen);
        HDC hTo = ::CreateCompatibleDC(hScreen);
        HBITMAP hScaled = ::CreateCompatibleBitmap(hScreen, cxStrip, cy);
        HGDIOBJ hOldFrom = ::SelectObject(hFrom, hBitmap);
        HGDIOBJ hOldTo = ::SelectObject(hTo, hScaled);
        ::SetStretchBltMode(hTo, COLORONCOLOR);
        ::StretchBlt(hTo, 0, 0, cxStrip, cy, hFrom, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        ::SelectObject(hFrom, hOldFrom);
        ::SelectObject(hTo, hOldTo);
        ::DeleteDC(hFrom);
        ::DeleteDC(hTo);
        ::ReleaseDC(NULL, hScreen);
        ::DeleteObject(hBitmap);
        hBitmap = hScaled;
    }
    HIMAGELIST hImages = ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, 8, 0);
    ImageList_AddMasked(hImages, hBitmap, MASK_COLOUR);
    ::DeleteObject(hBitmap);
    ::SendMessageA(m_hWnd, TB_SETIMAGELIST, 0, (LPARAM)hImages);
    ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cy));
    if (m_hImages != NULL)
        ImageList_Destroy(m_hImages);
    m_hImages = hImages;
    m_nDpi = (UINT)nDpi;
    return TRUE;
}

void CToolBar::SetDpi(UINT nDpi)
{
    if (m_hWnd == NULL || m_nIDResource == 0 || nDpi == m_nDpi || !LoadImages((int)nDpi))
        return;
    ::SendMessageA(m_hWnd, TB_SETBUTTONSIZE, 0,
                   MAKELPARAM(CDpiScale::Scale(m_sizeButton.cx, (int)nDpi, CDpiScale::BASE_DPI),
                              CDpiScale::Scale(m_sizeButton.cy, (int)nDpi, CDpiScale::BASE_DPI)));
    CalcLayout(m_nRows);
}

void CToolBar::SetButtonState(UINT nID, BOOL bEnabled, BOOL bChecked)
{
    LRESULT lState = ::SendMessageA(m_hWnd, TB_GETSTATE, nID, 0);
    if (lState == -1)
        return;
    BYTE bWanted = (BYTE)((lState & ~(TBSTATE_ENABLED | TBSTATE_CHECKED)) |
                          (bEnabled ? TBSTATE_ENABLED : 0) | (bChecked ? TBSTATE_CHECKED : 0));
    if (bWanted != (BYTE)lState)
        ::SendMessageA(m_hWnd, TB_SETSTATE, nID, MAKELPARAM(bWanted, 0));
}
