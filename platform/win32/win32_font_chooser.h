// The font dialog of the font setup command, behind a seam: the program calls
// ChooseFontA, tests put a function of their own in its place.
#pragma once

#include <windows.h>

#include <commdlg.h>

typedef BOOL(WINAPI* ChooseFontProc)(LPCHOOSEFONTA pcf);

// ChooseFontA unless a test has replaced it.
extern ChooseFontProc g_pfnChooseFont;

// Shows the dialog initialised from *plf (screen fonts, no script box); on OK
// the chosen font is in *plf and the result is TRUE.
BOOL RunKeyFontDialog(HWND hOwner, LOGFONTA* plf);
