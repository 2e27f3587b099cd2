#include "view/win32/keyboard_accessible.h"

#include <string>

#include "framework/afx_message_box.h"
#include "framework/win32/wnd.h"
#include "view/win32/key_cap.h"
#include "view/win32/velloric_view.h"
#include "res/resource.h"

const IID IID_VellAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

namespace
{
BSTR AllocAnsi(const std::string& strText)
{
    int cch = ::MultiByteToWideChar(CP_ACP, 0, strText.c_str(), (int)strText.size(), NULL, 0);
    BSTR bstr = ::SysAllocStringLen(NULL, (UINT)(cch > 0 ? cch : 0));
    if (bstr != NULL && cch > 0)
        ::MultiByteToWideChar(CP_ACP, 0, strText.c_str(), (int)strText.size(), bstr, cch);
    return bstr;
}

// " A " is drawn so; a reader says "A".
std::string Trimmed(std::string strText)
{
    size_t nFirst = strText.find_first_not_of(' ');
    if (nFirst == std::string::npos)
        return std::string();
    size_t nLast = strText.find_last_not_of(' ');
    return strText.substr(nFirst, nLast - nFirst + 1);
}

HRESULT ReturnText(const std::string& strText, BSTR* pbstr)
{
    if (pbstr == nullptr)
        return E_INVALIDARG;
    *pbstr = AllocAnsi(strText);
    return *pbstr != NULL ? S_OK : E_OUTOFMEMORY;
}

void SetI4(VARIANT* pvar, LONG nValue)
{
    ::VariantInit(pvar);
    pvar->vt = VT_I4;
    pvar->lVal = nValue;
}
} // namespace

CKeyboardAccessible::CKeyboardAccessible(HWND hView, int nPart) : m_nRefs(1), m_hView(hView), m_nPart(nPart)
{
}

CKeyboardAccessible::~CKeyboardAccessible()
{
}

LRESULT CKeyboardAccessible::OnGetObject(HWND hView, WPARAM wParam, LPARAM lParam)
{
    if ((LONG)lParam != OBJID_CLIENT)
        return 0;
    // Handing the object over marshals it: COM must be up on this thread,
    // once, for the rest of the process.
    static const HRESULT s_hrCom = ::CoInitialize(NULL);
    (void)s_hrCom;
    CKeyboardAccessible* pAcc = new CKeyboardAccessible(hView, WHOLE);
    LRESULT lResult = ::LresultFromObject(IID_VellAccessible, wParam, pAcc);
    pAcc->Release();
    return lResult;
}

LONG CKeyboardAccessible::ChildIdOf(const CKeyCap* pCap)
{
    std::vector<CKeyCap*> caps;
    CVelloricView::GetCapsInOrder(caps);
    for (size_t i = 0; i < caps.size(); ++i)
        if (caps[i] == pCap)
            return CHILD_FIRST_CAP + (LONG)i;
    return CHILDID_SELF;
}

CVelloricView* CKeyboardAccessible::View() const
{
    if (!::IsWindow(m_hView))
        return nullptr;
    return dynamic_cast<CVelloricView*>(CWnd::FromHandle(m_hView));
}

void CKeyboardAccessible::GetCaps(std::vector<CKeyCap*>& caps) const
{
    CVelloricView::GetCapsInOrder(caps);
    if (m_nPart == WHOLE)
        return;
    std::vector<CKeyCap*> board;
    for (CKeyCap* pCap : caps)
        if ((pCap->IsOnRemapBoard() ? REMAP : BASE) == m_nPart)
            board.push_back(pCap);
    caps.swap(board);
}

LONG CKeyboardAccessible::ChildIdWithin(const CKeyCap* pCap) const
{
    std::vector<CKeyCap*> caps;
    GetCaps(caps);
    LONG nFirst = m_nPart == WHOLE ? CHILD_FIRST_CAP : 1;
    for (size_t i = 0; i < caps.size(); ++i)
        if (caps[i] == pCap)
            return nFirst + (LONG)i;
    return CHILDID_SELF;
}

HRESULT CKeyboardAccessible::Resolve(const VARIANT& varChild, CKeyCap** ppCap, int* pnGroup) const
{
    *ppCap = nullptr;
    *pnGroup = -1;
    if (View() == nullptr)
        return CO_E_OBJNOTCONNECTED;
    if (varChild.vt != VT_I4)
        return E_INVALIDARG;
    LONG nId = varChild.lVal;
    if (nId == CHILDID_SELF)
        return S_OK;
    if (m_nPart == WHOLE && (nId == CHILD_BASE_GROUP || nId == CHILD_REMAP_GROUP))
    {
        *pnGroup = nId == CHILD_BASE_GROUP ? BASE : REMAP;
        return S_OK;
    }
    std::vector<CKeyCap*> caps;
    GetCaps(caps);
    LONG nIndex = nId - (m_nPart == WHOLE ? CHILD_FIRST_CAP : 1);
    if (nIndex < 0 || nIndex >= (LONG)caps.size())
        return E_INVALIDARG;
    *ppCap = caps[(size_t)nIndex];
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, IID_VellAccessible))
    {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CKeyboardAccessible::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) CKeyboardAccessible::Release()
{
    LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

STDMETHODIMP CKeyboardAccessible::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo != nullptr)
        *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CKeyboardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CKeyboardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CKeyboardAccessible::get_accParent(IDispatch** ppdispParent)
{
    if (ppdispParent == nullptr)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (View() == nullptr)
        return CO_E_OBJNOTCONNECTED;
    if (m_nPart != WHOLE)
    {
        *ppdispParent = new CKeyboardAccessible(m_hView, WHOLE);
        return S_OK;
    }
    return ::AccessibleObjectFromWindow(m_hView, (DWORD)OBJID_WINDOW, IID_IDispatch, (void**)ppdispParent);
}

STDMETHODIMP CKeyboardAccessible::get_accChildCount(long* pcountChildren)
{
    if (pcountChildren == nullptr)
        return E_INVALIDARG;
    if (View() == nullptr)
        return CO_E_OBJNOTCONNECTED;
    std::vector<CKeyCap*> caps;
    GetCaps(caps);
    *pcountChildren = m_nPart == WHOLE ? 2 : (long)caps.size();
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (ppdispChild == nullptr)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    CKeyCap* pCap = nullptr;
    int nGroup = -1;
    HRESULT hr = Resolve(varChild, &pCap, &nGroup);
    if (FAILED(hr))
        return hr;
    if (nGroup >= 0)
    {
        *ppdispChild = new CKeyboardAccessible(m_hView, nGroup);
        return S_OK;
    }
    return S_FALSE; // a cap is an element of its parent, not an object of its own
}

STDMETHODIMP CKeyboardAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    CKeyCap* pCap = nullptr;
    int nGroup = -1;
    HRESULT hr = Resolve(varChild, &pCap, &nGroup);
    if (FAILED(hr))
        return hr;
    if (pCap == nullptr && nGroup < 0)
        nGroup = m_nPart;
    if (pCap == nullptr && nGroup < 0)
    {
        *pszName = nullptr;
        return S_FALSE; // the window's own name serves
    }
    if (pCap == nullptr)
        return ReturnText(AfxLoadString(nGroup == BASE ? IDS_ACC_BASE_KEYBOARD : IDS_ACC_REMAP_KEYBOARD), pszName);
    std::string strName;
    pCap->GetOwnLabel(strName);
    return ReturnText(Trimmed(strName), pszName);
}

HRESULT CKeyboardAccessible::GetCapValue(const CKeyCap* pCap, BSTR* pszValue) const
{
    if (pCap->IsRemapped())
    {
        std::string strProduced;
        pCap->GetLabel(strProduced);
        std::string strText;
        AfxFormatString1(strText, IDS_ACC_PRODUCES, Trimmed(strProduced).c_str());
        return ReturnText(strText, pszValue);
    }
    // A pair whose key produces 0 is not drawn as remapped, yet the key is off.
    if (pCap->SendsNothing())
        return ReturnText(AfxLoadString(IDS_ACC_PRODUCES_NOTHING), pszValue);
    return ReturnText(AfxLoadString(IDS_ACC_UNCHANGED), pszValue);
}

STDMETHODIMP CKeyboardAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    if (pszValue == nullptr)
        return E_INVALIDARG;
    *pszValue = nullptr;
    CKeyCap* pCap = nullptr;
    int nGroup = -1;
    HRESULT hr = Resolve(varChild, &pCap, &nGroup);
    if (FAILED(hr))
        return hr;
    // Only a key of the remapped keyboard produces something of its own.
    if (pCap == nullptr || !pCap->IsOnRemapBoard())
        return S_FALSE;
    return GetCapValue(pCap, pszValue);
}

STDMETHODIMP CKeyboardAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    if (pszDescription != nullptr)
        *pszDescription = nullptr;
    return S_FALSE;
}

STDMETHODIMP CKeyboardAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (pvarRole == nullptr)
        return E_INVALIDARG;
    CKeyCap* pCap = nullptr;
    int nGroup = -1;
    HRESULT hr = Resolve(varChild, &pCap, &nGroup);
    if (FAILED(hr))
        return hr;
    LONG nRole = ROLE_SYSTEM_CLIENT;
    if (pCap != nullptr)
        nRole = ROLE_SYSTEM_PUSHBUTTON;
    else if (nGroup >= 0 || m_nPart != WHOLE)
        nRole = ROLE_SYSTEM_GROUPING;
    SetI4(pvarRole, nRole);
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    if (pvarState == nullptr)
        return E_INVALIDARG;
    CKeyCap* pCap = nullptr;
    int nGroup = -1;
    HRESULT hr = Resolve(varChild, &pCap, &nGroup);
    if (FAILED(hr))
        return hr;
    CVelloricView* pView = View();
    LONG nState = 0;
    if (pCap == nullptr)
        nState = (pCap == nullptr && nGroup < 0 && m_nPart == WHOLE) ? STATE_SYSTEM_FOCUSABLE : 0;
    else
    {
        nState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
        if (pView->GetFocusKey() == pCap && ::GetFocus() == m_hView)
            nState |= STATE_SYSTEM_FOCUSED;
        if (pView->GetDragKey() == pCap)
            nState |= STATE_SYSTEM_SELECTED; // picked up
        if (pView->GetHoverKey() == pCap)
            nState |= STATE_SYSTEM_HOTTRACKED; // the drop target
        if (pCap->GetRect().right <= pCap->GetRect().left)
            nState |= STATE_SYSTEM_INVISIBLE;
    }
    if (pCap == nullptr && nGroup < 0 && m_nPart == WHOLE && ::GetFocus() == m_hView)
        nState |= STATE_SYSTEM_FOCUSED;
    SetI4(pvarState, nState);
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::get_accHelp(VARIANT, BSTR* pszHelp)
{
    if (pszHelp != nullptr)
        *pszHelp = nullptr;
    return S_FALSE;
}

STDMETHODIMP CKeyboardAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT, long* pidTopic)
{
    if (pszHelpFile != nullptr)
        *pszHelpFile = nullptr;
    return S_FALSE;
}

STDMETHODIMP CKeyboardAccessible::get_accKeyboardShortcut(VARIANT, BSTR* pszKeyboardShortcut)
{
    if (pszKeyboardShortcut != nullptr)
        *pszKeyboardShortcut = nullptr;
    return S_FALSE;
}

STDMETHODIMP CKeyboardAccessible::get_accFocus(VARIANT* pvarChild)
{
    if (pvarChild == nullptr)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    CVelloricView* pView = View();
    if (pView == nullptr)
        return CO_E_OBJNOTCONNECTED;
    if (::GetFocus() != m_hView)
        return S_FALSE;
    LONG nId = ChildIdWithin(pView->GetFocusKey());
    SetI4(pvarChild, nId);
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::get_accSelection(VARIANT* pvarChildren)
{
    if (pvarChildren == nullptr)
        return E_INVALIDARG;
    ::VariantInit(pvarChildren);
    CVelloricView* pView = View();
    if (pView == nullptr)
        return CO_E_OBJNOTCONNECTED;
    LONG nId = pView->GetDragKey() != nullptr ? ChildIdWithin(pView->GetDragKey()) : CHILDID_SELF;
    if (nId == CHILDID_SELF)
        return S_FALSE;
    SetI4(pvarChildren, nId);
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::get_accDefaultAction(VARIANT, BSTR* pszDefaultAction)
{
    if (pszDefaultAction != nullptr)
        *pszDefaultAction = nullptr;
    return S_FALSE;
}

STDMETHODIMP CKeyboardAccessible::accSelect(long, VARIANT)
{
    return E_NOTIMPL;
}

STDMETHODIMP CKeyboardAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                              long* pcyHeight, VARIANT varChild)
{
    if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr)
        return E_INVALIDARG;
    CKeyCap* pCap = nullptr;
    int nGroup = -1;
    HRESULT hr = Resolve(varChild, &pCap, &nGroup);
    if (FAILED(hr))
        return hr;
    RECT rc;
    if (pCap != nullptr)
        rc = pCap->GetRect();
    else
    {
        // A group spans its caps; the client object the whole view.
        ::SetRectEmpty(&rc);
        if (nGroup < 0)
            nGroup = m_nPart;
        std::vector<CKeyCap*> caps;
        CVelloricView::GetCapsInOrder(caps);
        if (nGroup < 0)
            ::GetClientRect(m_hView, &rc);
        else
            for (CKeyCap* p : caps)
                if ((p->IsOnRemapBoard() ? REMAP : BASE) == nGroup)
                    ::UnionRect(&rc, &rc, &p->GetRect());
    }
    ::MapWindowPoints(m_hView, NULL, (POINT*)&rc, 2);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.right - rc.left;
    *pcyHeight = rc.bottom - rc.top;
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::accNavigate(long, VARIANT, VARIANT* pvarEndUpAt)
{
    if (pvarEndUpAt != nullptr)
        ::VariantInit(pvarEndUpAt);
    return E_NOTIMPL;
}

STDMETHODIMP CKeyboardAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == nullptr)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    CVelloricView* pView = View();
    if (pView == nullptr)
        return CO_E_OBJNOTCONNECTED;
    POINT pt = {xLeft, yTop};
    ::ScreenToClient(m_hView, &pt);
    RECT rc;
    ::GetClientRect(m_hView, &rc);
    if (!::PtInRect(&rc, pt))
        return S_FALSE;
    CKeyCap* pCap = pView->HitTest(pt);
    LONG nId = pCap != nullptr ? ChildIdWithin(pCap) : CHILDID_SELF;
    SetI4(pvarChild, nId);
    return S_OK;
}

STDMETHODIMP CKeyboardAccessible::accDoDefaultAction(VARIANT)
{
    return E_NOTIMPL;
}

STDMETHODIMP CKeyboardAccessible::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP CKeyboardAccessible::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}
