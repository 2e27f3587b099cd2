// The keyboard view's gestures, driven by real mouse messages sent to the
// view window of the running application.
#include "tests/win32/keyboard_view_fixture.h"

#include "framework/win32/frame_wnd.h"
#include "model/velloric_doc.h"
#include "res/resource.h"
#include "tests/win32/win32_test_support.h"

namespace
{
class KeyboardViewGestures : public KeyboardViewFixture
{
protected:
    // Starts with no pairs and drags A from the base keyboard over B on the remapped one.
    void DragAOverB()
    {
        StartWithList({});
        m_pA = Base(ID_A);
        m_pB = Remap(SC_B);
        Press(Centre(m_pA));
        Move(Centre(m_pB));
    }
    // Nothing is left of a gesture: no capture, no dragged or highlighted key, no drag cursor.
    void ExpectNoGesture()
    {
        EXPECT_EQ(HWND(NULL), ::GetCapture());
        EXPECT_EQ(nullptr, View()->GetDragKey());
        EXPECT_EQ(nullptr, View()->GetHoverKey());
        EXPECT_EQ(HCURSOR(NULL), View()->GetDragCursor());
    }
    void ExpectNothingEdited()
    {
        EXPECT_EQ("", List());
        EXPECT_EQ(FALSE, g_bEdited);
    }

    CKeyCap* m_pA = nullptr;
    CKeyCap* m_pB = nullptr;
};

HCURSOR RefusalCursor()
{
    return ::LoadCursorA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDC_CURSOR_NO_DROP));
}
} // namespace

TEST_F(KeyboardViewGestures, DragAOntoRemappedB_AddsPairAndShowsAsName)
{
    StartWithList({});
    CKeyCap* pB = Remap(SC_B);
    Press(Centre(Base(ID_A)));
    HCURSOR hDragCursor = View()->GetDragCursor();
    Move(Centre(pB));
    Release(Centre(pB));
    EXPECT_EQ("0030:001E", List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(SC_A, pB->GetProduced());
    EXPECT_EQ(" A ", Label(pB));
    EXPECT_EQ(0, pB->GetState());
    EXPECT_EQ(0, Base(ID_A)->GetState());
    ExpectNoGesture();
    // The drag cursor is gone, not merely forgotten.
    ICONINFO info;
    EXPECT_EQ(FALSE, ::GetIconInfo(hDragCursor, &info));
    EXPECT_NE(hDragCursor, ::GetCursor());
}

TEST_F(KeyboardViewGestures, QuickSecondPress_ArrivingAsDoubleClick_StartsTheDragLikeAPress)
{
    StartWithList({});
    POINT ptA = Centre(Base(ID_A));
    Press(ptA);
    Release(ptA);
    // The form's class takes double clicks: the second press comes as one.
    ::SendMessageA(ViewWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(ptA.x, ptA.y));
    EXPECT_EQ(ViewWindow(), ::GetCapture());
    Move(Centre(Remap(SC_B)));
    Release(Centre(Remap(SC_B)));
    EXPECT_EQ("0030:001E", List());
}

TEST_F(KeyboardViewGestures, DuringDrag_DraggedKeyIsPressed_TargetHighlighted_DragCursorShown)
{
    StartWithList({});
    CKeyCap* pA = Base(ID_A);
    CKeyCap* pB = Remap(SC_B);
    Press(Centre(pA));
    EXPECT_EQ(ViewWindow(), ::GetCapture());
    EXPECT_EQ(1, pA->GetState());
    ASSERT_NE(HCURSOR(NULL), View()->GetDragCursor());
    EXPECT_EQ(View()->GetDragCursor(), ::GetCursor());
    Move(Centre(pB));
    EXPECT_EQ(2, pB->GetState());
    EXPECT_EQ(pB, View()->GetHoverKey());
    // Back onto the dragged key: nothing highlighted; then the target again.
    Move(Centre(pA));
    EXPECT_EQ(0, pB->GetState());
    EXPECT_EQ(nullptr, View()->GetHoverKey());
    EXPECT_EQ(1, pA->GetState());
    Move(Centre(pB));
    EXPECT_EQ(2, pB->GetState());
    {
        CViewImage image(ViewWindow());
        EXPECT_LT(0, image.Count(pB->GetRect(), RGB(0, 0, 255))); // a blue label
    }
    Release(Centre(pB));
}

TEST_F(KeyboardViewGestures, DropOnRemappedB_ReplacesInPlace_DropOnBaseB_RemovesAndAddsAtHead)
{
    // B and N share bucket 3; reading puts the later pair at the chain's head.
    StartWithList({{SC_B, SC_C}, {SC_N, SC_C}});
    ASSERT_EQ("0031:002E 0030:002E", List());
    Drag(Base(ID_A), Remap(SC_B));
    EXPECT_EQ("0031:002E 0030:001E", List());

    Drag(Base(ID_CAPS), Base(ID_B));
    EXPECT_EQ("0030:003A 0031:002E", List());
    EXPECT_EQ(SC_CAPS, Remap(SC_B)->GetProduced());
    EXPECT_EQ("Caps Lock", Label(Remap(SC_B)));
}

TEST_F(KeyboardViewGestures, DropOnBaseB_OrderReachesTheWrittenValue)
{
    StartWithList({{SC_B, SC_C}, {SC_N, SC_C}});
    Drag(Base(ID_A), Base(ID_B));
    m_boxes.Answer({IDOK, IDNO}); // lost keys: go on; restart: no
    Command(ID_APP_EXIT);
    EXPECT_EQ(ScancodeMapBytes({{SC_B, SC_A}, {SC_N, SC_C}}),
              m_registry.Get("HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout",
                             "Scancode Map")
                  .bytes);
}

TEST_F(KeyboardViewGestures, DropOnBaseKeyItself_OrOutsideBothKeyboards_ChangesNothing)
{
    StartWithList({});
    Drag(Base(ID_A), Base(ID_A));
    POINT ptOutside = {2, 2};
    Press(Centre(Base(ID_A)));
    Move(ptOutside);
    Release(ptOutside);
    ExpectNothingEdited();
    EXPECT_EQ(0, Base(ID_A)->GetState());
}

TEST_F(KeyboardViewGestures, DropOnOwnPlace_WhileRemapped_RemovesPair)
{
    StartWithList({{SC_A, SC_B}});
    CKeyCap* pA = Remap(SC_A);
    ASSERT_EQ(SC_B, pA->GetProduced());
    Press(Centre(Base(ID_A)));
    Move(Centre(pA));
    EXPECT_NE(RefusalCursor(), ::GetCursor()); // it produces B now: a drop changes it
    Release(Centre(pA));
    EXPECT_EQ("", List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(0, pA->GetProduced());
    EXPECT_EQ(" A ", Label(pA));
}

TEST_F(KeyboardViewGestures, DropOnOwnPlace_WhileUnmapped_ShowsRefusal_AndChangesNothing)
{
    StartWithList({});
    CKeyCap* pA = Remap(SC_A);
    Press(Centre(Base(ID_A)));
    Move(Centre(pA));
    ASSERT_NE(HCURSOR(NULL), RefusalCursor());
    EXPECT_EQ(RefusalCursor(), ::GetCursor());
    Move(Centre(Remap(SC_B)));
    EXPECT_EQ(View()->GetDragCursor(), ::GetCursor());
    Move(Centre(pA));
    Release(Centre(pA));
    ExpectNothingEdited();
}

TEST_F(KeyboardViewGestures, DropOnKeyAlreadyProducingTheCode_ShowsRefusal_ButStillMarksEdited)
{
    StartWithList({{SC_B, SC_A}});
    Press(Centre(Base(ID_A)));
    Move(Centre(Remap(SC_B)));
    EXPECT_EQ(RefusalCursor(), ::GetCursor());
    Release(Centre(Remap(SC_B)));
    EXPECT_EQ("0030:001E", List());
    EXPECT_EQ(TRUE, g_bEdited);
}

TEST_F(KeyboardViewGestures, ClickOnRemappedKey_ReleasedInside_RemovesPair)
{
    StartWithList({{SC_B, SC_A}});
    CKeyCap* pB = Remap(SC_B);
    Press(Centre(pB));
    EXPECT_EQ(ViewWindow(), ::GetCapture());
    EXPECT_EQ(1, pB->GetState());
    EXPECT_EQ(HCURSOR(NULL), View()->GetDragCursor()); // a press has no drag cursor
    Release(Centre(pB));
    EXPECT_EQ("", List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(0, pB->GetProduced());
    EXPECT_EQ(0, pB->GetState());
}

TEST_F(KeyboardViewGestures, ClickOnRemappedKey_MovedOutAndReleased_KeepsPair_MovingBackPressesAgain)
{
    StartWithList({{SC_B, SC_A}});
    CKeyCap* pB = Remap(SC_B);
    POINT ptOutside = Centre(Remap(SC_N));
    Press(Centre(pB));
    Move(ptOutside);
    EXPECT_EQ(0, pB->GetState());
    EXPECT_EQ(0, Remap(SC_N)->GetState()); // no highlight during a press
    Move(Centre(pB));
    EXPECT_EQ(1, pB->GetState());
    Move(ptOutside);
    Release(ptOutside);
    EXPECT_EQ("0030:001E", List());
    EXPECT_EQ(FALSE, g_bEdited);
    EXPECT_EQ(SC_A, pB->GetProduced());
    EXPECT_EQ(0, pB->GetState());
    EXPECT_EQ(HWND(NULL), ::GetCapture());
}

TEST_F(KeyboardViewGestures, PressOnUnmappedRemappedKey_StartsNothing)
{
    StartWithList({});
    CKeyCap* pB = Remap(SC_B);
    Press(Centre(pB));
    EXPECT_EQ(HWND(NULL), ::GetCapture());
    EXPECT_EQ(0, pB->GetState());
    EXPECT_EQ(nullptr, View()->GetDragKey());
    Release(Centre(pB));
    ExpectNothingEdited();
}

TEST_F(KeyboardViewGestures, PairWithProducedZero_LooksUnmapped_AndCannotBeClicked)
{
    StartWithList({{SC_B, 0}});
    CKeyCap* pB = Remap(SC_B);
    EXPECT_EQ(FALSE, pB->IsRemapped());
    Press(Centre(pB));
    Release(Centre(pB));
    EXPECT_EQ("0030:0000", List());
}

TEST_F(KeyboardViewGestures, EscapeAccelerator_CancelsTheDrag)
{
    DragAOverB();
    ASSERT_EQ(2, m_pB->GetState());
    Command(ID_KEY_ESCAPE, 1);
    ExpectNoGesture();
    EXPECT_EQ(0, m_pA->GetState());
    EXPECT_EQ(0, m_pB->GetState());
    Release(Centre(m_pB)); // no capture any more: ignored
    ExpectNothingEdited();
}

TEST_F(KeyboardViewGestures, EscapeThroughTheAcceleratorTable_CancelsThePress)
{
    StartWithList({{SC_B, SC_A}});
    CKeyCap* pB = Remap(SC_B);
    Press(Centre(pB));
    MSG msg = {ViewWindow(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {0, 0}};
    ASSERT_EQ(TRUE, m_pApp->m_pMainWnd->PreTranslateMessage(&msg));
    EXPECT_EQ(HWND(NULL), ::GetCapture());
    EXPECT_EQ(0, pB->GetState());
    Release(Centre(pB));
    EXPECT_EQ("0030:001E", List());
}

TEST_F(KeyboardViewGestures, LossOfCapture_CancelsAtTheNextMouseMove)
{
    DragAOverB();
    ::ReleaseCapture();
    Move(Centre(m_pB));
    ExpectNoGesture();
    EXPECT_EQ(0, m_pA->GetState());
    EXPECT_EQ(0, m_pB->GetState());
    Release(Centre(m_pB));
    ExpectNothingEdited();
}

TEST_F(KeyboardViewGestures, LossOfCaptureThenPress_EndsTheOldGestureFirst)
{
    DragAOverB();
    ::ReleaseCapture();
    // No mouse move: the next press comes first.
    CKeyCap* pCaps = Base(ID_CAPS);
    Press(Centre(pCaps));
    EXPECT_EQ(0, m_pA->GetState());
    EXPECT_EQ(0, m_pB->GetState());
    EXPECT_EQ(pCaps, View()->GetDragKey());
    Move(Centre(m_pB));
    Release(Centre(m_pB));
    EXPECT_EQ("0030:003A", List());
}

TEST_F(KeyboardViewGestures, StatusBar_ShowsFullKeyName_AndIdleTextOutsideKeys)
{
    StartWithList({});
    POINT ptOutside = {2, 2};
    Move(ptOutside, 0);
    EXPECT_EQ(wintest::LoadResourceString(IDS_IDLE_MESSAGE), StatusText());
    Move(Centre(Base(ID_CAPS)), 0);
    EXPECT_EQ("Caps Lock", StatusText());
    Move(Centre(Remap(SC_LEFT)), 0);
    EXPECT_EQ("Left", StatusText());
    Move(ptOutside, 0);
    EXPECT_EQ(wintest::LoadResourceString(IDS_IDLE_MESSAGE), StatusText());
}

TEST_F(KeyboardViewGestures, StatusBar_ShowsDebugSuffix_UnderDebugOption)
{
    StartWithList({}, {"-d"});
    Move(Centre(Remap(SC_LEFT)), 0);
    EXPECT_EQ("Left 014b e04b", StatusText());
}

TEST_F(KeyboardViewGestures, StatusBar_ShowsTheProducedKeysName_ForARemappedKey)
{
    StartWithList({{SC_CAPS, 0x1D}});
    Move(Centre(Remap(SC_CAPS)), 0);
    EXPECT_EQ("Ctrl", StatusText());
}
