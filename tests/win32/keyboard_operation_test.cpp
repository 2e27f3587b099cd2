// The keyboard view driven by WM_KEYDOWN alone: the focus cue from start-up,
// a remap, a give-back and a cancelled drag, the status bar and the tip.
#include "tests/win32/keyboard_view_fixture.h"

#include "framework/win32/frame_wnd.h"
#include "model/velloric_doc.h"
#include "res/resource.h"

namespace
{
class KeyboardOperation : public KeyboardViewFixture
{
protected:
    void Key(UINT nVirtKey)
    {
        LPARAM lParam = 1 | ((LPARAM)::MapVirtualKeyA(nVirtKey, 0) << 16);
        ::SendMessageA(ViewWindow(), WM_KEYDOWN, nVirtKey, lParam);
    }
    void Keys(std::initializer_list<UINT> keys)
    {
        for (UINT nVirtKey : keys)
            Key(nVirtKey);
    }
    CKeyCap* Focus() { return View()->GetFocusKey(); }
};
} // namespace

TEST_F(KeyboardOperation, FromStartUp_TheViewHasTheFocus_OnTheBaseEsc)
{
    StartWithList({});
    EXPECT_EQ(ViewWindow(), ::GetFocus());
    ASSERT_NE(nullptr, Focus());
    EXPECT_EQ(0x01, Focus()->GetScancode());
    EXPECT_EQ(FALSE, Focus()->IsOnRemapBoard());
}

TEST_F(KeyboardOperation, RemapGiveBackAndCancel_WithKeysAlone)
{
    StartWithList({});
    Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT});
    ASSERT_EQ(Base(ID_A), Focus());
    EXPECT_EQ(" A ", StatusText()); // the status bar and the tip follow the cue
    EXPECT_EQ(TRUE, View()->IsFocusTipShown());

    Key(VK_SPACE); // picked up
    EXPECT_EQ(Base(ID_A), View()->GetDragKey());
    Keys({VK_NEXT, VK_DOWN, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT}); // over the remapped keyboard's B
    ASSERT_EQ(Remap(SC_B), Focus());
    EXPECT_EQ(Remap(SC_B), View()->GetHoverKey());
    Key(VK_RETURN); // dropped
    EXPECT_EQ("0030:001E", List());
    EXPECT_EQ(nullptr, View()->GetDragKey());
    EXPECT_EQ(HWND(NULL), ::GetCapture());

    Key(VK_SPACE); // the remapped B given back
    EXPECT_EQ("", List());
    EXPECT_EQ(FALSE, Remap(SC_B)->IsRemapped());

    Keys({VK_PRIOR, VK_SPACE, VK_LEFT, VK_ESCAPE}); // base B picked up, moved, Esc
    EXPECT_EQ("", List());
    EXPECT_EQ(nullptr, View()->GetDragKey());
    EXPECT_EQ(0, Base(ID_B)->GetState());
    EXPECT_EQ(0, Base(ID_N)->GetState());
}
