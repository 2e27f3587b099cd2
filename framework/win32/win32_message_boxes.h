// The real message box, and (through its own header) the string resources of
// the running module.
#pragma once

#include "framework/message_box_sink.h"
#include "framework/win32/win32_string_source.h"

class CWin32MessageBoxSink : public IMessageBoxSink
{
public:
    // nIDMoreLines: the string that ends a text cut to fit the screen ("%1"
    // the lines left out); 0 shows every text whole.
    explicit CWin32MessageBoxSink(UINT nIDMoreLines = 0) : m_nIDMoreLines(nIDMoreLines) {}
    // Owned as a modal dialog is (AfxGetModalOwner).
    int Show(const char* pszText, const char* pszCaption, UINT nType) override;
    // How many lines of message text a box near hOwner can show with its
    // caption, icon and buttons still within the monitor's work area.
    static int MaxLinesOnScreen(HWND hOwner);

private:
    UINT m_nIDMoreLines;
};
