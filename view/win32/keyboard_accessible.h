// The keyboard view as assistive technology sees it (Active Accessibility):
// the view's client object holds the two keyboards as named groups, and each
// group one element per cap, named after the key, with what the key
// produces as its value. The caps are also reachable from the client object
// under child ids of their own, which the focus and selection events name.
//
// The object keeps only the view's window handle: a client that holds it
// after the window is gone gets CO_E_OBJNOTCONNECTED, never a dead view.
#pragma once

#include <oleacc.h>

#include <vector>

class CKeyCap;
class CVelloricView;

// MinGW's import library gives IID_IAccessible as a code thunk: our own copy.
extern const IID IID_VellAccessible;

class CKeyboardAccessible : public IAccessible
{
public:
    enum
    {
        WHOLE = -1, // the view's client object
        BASE = 0,   // the base keyboard's group
        REMAP = 1   // the remapped keyboard's group
    };
    enum
    {
        CHILD_BASE_GROUP = 1,
        CHILD_REMAP_GROUP = 2,
        CHILD_FIRST_CAP = 3 // then every cap in GetCapsInOrder's order
    };

    CKeyboardAccessible(HWND hView, int nPart);

    // The client object's child id of a cap (for events); CHILDID_SELF for none.
    static LONG ChildIdOf(const CKeyCap* pCap);
    // The answer to WM_GETOBJECT.
    static LRESULT OnGetObject(HWND hView, WPARAM wParam, LPARAM lParam);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch: not offered
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override;
    STDMETHODIMP get_accChildCount(long* pcountChildren) override;
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override;
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override;
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override;
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override;
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override;
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override;
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override;
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override;
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override;

private:
    virtual ~CKeyboardAccessible();
    CVelloricView* View() const;
    // The caps this object's child ids count: all of them for the client
    // object (from CHILD_FIRST_CAP), one keyboard's for a group (from 1).
    void GetCaps(std::vector<CKeyCap*>& caps) const;
    // What child id names: a cap, a group (*pnGroup), or this object itself.
    HRESULT Resolve(const VARIANT& varChild, CKeyCap** ppCap, int* pnGroup) const;
    LONG ChildIdWithin(const CKeyCap* pCap) const;
    HRESULT GetCapValue(const CKeyCap* pCap, BSTR* pszValue) const;

    LONG m_nRefs;
    HWND m_hView;
    int m_nPart;
};
