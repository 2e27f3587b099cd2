#include <gtest/gtest.h>

#include <vector>

#include "dialogs/other_keys_list.h"
#include "platform/keyboard_hook.h"
#include "tests/support/fake_keyboard.h"

TEST(OtherKeysList, KeyEvents_GiveTheScancodeMapCode_AsAHookSeesThem)
{
    struct Row
    {
        DWORD dwVirtualKey, dwScanCode, dwFlags;
        WORD wExpected;
    };
    const DWORD E = KEY_FLAG_EXTENDED, I = KEY_FLAG_INJECTED;
    const Row rows[] = {
        {0x41, 0x1E, 0, 0x001E},          // A
        {0xA4, 0x38, 0, 0x0038},          // left Alt
        {0xA5, 0x38, E, 0xE038},          // right Alt (AltGr)
        {0xA2, 0x21D, 0, 0},              // AltGr's fake left Ctrl: not a key
        {0x79, 0x44, 0, 0x0044},          // F10
        {0x2C, 0x37, E, 0xE037},          // Print Screen
        {0xA0, 0x2A, E, 0},               // the fake Shift before it
        {0x13, 0x45, 0, 0xE11D},          // Pause, as Windows reports E1 1D 45
        {0x13, 0x1D, 0, 0xE11D},
        {0x90, 0x45, E, 0x0045},          // Num Lock: 45, not E045
        {0x5B, 0x5B, E, 0xE05B},          // left Windows
        {0, 0x45, E | I, 0x0045},         // under Wine: no virtual key
        {0, 0x45, I, 0xE11D},
        {0, 0x1D, E | I, 0xE01D},
        {0x1B, 0x01, 0, COtherKeysList::KEY_ESCAPE},
        {0x41, 0x1E, KEY_FLAG_UP, 0},     // a release
        {0x41, 0, 0, 0},                  // no scan code
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.wExpected, COtherKeysList::CodeOfKeyEvent(row.dwVirtualKey, row.dwScanCode, row.dwFlags))
            << std::hex << row.dwVirtualKey << " " << row.dwScanCode << " " << row.dwFlags;
}

TEST(OtherKeysList, PressedKey_IsNamedThroughTheTableInForce_AndRowsAreWhatTheKeyboardsCannotShow)
{
    // In force: Caps Lock sends Left Ctrl, Print Screen sends Right Alt.
    const std::vector<CRemapPair> inForce = {{0x003A, 0x001D}, {0xE037, 0xE038}, {0xE038, 0x001E}};
    EXPECT_EQ(0xE037, COtherKeysList::PhysicalKeyOf(0xE038, inForce)); // Right Alt is mapped away
    EXPECT_EQ(0x001D, COtherKeysList::PhysicalKeyOf(0x001D, inForce)); // Left Ctrl still sends itself
    EXPECT_EQ(0x0030, COtherKeysList::PhysicalKeyOf(0x0030, inForce));

    CFakeKeyboard keyboard;
    COtherKeysList list(keyboard, FALSE);
    const std::vector<CRemapPair> pairs = {{0x003A, 0x001D}, {0xE037, 0xE038}, {0x001D, 0x0000},
                                           {0x0046, 0x0076}, {0x0070, 0x003A}};
    std::vector<CRemapPair> expected = {{0xE037, 0xE038}, {0x001D, 0x0000}, {0x0046, 0x0076}, {0x0070, 0x003A}};
    EXPECT_EQ(expected, list.GetRows(pairs));
    EXPECT_EQ(3u, COtherKeysList(keyboard, TRUE).GetRows(pairs).size()); // Kana is drawn on 106
    // Without string resources a catalogue key shows its stable name; a drawn key the system's.
    EXPECT_EQ("PrintScreen (0xE037)  ->  Right Alt (0xE038)", list.DescribeRow({0xE037, 0xE038}));
    EXPECT_EQ("F24 (0x0076)", list.Describe(0x0076));
    // Output choices: nothing, the keys beyond the drawn keyboard, the drawn keys.
    std::vector<CKeyChoice> choices = list.GetChoices(TRUE);
    ASSERT_EQ(1u + 46u + 101u, choices.size());
    EXPECT_EQ(0, choices[0].wScancode);
    EXPECT_EQ(0xE037, choices[1].wScancode);
    EXPECT_EQ(0x0001, choices[47].wScancode);
    EXPECT_EQ(46u + 106u - 5u, COtherKeysList(keyboard, TRUE).GetChoices(FALSE).size());
}
