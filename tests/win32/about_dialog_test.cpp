// The About box: its sound through the player seam, its template in both
// sets, and the wave and bitmap resources of the auxiliary dialogs.
#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/win32/about_dialog.h"
#include "framework/win32/win32_message_boxes.h"
#include "platform/win32/win32_sound_player.h"
#include "tests/support/fake_sound_player.h"
#include "res/resource.h"
#include "res/version.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/dialog_resources.h"
#include "tests/win32/startup_fixture.h"
#include "tests/win32/win32_test_support.h"

namespace
{
// The box's fixed lines around the project's version.
const std::string s_strVersionLines =
    std::string(" Velloric Version ") + VELLORIC_VERSION_TEXT + "\n  for Windows NT 4.0 & 5.0";
// The wave resource's bytes, wherever the platform's lookup finds them.
const void* WaveResource(DWORD* pcb)
{
    HMODULE hModule = ::GetModuleHandleA(NULL);
    HRSRC hResource = ::FindResourceA(hModule, MAKEINTRESOURCEA(IDR_ABOUT_WAVE), "WAVE");
    if (hResource == NULL)
        return nullptr;
    *pcb = ::SizeofResource(hModule, hResource);
    return ::LockResource(::LoadResource(hModule, hResource));
}

std::string WindowTextUtf8(HWND hWnd)
{
    wchar_t sz[256] = L"";
    ::GetWindowTextW(hWnd, sz, 256);
    return wintest::Utf8FromWide(sz);
}

// The texts of every static control of a dialog, in order.
std::vector<std::string> StaticTexts(HWND hDlg)
{
    std::vector<std::string> texts;
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        char szClass[16] = "";
        ::GetClassNameA(hChild, szClass, sizeof szClass);
        if (lstrcmpiA(szClass, "Static") == 0)
            texts.push_back(WindowTextUtf8(hChild));
    }
    return texts;
}

DWORD Le32(const BYTE* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | ((DWORD)p[3] << 24);
}
} // namespace

class AboutDialog : public ::testing::Test
{
protected:

    INT_PTR RunAndClose(std::vector<std::string>* pTexts = nullptr, std::string* pstrOk = nullptr)
    {
        CDialogDriver driver;
        driver.Then([&](HWND hDlg) {
            if (pTexts != nullptr)
                *pTexts = StaticTexts(hDlg);
            if (pstrOk != nullptr)
                *pstrOk = WindowTextUtf8(::GetDlgItem(hDlg, IDOK));
            CDialogDriver::Press(hDlg, IDOK);
            return TRUE;
        });
        CAboutDialog dlg(*m_pPlayer);
        INT_PTR nResult = dlg.DoModal();
        EXPECT_EQ(TRUE, driver.Done());
        EXPECT_EQ(0, driver.GiveUps());
        return nResult;
    }

    CFakeSoundPlayer m_played;
    ISoundPlayer* m_pPlayer = &m_played;
    CWin32StringSource m_strings;
    CScriptedMessageBoxes m_boxes{&m_strings};
};

class AboutDialogJapanese : public AboutDialog
{
};

TEST_F(AboutDialog, EachOpening_PlaysWave146OnceFromMemory_WithoutWaiting)
{
    DWORD cb = 0;
    const void* pWave = WaveResource(&cb);
    ASSERT_NE(nullptr, pWave);
    EXPECT_EQ(IDOK, RunAndClose());
    ASSERT_EQ(1u, m_played.m_played.size());
    EXPECT_EQ(pWave, (const void*)m_played.m_played[0].pszSound);
    // SND_ASYNC | SND_MEMORY, and not SND_NOSTOP: a playing sound is cut off.
    EXPECT_EQ(5u, m_played.m_played[0].fuSound);
    EXPECT_EQ(0u, m_played.m_played[0].fuSound & SND_NOSTOP);
    EXPECT_EQ(IDOK, RunAndClose());
    EXPECT_EQ(2u, m_played.m_played.size());
    EXPECT_EQ(0u, m_boxes.m_shown.size());
}

TEST_F(AboutDialog, PlayMessage_PlaysAgain_AndAnswersZero)
{
    LRESULT lResult = -1;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        lResult = ::SendMessageA(hDlg, WM_USER + 1, 123, 456);
        CDialogDriver::Press(hDlg, IDCANCEL);
        return TRUE;
    });
    CAboutDialog dlg(m_played);
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0, lResult);
    EXPECT_EQ(2u, m_played.m_played.size());
}

TEST_F(AboutDialog, RealPlayer_WithoutASoundDevice_OpensAndClosesQuietly)
{
    CWin32SoundPlayer realPlayer;
    m_pPlayer = &realPlayer;
    EXPECT_EQ(IDOK, RunAndClose());
    EXPECT_EQ(0u, m_boxes.m_shown.size());
    ::sndPlaySoundA(NULL, 0); // stops whatever may still play
}

TEST_F(AboutDialog, WaveResource_IsMonoPcmWaveOf35002SamplesWithAFactChunk_InOneSetOnly)
{
    EXPECT_EQ((std::vector<WORD>{0x0411}), ResourceLanguages("WAVE", IDR_ABOUT_WAVE));
    DWORD cb = 0;
    const BYTE* p = (const BYTE*)WaveResource(&cb);
    ASSERT_NE(nullptr, p);
    ASSERT_GE(cb, 56u);
    EXPECT_EQ(0, std::memcmp(p, "RIFF", 4));
    EXPECT_EQ(cb - 8, Le32(p + 4));
    EXPECT_EQ(0, std::memcmp(p + 8, "WAVEfmt ", 8));
    const BYTE* pFormat = p + 20;
    EXPECT_EQ(1u, pFormat[0] | (pFormat[1] << 8));      // PCM
    EXPECT_EQ(1u, pFormat[2] | (pFormat[3] << 8));      // one channel
    EXPECT_EQ(22050u, Le32(pFormat + 4));               // samples per second
    EXPECT_EQ(8u, pFormat[14] | (pFormat[15] << 8));    // bits per sample
    const BYTE* pFact = pFormat + Le32(p + 16);
    ASSERT_EQ(0, std::memcmp(pFact, "fact", 4));
    DWORD nSamples = Le32(pFact + 8);
    const BYTE* pData = pFact + 12;
    ASSERT_EQ(0, std::memcmp(pData, "data", 4));
    EXPECT_EQ(nSamples, Le32(pData + 4));
    EXPECT_EQ(cb, (DWORD)(pData + 8 - p) + nSamples);
    EXPECT_EQ(35002u, nSamples); // about 1.6 seconds
}

TEST_F(AboutDialog, LightBulbBitmap_Is40By53In16Colours_ForEveryLanguage)
{
    EXPECT_EQ((std::vector<WORD>{0x0000}), ResourceLanguages((LPCSTR)RT_BITMAP, IDB_LIGHT_BULB));
    HMODULE hModule = ::GetModuleHandleA(NULL);
    HRSRC hResource = ::FindResourceA(hModule, MAKEINTRESOURCEA(IDB_LIGHT_BULB), (LPCSTR)RT_BITMAP);
    ASSERT_NE((HRSRC)NULL, hResource);
    const BITMAPINFOHEADER* pHeader =
        (const BITMAPINFOHEADER*)::LockResource(::LoadResource(hModule, hResource));
    EXPECT_EQ(40, pHeader->biWidth);
    EXPECT_EQ(53, pHeader->biHeight);
    EXPECT_EQ(4, pHeader->biBitCount);
}

TEST_F(AboutDialog, NeutralSet_NameAndVersionLabel_AndOkCaption)
{
    std::vector<std::string> texts;
    RunAndClose(&texts);
    ASSERT_LE(2u, texts.size());
    EXPECT_EQ(s_strVersionLines, texts[1]);
    // The Chinese captions do not survive an ANSI dialog under code page
    // 1252: the template itself is checked.
    std::wstring strTemplate = DialogTemplateText(IDD_ABOUTBOX, 0x0400);
    for (const wchar_t* pszText : {L"Comic Sans MS", L"\x786e\x5b9a"}) // "确定"
        EXPECT_NE(std::wstring::npos, strTemplate.find(pszText)) << wintest::Utf8FromWide(pszText);
    EXPECT_EQ((std::vector<WORD>{0x0004, 0x0400, 0x0409, 0x0411}),
              ResourceLanguages((LPCSTR)RT_DIALOG, IDD_ABOUTBOX));
}

TEST_F(AboutDialogJapanese, JapaneseSet_LabelsAndTitle)
{
    ASSERT_EQ(932u, ::GetACP());
    std::vector<std::string> texts;
    std::string strOk;
    RunAndClose(&texts, &strOk);
    ASSERT_EQ(4u, texts.size());
    EXPECT_EQ(s_strVersionLines, texts[1]);
    EXPECT_EQ(u8"Velloricは、NT 4.0 & 5.0でスキャンコードの置き換えを行うためのツールです", texts[3]);
    EXPECT_EQ("OK", strOk);
}

class AboutCommand : public StartupFixture
{
};

TEST_F(AboutCommand, AboutCommand_RunsTheBoxOwnedByTheMainWindow_AndPlaysOnce)
{
    ASSERT_EQ(TRUE, Start({}));
    HWND hOwner = NULL;
    CDialogDriver driver;
    driver.Then([&](HWND hDlg) {
        hOwner = ::GetWindow(hDlg, GW_OWNER);
        CDialogDriver::Press(hDlg, IDOK);
        return TRUE;
    });
    Command(ID_APP_ABOUT);
    EXPECT_EQ(TRUE, driver.Done());
    EXPECT_EQ(MainWindow(), hOwner);
    EXPECT_EQ(1u, m_soundPlayer.m_played.size());
    EXPECT_EQ(TRUE, ::IsWindowEnabled(MainWindow()));
}
