#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/console_message_box_sink.h"
#include "cli/velloric_cli.h"
#include "model/reg_file_writer.h"
#include "tests/support/fake_byte_files.h"
#include "tests/support/fake_console.h"
#include "tests/support/fake_keyboard.h"
#include "tests/support/fake_registry.h"
#include "tests/support/scancode_map_bytes.h"
#include "tests/support/scripted_message_boxes.h"

namespace
{
typedef std::vector<BYTE> Bytes;
typedef std::optional<Bytes> Value; // no value: std::nullopt

const char kKey[] = "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
const char kValue[] = "Scancode Map";
const char kLine[] = "No key will send \"%s\" [0x%04X] any more.\n";

// The console program over fakes: the registry, a US keyboard, the lost-key
// line of the report, standard output and error, files.
struct CCliBench
{
    CFakeRegistry registry;
    CFakeKeyboard keyboard;
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    CCapturedConsole console;
    CFakeByteFiles files;
    CSameText converter;
    CVelloricCli cli{registry, keyboard, files, console, converter};

    CCliBench()
    {
        strings.m_strings[1015] = kLine;
    }

    void Put(const Value& value)
    {
        if (value)
            registry.Put(kKey, kValue, REG_BINARY, *value);
    }
    Value Stored() const
    {
        if (!registry.HasValue(kKey, kValue))
            return std::nullopt;
        return registry.Get(kKey, kValue).bytes;
    }
    // Arguments split at spaces.
    int RunCli(const std::string& strArgs)
    {
        std::vector<std::string> args;
        std::istringstream stream(strArgs);
        for (std::string strArg; stream >> strArg;)
            args.push_back(strArg);
        return cli.Run(args);
    }
};

struct VelloricCliTest : ::testing::Test, CCliBench
{
};

Value Table(const PairList& pairs)
{
    return ScancodeMapBytes(pairs);
}

const Value kCapsToCtrl = Table({{0x003A, 0x001D}});
const Value kSwap = Table({{0x003A, 0x001D}, {0x001D, 0x003A}});
const std::string kCapsLost = "No key will send \"Caps Lock\" [0x003A] any more.\n";
Value WithExtraByte(Value value)
{
    value->push_back(0);
    return value;
}
const Value kSwapAndOneMore = WithExtraByte(kSwap); // count right, a byte past the terminator

// One run: the registry before and after, the exit code and both streams,
// and what the bench is given beforehand (faults, files). No run writes a file.
struct Case
{
    const char* pszArgs;
    Value before;
    int nExit;
    std::string strOut;
    std::string strErr;
    Value after;
    std::function<void(CCliBench&)> arrange;
};

void ExpectRuns(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
    {
        CCliBench bench;
        bench.Put(c.before);
        if (c.arrange)
            c.arrange(bench);
        std::map<std::string, Bytes> files = bench.files.m_files;
        EXPECT_EQ(c.nExit, bench.RunCli(c.pszArgs)) << c.pszArgs;
        EXPECT_EQ(c.strOut, bench.console.m_strOut) << c.pszArgs;
        EXPECT_EQ(c.strErr, bench.console.m_strErr) << c.pszArgs;
        EXPECT_EQ(c.after, bench.Stored()) << c.pszArgs;
        EXPECT_EQ(0u, bench.boxes.m_shown.size()) << c.pszArgs;
        EXPECT_EQ(files, bench.files.m_files) << c.pszArgs;
    }
}
} // namespace

TEST(VelloricCli, WrongUsage_ExitsWithTwo_AndTouchesNothing)
{
    const std::string strTry = "\nTry 'velloric-cli --help'.\n";
    ExpectRuns({
        {"", kSwap, 2, "", "velloric-cli: no command given" + strTry, kSwap},
        {"frobnicate", kSwap, 2, "", "velloric-cli: unknown command 'frobnicate'" + strTry, kSwap},
        {"list --quiet", kSwap, 2, "", "velloric-cli: unknown option '--quiet'" + strTry, kSwap},
        {"list --force", kSwap, 2, "", "velloric-cli: --force goes with the commands that write only" + strTry, kSwap},
        {"set --json A=B", kSwap, 2, "", "velloric-cli: --json goes with list and keys only" + strTry, kSwap},
        {"set", kSwap, 2, "", "velloric-cli: set needs at least one key" + strTry, kSwap},
        {"export", kSwap, 2, "", "velloric-cli: export needs a file name" + strTry, kSwap},
        {"clear now", kSwap, 2, "", "velloric-cli: clear takes no arguments, not 'now'" + strTry, kSwap},
        {"set CapsLok=LeftCtrl", kSwap, 2, "", "velloric-cli: unknown key name 'CapsLok'" + strTry, kSwap},
        {"set CapsLock", kSwap, 2, "", "velloric-cli: 'CapsLock' is not FROM=TO" + strTry, kSwap},
        {"set None=A", kSwap, 2, "", "velloric-cli: None (0x0000) is no key and cannot be remapped" + strTry, kSwap},
        {"set A=B a=C", kSwap, 2, "", "velloric-cli: key A (0x001E) is given twice" + strTry, kSwap},
        {"remove 0xE15B", kSwap, 2, "", "velloric-cli: scancode '0xE15B' is no key (its high byte must be 00 or E0, or it is E11D)" + strTry, kSwap},
    });
}

TEST(VelloricCli, ListAndKeys_PrintWithoutWriting)
{
    ExpectRuns({
        {"list", Table({{0x003A, 0x001D}, {0x0046, 0xE037}, {0xE05B, 0x0000}}), 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n"
         "0x0046 ScrollLock     -> 0xE037 PrintScreen\n"
         "0xE05B LeftWindows    -> 0x0000 None\n"
         "\nNo key will send \"Left Windows\" [0xE05B] any more.\n" + kCapsLost +
             "No key will send \"Scroll Lock\" [0x0046] any more.\n",
         "", Table({{0x003A, 0x001D}, {0x0046, 0xE037}, {0xE05B, 0x0000}})},
        {"list", kSwap, 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n0x001D LeftCtrl       -> 0x003A CapsLock\n", "", kSwap},
        {"list", std::nullopt, 0, "There is no \"Scancode Map\" value: the table is empty.\n", "",
         std::nullopt},
        {"list", Table({}), 0, "The \"Scancode Map\" table is empty.\n", "", Table({})},
        {"--json list", kCapsToCtrl, 0,
         "{\n"
         "  \"value\": \"whole\",\n"
         "  \"length\": 20,\n"
         "  \"mappings\": [\n"
         "    {\"from\": {\"scancode\": \"0x003A\", \"name\": \"CapsLock\", \"systemName\": \"Caps Lock\"}, "
         "\"to\": {\"scancode\": \"0x001D\", \"name\": \"LeftCtrl\", \"systemName\": \"Ctrl\"}}\n"
         "  ],\n"
         "  \"lostKeys\": {\"level\": \"warning\", \"report\": \"No key will send \\\"Caps Lock\\\" [0x003A] any more.\\n\"}\n"
         "}\n",
         "", kCapsToCtrl},
        {"list --json", std::nullopt, 0,
         "{\n  \"value\": \"absent\",\n  \"length\": 0,\n  \"mappings\": [],\n"
         "  \"lostKeys\": {\"level\": \"none\", \"report\": \"\"}\n}\n",
         "", std::nullopt},
        {"list", ScancodeMapValue(9, {0x003A001D, 0}), 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n\n" + kCapsLost,
         "velloric-cli: warning: the registry's \"Scancode Map\" (20 bytes) is not a whole table: "
         "its header or count does not fit its bytes, and only what fits was read\n",
         ScancodeMapValue(9, {0x003A001D, 0})},
        // Past what the tool reads at all, the length is still told.
        {"list", Bytes(1024 * 1024 + 1), 0, "No mapping could be read.\n",
         "velloric-cli: warning: the registry's \"Scancode Map\" (1048577 bytes) is longer than a "
         "table can be (4096 bytes): nothing was read\n",
         Bytes(1024 * 1024 + 1)},
        {"list", kSwapAndOneMore, 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n0x001D LeftCtrl       -> 0x003A CapsLock\n",
         "velloric-cli: warning: the registry's \"Scancode Map\" (25 bytes) holds bytes past the "
         "end of its table, which were not read\n",
         kSwapAndOneMore},
    });
}

TEST_F(VelloricCliTest, Keys_ListsEveryKeyOfTheTable_WithTheSystemsName)
{
    EXPECT_EQ(0, RunCli("keys"));
    std::string& strOut = console.m_strOut;
    EXPECT_EQ(0u, strOut.find("0x0001 Esc              Esc\n0x0002 1                1\n"));
    EXPECT_NE(std::string::npos, strOut.find("\n0x003A CapsLock         Caps Lock\n"));
    EXPECT_NE(std::string::npos, strOut.find("\n0xE05B LeftWindows      Left Windows\n"));
    EXPECT_NE(std::string::npos, strOut.find("\n0x0070 Kana\n")); // no US name
    // Then the keys no layout draws, with their stable names.
    EXPECT_NE(std::string::npos, strOut.find("\n0xE037 PrintScreen      Prnt Scrn\n0x0046 ScrollLock       Scroll Lock\n"
                                             "0xE11D Pause            Pause\n0x0064 F13\n"));
    EXPECT_NE(std::string::npos, strOut.find("\n0x0045 NumLock          Num Lock\n"));
    EXPECT_NE(std::string::npos, strOut.find("\n0xE022 MediaPlayPause\n"));
    EXPECT_EQ(106 + 41, (int)std::count(strOut.begin(), strOut.end(), '\n'));

    console.m_strOut.clear();
    EXPECT_EQ(0, RunCli("keys --json"));
    EXPECT_EQ(0u, strOut.find("{\n  \"layout106\": false,\n  \"keys\": [\n    {\"scancode\": \"0x0001\", "
                              "\"name\": \"Esc\", \"systemName\": \"Esc\", \"only106\": false, \"drawn\": true},\n"));
    EXPECT_NE(std::string::npos, strOut.find("\n    {\"scancode\": \"0x0070\", \"name\": \"Kana\", "
                                             "\"systemName\": null, \"only106\": true, \"drawn\": true},\n"));
    EXPECT_NE(std::string::npos, strOut.find("\n    {\"scancode\": \"0xE063\", \"name\": \"Wake\", "
                                             "\"systemName\": null, \"only106\": false, \"drawn\": false}\n  ]"));
    EXPECT_EQ(strOut.size() - 8, strOut.find("}\n  ]\n}\n"));
}

TEST(VelloricCli, Writing_ChecksFirst_KeepsTheOrder_AndShowsWhatItWrites)
{
    const std::string strWrote = "Wrote 20 bytes to \"Scancode Map\". Windows takes the new table when it restarts.\n";
    const std::string strNoExport = "velloric-cli: refused: import could not write this \"Scancode Map\" back as it is (";
    const Value kCutShort = Bytes(kSwap->begin(), kSwap->end() - 8);
    ExpectRuns({
        {"set CapsLock=LeftCtrl", std::nullopt, 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n" + strWrote, kCapsLost, kCapsToCtrl},
        // A new key goes last, a known one keeps its place.
        {"set F2=F1 F1=F2 CapsLock=LeftCtrl", Table({{0x003A, 0x0001}, {0x0001, 0x003A}}), 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n0x0001 Esc            -> 0x003A CapsLock\n"
         "0x003C F2             -> 0x003B F1\n0x003B F1             -> 0x003C F2\n"
         "Wrote 32 bytes to \"Scancode Map\". Windows takes the new table when it restarts.\n",
         "No key will send \"Esc\" [0x0001] any more.\n",
         Table({{0x003A, 0x001D}, {0x0001, 0x003A}, {0x003C, 0x003B}, {0x003B, 0x003C}})},
        {"set CapsLock=0x1D", kCapsToCtrl, 0, "Nothing to change.\n", "", kCapsToCtrl},
        {"set F1=F2", kSwapAndOneMore, 1, "",
         "velloric-cli: warning: the registry's \"Scancode Map\" (25 bytes) holds bytes past the "
         "end of its table, which were not read\n"
         "velloric-cli: refused: writing would replace the \"Scancode Map\" that was not read whole "
         "(--force writes anyway)\n",
         kSwapAndOneMore},
        {"set F1=F2", ScancodeMapValue(9, {0x003A001D, 0}), 1, "",
         "velloric-cli: warning: the registry's \"Scancode Map\" (20 bytes) is not a whole table: "
         "its header or count does not fit its bytes, and only what fits was read\n"
         "velloric-cli: refused: writing would replace the \"Scancode Map\" that was not read whole "
         "(--force writes anyway)\n",
         ScancodeMapValue(9, {0x003A001D, 0})},
        {"remove LeftCtrl", kSwap, 0, "0x003A CapsLock       -> 0x001D LeftCtrl\n" + strWrote,
         kCapsLost, kCapsToCtrl},
        {"remove capslock", kCapsToCtrl, 0,
         "Deleted \"Scancode Map\". Windows gives every key its own code again when it restarts.\n",
         "", std::nullopt},
        {"remove F1", kCapsToCtrl, 0, "Nothing to change.\n",
         "velloric-cli: F1 (0x003B) is not remapped\n", kCapsToCtrl},
        {"clear", kSwap, 0, "Wrote 16 bytes to \"Scancode Map\". Windows takes the new table when it restarts.\n",
         "", Table({})},
        {"delete", kSwap, 0,
         "Deleted \"Scancode Map\". Windows gives every key its own code again when it restarts.\n",
         "", std::nullopt},
        {"delete", std::nullopt, 0, "There is no \"Scancode Map\" to delete.\n", "", std::nullopt},
        {"delete --dry-run", kSwap, 0, "Dry run: would delete \"Scancode Map\".\n", "", kSwap},
        {"export saved.reg", std::nullopt, 1, "",
         "velloric-cli: there is no \"Scancode Map\" to export\n", std::nullopt},
        // A file that import would refuse or write back otherwise is not made.
        {"export saved.reg", kSwapAndOneMore, 1, "", strNoExport + "line 4: \"Scancode Map\" is not a "
         "whole table (25 bytes, its entries are not whole 4-byte words)); nothing was exported\n", kSwapAndOneMore},
        {"export saved.reg", kCutShort, 1, "", strNoExport + "line 4: \"Scancode Map\" is not a whole table "
         "(16 bytes, its count of 3 needs more)); nothing was exported\n", kCutShort},
        {"export saved.reg", Table({{0xE045, 0x003A}}), 1, "", strNoExport + "it is not in the form import "
         "writes: version and flags 0, a count of its entries, Num Lock as 0x0045); nothing was exported\n",
         Table({{0xE045, 0x003A}})},
        // Sent nothing, every Ctrl is lost; a key reached from Print Screen is not.
        {"set LeftCtrl=None RightCtrl=None", std::nullopt, 1,
         "0x001D LeftCtrl       -> 0x0000 None\n0xE01D RightCtrl      -> 0x0000 None\n",
         "No key will send \"Ctrl\" [0x001D] any more.\nNo key will send \"Right Ctrl\" [0xE01D] any more.\n"
         "velloric-cli: refused: Ctrl, Alt or Del would be lost (--force writes anyway)\n",
         std::nullopt},
        {"set RightAlt=A 0xE037=RightAlt", std::nullopt, 0,
         "0xE038 RightAlt       -> 0x001E A\n0xE037 PrintScreen    -> 0xE038 RightAlt\n"
         "Wrote 24 bytes to \"Scancode Map\". Windows takes the new table when it restarts.\n",
         "No key will send \"Prnt Scrn\" [0xE037] any more.\n", Table({{0xE038, 0x001E}, {0xE037, 0xE038}})},
        // Num Lock is written 0045, and an old E045 is read as Num Lock and written back as 0045.
        {"set NumLock=Pause Pause=NumLock", std::nullopt, 0,
         "0x0045 NumLock        -> 0xE11D Pause\n0xE11D Pause          -> 0x0045 NumLock\n"
         "Wrote 24 bytes to \"Scancode Map\". Windows takes the new table when it restarts.\n",
         "", Table({{0x0045, 0xE11D}, {0xE11D, 0x0045}})},
        {"set F1=F1", Table({{0xE045, 0x003A}, {0x003A, 0xE045}}), 0,
         "0x0045 NumLock        -> 0x003A CapsLock\n0x003A CapsLock       -> 0x0045 NumLock\n"
         "0x003B F1             -> 0x003B F1\n"
         "Wrote 28 bytes to \"Scancode Map\". Windows takes the new table when it restarts.\n",
         "", Table({{0x0045, 0x003A}, {0x003A, 0x0045}, {0x003B, 0x003B}})},
    });
}

TEST(VelloricCli, WriteTheRegistryRefuses_IsOneLine_AndExitsWithOne)
{
    const std::string strDenied = " (error 5, access denied: run it as an administrator)\n";
    const std::string strCannotWrite = "velloric-cli: cannot write \"Scancode Map\"" + strDenied;
    const std::string strCannotDelete = "velloric-cli: cannot delete \"Scancode Map\"" + strDenied;
    const std::string strSwapped = "0x003B F1             -> 0x003C F2\n0x003C F2             -> 0x003B F1\n";
    const Value kSwapAndF1 = Table({{0x003A, 0x001D}, {0x001D, 0x003A}, {0x003B, 0x003B}});
    auto denySet = [](CCliBench& b) { b.registry.m_lSetError = ERROR_ACCESS_DENIED; };
    auto denyDelete = [](CCliBench& b) { b.registry.m_lDeleteError = ERROR_ACCESS_DENIED; };
    ExpectRuns({
        {"clear", kSwap, 1, "", strCannotWrite, kSwap, denySet},
        {"delete", kSwap, 1, "", strCannotDelete, kSwap, denyDelete},
        {"remove CapsLock LeftCtrl", kSwap, 1, "", strCannotDelete, kSwap, denyDelete},
        {"remove F1", kSwapAndF1, 1,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n0x001D LeftCtrl       -> 0x003A CapsLock\n",
         strCannotWrite, kSwapAndF1, denySet},
        {"import keys.txt", kSwap, 1, strSwapped, strCannotWrite, kSwap,
         [](CCliBench& b) {
             b.files.m_files["keys.txt"] = Bytes{'F', '1', '=', 'F', '2', '\n', 'F', '2', '=', 'F', '1'};
             b.registry.m_strFailValue = "scancode map";
             b.registry.m_lFailValueError = ERROR_ACCESS_DENIED;
         }},
        {"set F1=F2 F2=F1", std::nullopt, 1, strSwapped, strCannotWrite, std::nullopt,
         [](CCliBench& b) { b.registry.FailCall("CreateKey", 1, ERROR_ACCESS_DENIED); }},
        {"set F1=F2", kSwap, 1, "", "velloric-cli: cannot read \"Scancode Map\"" + strDenied, kSwap,
         [](CCliBench& b) { b.registry.FailCall("", 2, ERROR_ACCESS_DENIED); }},
    });
}

// Another program writes between this run's read and its write: nothing of
// its table is replaced unless --force. A value that grows between the reads
// of its length and of its bytes is read again.
TEST(VelloricCli, AnotherWriter_IsNotOverwritten_UnlessForced)
{
    const std::string strSwapped = "0x003B F1             -> 0x003C F2\n0x003C F2             -> 0x003B F1\n";
    const std::string strChanged =
        " (another program changed it since velloric-cli read it: run the command again, or give "
        "--force to write anyway)\n";
    auto writeSwapAfterRead = [](CCliBench& b) { b.registry.ChangeBefore("CloseKey", 1, kKey, kValue, *kSwap); };
    auto growing = [](CCliBench& b) {
        PairList pairs = {{0x003A, 0x001D}};
        for (WORD w = 1; w <= 4; ++w)
        {
            pairs.push_back({w, w});
            b.registry.ChangeBefore("QueryValue", 1 + w, kKey, kValue, ScancodeMapBytes(pairs));
        }
    };
    ExpectRuns({
        {"set F1=F2 F2=F1", kCapsToCtrl, 1, "0x003A CapsLock       -> 0x001D LeftCtrl\n" + strSwapped,
         kCapsLost + "velloric-cli: cannot write \"Scancode Map\"" + strChanged, kSwap, writeSwapAfterRead},
        {"set F1=F2 F2=F1 --force", kCapsToCtrl, 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n" + strSwapped +
             "Wrote 28 bytes to \"Scancode Map\". Windows takes the new table when it restarts.\n",
         kCapsLost, Table({{0x003A, 0x001D}, {0x003B, 0x003C}, {0x003C, 0x003B}}), writeSwapAfterRead},
        {"set F1=F2 F2=F1", std::nullopt, 1, strSwapped,
         "velloric-cli: cannot write \"Scancode Map\"" + strChanged, kSwap,
         [](CCliBench& b) { b.registry.ChangeBefore("OpenKey", 2, kKey, kValue, *kSwap); }},
        {"remove CapsLock", kCapsToCtrl, 1, "", "velloric-cli: cannot delete \"Scancode Map\"" + strChanged,
         kSwap, writeSwapAfterRead},
        // Grown between its length and its bytes: read again, whole.
        {"list", kCapsToCtrl, 0,
         "0x003A CapsLock       -> 0x001D LeftCtrl\n0x001D LeftCtrl       -> 0x003A CapsLock\n", "", kSwap,
         [](CCliBench& b) { b.registry.ChangeBefore("QueryValue", 2, kKey, kValue, *kSwap); }},
        // Growing at every read: given up, nothing decoded, nothing written.
        {"set F1=F2 F2=F1", kCapsToCtrl, 1, "",
         "velloric-cli: cannot read \"Scancode Map\" (error 234, the value is too long or kept "
         "changing while it was read)\n",
         Table({{0x003A, 0x001D}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}), growing},
    });
}

TEST_F(VelloricCliTest, ExportOverAFile_IsRefused_UnlessForced)
{
    Put(kCapsToCtrl);
    files.m_files["keys.reg"] = Bytes{'o', 'l', 'd'};
    EXPECT_EQ(1, RunCli("export keys.reg"));
    EXPECT_EQ("velloric-cli: keys.reg exists already (--force replaces it)\n", console.m_strErr);
    EXPECT_EQ((Bytes{'o', 'l', 'd'}), files.m_files["keys.reg"]);
    EXPECT_EQ(0, RunCli("export --force keys.reg"));
    Bytes exported;
    CRegFileWriter::Write(kCapsToCtrl->data(), (DWORD)kCapsToCtrl->size(), &exported);
    EXPECT_EQ(exported, files.m_files["keys.reg"]);
    EXPECT_EQ(0, RunCli("delete"));
    EXPECT_EQ(0, RunCli("import keys.reg"));
    EXPECT_EQ(kCapsToCtrl, Stored());
}

TEST(ConsoleMessageBoxSink, ShowsNoBox_ButOneLineOnStandardError_AndAnswersWhatChangesNothing)
{
    const struct
    {
        UINT nType;
        int nAnswer;
    } cases[] = {
        {MB_OK, IDOK}, {MB_OKCANCEL, IDCANCEL}, {MB_YESNO, IDNO}, {MB_YESNOCANCEL, IDCANCEL},
    };
    for (const auto& c : cases)
    {
        CCapturedConsole console;
        CConsoleMessageBoxSink sink(console);
        IMessageBoxSink* pOld = AfxSetMessageBoxSink(&sink);
        EXPECT_EQ(c.nAnswer, AfxMessageBox("Cannot\nWrite!", c.nType)) << c.nType;
        AfxSetMessageBoxSink(pOld);
        EXPECT_EQ("velloric-cli: Cannot Write!\n", console.m_strErr);
        EXPECT_EQ("", console.m_strOut);
    }
}
