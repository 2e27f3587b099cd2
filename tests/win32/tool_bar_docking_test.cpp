// The tool bar docks on every side of the frame and floats, moved by real
// mouse messages on its gripper and on its floating window's caption; the
// frame grows and shrinks around a form that keeps its size.
#include "tests/win32/startup_fixture.h"

#include <commctrl.h>

#include "framework/win32/frame_wnd.h"
#include "framework/win32/view.h"
#include "res/resource.h"
#include "tests/support/frame_test_access.h"

namespace
{
RECT ScreenRect(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

SIZE SizeOf(const RECT& rc)
{
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

class ToolBarDocking : public StartupFixture
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(TRUE, Start({}));
        m_sizeForm = SizeOf(ScreenRect(View()));
    }
    CFrameWnd* Frame() { return m_pApp->m_pMainWnd; }
    CDockContext& Context() { return Frame()->GetDockContext(); }
    HWND Bar() { return Frame()->m_wndToolBar.m_hWnd; }
    HWND Strip() { return Context().GetDockBarWindow(); }
    HWND Float() { return Context().GetFloatWindow(); }
    HWND View() { return ::GetDlgItem(MainWindow(), AFX_IDW_PANE_FIRST); }
    RECT ClientRect()
    {
        RECT rc;
        ::GetClientRect(MainWindow(), &rc);
        ::MapWindowPoints(MainWindow(), NULL, (POINT*)&rc, 2);
        return rc;
    }
    static POINT ToClient(HWND hWnd, POINT pt)
    {
        ::ScreenToClient(hWnd, &pt);
        return pt;
    }
    static LPARAM At(POINT pt) { return MAKELPARAM(pt.x, pt.y); }

    // Presses on the strip's gripper and lets go at ptTo (screen).
    void DragStripTo(POINT ptTo)
    {
        POINT ptGrip = {3, 5};
        ::SendMessageA(Strip(), WM_LBUTTONDOWN, MK_LBUTTON, At(ptGrip));
        ::SendMessageA(Strip(), WM_MOUSEMOVE, MK_LBUTTON, At(ToClient(Strip(), ptTo)));
        ::SendMessageA(Strip(), WM_LBUTTONUP, 0, At(ToClient(Strip(), ptTo)));
    }
    // Drags the strip to well below the frame, away from every edge; the side
    // the bar ends on.
    EDockSide FloatAway()
    {
        RECT rcFrame = ScreenRect(MainWindow());
        DragStripTo(POINT{rcFrame.left + 40, rcFrame.bottom + 150});
        return Context().GetSide();
    }
    // Presses on the floating window's caption and lets go at ptTo (screen).
    void DragCaptionTo(POINT ptTo)
    {
        RECT rc = ScreenRect(Float());
        POINT ptCaption = {rc.left + 10, rc.top + 4};
        ::SendMessageA(Float(), WM_NCLBUTTONDOWN, HTCAPTION, At(ptCaption));
        ::SendMessageA(Float(), WM_MOUSEMOVE, MK_LBUTTON, At(ToClient(Float(), ptTo)));
        ::SendMessageA(Float(), WM_LBUTTONUP, 0, At(ToClient(Float(), ptTo)));
    }
    // The form is whole: its own size, inside the frame's client area.
    void ExpectFormWhole()
    {
        RECT rcView = ScreenRect(View());
        RECT rcClient = ClientRect();
        EXPECT_EQ(m_sizeForm.cx, SizeOf(rcView).cx);
        EXPECT_LE(m_sizeForm.cy, SizeOf(rcView).cy);
        EXPECT_LE(rcClient.left, rcView.left);
        EXPECT_LE(rcView.right, rcClient.right);
        EXPECT_LE(rcView.bottom, ScreenRect(CFrameTestAccess::StatusBar(*Frame()).m_hWnd).top);
    }
    int StatusHeight() { return SizeOf(ScreenRect(CFrameTestAccess::StatusBar(*Frame()).m_hWnd)).cy; }
    RECT ButtonRect(int nIndex)
    {
        RECT rc = {};
        ::SendMessageA(Bar(), TB_GETITEMRECT, nIndex, (LPARAM)&rc);
        return rc;
    }

    SIZE m_sizeForm = {0, 0};
};
} // namespace

TEST_F(ToolBarDocking, StartsDockedAtTheTop_AcrossTheFrame_AboveTheForm)
{
    EXPECT_EQ(DOCK_TOP, Context().GetSide());
    EXPECT_EQ(Strip(), ::GetParent(Bar()));
    EXPECT_EQ(TRUE, ::IsWindowVisible(Strip()));
    RECT rcClient = ClientRect(), rcStrip = ScreenRect(Strip());
    EXPECT_EQ(rcClient.left, rcStrip.left);
    EXPECT_EQ(rcClient.top, rcStrip.top);
    EXPECT_EQ(rcClient.right, rcStrip.right);
    EXPECT_EQ(rcStrip.bottom, ScreenRect(View()).top);
    EXPECT_EQ(SizeOf(rcClient).cy, SizeOf(rcStrip).cy + m_sizeForm.cy + StatusHeight());
    EXPECT_EQ(FALSE, ::IsWindowVisible(Float()));
}

TEST_F(ToolBarDocking, GripperDraggedToEachEdge_DocksThere_AndTheFrameFitsAroundTheWholeForm)
{
    struct
    {
        EDockSide side;
        double fx, fy; // where in the client area the pointer lets go
    } cases[] = {{DOCK_LEFT, 0.01, 0.5}, {DOCK_BOTTOM, 0.5, 0.99}, {DOCK_RIGHT, 0.99, 0.5},
                 {DOCK_TOP, 0.5, 0.01}};
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.side);
        RECT rcClient = ClientRect();
        POINT ptTo = {rcClient.left + (int)(c.fx * SizeOf(rcClient).cx),
                      rcClient.top + (int)(c.fy * SizeOf(rcClient).cy)};
        DragStripTo(ptTo);
        EXPECT_EQ(c.side, Context().GetSide());
        EXPECT_EQ(HWND(NULL), ::GetCapture());
        rcClient = ClientRect();
        RECT rcStrip = ScreenRect(Strip()), rcView = ScreenRect(View());
        SIZE sizeStrip = SizeOf(rcStrip);
        ExpectFormWhole();
        if (CDockLayout::IsVertical(c.side))
        {
            // One column of buttons beside the form; the frame is as wide as both.
            EXPECT_GT(sizeStrip.cy, sizeStrip.cx);
            EXPECT_EQ(ButtonRect(0).left, ButtonRect(8).left);
            EXPECT_LT(ButtonRect(0).top, ButtonRect(8).top);
            EXPECT_EQ(SizeOf(rcClient).cx, sizeStrip.cx + m_sizeForm.cx);
            EXPECT_EQ(c.side == DOCK_LEFT ? rcStrip.right : rcStrip.left,
                      c.side == DOCK_LEFT ? rcView.left : rcView.right);
        }
        else
        {
            EXPECT_EQ(ButtonRect(0).top, ButtonRect(8).top);
            EXPECT_EQ(SizeOf(rcClient).cy, sizeStrip.cy + m_sizeForm.cy + StatusHeight());
            EXPECT_EQ(c.side == DOCK_TOP ? rcStrip.bottom : rcStrip.top,
                      c.side == DOCK_TOP ? rcView.top : rcView.bottom);
        }
    }
}

TEST_F(ToolBarDocking, DraggedAwayFromTheFrame_FloatsInAToolWindow_AndTheFrameShrinks)
{
    RECT rcFrame = ScreenRect(MainWindow());
    ASSERT_EQ(DOCK_FLOAT, FloatAway());
    EXPECT_EQ(Float(), ::GetParent(Bar()));
    EXPECT_EQ(TRUE, ::IsWindowVisible(Float()));
    EXPECT_EQ(FALSE, ::IsWindowVisible(Strip()));
    EXPECT_EQ(MainWindow(), ::GetWindow(Float(), GW_OWNER));
    LONG_PTR style = ::GetWindowLongPtrA(Float(), GWL_STYLE);
    EXPECT_EQ(0, style & WS_SYSMENU); // no close box: nothing could bring the bar back
    EXPECT_NE(0, ::GetWindowLongPtrA(Float(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_GT(ScreenRect(Float()).top, rcFrame.bottom);
    ExpectFormWhole();
    EXPECT_EQ(ClientRect().top, ScreenRect(View()).top);
    EXPECT_EQ(SizeOf(ClientRect()).cy, m_sizeForm.cy + StatusHeight());
}

TEST_F(ToolBarDocking, FloatingWindow_ResizesInWholeRows_AndItsCaptionDocksItAgain)
{
    ASSERT_EQ(DOCK_FLOAT, FloatAway());
    EXPECT_EQ(1, Frame()->m_wndToolBar.GetRows());

    // Its bottom border pulled down: the buttons take as many rows as fit.
    RECT rc = ScreenRect(Float());
    RECT rcWanted = {rc.left, rc.top, rc.right, rc.top + 3 * SizeOf(rc).cy};
    ::SendMessageA(Float(), WM_SIZING, WMSZ_BOTTOM, (LPARAM)&rcWanted);
    ::SetWindowPos(Float(), NULL, rcWanted.left, rcWanted.top, SizeOf(rcWanted).cx,
                   SizeOf(rcWanted).cy, SWP_NOZORDER | SWP_NOACTIVATE);
    int nRows = Frame()->m_wndToolBar.GetRows();
    EXPECT_LT(1, nRows);
    EXPECT_LT(SizeOf(rcWanted).cx, SizeOf(rc).cx);
    EXPECT_EQ(rcWanted.top, rc.top); // the dragged border moves, the other stays
    EXPECT_LT(ButtonRect(0).top, ButtonRect(8).top);

    // A double click on the caption docks it where it was docked last.
    ::SendMessageA(Float(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(DOCK_TOP, Context().GetSide());
    // And back where it floated, with its rows.
    ::SendMessageA(Strip(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 5));
    EXPECT_EQ(DOCK_FLOAT, Context().GetSide());
    EXPECT_EQ(nRows, Frame()->m_wndToolBar.GetRows());

    // Its caption dragged onto the frame's right edge docks it there.
    RECT rcClient = ClientRect();
    DragCaptionTo(POINT{rcClient.right - 2, (rcClient.top + rcClient.bottom) / 2});
    EXPECT_EQ(DOCK_RIGHT, Context().GetSide());
    ExpectFormWhole();
}

TEST_F(ToolBarDocking, FloatingButton_StillRunsItsCommandThroughTheFrame)
{
    ASSERT_EQ(DOCK_FLOAT, FloatAway());
    HWND hMain = MainWindow();
    RECT rcButton = ButtonRect(2); // quit without saving: nothing edited, so it closes
    POINT pt = {(rcButton.left + rcButton.right) / 2, (rcButton.top + rcButton.bottom) / 2};
    ::SendMessageA(Bar(), WM_LBUTTONDOWN, MK_LBUTTON, At(pt));
    ::SendMessageA(Bar(), WM_LBUTTONUP, 0, At(pt));
    EXPECT_EQ(FALSE, ::IsWindow(hMain));
}

TEST_F(ToolBarDocking, Click_WithoutMoving_LeavesTheBarWhereItIs)
{
    RECT rc = ScreenRect(Strip());
    POINT ptGrip = {3, 5};
    ::SendMessageA(Strip(), WM_LBUTTONDOWN, MK_LBUTTON, At(ptGrip));
    ::SendMessageA(Strip(), WM_LBUTTONUP, 0, At(ptGrip));
    EXPECT_EQ(DOCK_TOP, Context().GetSide());
    RECT rcAfter = ScreenRect(Strip());
    EXPECT_EQ(rc.left, rcAfter.left);
    EXPECT_EQ(rc.bottom, rcAfter.bottom);
}

TEST_F(ToolBarDocking, FloatingBar_IsDisabledWithTheFrame_WhileAModalDialogRuns)
{
    ASSERT_EQ(DOCK_FLOAT, FloatAway());
    ::EnableWindow(MainWindow(), FALSE); // as a modal dialog or message box does
    EXPECT_EQ(FALSE, ::IsWindowEnabled(Float()));
    ::EnableWindow(MainWindow(), TRUE);
    EXPECT_EQ(TRUE, ::IsWindowEnabled(Float()));
}

TEST_F(ToolBarDocking, EveryMove_LeavesTheWholeFrameToBeRepainted)
{
    ::UpdateWindow(MainWindow());
    ::RedrawWindow(MainWindow(), NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rcClient = ClientRect();
    DragStripTo(POINT{rcClient.left + 2, (rcClient.top + rcClient.bottom) / 2});
    ASSERT_EQ(DOCK_LEFT, Context().GetSide());
    // Nothing painted yet: the view, its group boxes and the status bar all wait for it.
    EXPECT_EQ(TRUE, ::GetUpdateRect(View(), NULL, FALSE));
    HWND hGroup = ::GetWindow(View(), GW_CHILD);
    while (hGroup != NULL && !(::IsWindowVisible(hGroup) &&
                               (::GetWindowLongPtrA(hGroup, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX))
        hGroup = ::GetWindow(hGroup, GW_HWNDNEXT);
    ASSERT_NE(HWND(NULL), hGroup);
    EXPECT_EQ(TRUE, ::GetUpdateRect(hGroup, NULL, FALSE));
    EXPECT_EQ(TRUE, ::GetUpdateRect(CFrameTestAccess::StatusBar(*Frame()).m_hWnd, NULL, FALSE));
}

TEST_F(ToolBarDocking, ThePlace_IsRememberedAcrossStarts_AndAFloatingCaptionStaysInReach)
{
    ASSERT_EQ(DOCK_FLOAT, FloatAway());
    RECT rcFloat = ScreenRect(Float());
    Stop();
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(DOCK_FLOAT, Context().GetSide());
    EXPECT_EQ(rcFloat.left, ScreenRect(Float()).left);
    EXPECT_EQ(rcFloat.top, ScreenRect(Float()).top);

    // A place on a monitor that is no longer there.
    m_pApp->GetProfile().WriteProfileInt("ToolBar", "FloatLeft", -30000);
    m_pApp->GetProfile().WriteProfileInt("ToolBar", "FloatTop", -30000);
    Stop();
    ASSERT_EQ(TRUE, Start({}));
    RECT rc = ScreenRect(Float());
    POINT ptCaption = {(rc.left + rc.right) / 2, rc.top + 4};
    EXPECT_NE(HMONITOR(NULL), ::MonitorFromPoint(ptCaption, MONITOR_DEFAULTTONULL));

    ::SendMessageA(Float(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0); // docked again
    Stop();
    ASSERT_EQ(TRUE, Start({}));
    EXPECT_EQ(DOCK_TOP, Context().GetSide());
}

TEST_F(ToolBarDocking, FloatingWindowOnAMonitorOfAnotherDpi_TakesItsPlace_AndItsBarRescales)
{
    ASSERT_EQ(DOCK_FLOAT, FloatAway());
    RECT rcFloat = ScreenRect(Float()), rcButton;
    ::SendMessageA(Bar(), TB_GETITEMRECT, 0, (LPARAM)&rcButton);
    RECT rcSuggested = rcFloat;
    ::OffsetRect(&rcSuggested, 30, 40);
    ::SendMessageA(Float(), WM_DPICHANGED, MAKEWPARAM(192, 192), (LPARAM)&rcSuggested);
    RECT rcNow = ScreenRect(Float()), rcButtonNow;
    ::SendMessageA(Bar(), TB_GETITEMRECT, 0, (LPARAM)&rcButtonNow);
    EXPECT_EQ(rcSuggested.left, rcNow.left);
    EXPECT_EQ(rcSuggested.top, rcNow.top);
    EXPECT_EQ(2 * SizeOf(rcButton).cx, SizeOf(rcButtonNow).cx);
    EXPECT_LT(SizeOf(rcFloat).cx, SizeOf(rcNow).cx); // the window holds the bigger buttons
    ExpectFormWhole(); // the frame stays as it was
    Context().Dock(DOCK_TOP); // back on the frame: the frame's DPI again
    ::SendMessageA(Bar(), TB_GETITEMRECT, 0, (LPARAM)&rcButtonNow);
    EXPECT_EQ(SizeOf(rcButton).cx, SizeOf(rcButtonNow).cx);
}
