// The frame's status bar, for the Win32 tests only: the frame keeps it
// private and names this class its friend.
#pragma once

#include "framework/win32/frame_wnd.h"

class CFrameTestAccess
{
public:
    static CStatusBar& StatusBar(CFrameWnd& frame) { return frame.m_wndStatusBar; }
};
