#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "model/key_table.h"
#include "model/stable_key_name.h"

namespace
{
std::string Folded(const std::string& str)
{
    std::string out(str);
    for (char& c : out)
        c = (char)std::tolower((unsigned char)c);
    return out;
}
} // namespace

TEST(StableKeyName, EveryKeyOfTheTable_HasOneName_ThatReadsBackToItsScancode)
{
    std::map<std::string, int> rows; // folded name -> the row that has it
    for (int i = 0; i < CKeyTable::COUNT_106; ++i)
    {
        WORD wScancode = ScancodeFromTableCode(CKeyTable::GetEntries()[i].wTableCode);
        const char* pszName = CStableKeyName::NameOf(wScancode);
        ASSERT_NE(nullptr, pszName) << "row " << i + 1;
        EXPECT_EQ(i, rows.emplace(Folded(pszName), i).first->second) << pszName << " twice";
        WORD wRead = 0;
        EXPECT_EQ(CStableKeyName::PARSE_OK, CStableKeyName::Parse(pszName, &wRead)) << pszName;
        EXPECT_EQ(wScancode, wRead) << pszName;
    }
}

TEST(StableKeyName, KeysOutsideTheTableAndTheCatalogue_HaveNoName_AndZeroIsNone)
{
    EXPECT_EQ(std::string("ScrollLock"), CStableKeyName::NameOf(0x0046));
    EXPECT_EQ(std::string("PrintScreen"), CStableKeyName::NameOf(0xE037));
    EXPECT_EQ(std::string("Pause"), CStableKeyName::NameOf(0xE11D));
    EXPECT_EQ(nullptr, CStableKeyName::NameOf(0xE045)); // no key: the old Num Lock code
    EXPECT_EQ(nullptr, CStableKeyName::NameOf(0x0077));
    EXPECT_EQ(nullptr, CStableKeyName::NameOf(0xE13A));
    EXPECT_EQ(std::string("None"), CStableKeyName::NameOf(0x0000));
}

TEST(StableKeyName, Parse_TakesNamesInAnyCase_AndScancodesInHex)
{
    struct Case
    {
        const char* pszArg;
        WORD wScancode;
    };
    const Case cases[] = {
        {"CapsLock", 0x003A}, {"capslock", 0x003A}, {"CAPSLOCK", 0x003A},
        {"Esc", 0x0001}, {"Grave", 0x0029}, {"NumpadMultiply", 0x0037},
        {"RightAlt", 0xE038}, {"NumLock", 0x0045}, {"NumpadDivide", 0xE035},
        {"NumpadEnter", 0xE01C}, {"Application", 0xE05D}, {"LeftWindows", 0xE05B},
        {"Kana", 0x0070}, {"Ro", 0x0073}, {"Convert", 0x0079}, {"NoConvert", 0x007B},
        {"Yen", 0x007D},
        // A name wins over hex.
        {"1", 0x0002}, {"0", 0x000B}, {"A", 0x001E}, {"e", 0x0012}, {"F1", 0x003B},
        {"0x3A", 0x003A}, {"0X3a", 0x003A}, {"3a", 0x003A}, {"E05B", 0xE05B},
        {"0xE05B", 0xE05B}, {"0x01", 0x0001}, {"0x0", 0x0000}, {"00", 0x0000},
        {"None", 0x0000}, {"none", 0x0000}, {"0x00FF", 0x00FF},
        // Keys beyond the drawn keyboard, Pause's E1 form, and the old Num Lock code.
        {"printscreen", 0xE037}, {"MediaPlayPause", 0xE022}, {"F24", 0x0076},
        {"E11D", 0xE11D}, {"0xE045", 0x0045},
    };
    for (const Case& c : cases)
    {
        WORD wScancode = 0xFFFF;
        EXPECT_EQ(CStableKeyName::PARSE_OK, CStableKeyName::Parse(c.pszArg, &wScancode)) << c.pszArg;
        EXPECT_EQ(c.wScancode, wScancode) << c.pszArg;
    }
}

TEST(StableKeyName, Parse_RefusesWhatIsNoKey_AndSaysWhy)
{
    struct Case
    {
        const char* pszArg;
        CStableKeyName::EParse eParse;
        const char* pszFault;
    };
    const Case cases[] = {
        {"", CStableKeyName::PARSE_EMPTY, "no key given"},
        {"CapsLok", CStableKeyName::PARSE_UNKNOWN_NAME, "unknown key name 'CapsLok'"},
        {"x3A", CStableKeyName::PARSE_UNKNOWN_NAME, "unknown key name 'x3A'"},
        {" CapsLock", CStableKeyName::PARSE_UNKNOWN_NAME, "unknown key name ' CapsLock'"},
        {"0x", CStableKeyName::PARSE_BAD_SCANCODE, "bad scancode '0x' (1 to 4 hex digits)"},
        {"0x3G", CStableKeyName::PARSE_BAD_SCANCODE, "bad scancode '0x3G' (1 to 4 hex digits)"},
        {"0x12345", CStableKeyName::PARSE_BAD_SCANCODE, "bad scancode '0x12345' (1 to 4 hex digits)"},
        {"E05B0", CStableKeyName::PARSE_BAD_SCANCODE, "bad scancode 'E05B0' (1 to 4 hex digits)"},
        {"0xE15B", CStableKeyName::PARSE_BAD_PREFIX,
         "scancode '0xE15B' is no key (its high byte must be 00 or E0, or it is E11D)"},
        {"13A", CStableKeyName::PARSE_BAD_PREFIX,
         "scancode '13A' is no key (its high byte must be 00 or E0, or it is E11D)"},
        {"Caps\tLock\x81", CStableKeyName::PARSE_UNKNOWN_NAME, "unknown key name 'Caps?Lock?'"},
        {"ThisNameIsFarLongerThanAnyKeyNameCouldEverBe", CStableKeyName::PARSE_UNKNOWN_NAME,
         "unknown key name 'ThisNameIsFarLongerThanAnyKeyNameCouldEv...'"},
    };
    for (const Case& c : cases)
    {
        WORD wScancode = 0x1234;
        EXPECT_EQ(c.eParse, CStableKeyName::Parse(c.pszArg, &wScancode)) << c.pszArg;
        EXPECT_EQ(0x1234, wScancode) << c.pszArg << ": left as it was";
        EXPECT_EQ(c.pszFault, CStableKeyName::DescribeFault(c.eParse, c.pszArg));
    }
}

TEST(StableKeyName, FormatScancode_GivesFourUpperCaseDigits)
{
    EXPECT_EQ("0x003A", CStableKeyName::FormatScancode(0x3A));
    EXPECT_EQ("0xE05B", CStableKeyName::FormatScancode(0xE05B));
    EXPECT_EQ("0x0000", CStableKeyName::FormatScancode(0));
}
