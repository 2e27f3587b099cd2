// velloric-cli.exe started as a process, its standard output and error in
// files, against the throw-away prefix's registry; Wine's own regedit reads
// and writes the same .reg files.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "model/lost_key_check.h"
#include "model/reg_file_writer.h"
#include "model/remap_file_reader.h"
#include "model/remap_list.h"
#include "model/scancode_map_value.h"
#include "platform/stdio_byte_files.h"
#include "res/version.h"
#include "tests/support/scancode_map_bytes.h"
#include "tests/win32/win32_test_support.h"

namespace
{
typedef std::vector<BYTE> Bytes;

const DWORD kWaitMs = 30000;
const Bytes kAbsent = {'n', 'o', 'n', 'e'}; // what Value() gives when there is no value

struct CCliResult
{
    DWORD dwExit = STILL_ACTIVE;
    std::string strOut; // CR LF read as LF
    std::string strErr;
};

std::string TempPath(const std::string& strName)
{
    char szDir[MAX_PATH];
    DWORD cch = ::GetTempPathA(MAX_PATH, szDir);
    return std::string(szDir, cch) + "velloric-cli-test-" + strName;
}

// Shares every access: a capture file may still be open in the process that wrote it.
Bytes ReadWholeFile(const std::string& strPath)
{
    Bytes bytes;
    HANDLE hFile = ::CreateFileA(strPath.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                 OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    BYTE buffer[4096];
    DWORD cbRead = 0;
    while (::ReadFile(hFile, buffer, sizeof buffer, &cbRead, NULL) && cbRead > 0)
        bytes.insert(bytes.end(), buffer, buffer + cbRead);
    ::CloseHandle(hFile);
    return bytes;
}

std::string WithoutCr(const Bytes& bytes)
{
    std::string str;
    for (BYTE b : bytes)
        if (b != '\r')
            str += (char)b;
    return str;
}

HANDLE InheritableFile(const std::string& strPath)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    return ::CreateFileA(strPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, &sa,
                         CREATE_ALWAYS, 0, NULL);
}

// Runs strCommand to its end with standard output and error in files.
CCliResult RunProcess(const std::string& strApplication, const std::string& strCommand)
{
    // Files of their own for each run: under Wine a process that has ended
    // may hold its handles a little longer, and the next run must not meet them.
    static int s_nRun = 0;
    std::string strRun = std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++s_nRun);
    CCliResult result;
    std::string strOutPath = TempPath("stdout-" + strRun + ".txt");
    std::string strErrPath = TempPath("stderr-" + strRun + ".txt");
    HANDLE hOut = InheritableFile(strOutPath);
    HANDLE hErr = InheritableFile(strErrPath);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hOut;
    si.hStdError = hErr;
    PROCESS_INFORMATION pi = {};
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back('\0');
    if (::CreateProcessA(strApplication.empty() ? NULL : strApplication.c_str(), command.data(),
                         NULL, NULL, TRUE, CREATE_NO_WINDOW, NULL, NULL, &si, &pi))
    {
        if (::WaitForSingleObject(pi.hProcess, kWaitMs) != WAIT_OBJECT_0)
            ::TerminateProcess(pi.hProcess, 99);
        ::GetExitCodeProcess(pi.hProcess, &result.dwExit);
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    }
    ::CloseHandle(hOut);
    ::CloseHandle(hErr);
    result.strOut = WithoutCr(ReadWholeFile(strOutPath));
    result.strErr = WithoutCr(ReadWholeFile(strErrPath));
    ::DeleteFileA(strOutPath.c_str());
    ::DeleteFileA(strErrPath.c_str());
    return result;
}

CCliResult RunCli(const std::string& strArgs)
{
    std::string strExe = wintest::BesideTestExe("velloric-cli.exe");
    return RunProcess(strExe, "\"" + strExe + "\" " + strArgs);
}

// Wine's registry editor inside the prefix, as a user would run it.
DWORD RunRegedit(const std::string& strArgs)
{
    return RunProcess("", "regedit.exe " + strArgs).dwExit;
}

std::string KeyNameOf(WORD wTableCode)
{
    char szName[128] = "";
    ::GetKeyNameTextA((LONG)wTableCode << 16, szName, sizeof szName);
    return szName;
}

// Puts back whatever the prefix held under the value, and removes the files made.
struct CliTest : ::testing::Test
{
    BOOL m_bHadValue = FALSE;
    Bytes m_saved;
    std::vector<std::string> m_files;

    void SetUp() override
    {
        m_saved = wintest::ReadScancodeMap(&m_bHadValue);
        wintest::DeleteScancodeMap();
    }
    void TearDown() override
    {
        if (m_bHadValue)
            wintest::WriteScancodeMap(m_saved);
        else
            wintest::DeleteScancodeMap();
        for (const std::string& strPath : m_files)
            ::DeleteFileA(strPath.c_str());
    }
    std::string File(const std::string& strName)
    {
        m_files.push_back(TempPath(strName));
        return m_files.back();
    }
    static Bytes Value()
    {
        BOOL bPresent = FALSE;
        Bytes bytes = wintest::ReadScancodeMap(&bPresent);
        return bPresent ? bytes : kAbsent;
    }
};

const Bytes kCapsToCtrl = ScancodeMapBytes({{0x003A, 0x001D}});
// Not in the program's hash order, and long enough to wrap in a .reg file.
const Bytes kMixed = ScancodeMapBytes({{0xE05B, 0x0000}, {0x003A, 0x001D}, {0x001D, 0x003A},
                                       {0x0046, 0xE037}, {0x0001, 0x0029}, {0x0029, 0x0001},
                                       {0xE05C, 0x0000}, {0x003B, 0x003C}, {0x003C, 0x003B},
                                       {0x0070, 0x0039}});
} // namespace

BOOL CALLBACK CollectType(HMODULE, LPSTR pszType, LONG_PTR lParam)
{
    reinterpret_cast<std::vector<ULONG_PTR>*>(lParam)->push_back((ULONG_PTR)pszType);
    return TRUE;
}

// String nId of the block tagged wLanguage, as UTF-16; empty when absent.
std::wstring BlockString(HMODULE hModule, UINT nId, WORD wLanguage)
{
    HRSRC hBlock = ::FindResourceExA(hModule, RT_STRING, MAKEINTRESOURCEA(nId / 16 + 1), wLanguage);
    if (hBlock == NULL)
        return std::wstring();
    const WCHAR* p = (const WCHAR*)::LockResource(::LoadResource(hModule, hBlock));
    for (UINT i = 0; i < nId % 16; ++i)
        p += 1 + *p;
    return std::wstring(p + 1, *p);
}

// The console program asks for no elevation, and carries its version record
// and the strings it loads, as the program has them in every set, and nothing else.
TEST(CliExe, AsksForNoElevation_AndCarriesOnlyItsVersionAndStrings)
{
    HMODULE hCli = ::LoadLibraryExA(wintest::BesideTestExe("velloric-cli.exe").c_str(), NULL,
                                    LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE((HMODULE)NULL, hCli);
    HRSRC hManifest = ::FindResourceA(hCli, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_NE((HRSRC)NULL, hManifest);
    std::string strManifest((const char*)::LockResource(::LoadResource(hCli, hManifest)),
                            ::SizeofResource(hCli, hManifest));
    EXPECT_NE(std::string::npos, strManifest.find("level=\"asInvoker\"")) << strManifest;
    std::vector<ULONG_PTR> types;
    ::EnumResourceTypesA(hCli, CollectType, reinterpret_cast<LONG_PTR>(&types));
    EXPECT_EQ((std::vector<ULONG_PTR>{(ULONG_PTR)RT_STRING, (ULONG_PTR)RT_VERSION, (ULONG_PTR)RT_MANIFEST}),
              types);
    for (WORD wLanguage : {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                           MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), MAKELANGID(LANG_CHINESE, SUBLANG_NEUTRAL)})
        for (UINT nId : {1013u, 1015u})
        {
            EXPECT_FALSE(BlockString(hCli, nId, wLanguage).empty()) << nId << " " << wLanguage;
            EXPECT_TRUE(BlockString(hCli, nId, wLanguage) == BlockString(wintest::Module(), nId, wLanguage))
                << nId << " " << wLanguage;
        }
    ::FreeLibrary(hCli);
}

TEST_F(CliTest, VersionHelpAndWrongUsage_GiveTheirExitCodes)
{
    CCliResult version = RunCli("--version");
    EXPECT_EQ(0u, version.dwExit);
    EXPECT_EQ(std::string("velloric-cli ") + VELLORIC_VERSION_TEXT + "\n", version.strOut);
    EXPECT_EQ(0u, RunCli("--help").dwExit);
    CCliResult wrong = RunCli("frobnicate");
    EXPECT_EQ(2u, wrong.dwExit);
    EXPECT_EQ("", wrong.strOut);
    EXPECT_EQ("velloric-cli: unknown command 'frobnicate'\nTry 'velloric-cli --help'.\n", wrong.strErr);
}

TEST_F(CliTest, List_PrintsTheTable_ThenTheProgramsLostKeyLines)
{
    wintest::WriteScancodeMap(kCapsToCtrl);
    CCliResult list = RunCli("list");
    EXPECT_EQ(0u, list.dwExit);
    EXPECT_EQ("0x003A CapsLock       -> 0x001D LeftCtrl\n\n" +
                  FormatLostKeyLine(wintest::LoadResourceString(1015), KeyNameOf(0x03A), 0x3A),
              list.strOut);
    EXPECT_EQ("", list.strErr);
}

TEST_F(CliTest, Keys_ShowTheSystemsNames)
{
    CCliResult keys = RunCli("keys");
    EXPECT_EQ(0u, keys.dwExit);
    EXPECT_NE(std::string::npos, keys.strOut.find("\n0x003A CapsLock         " + KeyNameOf(0x03A) + "\n"));
    EXPECT_NE(std::string::npos, keys.strOut.find("\n0xE038 RightAlt         " + KeyNameOf(0x138) + "\n"));
}

TEST_F(CliTest, ExportDeleteImport_GivesBackTheSameBytes_InTheSameOrder)
{
    wintest::WriteScancodeMap(kMixed);
    std::string strFile = File("saved.reg");
    ASSERT_EQ(0u, RunCli("export \"" + strFile + "\"").dwExit);
    Bytes expectedFile;
    CRegFileWriter::Write(kMixed.data(), (DWORD)kMixed.size(), &expectedFile);
    EXPECT_EQ(expectedFile, ReadWholeFile(strFile));

    ASSERT_EQ(0u, RunCli("delete").dwExit);
    ASSERT_EQ(kAbsent, Value());
    CCliResult import = RunCli("import \"" + strFile + "\"");
    EXPECT_EQ(0u, import.dwExit) << import.strErr;
    EXPECT_EQ(kMixed, Value());
}

TEST_F(CliTest, ExportedFile_IsWhatRegeditExports_AndRegeditImportsIt)
{
    wintest::WriteScancodeMap(kMixed);
    std::string strOurs = File("ours.reg");
    std::string strRegedit = File("regedit.reg");
    ASSERT_EQ(0u, RunCli("export \"" + strOurs + "\"").dwExit);
    ASSERT_EQ(0u, RunRegedit("/e \"" + strRegedit + "\" \"" + CScancodeMapValue::s_pszRootedKeyPath + "\""));
    EXPECT_EQ(ReadWholeFile(strRegedit), ReadWholeFile(strOurs));

    wintest::DeleteScancodeMap();
    ASSERT_EQ(kAbsent, Value());
    EXPECT_EQ(0u, RunRegedit("/s \"" + strOurs + "\""));
    EXPECT_EQ(kMixed, Value());
}

TEST_F(CliTest, ImportOfAFileWithABadLine_SaysTheLine_AndWritesNothing)
{
    wintest::WriteScancodeMap(kCapsToCtrl);
    std::string strFile = File("keys.txt");
    const std::string strText = "# swap Ctrl and Caps Lock\r\nLeftCtrl = CapsLock\r\nCapsLok = LeftCtrl\r\n";
    std::string strError;
    ASSERT_EQ(TRUE, CStdioByteFiles().WriteFile(strFile, Bytes(strText.begin(), strText.end()), &strError))
        << strError;
    CCliResult import = RunCli("import \"" + strFile + "\"");
    EXPECT_EQ(1u, import.dwExit);
    EXPECT_EQ("velloric-cli: " + strFile + ": line 3: unknown key name 'CapsLok'\n", import.strErr);
    EXPECT_EQ("", import.strOut);
    EXPECT_EQ(kCapsToCtrl, Value());
}

TEST_F(CliTest, LosingCtrl_IsRefused_UnlessForced)
{
    CCliResult refused = RunCli("set LeftCtrl=CapsLock");
    EXPECT_EQ(1u, refused.dwExit);
    std::string strReport = FormatLostKeyLine(wintest::LoadResourceString(1015), KeyNameOf(0x01D), 0x1D) +
                            wintest::LoadResourceString(1013) + "\n";
    EXPECT_EQ(strReport + "velloric-cli: refused: Ctrl, Alt or Del would be lost (--force writes anyway)\n",
              refused.strErr);
    EXPECT_EQ(kAbsent, Value());

    CCliResult forced = RunCli("set LeftCtrl=CapsLock --force");
    EXPECT_EQ(0u, forced.dwExit);
    EXPECT_EQ(ScancodeMapBytes({{0x001D, 0x003A}}), Value());
}

TEST_F(CliTest, DryRun_PrintsTheExactBytes_AndWritesNothing)
{
    CCliResult dry = RunCli("--dry-run set CapsLock=LeftCtrl");
    EXPECT_EQ(0u, dry.dwExit);
    EXPECT_EQ("0x003A CapsLock       -> 0x001D LeftCtrl\n"
              "Dry run: would write 20 bytes to \"Scancode Map\":\n"
              "00 00 00 00 00 00 00 00 02 00 00 00 1D 00 3A 00\n"
              "00 00 00 00\n",
              dry.strOut);
    EXPECT_EQ(kAbsent, Value());

    wintest::WriteScancodeMap(kCapsToCtrl);
    EXPECT_EQ(0u, RunCli("delete --dry-run").dwExit);
    EXPECT_EQ(kCapsToCtrl, Value());
}

TEST_F(CliTest, ListJsonJapanese_GivesTheReportOfCodePage932InUtf8)
{
    wintest::WriteScancodeMap(kCapsToCtrl);
    CCliResult list = RunCli("list --json");
    EXPECT_EQ(0u, list.dwExit);
    std::string strJson;
    for (char c : wintest::Utf8FromAnsi(
             FormatLostKeyLine(wintest::LoadResourceString(1015), KeyNameOf(0x03A), 0x3A)))
        strJson += c == '"' ? std::string("\\\"") : c == '\n' ? std::string("\\n") : std::string(1, c);
    EXPECT_NE(std::string::npos,
              list.strOut.find("\"lostKeys\": {\"level\": \"warning\", \"report\": \"" + strJson + "\"}"))
        << list.strOut;
}

TEST_F(CliTest, RegFiles_ReadAsWinesRegeditReadsThem_OrAreRefusedWhereItSetsNothing)
{
    const std::string strHead = std::string("Windows Registry Editor Version 5.00\r\n\r\n[") +
                                CScancodeMapValue::s_pszRootedKeyPath + "]\r\n";
    const std::string strDelete = std::string("[-") + CScancodeMapValue::s_pszRootedKeyPath + "]\r\n";
    const std::string strSwap = "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,03,00,00,00,1d,00,3a,\\\r\n"
                                "  ; a comment between the lines\r\n  00,3a,00,1d,00,00,00,00,00\r\n";
    const std::string files[] = {
        strHead + strSwap,
        // The key deleted after the value: the editor leaves no value.
        strHead + strSwap + strDelete,
        // Deleted first, then made again with the value.
        std::string("Windows Registry Editor Version 5.00\r\n\r\n") + strDelete + strHead.substr(40) + strSwap,
        // A continuation that swallows the next value's line: neither is set.
        strHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,\\\r\n\"Other\"=dword:00000001\r\n",
    };
    for (const std::string& strText : files)
    {
        std::string strFile = File("regedit-" + std::to_string(m_files.size()) + ".reg");
        std::string strError;
        ASSERT_EQ(TRUE, CStdioByteFiles().WriteFile(strFile, Bytes(strText.begin(), strText.end()), &strError));
        wintest::DeleteScancodeMap();
        RunRegedit("/s \"" + strFile + "\"");
        Bytes value = Value();
        CRemapFileReader reader;
        BOOL bRead = reader.Read((const BYTE*)strText.data(), strText.size());
        EXPECT_EQ(value != kAbsent, bRead) << strText << reader.GetError();
        if (value == kAbsent || !bRead)
            continue;
        CRemapList list;
        list.Decode(value.data(), (DWORD)value.size());
        EXPECT_EQ(list.GetPairs(), reader.GetPairs()) << strText;
    }
}
