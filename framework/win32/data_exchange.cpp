#include "framework/win32/data_exchange.h"

#include <vector>

#include "framework/secure_zero.h"
#include "framework/win32/dialog.h"

HWND CDataExchange::PrepareCtrl(int nIDC) const
{
    return m_pDlgWnd->GetDlgItem(nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (hCtrl == NULL)
        return;
    if (!pDX->m_bSaveAndValidate)
    {
        ::SetWindowTextA(hCtrl, value.c_str());
        return;
    }
    // A field may hold a password: neither the old text nor the buffer may
    // stay behind in freed memory.
    int cch = ::GetWindowTextLengthA(hCtrl);
    std::vector<char> buffer((size_t)cch + 1, '\0');
    int cchRead = ::GetWindowTextA(hCtrl, buffer.data(), cch + 1);
    SecureZeroString(value);
    value.assign(buffer.data(), cchRead > 0 ? (size_t)cchRead : 0);
    SecureZeroBytes(buffer.data(), buffer.size());
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (hCtrl == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hCtrl, BM_SETCHECK, (WPARAM)value, 0);
}
