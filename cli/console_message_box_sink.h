// The framework's message boxes in a console program: no box ever shows; the
// text goes to standard error as one "velloric-cli: ..." line, and a question
// gets the answer that changes nothing (Cancel, or No where there is no
// Cancel).
#pragma once

#include "platform/console.h"
#include "framework/message_box_sink.h"

class CConsoleMessageBoxSink : public IMessageBoxSink
{
public:
    explicit CConsoleMessageBoxSink(IConsole& console) : m_console(console) {}
    int Show(const char* pszText, const char* pszCaption, UINT nType) override;

private:
    IConsole& m_console;
};
