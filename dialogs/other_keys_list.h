// What the "Other Keys" window shows and takes, without a window: the
// mappings whose physical key or output is not on the drawn keyboard, the
// keys to choose from (the catalogue's keys beyond the drawn keyboard, then
// the drawn keys; for the output "nothing" first), and the code of a key
// pressed while the window waits.
#pragma once

#include <string>
#include <vector>

#include "model/remap_pair.h"
#include "platform/keyboard_services.h"

struct CKeyChoice
{
    WORD wScancode;
    std::string strText; // "Print Screen (0xE037)"
};

class COtherKeysList
{
public:
    COtherKeysList(IKeyboardServices& keyboard, BOOL b106Layout)
        : m_keyboard(keyboard), m_b106Layout(b106Layout)
    {
    }

    BOOL IsDrawn(WORD wScancode) const;
    // The list's mappings that the drawn keyboards cannot show (a key sent
    // nothing included), in the list's order.
    std::vector<CRemapPair> GetRows(const std::vector<CRemapPair>& pairs) const;
    // bOutput: "nothing" (0) first.
    std::vector<CKeyChoice> GetChoices(BOOL bOutput) const;
    // A key as the window names it: the catalogue's display name or the
    // system's name, with its code; "(nothing)" for 0.
    std::string Describe(WORD wScancode) const;
    std::string DescribeRow(const CRemapPair& pair) const;

    enum
    {
        KEY_IGNORED = 0,    // not a key of its own: wait for the next event
        KEY_ESCAPE = 0xFFFF // Esc: the wait ends without a key
    };
    // The Scancode Map code of a key press that the hook saw: E0 keys
    // 0xE0xx, Pause 0xE11D, Num Lock 0x0045; KEY_IGNORED for a release, for
    // the fake Shift and Ctrl that Windows sends around Print Screen and
    // AltGr, and for an event without a scan code; KEY_ESCAPE for Esc.
    static WORD CodeOfKeyEvent(DWORD dwVirtualKey, DWORD dwScanCode, DWORD dwFlags);
    // The physical key that sends wPressed under the table in force (the
    // table read at start-up, which Windows applies before any program sees
    // a key): when the table maps the key wPressed away, the first key it
    // maps to wPressed; otherwise wPressed itself.
    static WORD PhysicalKeyOf(WORD wPressed, const std::vector<CRemapPair>& tableInForce);

private:
    IKeyboardServices& m_keyboard;
    BOOL m_b106Layout;
};
