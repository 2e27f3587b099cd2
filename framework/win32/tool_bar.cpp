#include "framework/win32/tool_bar.h"


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
    m_hWnd = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT,
                               0, 0, 0, 0, hParent, (HMENU)(UINT_PTR)nID,
                               ::GetModuleHandleA(NULL), NULL);
    if (m_hWnd == NULL)
        return FALSE;
    ::SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
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

    HBITMAP hBitmap = (HBITMAP)::LoadImageA(hInstance, MAKEINTRESOURCEA(nIDResource), IMAGE_BITMAP,
                                            0, 0, LR_CREATEDIBSECTION);
    if (hBitmap == NULL)
        return FALSE;
    m_hImages = ImageList_Create(cx, cy, ILC_COLOR24 | ILC_MASK, 8, 0);
    ImageList_AddMasked(m_hImages, hBitmap, MASK_COLOUR);
    ::DeleteObject(hBitmap);
    ::SendMessageA(m_hWnd, TB_SETIMAGELIST, 0, (LPARAM)m_hImages);
    ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cy));

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
    Layout();
    return TRUE;
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

int CToolBar::GetHeight() const
{
    if (m_hWnd == NULL)
        return 0;
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    return rc.bottom - rc.top;
}

void CToolBar::Layout()
{
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
}
