#include "view/win32/key_font_dialog.h"

ChooseFontProc g_pfnChooseFont = &::ChooseFontA;

BOOL RunKeyFontDialog(HWND hOwner, LOGFONTA* plf)
{
    CHOOSEFONTA cf;
    ZeroMemory(&cf, sizeof cf);
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = hOwner;
    cf.lpLogFont = plf;
    cf.Flags = CF_SCREENFONTS | CF_NOSCRIPTSEL | CF_INITTOLOGFONTSTRUCT;
    return g_pfnChooseFont(&cf);
}
