// The keyboard form templates as the platform hands them out for the user's
// language: template 101 from the user's set, template 132 from the Japanese
// set for everybody. The templates are read in dialog units straight from the
// resource bytes and checked against the key table; one test per form also
// creates it as a dialog the way the view does.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/key_table.h"
#include "res/resource.h"
#include "tests/win32/dialog_resources.h"
#include "tests/win32/key_layout_rects.h"
#include "tests/win32/win32_test_support.h"

namespace
{
using wintest::Module;

const DWORD KEY_STYLE = WS_CHILD | WS_DISABLED | BS_OWNERDRAW;
const int REMAP = CKeyTable::REMAP_ID_OFFSET;
const int KEYPAD_ENTER = 86;
const int KEYPAD_PLUS = 85;

struct CFormCase
{
    const char* pszName;
    WORD wId;
    BOOL b106;
    const char* pszFace;
    WORD wPointSize;
    const char* pszBaseCaption;
    const char* pszRemapCaption;
    CRect16 statusRect;
    int nKeypadEnterTwinY;
};

const CFormCase s_neutral101 = {
    "Form101", 101, FALSE, "Arial", 8, "基本键盘", "换键键盘", {315, 21, 53, 11}, 204};
const CFormCase s_japanese101 = {"Form101", 101, FALSE, "ＭＳ ゴシック", 9, "ベース キーボード",
    "リマップ キーボード", {315, 24, 53, 13}, 203};
const CFormCase s_japanese132 = {"Form132", 132, TRUE, "ＭＳ ゴシック", 9, "ベース キーボード (106)",
    "リマップ キーボード", {315, 24, 53, 13}, 205};
const CFormCase s_english101 = {"Form101", 101, FALSE, "MS Shell Dlg", 8, "Base keyboard",
    "Remapped keyboard", {315, 24, 53, 13}, 203};
const CFormCase s_english132 = {"Form132", 132, TRUE, "MS Shell Dlg", 8, "Base keyboard (106 keys)",
    "Remapped keyboard", {315, 24, 53, 13}, 205};

// The remapped keyboard's row for a row of the base keyboard.
int RemappedY(int nBaseY, BOOL b106)
{
    switch (nBaseY)
    {
    case 23: return 143;
    case 42: return 163;
    case 55: return b106 ? 177 : -1;
    case 56: return 177;
    case 69: return b106 ? 191 : 189;
    case 83: return b106 ? 205 : 203;
    case 97: return b106 ? 219 : 217;
    default: return -1;
    }
}

// Key ids of the buttons of one keyboard: the table's keys of the layout,
// then Print Screen, Scroll Lock and Pause, which have buttons but are no keys.
std::vector<int> BaseButtonIds(BOOL b106)
{
    std::vector<int> ids;
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = 0; i < CKeyTable::GetCount(b106); ++i)
        ids.push_back(pEntries[i].wKeyId);
    ids.push_back(IDC_KEY_PRINT_SCREEN);
    ids.push_back(IDC_KEY_SCROLL_LOCK);
    ids.push_back(IDC_KEY_PAUSE);
    return ids;
}

struct COverlap
{
    int nFirstId, nSecondId, nWidth, nHeight;
};

std::vector<COverlap> Overlaps(const CFormTemplate& form, const std::vector<int>& ids)
{
    std::vector<COverlap> overlaps;
    for (size_t i = 0; i < ids.size(); ++i)
        for (size_t j = i + 1; j < ids.size(); ++j)
        {
            const CTemplateItem* pA = form.Find(ids[i]);
            const CTemplateItem* pB = form.Find(ids[j]);
            if (pA == nullptr || pB == nullptr)
                continue;
            const CRect16& a = pA->rect;
            const CRect16& b = pB->rect;
            int nWidth = std::min(a.x + a.cx, b.x + b.cx) - std::max(a.x, b.x);
            int nHeight = std::min(a.y + a.cy, b.y + b.cy) - std::max(a.y, b.y);
            if (nWidth > 0 && nHeight > 0)
                overlaps.push_back({ids[i], ids[j], nWidth, nHeight});
        }
    return overlaps;
}

BOOL IsInside(const CRect16& inner, const CRect16& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx
           && inner.y + inner.cy <= outer.y + outer.cy;
}

INT_PTR CALLBACK IgnoreEverything(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

class KeyboardForm : public ::testing::TestWithParam<CFormCase>
{
protected:
    void SetUp() override
    {
        m_form = LoadFormForUser(GetParam().wId);
        ASSERT_TRUE(m_form.bParsed) << "template " << GetParam().wId;
    }

    const CTemplateItem& Item(int nId)
    {
        const CTemplateItem* pItem = m_form.Find(nId);
        static const CTemplateItem missing;
        EXPECT_NE(nullptr, pItem) << "control " << nId;
        return pItem != nullptr ? *pItem : missing;
    }

    CFormTemplate m_form;
};

void PrintTo(const CFormCase& formCase, std::ostream* pOut)
{
    *pOut << formCase.pszName << " of the " << formCase.pszFace << " set";
}

std::string CaseName(const ::testing::TestParamInfo<CFormCase>& info)
{
    return info.param.pszName;
}
} // namespace

TEST_P(KeyboardForm, IsHiddenChildForm_392By249_WithTheSetsFont)
{
    EXPECT_EQ((DWORD)(WS_CHILD | DS_SETFONT), m_form.dwStyle);
    EXPECT_EQ(0u, m_form.dwExStyle);
    EXPECT_EQ((CRect16{0, 0, 392, 249}), m_form.rect);
    EXPECT_EQ(GetParam().pszFace, m_form.strFace);
    EXPECT_EQ(GetParam().wPointSize, m_form.wPointSize);
    EXPECT_EQ("", m_form.strTitle);
    EXPECT_FALSE(m_form.bHasMenu);
    EXPECT_FALSE(m_form.bHasClass);
}

TEST_P(KeyboardForm, EveryKeyAndItsTwin_AreHiddenDisabledOwnerDrawButtons)
{
    for (int nId : BaseButtonIds(GetParam().b106))
        for (int nButton : {nId, nId + REMAP})
        {
            const CTemplateItem& item = Item(nButton);
            EXPECT_EQ(KEY_STYLE, item.dwStyle) << "button " << nButton;
            EXPECT_EQ(0u, item.dwExStyle) << "button " << nButton;
            EXPECT_TRUE(item.wClassAtom == 0x80 || lstrcmpiA(item.strClass.c_str(), "button") == 0)
                << "button " << nButton;
        }
}

TEST_P(KeyboardForm, Twin_SharesTextXAndSize_WithItsBaseKey)
{
    for (int nId : BaseButtonIds(GetParam().b106))
    {
        const CTemplateItem& base = Item(nId);
        const CTemplateItem& twin = Item(nId + REMAP);
        EXPECT_EQ(base.strText, twin.strText) << "key " << nId;
        EXPECT_EQ(base.rect.x, twin.rect.x) << "key " << nId;
        EXPECT_EQ(base.rect.cx, twin.rect.cx) << "key " << nId;
        EXPECT_EQ(base.rect.cy, twin.rect.cy) << "key " << nId;
    }
}

TEST_P(KeyboardForm, TwinRow_FollowsBaseRow)
{
    for (int nId : BaseButtonIds(GetParam().b106))
    {
        int nExpectedY = RemappedY(Item(nId).rect.y, GetParam().b106);
        if (nId == KEYPAD_ENTER)
            nExpectedY = GetParam().nKeypadEnterTwinY;
        EXPECT_EQ(nExpectedY, Item(nId + REMAP).rect.y) << "key " << nId;
    }
}

TEST_P(KeyboardForm, HoldsNothingBeyondFramesDummyStatusAndKeyButtons)
{
    size_t nButtons = BaseButtonIds(GetParam().b106).size() * 2;
    EXPECT_EQ(4u + nButtons, m_form.items.size());
    for (const CTemplateItem& item : m_form.items)
    {
        BOOL bKnown = item.nId == IDC_STATIC || item.nId == IDC_FORM_DUMMY || item.nId == IDC_FORM_STATUS;
        int nKeyId = item.nId >= REMAP ? item.nId - REMAP : item.nId;
        for (int nId : BaseButtonIds(GetParam().b106))
            bKnown = bKnown || nId == nKeyId;
        EXPECT_TRUE(bKnown) << "control " << item.nId;
    }
}

TEST_P(KeyboardForm, KeysOfTheOtherLayout_AreAbsent)
{
    const CKeyTableEntry* pEntries = CKeyTable::GetEntries();
    for (int i = CKeyTable::COUNT_101; i < CKeyTable::COUNT_106; ++i)
    {
        BOOL bExpected = GetParam().b106;
        EXPECT_EQ(bExpected, m_form.Find(pEntries[i].wKeyId) != nullptr) << "key " << pEntries[i].wKeyId;
        EXPECT_EQ(bExpected, m_form.Find(pEntries[i].wKeyId + REMAP) != nullptr) << "key " << pEntries[i].wKeyId;
    }
}

TEST_P(KeyboardForm, BaseKeys_DoNotOverlap)
{
    std::vector<COverlap> overlaps = Overlaps(m_form, BaseButtonIds(GetParam().b106));
    for (const COverlap& overlap : overlaps)
        ADD_FAILURE() << overlap.nFirstId << " overlaps " << overlap.nSecondId;
}

TEST_P(KeyboardForm, RemappedKeys_MeetAtMostOnAOneUnitSeam)
{
    // The 101-key form's remapped rows are 12 and 14 units apart while its
    // keys are 13 high: neighbouring rows share a one-unit seam, and so do
    // the remapped keypad plus and keypad Enter in the Japanese set. The
    // 106-key form's remapped keys do not touch at all.
    std::vector<int> ids;
    for (int nId : BaseButtonIds(GetParam().b106))
        ids.push_back(nId + REMAP);
    for (const COverlap& overlap : Overlaps(m_form, ids))
    {
        EXPECT_FALSE(GetParam().b106) << overlap.nFirstId << " overlaps " << overlap.nSecondId;
        EXPECT_EQ(1, overlap.nHeight) << overlap.nFirstId << " overlaps " << overlap.nSecondId;
    }
}

TEST_P(KeyboardForm, EachKeyboard_LiesInItsGroupBox)
{
    std::vector<const CTemplateItem*> frames;
    for (const CTemplateItem& item : m_form.items)
        if (item.nId == IDC_STATIC)
            frames.push_back(&item);
    ASSERT_EQ(2u, frames.size());
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | BS_GROUPBOX), frames[0]->dwStyle);
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | BS_GROUPBOX), frames[1]->dwStyle);
    EXPECT_EQ(GetParam().pszBaseCaption, frames[0]->strText);
    EXPECT_EQ(GetParam().pszRemapCaption, frames[1]->strText);
    EXPECT_EQ((CRect16{7, 7, 378, 113}), frames[0]->rect);
    EXPECT_EQ((CRect16{7, 129, 378, 113}), frames[1]->rect);
    for (int nId : BaseButtonIds(GetParam().b106))
    {
        EXPECT_TRUE(IsInside(Item(nId).rect, frames[0]->rect)) << "key " << nId << " at " << Item(nId).rect;
        EXPECT_TRUE(IsInside(Item(nId + REMAP).rect, frames[1]->rect))
            << "key " << nId + REMAP << " at " << Item(nId + REMAP).rect;
    }
}

TEST_P(KeyboardForm, PrintScreenScrollLockPause_HaveButtonsInTheTopRow)
{
    EXPECT_EQ("Pnt", Item(IDC_KEY_PRINT_SCREEN).strText);
    EXPECT_EQ("Lck", Item(IDC_KEY_SCROLL_LOCK).strText);
    EXPECT_EQ("Pas", Item(IDC_KEY_PAUSE).strText);
    EXPECT_EQ((CRect16{262, 23, 16, 13}), Item(IDC_KEY_PRINT_SCREEN).rect);
    EXPECT_EQ((CRect16{278, 23, 16, 13}), Item(IDC_KEY_SCROLL_LOCK).rect);
    EXPECT_EQ((CRect16{294, 23, 16, 13}), Item(IDC_KEY_PAUSE).rect);
    EXPECT_EQ((CRect16{262, 143, 16, 13}), Item(2068).rect);
    EXPECT_EQ((CRect16{278, 143, 16, 13}), Item(2069).rect);
    EXPECT_EQ((CRect16{294, 143, 16, 13}), Item(2070).rect);
}

TEST_P(KeyboardForm, DummyButtonAndStatusText_SitTopRight)
{
    const CTemplateItem& dummy = Item(IDC_FORM_DUMMY);
    EXPECT_EQ("dummy", dummy.strText);
    EXPECT_EQ(0x80, dummy.wClassAtom);
    EXPECT_EQ((DWORD)(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON), dummy.dwStyle);
    EXPECT_EQ((CRect16{335, 7, 50, 14}), dummy.rect);
    const CTemplateItem& status = Item(IDC_FORM_STATUS);
    EXPECT_EQ(0x82, status.wClassAtom);
    EXPECT_EQ("", status.strText);
    EXPECT_EQ(GetParam().statusRect, status.rect);
}

TEST_P(KeyboardForm, SpotRects_MatchTheLayout)
{
    EXPECT_EQ((CRect16{17, 23, 16, 13}), Item(100).rect); // Esc
    EXPECT_EQ((CRect16{17, 143, 16, 13}), Item(2100).rect);
    EXPECT_EQ((CRect16{363, 83, 16, 27}), Item(KEYPAD_ENTER).rect);
    EXPECT_EQ((CRect16{363, GetParam().nKeypadEnterTwinY, 16, 27}), Item(KEYPAD_ENTER + REMAP).rect);
    EXPECT_EQ((CRect16{363, 56, 16, 27}), Item(KEYPAD_PLUS).rect);
    EXPECT_EQ((CRect16{363, 177, 16, 27}), Item(KEYPAD_PLUS + REMAP).rect);
    if (GetParam().b106)
    {
        EXPECT_EQ((CRect16{237, 55, 20, 27}), Item(1001).rect); // Enter
        EXPECT_EQ((CRect16{237, 177, 20, 27}), Item(3001).rect);
        EXPECT_EQ((CRect16{221, 69, 16, 13}), Item(15).rect); // the key left of Enter
        EXPECT_EQ("む", Item(15).strText);
        EXPECT_EQ((CRect16{214, 83, 16, 13}), Item(90).rect); // Ro
        EXPECT_EQ((CRect16{214, 205, 16, 13}), Item(2090).rect);
    }
    else
    {
        EXPECT_EQ((CRect16{221, 69, 36, 13}), Item(1001).rect);
        EXPECT_EQ((CRect16{221, 189, 36, 13}), Item(3001).rect);
        EXPECT_EQ((CRect16{233, 56, 24, 13}), Item(15).rect); // backslash
        EXPECT_EQ("\\", Item(15).strText);
        EXPECT_EQ((CRect16{214, 83, 43, 13}), Item(1005).rect); // right Shift
    }
    EXPECT_EQ("", Item(1008).strText); // space bar
}

TEST_P(KeyboardForm, EveryKeyAndTwin_StandAtTheLayoutsRectangles)
{
    for (const CKeyLayoutRects& key : kKeyLayoutRects)
    {
        const int* r = GetParam().b106 ? key.r106 : key.r101;
        if (r[2] == 0)
            continue; // not a key of this layout
        CRect16 expected = {r[0], r[1], r[2], r[3]};
        EXPECT_EQ(expected, Item(key.nKeyId).rect) << "key " << key.nKeyId;
        int nTwinY = key.nKeyId == KEYPAD_ENTER ? GetParam().nKeypadEnterTwinY
                                                : RemappedY(r[1], GetParam().b106);
        CRect16 twin = {r[0], nTwinY, r[2], r[3]};
        EXPECT_EQ(twin, Item(key.nKeyId + REMAP).rect) << "twin of " << key.nKeyId;
    }
}

TEST_P(KeyboardForm, CreatedAsDialog_KeyButtonsExistHiddenAndDisabled)
{
    HWND hParent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 800, 600, nullptr, nullptr, Module(), nullptr);
    ASSERT_NE(nullptr, hParent);
    HWND hForm = CreateDialogParamA(Module(), MAKEINTRESOURCEA(GetParam().wId), hParent, IgnoreEverything, 0);
    ASSERT_NE(nullptr, hForm);
    for (int nId : BaseButtonIds(GetParam().b106))
        for (int nButton : {nId, nId + REMAP})
        {
            HWND hButton = GetDlgItem(hForm, nButton);
            ASSERT_NE(nullptr, hButton) << "button " << nButton;
            DWORD dwStyle = (DWORD)GetWindowLongA(hButton, GWL_STYLE);
            EXPECT_EQ(0u, dwStyle & (WS_VISIBLE | WS_TABSTOP)) << "button " << nButton;
            EXPECT_EQ((DWORD)(WS_CHILD | WS_DISABLED), dwStyle & (WS_CHILD | WS_DISABLED)) << "button " << nButton;
            EXPECT_EQ((DWORD)BS_OWNERDRAW, dwStyle & BS_TYPEMASK) << "button " << nButton;
        }
    EXPECT_NE(nullptr, GetDlgItem(hForm, IDC_FORM_DUMMY));
    EXPECT_NE(nullptr, GetDlgItem(hForm, IDC_FORM_STATUS));
    DestroyWindow(hForm);
    DestroyWindow(hParent);
}

// The English run: both templates of the English set.
INSTANTIATE_TEST_SUITE_P(English, KeyboardForm, ::testing::Values(s_english101, s_english132), CaseName);
// The Chinese run: template 101 of the neutral set, and template 132, which
// the neutral set lacks: its users get the English one.
INSTANTIATE_TEST_SUITE_P(Neutral, KeyboardForm, ::testing::Values(s_neutral101, s_english132), CaseName);

// The Japanese run: both templates of the Japanese set.
INSTANTIATE_TEST_SUITE_P(Japanese, KeyboardForm, ::testing::Values(s_japanese101, s_japanese132), CaseName);
