// The real message box and string resources of the running module.
#pragma once

#include "framework/message_box_sink.h"
#include "framework/string_source.h"

class CWin32MessageBoxSink : public IMessageBoxSink
{
public:
    // Owned as a modal dialog is (AfxGetModalOwner).
    int Show(const char* pszText, const char* pszCaption, UINT nType) override;
};

class CWin32StringSource : public IStringSource
{
public:
    BOOL Load(UINT nID, std::string* pstr) override;
};
