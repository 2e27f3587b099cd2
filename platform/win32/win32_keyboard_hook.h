// IKeyboardHook with WH_KEYBOARD_LL on the calling thread's message loop.
// The system calls the hook through that loop, so the thread must pump
// messages (a modal dialog does) while the hook is set.
#pragma once

#include <windows.h>

#include "platform/keyboard_hook.h"

class CWin32KeyboardHook : public IKeyboardHook
{
public:
    CWin32KeyboardHook() : m_hHook(NULL), m_pSink(nullptr) {}
    ~CWin32KeyboardHook() override { Stop(); }

    BOOL Start(IKeyPressSink* pSink) override;
    void Stop() override;

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);

    HHOOK m_hHook;
    IKeyPressSink* m_pSink;

    CWin32KeyboardHook(const CWin32KeyboardHook&) = delete;
    CWin32KeyboardHook& operator=(const CWin32KeyboardHook&) = delete;
};
