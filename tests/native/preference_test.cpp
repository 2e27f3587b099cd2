#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/preference.h"
#include "tests/support/fake_registry.h"

namespace
{
const char SECTION_KEY[] = "HKCU\\Software\\Ostrelwick\\Velloric\\Preference";

typedef std::vector<BYTE> Bytes;

struct PreferenceTest : ::testing::Test
{
    CFakeRegistry registry;
    CProfile profile{registry};
    CPreference preference;

    PreferenceTest()
    {
        profile.SetRegistryKey("Ostrelwick", "Velloric");
        preference.Attach(&profile);
    }

    int Queries(const char* pszEntry) const
    {
        std::string strPrefix = std::string("QueryValue ") + pszEntry + " ";
        return (int)std::count_if(registry.m_log.begin(), registry.m_log.end(),
                                  [&](const std::string& str) { return str.rfind(strPrefix, 0) == 0; });
    }

    Bytes Stored(const char* pszEntry) const { return registry.Get(SECTION_KEY, pszEntry).bytes; }

    // The view's fit command: on when the current value is 0, else off.
    BOOL ToggleFit() { return preference.SetFitKeyname(preference.GetFitKeyname() == 0 ? 1 : 0); }
};

Bytes Dword(DWORD dw)
{
    return Bytes{(BYTE)dw, (BYTE)(dw >> 8), (BYTE)(dw >> 16), (BYTE)(dw >> 24)};
}

// A record of fill bytes with a size the font dialog offers: 12 pixels high, width 0.
Bytes FontRecord(BYTE fill, BYTE last = 0)
{
    Bytes record(CPreference::FONT_RECORD_BYTES, fill);
    const BYTE size[8] = {0xF4, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    std::copy(size, size + 8, record.begin());
    record.back() = last;
    return record;
}
} // namespace

TEST(Preference, StartsUnread)
{
    CPreference preference;
    EXPECT_EQ(-1, preference.m_nFitKeyname);
    EXPECT_EQ(-1, preference.m_nButtonTextType);
}

// First run

TEST_F(PreferenceTest, FirstRun_FitsNamesDrawsSimple_AndHasNoFont)
{
    EXPECT_EQ(1, preference.GetFitKeyname());
    EXPECT_EQ(0, preference.GetButtonTextType());
    BYTE record[CPreference::FONT_RECORD_BYTES];
    std::memset(record, 0xAB, sizeof record);
    EXPECT_EQ(FALSE, preference.GetFont(record));
    EXPECT_EQ(Bytes(60, 0xAB), Bytes(record, record + sizeof record));
}

TEST_F(PreferenceTest, FirstRead_LeavesEmptySectionBehind)
{
    preference.GetFitKeyname();
    EXPECT_EQ(TRUE, registry.HasKey(SECTION_KEY));
    EXPECT_EQ(FALSE, registry.HasValue(SECTION_KEY, "Fit keyname"));
}

TEST_F(PreferenceTest, DefaultsAreCached_AfterFirstRead)
{
    preference.GetFitKeyname();
    preference.GetFitKeyname();
    preference.GetButtonTextType();
    preference.GetButtonTextType();
    EXPECT_EQ(1, Queries("Fit keyname"));
    EXPECT_EQ(1, Queries("Button text type"));
    EXPECT_EQ(1, preference.m_nFitKeyname);
    EXPECT_EQ(0, preference.m_nButtonTextType);
}

// Stored values

TEST_F(PreferenceTest, StoredValues_AreReadOnce)
{
    registry.PutDword(SECTION_KEY, "Fit keyname", 0);
    registry.PutDword(SECTION_KEY, "Button text type", 2);
    EXPECT_EQ(0, preference.GetFitKeyname());
    EXPECT_EQ(2, preference.GetButtonTextType());
    registry.PutDword(SECTION_KEY, "Button text type", 1); // someone else's change
    EXPECT_EQ(2, preference.GetButtonTextType());
    EXPECT_EQ(1, Queries("Button text type"));
}

TEST_F(PreferenceTest, StoredMinusOne_IsReturned_AndReadAgainEveryCall)
{
    registry.PutDword(SECTION_KEY, "Fit keyname", 0xFFFFFFFF);
    EXPECT_EQ(-1, preference.GetFitKeyname());
    EXPECT_EQ(-1, preference.GetFitKeyname());
    EXPECT_EQ(-1, preference.GetFitKeyname());
    EXPECT_EQ(3, Queries("Fit keyname"));
}

TEST_F(PreferenceTest, UnreadableEntry_GivesDefault)
{
    registry.Put(SECTION_KEY, "Fit keyname", REG_BINARY, {0, 0, 0, 0});
    registry.Put(SECTION_KEY, "Button text type", REG_DWORD, {2});
    EXPECT_EQ(1, preference.GetFitKeyname());
    EXPECT_EQ(0, preference.GetButtonTextType());
}

// Changes

TEST_F(PreferenceTest, TogglingFitTwice_WritesZeroThenOne)
{
    EXPECT_EQ(TRUE, ToggleFit());
    EXPECT_EQ(Dword(0), Stored("Fit keyname"));
    EXPECT_EQ(REG_DWORD, registry.Get(SECTION_KEY, "Fit keyname").dwType);
    EXPECT_EQ(TRUE, ToggleFit());
    EXPECT_EQ(Dword(1), Stored("Fit keyname"));
    EXPECT_EQ(1, preference.GetFitKeyname());
}

TEST_F(PreferenceTest, StoredFive_CountsAsOn_AndTogglesToZero)
{
    registry.PutDword(SECTION_KEY, "Fit keyname", 5);
    EXPECT_EQ(5, preference.GetFitKeyname());
    EXPECT_EQ(TRUE, ToggleFit());
    EXPECT_EQ(Dword(0), Stored("Fit keyname"));
    EXPECT_EQ(0, preference.GetFitKeyname());
}

TEST_F(PreferenceTest, RaisedStyle_IsWrittenAtOnce_AndSeenNextRun)
{
    EXPECT_EQ(TRUE, preference.SetButtonTextType(1));
    EXPECT_EQ(Dword(1), Stored("Button text type"));
    EXPECT_EQ(REG_DWORD, registry.Get(SECTION_KEY, "Button text type").dwType);

    CProfile nextProfile(registry);
    nextProfile.SetRegistryKey("Ostrelwick", "Velloric");
    CPreference nextRun;
    nextRun.Attach(&nextProfile);
    EXPECT_EQ(1, nextRun.GetButtonTextType());
}

TEST_F(PreferenceTest, SetterFillsCache_WithoutReading)
{
    preference.SetButtonTextType(2);
    EXPECT_EQ(2, preference.GetButtonTextType());
    EXPECT_EQ(0, Queries("Button text type"));
}

TEST_F(PreferenceTest, FailedWrite_KeepsNewValueForThisRun_AndOldInProfile)
{
    registry.PutDword(SECTION_KEY, "Button text type", 2);
    EXPECT_EQ(2, preference.GetButtonTextType());
    registry.m_lSetError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(FALSE, preference.SetButtonTextType(1));
    EXPECT_EQ(FALSE, preference.SetFitKeyname(0));
    EXPECT_EQ(1, preference.GetButtonTextType());
    EXPECT_EQ(0, preference.GetFitKeyname());
    EXPECT_EQ(Dword(2), Stored("Button text type"));
    EXPECT_EQ(FALSE, registry.HasValue(SECTION_KEY, "Fit keyname"));
}

// Font

TEST_F(PreferenceTest, SetFont_WritesSixtyBytesAsBinary)
{
    Bytes record = FontRecord(0x41);
    EXPECT_EQ(TRUE, preference.SetFont(record.data()));
    CFakeRegistry::Value value = registry.Get(SECTION_KEY, "FontA");
    EXPECT_EQ(REG_BINARY, value.dwType);
    EXPECT_EQ(record, value.bytes);
}

TEST_F(PreferenceTest, GetFont_CopiesStoredRecord_EveryTime)
{
    registry.Put(SECTION_KEY, "FontA", REG_BINARY, FontRecord(0x41));
    BYTE record[CPreference::FONT_RECORD_BYTES] = {};
    EXPECT_EQ(TRUE, preference.GetFont(record));
    EXPECT_EQ(FontRecord(0x41), Bytes(record, record + sizeof record));
    registry.Put(SECTION_KEY, "FontA", REG_BINARY, FontRecord(0x42));
    EXPECT_EQ(TRUE, preference.GetFont(record));
    EXPECT_EQ(FontRecord(0x42), Bytes(record, record + sizeof record));
}

TEST_F(PreferenceTest, GetFont_TerminatesFaceName)
{
    registry.Put(SECTION_KEY, "FontA", REG_BINARY, FontRecord('A', 'A'));
    BYTE record[CPreference::FONT_RECORD_BYTES] = {};
    EXPECT_EQ(TRUE, preference.GetFont(record));
    EXPECT_EQ(FontRecord('A'), Bytes(record, record + sizeof record));
}

TEST_F(PreferenceTest, GetFont_RefusesSizesTheFontDialogDoesNotOffer)
{
    struct
    {
        LONG lfHeight;
        LONG lfWidth;
        BOOL bRead;
    } cases[] = {{-8, 0, TRUE},        {-160, 160, TRUE},  {-7, 0, FALSE},    {-161, 0, FALSE},
                 {-1332, 0, FALSE},     {-32000, 0, FALSE}, {0, 0, FALSE},     {12, 0, FALSE},
                 {INT32_MIN, 0, FALSE}, {-12, -1, FALSE},   {-12, 161, FALSE}};
    for (auto& c : cases)
    {
        Bytes stored = FontRecord(0x41);
        std::memcpy(stored.data(), &c.lfHeight, 4);
        std::memcpy(stored.data() + 4, &c.lfWidth, 4);
        registry.Put(SECTION_KEY, "FontA", REG_BINARY, stored);
        BYTE record[CPreference::FONT_RECORD_BYTES] = {};
        EXPECT_EQ(c.bRead, preference.GetFont(record)) << c.lfHeight << " " << c.lfWidth;
    }
}

TEST_F(PreferenceTest, GetFont_RefusesRecordOfOtherLength)
{
    for (size_t cb : {0u, 1u, 59u, 61u, 92u})
    {
        registry.Put(SECTION_KEY, "FontA", REG_BINARY, Bytes(cb, 0x41));
        BYTE record[CPreference::FONT_RECORD_BYTES];
        std::memset(record, 0xAB, sizeof record);
        EXPECT_EQ(FALSE, preference.GetFont(record)) << cb << " bytes";
        EXPECT_EQ(Bytes(60, 0xAB), Bytes(record, record + sizeof record));
    }
}

TEST_F(PreferenceTest, GetFont_RefusesOtherType)
{
    registry.Put(SECTION_KEY, "FontA", REG_SZ, FontRecord(0x41));
    BYTE record[CPreference::FONT_RECORD_BYTES] = {};
    EXPECT_EQ(FALSE, preference.GetFont(record));
}

// Without a profile

TEST(Preference, WithoutProfile_GivesDefaultsUncached_AndSettersFail)
{
    CPreference preference;
    EXPECT_EQ(1, preference.GetFitKeyname());
    EXPECT_EQ(0, preference.GetButtonTextType());
    EXPECT_EQ(-1, preference.m_nFitKeyname);
    EXPECT_EQ(-1, preference.m_nButtonTextType);
    BYTE record[CPreference::FONT_RECORD_BYTES] = {};
    EXPECT_EQ(FALSE, preference.GetFont(record));
    EXPECT_EQ(FALSE, preference.SetFont(record));
    EXPECT_EQ(FALSE, preference.SetButtonTextType(2));
    EXPECT_EQ(2, preference.GetButtonTextType());
}

TEST(Preference, ProfileWithoutRegistryKey_GivesDefaults)
{
    CFakeRegistry registry;
    CProfile profile(registry);
    CPreference preference;
    preference.Attach(&profile);
    EXPECT_EQ(1, preference.GetFitKeyname());
    EXPECT_EQ(FALSE, preference.SetButtonTextType(1));
    EXPECT_TRUE(registry.m_log.empty());
}
