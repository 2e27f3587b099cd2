// The state an update handler gives a command: enabled, checked. The frame
// asks before it runs a command and paints menus and tool bar from it.
#pragma once

#include "platform/platform_types.h"

class CCmdUI
{
public:
    explicit CCmdUI(UINT nID) : m_nID(nID) {}
    virtual ~CCmdUI() {}

    virtual void Enable(BOOL bOn = TRUE)
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    virtual void SetCheck(int nCheck = 1) { m_nCheck = nCheck; }

    UINT m_nID;
    BOOL m_bEnabled = TRUE;
    BOOL m_bEnableChanged = FALSE;
    int m_nCheck = 0;
};
