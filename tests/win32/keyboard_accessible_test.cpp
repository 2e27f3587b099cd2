// The keyboard view through oleacc, as a screen reader reads it: the two
// keyboards as named groups, every cap's name and what it produces, and the
// focus events as the cue moves.
#include "tests/win32/keyboard_view_fixture.h"

#include <oleacc.h>

#include <map>

#include "framework/afx_message_box.h"

#include "res/resource.h"
#include "tests/win32/win32_test_support.h"
#include "view/win32/keyboard_accessible.h"

namespace
{
std::string Text(BSTR bstr)
{
    std::string strText = bstr != NULL ? wintest::Utf8FromWide(bstr) : "(none)";
    ::SysFreeString(bstr);
    return strText;
}

std::string Resource(UINT nID)
{
    return wintest::Utf8FromAnsi(wintest::LoadResourceString(nID));
}

VARIANT Child(LONG nId)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nId;
    return var;
}

struct CFocusEvent
{
    HWND hWnd = NULL;
    LONG idObject = 0, idChild = 0;
    int nCount = 0;
} s_focus;

void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
{
    s_focus.hWnd = hWnd;
    s_focus.idObject = idObject;
    s_focus.idChild = idChild;
    ++s_focus.nCount;
}

class KeyboardAccessibility : public KeyboardViewFixture
{
protected:
    KeyboardAccessibility() { ::CoInitialize(NULL); }
    ~KeyboardAccessibility() override { ::CoUninitialize(); }

    // Each group's children as oleacc lists them, read into name and value.
    void ReadGroup(IAccessible* pView, LONG nGroup, std::string* pstrName,
                   std::vector<std::pair<std::string, std::string>>* pCaps)
    {
        IDispatch* pDispatch = nullptr;
        ASSERT_EQ(S_OK, pView->get_accChild(Child(nGroup), &pDispatch));
        IAccessible* pGroup = nullptr;
        ASSERT_EQ(S_OK, pDispatch->QueryInterface(IID_VellAccessible, (void**)&pGroup));
        pDispatch->Release();
        BSTR bstr = NULL;
        pGroup->get_accName(Child(CHILDID_SELF), &bstr);
        *pstrName = Text(bstr);
        long nCount = 0;
        pGroup->get_accChildCount(&nCount);
        std::vector<VARIANT> children((size_t)nCount);
        long nGot = 0;
        EXPECT_EQ(S_OK, ::AccessibleChildren(pGroup, 0, nCount, children.data(), &nGot));
        for (long i = 0; i < nGot; ++i)
        {
            EXPECT_EQ(VT_I4, children[(size_t)i].vt);
            BSTR bstrName = NULL, bstrValue = NULL;
            pGroup->get_accName(children[(size_t)i], &bstrName);
            pGroup->get_accValue(children[(size_t)i], &bstrValue);
            pCaps->push_back({Text(bstrName), Text(bstrValue)});
        }
        pGroup->Release();
    }
};
} // namespace

TEST_F(KeyboardAccessibility, Oleacc_ReadsEveryCapsNameAndWhatItProduces_InBothKeyboards)
{
    StartWithList({{SC_B, SC_A}, {SC_N, 0}});
    IAccessible* pView = nullptr;
    ASSERT_EQ(S_OK, ::AccessibleObjectFromWindow(ViewWindow(), (DWORD)OBJID_CLIENT, IID_VellAccessible,
                                                 (void**)&pView));
    long nGroups = 0;
    pView->get_accChildCount(&nGroups);
    EXPECT_EQ(2, nGroups);
    std::string strBase, strRemap;
    std::vector<std::pair<std::string, std::string>> base, remap;
    ReadGroup(pView, CKeyboardAccessible::CHILD_BASE_GROUP, &strBase, &base);
    ReadGroup(pView, CKeyboardAccessible::CHILD_REMAP_GROUP, &strRemap, &remap);
    pView->Release();

    EXPECT_EQ(Resource(IDS_ACC_BASE_KEYBOARD), strBase);
    EXPECT_EQ(Resource(IDS_ACC_REMAP_KEYBOARD), strRemap);
    EXPECT_EQ((size_t)g_baseCapMap.GetCount(), base.size());
    EXPECT_EQ((size_t)g_remapCapMap.GetCount(), remap.size());
    std::map<std::string, std::string> values;
    int nUnchanged = 0;
    for (const auto& cap : base)
    {
        EXPECT_NE("", cap.first);
        EXPECT_EQ("(none)", cap.second); // a base key produces nothing of its own
    }
    for (const auto& cap : remap)
    {
        EXPECT_NE("", cap.first);
        values[cap.first] = cap.second;
        nUnchanged += cap.second == Resource(IDS_ACC_UNCHANGED) ? 1 : 0;
    }
    std::string strProducesA;
    AfxFormatString1(strProducesA, IDS_ACC_PRODUCES, "A");
    EXPECT_EQ(wintest::Utf8FromAnsi(strProducesA), values["B"]);
    EXPECT_EQ(Resource(IDS_ACC_PRODUCES_NOTHING), values["N"]);
    EXPECT_EQ((int)remap.size() - 2, nUnchanged);
}

TEST_F(KeyboardAccessibility, FocusCueMoves_AreFocusEvents_ThatNameTheCap)
{
    StartWithList({});
    s_focus = CFocusEvent();
    HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, NULL, &OnFocusEvent,
                                            ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(HWINEVENTHOOK(NULL), hHook);
    ::SendMessageA(ViewWindow(), WM_KEYDOWN, VK_RIGHT, 1);
    wintest::WaitUntil([] { return s_focus.nCount > 0; });
    ::UnhookWinEvent(hHook);
    ASSERT_LT(0, s_focus.nCount);
    EXPECT_EQ(ViewWindow(), s_focus.hWnd);
    IAccessible* pAcc = nullptr;
    VARIANT varChild;
    ::VariantInit(&varChild);
    ASSERT_EQ(S_OK, ::AccessibleObjectFromEvent(s_focus.hWnd, (DWORD)s_focus.idObject,
                                                (DWORD)s_focus.idChild, &pAcc, &varChild));
    BSTR bstr = NULL;
    pAcc->get_accName(varChild, &bstr);
    std::string strLabel = Label(View()->GetFocusKey());
    strLabel.erase(0, strLabel.find_first_not_of(' '));
    strLabel.erase(strLabel.find_last_not_of(' ') + 1);
    EXPECT_EQ(wintest::Utf8FromAnsi(strLabel), Text(bstr));
    VARIANT varState;
    pAcc->get_accState(varChild, &varState);
    EXPECT_NE(0, varState.lVal & STATE_SYSTEM_FOCUSED);
    pAcc->Release();
}
