// The status bar: a message pane that takes the free width, then indicator
// panes whose text shows while their key is toggled on.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

class CStatusBar
{
public:
    BOOL Create(HWND hParent, UINT nID);
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
};
