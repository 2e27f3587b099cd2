#include "platform/win32/win32_font_chooser.h"

#include <commdlg.h>

BOOL CWin32FontChooser::ChooseFont(HWND hOwner, CFontRecord* pRecord, DWORD dwFlags)
{
    CHOOSEFONTA cf;
    ZeroMemory(&cf, sizeof cf);
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = hOwner;
    cf.lpLogFont = pRecord;
    // The dialog starts from the record it is given.
    cf.Flags = dwFlags | CF_INITTOLOGFONTSTRUCT;
    return ::ChooseFontA(&cf);
}
