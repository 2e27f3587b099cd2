#include <gtest/gtest.h>

#include "app/manual_launcher.h"
#include "tests/support/fake_shell_services.h"
#include "tests/support/scripted_message_boxes.h"

namespace
{
struct ManualLauncher : ::testing::Test
{
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    CFakeShellServices shell;
    ManualLauncher() { strings.m_strings[57344] = "Velloric"; }
};
} // namespace

TEST_F(ManualLauncher, OpensTheResourceSetsManualBesideProgram_First)
{
    shell.m_strProgramPath = "D:\\tools\\x.exe";
    for (const char* pszEnding : {"man.html", "man-e.html"})
    {
        strings.m_strings[1025] = pszEnding;
        shell.m_results = {42};
        shell.m_opened.clear();
        EXPECT_EQ(TRUE, CManualLauncher(shell, nullptr).ShowManual());
        EXPECT_EQ((std::vector<std::string>{std::string("D:\\tools\\x") + pszEnding}), shell.m_opened);
    }
    EXPECT_EQ(0u, boxes.m_shown.size());
}

TEST_F(ManualLauncher, FallsBackToCurrentDirectory_EnglishOrJapaneseByCodePage)
{
    shell.m_strProgramPath = "D:\\tools\\x.exe";
    shell.m_strCurrentDir = "C:\\work";
    shell.m_results = {2, 33};
    EXPECT_EQ(TRUE, CManualLauncher(shell, nullptr).ShowManual());
    EXPECT_EQ((std::vector<std::string>{"D:\\tools\\xman.html", "C:\\work\\velloricman-e.html"}),
              shell.m_opened);

    shell.m_opened.clear();
    shell.m_nCodePage = 932;
    shell.m_results = {32, 33}; // 32 is still a failure
    EXPECT_EQ(TRUE, CManualLauncher(shell, nullptr).ShowManual());
    EXPECT_EQ("C:\\work\\velloricman.html", shell.m_opened.at(1));
}

TEST_F(ManualLauncher, ReportsBrowserFailure_WhenBothTriesFail)
{
    EXPECT_EQ(FALSE, CManualLauncher(shell, nullptr).ShowManual());
    EXPECT_EQ(2u, shell.m_opened.size());
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("Can't execute Web Browser", boxes.m_shown[0].strText);
    EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), boxes.m_shown[0].nType);
}

TEST_F(ManualLauncher, CutsAtLastDotOfWholePath)
{
    EXPECT_EQ("C:\\my.tools\\velloricman.html",
              CManualLauncher::ManualBesideProgram("C:\\my.tools\\velloric.exe"));
    // A file name without a dot: the folder's dot is the last one.
    EXPECT_EQ("C:\\myman.html", CManualLauncher::ManualBesideProgram("C:\\my.tools\\velloric"));
    EXPECT_EQ("C:\\tools\\velloricman.html",
              CManualLauncher::ManualBesideProgram("C:\\tools\\velloric"));
}

TEST_F(ManualLauncher, PathTooLongForBuffer_IsAFailedTry_NeverOpened)
{
    shell.m_strProgramPath = "C:\\" + std::string(250, 'a') + ".exe"; // 257 + "man.html" > 259
    shell.m_strCurrentDir = "C:\\" + std::string(245, 'b');           // 248 + 19 > 259
    shell.m_results = {42, 42};
    EXPECT_EQ(FALSE, CManualLauncher(shell, nullptr).ShowManual());
    EXPECT_EQ(0u, shell.m_opened.size());
    ASSERT_EQ(1u, boxes.m_shown.size());

    shell.m_strProgramPath = "C:\\" + std::string(247, 'a') + ".exe"; // 250 + 8 = 258: fits
    boxes.m_shown.clear();
    EXPECT_EQ(TRUE, CManualLauncher(shell, nullptr).ShowManual());
    EXPECT_EQ(259u - 1u, shell.m_opened.at(0).size());
}

TEST_F(ManualLauncher, UnknownProgramPath_GoesStraightToFallback)
{
    shell.m_bProgramPathKnown = FALSE;
    shell.m_results = {42};
    EXPECT_EQ(TRUE, CManualLauncher(shell, nullptr).ShowManual());
    EXPECT_EQ((std::vector<std::string>{"C:\\Users\\me\\velloricman-e.html"}), shell.m_opened);
}
