// Where the frame's tool bar lives and how the user moves it: docked in a
// strip along an edge of the frame, behind a gripper, or floating in a small
// tool window. Dragging the gripper or the floating window's caption shows an
// outline and, on release, docks the bar on the edge near the pointer or
// floats it there; a double click floats a docked bar, or docks a floating
// one where it was docked last. After each move the frame grows or shrinks
// around its view, which keeps its size.
#pragma once

#include <vector>

#include "framework/dock_layout.h"
#include "framework/win32/dock_bar.h"
#include "framework/win32/mini_dock_frame.h"

class CFrameWnd;
class CToolBar;

#define AFX_IDW_DOCKBAR 0xE81Bu

class CDockContext
{
public:
    enum
    {
        DOCK_REACH = 24 // how near an edge of the frame a drop docks
    };

    explicit CDockContext(CFrameWnd& frame);

    // Makes the strip and the floating window for bar, docking on the sides
    // both allow (CBRS_ALIGN_...).
    BOOL Create(CToolBar& bar, DWORD dwFrameDockStyle);
    BOOL IsCreated() const { return m_pBar != nullptr; }
    // Docks on side: the first side allowed when that one is not; nowhere
    // when none is.
    void Dock(EDockSide side);
    // Floats the bar with its window's top-left corner at ptTopLeft (screen).
    void Float(POINT ptTopLeft);
    void ToggleDocking();
    // Where the floating window stands (screen), also while the bar is docked.
    POINT GetFloatTopLeft() const;

    // The frame's status bar takes this much of the bottom from the strips.
    void SetStatusBarHeight(int cy) { m_cyStatusBar = cy; }
    EDockSide GetSide() const { return m_side; }
    // The strip's size on the side it is docked on; nothing while it floats.
    CDrawSize GetDockedSize() const;
    HWND GetDockBarWindow() const { return m_dockBar.m_hWnd; }
    HWND GetFloatWindow() const { return m_miniFrame.m_hWnd; }

    // A drag that a host window started with the left button at ptScreen;
    // the host holds the mouse capture until it ends.
    void BeginDrag(HWND hHost, POINT ptScreen);
    void TrackDrag(POINT ptScreen);
    void EndDrag(POINT ptScreen);
    void CancelDrag();
    BOOL IsDragging() const { return m_hCapture != NULL; }

    // The floating window's sizing border: whole rows of buttons only.
    void SnapFloatRect(UINT nEdge, RECT* prcWindow);
    // The floating window's new size: as many rows as its height holds.
    void OnFloatSize();
    // The bar's buttons changed size (another DPI): its layouts are measured
    // again and it stands where it stood, docked or floating.
    void RemeasureBar();
    // The floating window moved to a monitor of another DPI: the bar takes
    // it, and the window the rectangle Windows suggests for it.
    void OnFloatDpiChanged(UINT nDpi, const RECT& rcSuggested);

private:
    BOOL IsAllowed(EDockSide side) const;
    void MeasureLayouts(); // m_layouts anew, from the bar as it is now
    RECT ClientOnScreen() const; // the frame's client area, screen coordinates
    EDockSide TargetAt(POINT ptScreen) const;
    CDrawSize StripSize(BOOL bVertical) const;
    RECT FloatRectAt(POINT ptTopLeft) const; // the floating window with its rows
    RECT OutlineFor(EDockSide target, POINT ptScreen) const;
    void EraseOutline();
    void KeepCaptionReachable(RECT* prcWindow) const;

    CFrameWnd& m_frame;
    CToolBar* m_pBar = nullptr;
    CDockBar m_dockBar;
    CMiniDockFrameWnd m_miniFrame;
    DWORD m_dwDockStyle = 0;
    EDockSide m_side = DOCK_FLOAT;
    EDockSide m_lastDocked = DOCK_TOP;
    BOOL m_bFloatedOnce = FALSE; // the hidden floating window then stands where it floated last
    int m_nFloatRows = 1;
    int m_cyStatusBar = 0;
    std::vector<SIZE> m_layouts; // the control's size with 1, 2, ... rows

    HWND m_hCapture = NULL; // the host holding the mouse while a drag goes on
    POINT m_ptStart = {0, 0};
    POINT m_ptGrab = {0, 0}; // the pointer within the bar's window
    RECT m_rcOutline = {0, 0, 0, 0}; // empty while none is drawn
};
