#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "model/key_catalogue.h"
#include "model/key_table.h"
#include "model/stable_key_name.h"

namespace
{
// Written out again from Microsoft's USB HID to PS/2 scan code translation
// table (the scan code table of the keyboard input documentation): the key's
// name there, its HID usage page and id, and its scan code set 1 make bytes
// as printed. Not from the catalogue.
struct MicrosoftRow
{
    const char* pszStableName;
    const char* pszMicrosoftName;
    unsigned nUsagePage;
    unsigned nUsageId;
    const char* pszMake;
};
const MicrosoftRow s_microsoft[] = {
    {"PrintScreen", "Keyboard PrintScreen", 0x07, 0x46, "E0 37"},
    {"ScrollLock", "Keyboard Scroll Lock", 0x07, 0x47, "46"},
    {"Pause", "Keyboard Pause", 0x07, 0x48, "E1 1D 45"},
    {"F13", "Keyboard F13", 0x07, 0x68, "64"},
    {"F14", "Keyboard F14", 0x07, 0x69, "65"},
    {"F15", "Keyboard F15", 0x07, 0x6A, "66"},
    {"F16", "Keyboard F16", 0x07, 0x6B, "67"},
    {"F17", "Keyboard F17", 0x07, 0x6C, "68"},
    {"F18", "Keyboard F18", 0x07, 0x6D, "69"},
    {"F19", "Keyboard F19", 0x07, 0x6E, "6A"},
    {"F20", "Keyboard F20", 0x07, 0x6F, "6B"},
    {"F21", "Keyboard F21", 0x07, 0x70, "6C"},
    {"F22", "Keyboard F22", 0x07, 0x71, "6D"},
    {"F23", "Keyboard F23", 0x07, 0x72, "6E"},
    {"F24", "Keyboard F24", 0x07, 0x73, "76"},
    {"IntlBackslash", "Europe 2", 0x07, 0x64, "56"},
    {"NumpadEquals", "Keypad =", 0x07, 0x67, "59"},
    {"Ro", "Keyboard Int'l 1 (Ro, Brazilian /?)", 0x07, 0x87, "73"},
    {"NumpadComma", "Keypad , (Brazilian Keypad .)", 0x07, 0x85, "7E"},
    {"Kana", "Keyboard Int'l 2 (Katakana/Hiragana)", 0x07, 0x88, "70"},
    {"Convert", "Keyboard Int'l 4 (Henkan)", 0x07, 0x8A, "79"},
    {"NoConvert", "Keyboard Int'l 5 (Muhenkan)", 0x07, 0x8B, "7B"},
    {"Yen", "Keyboard Int'l 3 (Yen)", 0x07, 0x89, "7D"},
    {"Hanja", "Keyboard Lang 2 (Hanja)", 0x07, 0x91, "F1"},
    {"Hangul", "Keyboard Lang 1 (Hangul/English)", 0x07, 0x90, "F2"},
    {"MediaNext", "Scan Next Track", 0x0C, 0x0B5, "E0 19"},
    {"MediaPrevious", "Scan Previous Track", 0x0C, 0x0B6, "E0 10"},
    {"MediaStop", "Stop", 0x0C, 0x0B7, "E0 24"},
    {"MediaPlayPause", "Play/Pause", 0x0C, 0x0CD, "E0 22"},
    {"VolumeMute", "Mute", 0x0C, 0x0E2, "E0 20"},
    {"VolumeDown", "Volume Down", 0x0C, 0x0EA, "E0 2E"},
    {"VolumeUp", "Volume Up", 0x0C, 0x0E9, "E0 30"},
    {"BrowserBack", "AC Back", 0x0C, 0x224, "E0 6A"},
    {"BrowserForward", "AC Forward", 0x0C, 0x225, "E0 69"},
    {"BrowserRefresh", "AC Refresh", 0x0C, 0x227, "E0 67"},
    {"BrowserStop", "AC Stop", 0x0C, 0x226, "E0 68"},
    {"BrowserSearch", "AC Search", 0x0C, 0x221, "E0 65"},
    {"BrowserFavorites", "AC Bookmarks", 0x0C, 0x22A, "E0 66"},
    {"BrowserHome", "AC Home", 0x0C, 0x223, "E0 32"},
    {"LaunchMail", "AL Email Reader", 0x0C, 0x18A, "E0 6C"},
    {"LaunchMedia", "AL Consumer Control Configuration", 0x0C, 0x183, "E0 6D"},
    {"LaunchMyComputer", "AL Local Machine Browser", 0x0C, 0x194, "E0 6B"},
    {"LaunchCalculator", "AL Calculator", 0x0C, 0x192, "E0 21"},
    {"Power", "System Power", 0x01, 0x81, "E0 5E"},
    {"Sleep", "System Sleep", 0x01, 0x82, "E0 5F"},
    {"Wake", "System Wake", 0x01, 0x83, "E0 63"},
};

// The Scancode Map form of printed make bytes: "46" 0x0046, "E0 37" 0xE037,
// and the E1 sequence its first two bytes, "E1 1D 45" 0xE11D.
WORD CodeOfMakeBytes(const std::string& strMake)
{
    unsigned nFirst = 0, nSecond = 0;
    int nRead = std::sscanf(strMake.c_str(), "%x %x", &nFirst, &nSecond);
    return nRead == 1 ? (WORD)nFirst : (WORD)((nFirst << 8) | nSecond);
}
} // namespace

TEST(KeyCatalogue, EveryRow_HasMicrosoftsScanCode_AndReadsBackByItsNameAndCode)
{
    ASSERT_EQ((int)(sizeof s_microsoft / sizeof s_microsoft[0]), CKeyCatalogue::GetCount());
    std::set<WORD> codes;
    for (int i = 0; i < CKeyCatalogue::GetCount(); ++i)
    {
        const CCatalogueKey& key = CKeyCatalogue::GetAt(i);
        const MicrosoftRow& row = s_microsoft[i];
        EXPECT_EQ(std::string(row.pszStableName), key.pszName) << row.pszMicrosoftName;
        EXPECT_EQ(CodeOfMakeBytes(row.pszMake), key.wScancode) << row.pszMicrosoftName;
        EXPECT_TRUE(codes.insert(key.wScancode).second) << key.pszName;
        // The names and codes every way in takes, and the name service's code.
        WORD wParsed = 0;
        EXPECT_EQ(CStableKeyName::PARSE_OK, CStableKeyName::Parse(key.pszName, &wParsed));
        EXPECT_EQ(key.wScancode, wParsed) << key.pszName;
        EXPECT_EQ(std::string(key.pszName), CStableKeyName::NameOf(key.wScancode));
        EXPECT_EQ(TableCodeFromScancode(key.wScancode), key.wNameCode) << key.pszName;
        // Drawn only where the key table draws it: the five 106-key keys.
        BOOL bInTable = FALSE;
        for (int n = 0; n < CKeyTable::COUNT_106; ++n)
            bInTable |= ScancodeFromTableCode(CKeyTable::GetEntries()[n].wTableCode) == key.wScancode;
        EXPECT_EQ(bInTable, key.bOn106Layout) << key.pszName;
        EXPECT_EQ(!bInTable, CKeyCatalogue::IsBeyondDrawnKeyboard(key, TRUE)) << key.pszName;
    }
}
