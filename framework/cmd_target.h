// Command handling without message-map macros: a class lists its commands in a
// table of (first id, last id, handler, update handler) and answers OnCmdMsg
// through DispatchCmdMsg. The route (view, document, frame, application) is
// the frame's business.
#pragma once

#include <cstddef>

#include "framework/cmd_ui.h"

class CCmdTarget
{
public:
    virtual ~CCmdTarget() {}
    // pCmdUI == nullptr: run command nID; TRUE when this target handled it.
    // pCmdUI != nullptr: update it; TRUE when this target knows nID (a known
    // command without an update handler stays enabled).
    virtual BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) { return FALSE; }
};

template <class T>
struct TCommandEntry
{
    UINT nFirstID;
    UINT nLastID;
    void (T::*pfnCommand)(UINT nID);
    void (T::*pfnUpdate)(CCmdUI* pCmdUI);
};

template <class T, size_t N>
BOOL DispatchCmdMsg(T* pThis, const TCommandEntry<T> (&table)[N], UINT nID, CCmdUI* pCmdUI)
{
    for (const TCommandEntry<T>& entry : table)
    {
        if (nID < entry.nFirstID || nID > entry.nLastID)
            continue;
        if (pCmdUI == nullptr)
        {
            if (entry.pfnCommand == nullptr)
                continue;
            (pThis->*entry.pfnCommand)(nID);
            return TRUE;
        }
        if (entry.pfnUpdate != nullptr)
            (pThis->*entry.pfnUpdate)(pCmdUI);
        return TRUE;
    }
    return FALSE;
}
