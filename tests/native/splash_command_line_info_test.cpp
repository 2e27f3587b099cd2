// The start-up display switch of the command-line record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/splash_command_line_info.h"

namespace
{
CSplashCommandLineInfo Parsed(const std::vector<std::string>& args)
{
    CSplashCommandLineInfo info;
    info.ParseArguments(args);
    return info;
}
} // namespace

TEST(SplashCommandLineInfo, EmbeddingOrAutomationFlag_InAnyCase_SuppressesTheDisplay)
{
    for (const char* pszArg : {"-Embedding", "/Embedding", "-embedding", "/AUTOMATION", "-Automation"})
    {
        SCOPED_TRACE(pszArg);
        EXPECT_EQ(FALSE, Parsed({pszArg}).m_bShowSplash);
        EXPECT_EQ(FALSE, Parsed({"-d", pszArg}).m_bShowSplash);
    }
}

TEST(SplashCommandLineInfo, OtherArguments_KeepTheDisplay_AndTheFrameworksParsing)
{
    for (const char* pszArg : {"-d", "-Embed", "-Embeddings", "--Embedding", "-"})
        EXPECT_EQ(TRUE, Parsed({pszArg}).m_bShowSplash) << pszArg;
    CSplashCommandLineInfo info = Parsed({"Embedding"});
    EXPECT_EQ(TRUE, info.m_bShowSplash); // a document name, not a flag
    EXPECT_EQ(CCommandLineInfo::FileOpen, info.m_nShellCommand);
    EXPECT_EQ("Embedding", info.m_strFileName);
    EXPECT_EQ(TRUE, Parsed({}).m_bShowSplash);
}
