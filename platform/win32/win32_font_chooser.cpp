#include "platform/win32/win32_font_chooser.h"

#include <commdlg.h>

BOOL CWin32FontChooser::ChooseFont(HWND hOwner, CFontRecord* pRecord, DWORD dwFlags)
{
    CHOOSEFONTA cf;
    ZeroMemory(&cf, sizeof cf);
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = hOwner;
    cf.lpLogFont = pRecord;
    // The dialog starts from the record it is given, and offers no size that
    // the preferences would refuse to read back.
    cf.Flags = dwFlags | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
    cf.nSizeMin = SIZE_MIN_POINTS;
    cf.nSizeMax = SIZE_MAX_POINTS;
    return ::ChooseFontA(&cf);
}
