#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_keyboard_services.h"
#include "model/key_name.h"

// Under Wine's null display driver user32 answers the US names of Windows.

TEST(Win32KeyboardServices, GivesWindowsKeyNames)
{
    CWin32KeyboardServices keyboard;
    EXPECT_EQ("Caps Lock", GetKeyName(keyboard, 0x03A));
    EXPECT_EQ("Ctrl", GetKeyName(keyboard, 0x01D));
    EXPECT_EQ("Up", GetKeyName(keyboard, 0x148));
    EXPECT_EQ("Enter", GetKeyName(keyboard, 0x01C));
    EXPECT_EQ("Esc", GetKeyName(keyboard, 0x001));
}

TEST(Win32KeyboardServices, PassesCallThrough)
{
    CWin32KeyboardServices keyboard;
    char szName[128] = "";
    int nLength = keyboard.GetKeyNameText(0x003A0000, szName, sizeof szName);
    EXPECT_EQ(9, nLength);
    EXPECT_STREQ("Caps Lock", szName);
    EXPECT_EQ(::GetKeyboardType(1), keyboard.GetKeyboardType(1));
}
