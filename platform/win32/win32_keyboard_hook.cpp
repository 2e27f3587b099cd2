#include "platform/win32/win32_keyboard_hook.h"

namespace
{
// The hook procedure has no context of its own: the one hook set at a time.
CWin32KeyboardHook* s_pActive = nullptr;
IKeyPressSink* s_pSink = nullptr;
} // namespace

BOOL CWin32KeyboardHook::Start(IKeyPressSink* pSink)
{
    Stop();
    if (s_pActive != nullptr)
        return FALSE;
    m_hHook = ::SetWindowsHookExA(WH_KEYBOARD_LL, &CWin32KeyboardHook::HookProc,
                                  ::GetModuleHandleA(NULL), 0);
    if (m_hHook == NULL)
        return FALSE;
    m_pSink = pSink;
    s_pActive = this;
    s_pSink = pSink;
    return TRUE;
}

void CWin32KeyboardHook::Stop()
{
    if (m_hHook == NULL)
        return;
    ::UnhookWindowsHookEx(m_hHook);
    m_hHook = NULL;
    m_pSink = nullptr;
    if (s_pActive == this)
    {
        s_pActive = nullptr;
        s_pSink = nullptr;
    }
}

LRESULT CALLBACK CWin32KeyboardHook::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && s_pSink != nullptr)
    {
        // Alt comes as WM_SYSKEYDOWN on Windows and as WM_KEYDOWN under Wine;
        // the flags tell a release (LLKHF_UP) either way.
        const KBDLLHOOKSTRUCT* pKey = (const KBDLLHOOKSTRUCT*)lParam;
        if (s_pSink->OnKeyPressed(pKey->vkCode, pKey->scanCode, pKey->flags))
            return 1;
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}
