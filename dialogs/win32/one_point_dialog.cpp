#include "dialogs/win32/one_point_dialog.h"

#include "framework/afx_message_box.h"
#include "res/resource.h"

namespace
{
BOOL IsSystemLeadByte(BYTE b)
{
    return ::IsDBCSLeadByte(b);
}
} // namespace

COnePointDialog::COnePointDialog(CProfile& profile, ITipsFileSystem& files,
                                 const std::string& strTipsPath)
    : CDialog(IDD_ONE_POINT), COnePointTips(profile, files, strTipsPath, &IsSystemLeadByte)
{
}

std::string COnePointDialog::TipsFilePath()
{
    char szModule[MAX_PATH];
    DWORD cch = ::GetModuleFileNameA(NULL, szModule, MAX_PATH);
    // A path cut short at the buffer's end names no file we could find.
    if (cch == 0 || cch >= MAX_PATH)
        return std::string();
    return TipsFilePathBeside(std::string(szModule, cch), &IsSystemLeadByte);
}

void COnePointDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_TIP_SHOW_AT_STARTUP, m_bShowAtStartup);
    DDX_Text(pDX, IDC_TIP_TEXT, m_strTip);
}

BOOL COnePointDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_pTipsFile)
        EnableDlgItem(IDC_TIP_NEXT, FALSE);
    return TRUE;
}

void COnePointDialog::OnOK()
{
    CDialog::OnOK();
    SaveShowAtStartup();
}

BOOL COnePointDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam))
    {
    case IDC_TIP_NEXT: OnNextTip(); return TRUE;
    default: return CDialog::OnCommand(wParam, lParam);
    }
}

LRESULT COnePointDialog::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic((HDC)wParam, (HWND)lParam);
    case WM_PAINT: return OnPaint();
    default: return CDialog::WindowProc(nMsg, wParam, lParam);
    }
}

void COnePointDialog::OnNextTip()
{
    // Also puts the box back as it was: only Close takes its state.
    ReadNextTip(m_strTip);
    UpdateData(FALSE);
}

LRESULT COnePointDialog::OnCtlColorStatic(HDC hdc, HWND hCtrl)
{
    if (::GetDlgCtrlID(hCtrl) == IDC_TIP_TEXT)
        return (LRESULT)::GetStockObject(WHITE_BRUSH);
    return Default(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)hCtrl);
}

LRESULT COnePointDialog::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);

    // The invisible placeholder's rectangle is the painted area.
    RECT rcArea = {0, 0, 0, 0};
    ::GetWindowRect(GetDlgItem(IDC_TIP_PICTURE), &rcArea);
    POINT ptTopLeft = {rcArea.left, rcArea.top};
    POINT ptBottomRight = {rcArea.right, rcArea.bottom};
    ::ScreenToClient(m_hWnd, &ptTopLeft);
    ::ScreenToClient(m_hWnd, &ptBottomRight);
    rcArea = {ptTopLeft.x, ptTopLeft.y, ptBottomRight.x, ptBottomRight.y};
    HBRUSH hWhite = (HBRUSH)::GetStockObject(WHITE_BRUSH);
    ::FillRect(hdc, &rcArea, hWhite);

    BITMAP bm = {};
    HBITMAP hBulb = ::LoadBitmapA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDB_LIGHT_BULB));
    if (hBulb != NULL && ::GetObjectA(hBulb, sizeof bm, &bm) != 0)
    {
        HDC hdcMem = ::CreateCompatibleDC(hdc);
        HGDIOBJ hOld = ::SelectObject(hdcMem, hBulb);
        ::BitBlt(hdc, rcArea.left, rcArea.top, bm.bmWidth, bm.bmHeight, hdcMem, 0, 0, SRCCOPY);
        ::SelectObject(hdcMem, hOld);
        ::DeleteDC(hdcMem);
    }

    std::string strHeading = AfxLoadString(IDS_TIP_DID_YOU_KNOW);
    RECT rcHeading = {rcArea.left + bm.bmWidth, rcArea.top, rcArea.right,
                      rcArea.top + bm.bmHeight};
    ::DrawTextA(hdc, strHeading.c_str(), -1, &rcHeading, DT_SINGLELINE | DT_VCENTER);

    // The white brush is a stock object: nothing to release.
    if (hBulb != NULL)
        ::DeleteObject(hBulb);
    ::EndPaint(m_hWnd, &ps);
    return 0;
}
