// The status bar: a message pane that takes the free width, then indicator
// panes whose text shows while their key is toggled on.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

class CStatusBar
{
public:
    ~CStatusBar();
    BOOL Create(HWND hParent, UINT nID);
    // The status font and the panes' margins for nDpi.
    void SetDpi(UINT nDpi);
    BOOL SetIndicators(const UINT* pIDs, int nCount);
    void SetPaneText(int nIndex, const std::string& strText);
    std::string GetPaneText(int nIndex) const;
    void UpdateIndicators();
    void Layout();
    int GetHeight() const;

    HWND m_hWnd = NULL;

private:
    std::vector<UINT> m_ids;
    std::vector<std::string> m_texts;
    UINT m_nDpi = 0; // what the font and margins are drawn for
    HFONT m_hFont = NULL; // ours once the DPI changed; the control's own before
};
