#include "cli/console_message_box_sink.h"

#include <string>

int CConsoleMessageBoxSink::Show(const char* pszText, const char* pszCaption, UINT nType)
{
    std::string strLine = "velloric-cli: ";
    for (const char* p = pszText != nullptr ? pszText : ""; *p != '\0'; ++p)
        strLine += (*p == '\n' || *p == '\r') ? ' ' : *p;
    m_console.Err(strLine + "\n");
    switch (nType & MB_TYPEMASK)
    {
    case MB_OK:
        return IDOK;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDCANCEL;
    }
}
