// File > Import... and Export... on the document: what the dialogs are asked,
// what the table on screen becomes, what reaches the file, what is reported.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/remap_file_commands.h"
#include "cli/cli_exit.h"
#include "cli/velloric_cli.h"
#include "model/reg_file_writer.h"
#include "res/resource.h"
#include "tests/support/doc_fixture.h"
#include "tests/support/fake_byte_files.h"

namespace
{
std::vector<BYTE> Bytes(const std::string& str)
{
    return std::vector<BYTE>(str.begin(), str.end());
}

class CQuietConsole : public IConsole, public ITextConverter
{
public:
    void Out(const std::string&) override {}
    void Err(const std::string&) override {}
    std::string AnsiToUtf8(const std::string& strAnsi) override { return strAnsi; }
};

struct RemapFileCommandsTest : CDocFixture
{
    CFakeFileDialogs dialogs;
    CFakeByteFiles files;
    CRemapFileCommands commands{dialogs, files, nullptr};

    RemapFileCommandsTest()
    {
        strings.m_strings[IDS_IMPORT_FILTER] = "Tables|*.reg;*.txt|";
        strings.m_strings[IDS_EXPORT_FILTER] = "Registry|*.reg|";
        strings.m_strings[IDS_IMPORT_FAILED] = "import %1: %2";
        strings.m_strings[IDS_EXPORT_FAILED] = "export %1: %2";
        PutRegistryList({{0x1D, 0x3A}});
        doc.OnNewDocument();
    }
};
} // namespace

TEST_F(RemapFileCommandsTest, Import_PutsTheFilesTableInPlace_EditedAndShown_ButWritesNothing)
{
    files.m_files["C:\\swap.txt"] = Bytes("# swap\r\nCapsLock=LeftCtrl\r\nLeftCtrl=CapsLock\r\n");
    dialogs.m_answers = {"C:\\swap.txt"};
    int nUpdates = view.m_nUpdates;
    EXPECT_EQ(TRUE, commands.Import(doc));
    EXPECT_EQ((std::vector<std::string>{"open Tables|*.reg;*.txt|"}), dialogs.m_asked);
    EXPECT_EQ((PairList{{0x1D, 0x3A}, {0x3A, 0x1D}}), List());
    EXPECT_EQ(TRUE, g_bEdited);
    EXPECT_EQ(nUpdates + 1, view.m_nUpdates);
    EXPECT_EQ(0, RegistryCalls("SetValue"));
    EXPECT_TRUE(boxes.m_shown.empty());

    // The console program imports the same pairs; it writes them in the file's
    // order, the program in its hash order (0x1D's bucket before 0x3A's).
    CFakeRegistry cliRegistry;
    CQuietConsole console;
    EXPECT_EQ(CLI_DONE, CVelloricCli(cliRegistry, keyboard, files, console, console).Run({"import", "C:\\swap.txt"}));
    std::vector<BYTE> program;
    EXPECT_EQ(TRUE, doc.GetValue(&program));
    EXPECT_EQ(ScancodeMapBytes({{0x1D, 0x3A}, {0x3A, 0x1D}}), program);
    EXPECT_EQ(ScancodeMapBytes({{0x3A, 0x1D}, {0x1D, 0x3A}}),
              cliRegistry.Get(std::string("HKLM\\") + CScancodeMapValue::s_pszKeyPath, "Scancode Map").bytes);
}

TEST_F(RemapFileCommandsTest, Import_RefusesAFileThatDoesNotRead_SayingWhere_AndChangesNothing)
{
    files.m_files["C:\\bad.txt"] = Bytes("CapsLock=LeftCtrl\nCapsLok=Esc\n");
    struct
    {
        const char* pszPath;
        const char* pszReport;
    } cases[] = {{"C:\\bad.txt", "import C:\\bad.txt: line 2: unknown key name 'CapsLok'"},
                 {"C:\\gone.txt", "import C:\\gone.txt: No such file or directory"},
                 {"", nullptr}}; // cancelled
    for (auto& c : cases)
    {
        boxes.m_shown.clear();
        dialogs.m_answers = {c.pszPath};
        EXPECT_EQ(FALSE, commands.Import(doc)) << c.pszPath;
        EXPECT_EQ((PairList{{0x1D, 0x3A}}), List()) << c.pszPath;
        EXPECT_EQ(FALSE, g_bEdited) << c.pszPath;
        if (c.pszReport == nullptr)
        {
            EXPECT_TRUE(boxes.m_shown.empty());
            continue;
        }
        ASSERT_EQ(1u, boxes.m_shown.size()) << c.pszPath;
        EXPECT_EQ(c.pszReport, boxes.m_shown[0].strText);
        EXPECT_EQ((UINT)(MB_OK | MB_ICONEXCLAMATION), boxes.m_shown[0].nType);
    }
}

TEST_F(RemapFileCommandsTest, Export_WritesTheTableOnScreenAsTheRegistryEditorsFile)
{
    doc.AddMapping(0x3A, 0x1D); // edited: the table on screen, not the registry's
    dialogs.m_answers = {"C:\\mine.reg"};
    EXPECT_EQ(TRUE, commands.Export(doc));
    EXPECT_EQ((std::vector<std::string>{"save Registry|*.reg| velloric.reg reg"}), dialogs.m_asked);
    std::vector<BYTE> value = ScancodeMapBytes({{0x1D, 0x3A}, {0x3A, 0x1D}}), expected;
    CRegFileWriter::Write(value.data(), (DWORD)value.size(), &expected);
    EXPECT_EQ(expected, files.m_files["C:\\mine.reg"]);

    files.m_strWriteError = "Permission denied";
    dialogs.m_answers = {"C:\\locked.reg"};
    EXPECT_EQ(FALSE, commands.Export(doc));
    ASSERT_EQ(1u, boxes.m_shown.size());
    EXPECT_EQ("export C:\\locked.reg: Permission denied", boxes.m_shown[0].strText);
}
