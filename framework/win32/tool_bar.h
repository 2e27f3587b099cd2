// The tool bar along the top of the frame: buttons from a layout resource
// (version, button size, commands, 0 for a separator) and images from the
// bitmap of the same id, light grey masked out. Button states follow the
// commands' update handlers; tool tips and status prompts come from the
// command strings.
#pragma once

#include <string>
#include <vector>

#include "platform/platform_types.h"

#include <commctrl.h>

class CToolBar
{
public:
    CToolBar() {}
    ~CToolBar();

    BOOL Create(HWND hParent, UINT nID);
    BOOL LoadToolBar(UINT nIDResource);
    const std::vector<UINT>& GetCommands() const { return m_commands; } // 0 = separator
    void SetButtonState(UINT nID, BOOL bEnabled, BOOL bChecked);
    int GetHeight() const;
    void Layout();

    HWND m_hWnd = NULL;

private:
    HIMAGELIST m_hImages = NULL;
    std::vector<UINT> m_commands;
    CToolBar(const CToolBar&) = delete;
    CToolBar& operator=(const CToolBar&) = delete;
};
