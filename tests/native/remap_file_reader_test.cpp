#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/reg_file_writer.h"
#include "model/remap_file_reader.h"
#include "tests/support/reg_file_text.h"
#include "tests/support/scancode_map_bytes.h"

namespace
{
typedef std::vector<BYTE> Bytes;

// CapsLock -> LeftCtrl, LeftCtrl -> CapsLock, as one hex line.
const char kSwapValue[] = "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,03,00,00,00,1d,00,3a,"
                          "00,3a,00,1d,00,00,00,00,00\r\n";

Bytes Ansi(const std::string& str)
{
    return Bytes(str.begin(), str.end());
}

// "003A:001D 001D:003A" for pairs read, "error: ..." for a refusal.
std::string Read(const Bytes& file, CRemapFileReader::EFormat* pFormat = nullptr)
{
    CRemapFileReader reader;
    BOOL bRead = reader.Read(file.data(), file.size());
    if (pFormat != nullptr)
        *pFormat = reader.GetFormat();
    if (!bRead)
    {
        EXPECT_EQ(0u, reader.GetPairs().size());
        return "error: " + reader.GetError();
    }
    std::string str;
    for (const CRemapPair& pair : reader.GetPairs())
        AppendPairText(str, pair);
    return str;
}

struct Case
{
    const char* pszWhat;
    std::string strFile;
    std::string strExpected;
};

void ExpectEachAnsi(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(c.strExpected, Read(Ansi(c.strFile))) << c.pszWhat;
}
} // namespace

// ---- .reg files ------------------------------------------------------------

TEST(RemapFileReader, ExportedRegFile_GivesThePairsInTheValuesOrder)
{
    Bytes value = ScancodeMapBytes({{0xE05B, 0x0000}, {0x003A, 0x001D}, {0x001D, 0x003A},
                                    {0x0046, 0xE037}, {0xE038, 0x001D}, {0x0001, 0x0029}});
    Bytes file;
    CRegFileWriter::Write(value.data(), (DWORD)value.size(), &file);
    CRemapFileReader::EFormat format = CRemapFileReader::FORMAT_NONE;
    EXPECT_EQ("E05B:0000 003A:001D 001D:003A 0046:E037 E038:001D 0001:0029", Read(file, &format));
    EXPECT_EQ(CRemapFileReader::FORMAT_REG, format);
}

TEST(RemapFileReader, RegFile_TakesEveryFormTheRegistryEditorReads)
{
    ExpectEachAnsi({
        {"UTF-8, REGEDIT4", std::string("REGEDIT4\r\n\r\n") + kRegLayoutKey + kSwapValue,
         "003A:001D 001D:003A"},
        {"UTF-8 with a byte-order mark, LF line ends",
         "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n\n"
         "[hkey_local_machine\\system\\currentcontrolset\\control\\keyboard layout]\n"
         "\"scancode map\"=hex(3):00,00,00,00,00,00,00,00,02,00,00,00,1D,00,3A,00,00,00,00,00\n",
         "003A:001D"},
        {"continued over lines, with blank lines, comments and white space",
         std::string(kRegVersion5) + "; exported before the change\r\n" + kRegLayoutKey +
             "  \"Scancode Map\" = hex:00,00,00,00,00,00,00,00,\\\r\n"
             "\r\n"
             "; the count\r\n"
             "   02,00,00,00, 1d,00,3a,00 ,\\ ; CapsLock\r\n"
             "  0,0,0,0 ; one digit is a byte too\r\n",
         "003A:001D"},
        {"CR line ends, other keys and values passed over",
         "Windows Registry Editor Version 5.00\r\r[HKEY_CURRENT_USER\\Software\\Other]\r"
         "\"Scancode Map\"=hex:00\r[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\"
         "Keyboard Layout]\r@=\"default\"\r\"Other\"=hex:01,02,\\ ; more\r  03\r\"Number\"=dword:00000001\r"
         "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,00,00,5b,e0,00,00,00,00\r"
         "[-HKEY_LOCAL_MACHINE\\SYSTEM\\Gone]\r",
         "E05B:0000"},
        {"the empty table",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,01,00,00,00,00,00,00,00\r\n", ""},
        {"Pause and the old Num Lock code, which reads as 0045",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,03,00,00,00,00,00,1d,e1,\\\r\n"
                   "  3a,00,45,e0,00,00,00,00\r\n",
         "E11D:0000 0045:003A"},
        {"the key deleted before the value is set, as the registry editor does it",
         std::string(kRegVersion5) + "[-" + (kRegLayoutKey + 1) + kRegLayoutKey + kSwapValue,
         "003A:001D 001D:003A"},
    });
}

TEST(RemapFileReader, RegFile_Refusals_SayTheLineAndWhat)
{
    ExpectEachAnsi({
        {"no value", kRegHead + "\"Other\"=hex:00\r\n",
         "error: the file sets no \"Scancode Map\" under "
         "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout]"},
        {"the value under another key",
         std::string(kRegVersion5) + "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts]\r\n" +
             kSwapValue,
         "error: the file sets no \"Scancode Map\" under "
         "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout]"},
        {"a bad byte", kRegHead + "\"Scancode Map\"=hex:00,00,\\\r\n  00,0g\r\n",
         "error: line 5: expected ',' between hex bytes"},
        {"three digits", kRegHead + "\"Scancode Map\"=hex:000,00\r\n",
         "error: line 4: expected hex bytes such as 1d,00,3a,00"},
        {"text after the continuing backslash", kRegHead + "\"Scancode Map\"=hex:00,\\ 00\r\n",
         "error: line 4: text after the '\\' that continues the line"},
        {"a continuation that is none", kRegHead + "\"Scancode Map\"=hex:00,\\\r\n\"Next\"=hex:00\r\n",
         "error: line 5: expected hex bytes such as 1d,00,3a,00"},
        {"a number", kRegHead + "\"Scancode Map\"=dword:00000000\r\n",
         "error: line 4: \"Scancode Map\" is not binary data (hex: or hex(3):)"},
        {"a string list", kRegHead + "\"Scancode Map\"=hex(7):00,00\r\n",
         "error: line 4: \"Scancode Map\" is not binary data (hex: or hex(3):)"},
        {"a deletion", kRegHead + "\"Scancode Map\"=-\r\n",
         "error: line 4: the file deletes \"Scancode Map\" instead of setting it"},
        {"set twice", kRegHead + kSwapValue + "\r\n" + kSwapValue,
         "error: line 6: a second \"Scancode Map\" (the first is on line 4)"},
        {"count beyond the bytes",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,09,00,00,00,1d,00,3a,00,00,00,00,00\r\n",
         "error: line 4: \"Scancode Map\" is not a whole table (20 bytes, its count of 9 needs more)"},
        // A count that disagrees with the entries, and entries that set refuses.
        {"a null entry, counted",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,03,00,00,00,00,00,00,00,1d,00,3a,00,00,00,00,00\r\n",
         "error: line 4: entry 1: None (0x0000) is no key and cannot be remapped"},
        {"count 0 with an entry",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,00,00,00,00,\\\r\n  1d,00,3a,00,00,00,00,00\r\n",
         "error: line 5: \"Scancode Map\" is not a whole table (20 bytes, its count of 0 says it holds no mappings, but entry 1 is one)"},
        {"a negative count with an entry",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,ff,ff,ff,ff,1d,00,3a,00,00,00,00,00\r\n",
         "error: line 4: \"Scancode Map\" is not a whole table (20 bytes, its count of -1 says it holds no mappings, but entry 1 is one)"},
        {"count 2 with three entries",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,1d,00,3a,00,3a,00,1d,00,00,00,00,00\r\n",
         "error: line 4: \"Scancode Map\" is not a whole table (24 bytes, its count of 2 does not match its 3 entries, the terminator included)"},
        {"no terminator",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,03,00,00,00,1d,00,3a,00,3a,00,1d,00\r\n",
         "error: line 4: \"Scancode Map\" is not a whole table (20 bytes, its count of 3 does not match its 2 entries, the terminator included)"},
        {"a terminator that is a mapping",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,\\\r\n  1d,00,3a,00,3a,00,1d,00\r\n",
         "error: line 5: \"Scancode Map\" is not a whole table (20 bytes, its last entry, the terminator, is not 0)"},
        {"a part of an entry",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,01,00,00,00,00,00,00,00,00\r\n",
         "error: line 4: \"Scancode Map\" is not a whole table (17 bytes, its entries are not whole 4-byte words)"},
        {"physical 0 with a produced code",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,1d,00,00,00,00,00,00,00\r\n",
         "error: line 4: entry 1: None (0x0000) is no key and cannot be remapped"},
        {"a physical code that is no key",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,1d,00,3a,12,00,00,00,00\r\n",
         "error: line 4: entry 1: scancode 0x123A is no key (its high byte must be 00 or E0, or it is E11D)"},
        {"a produced code that is no key",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,02,00,00,00,ff,ff,3a,00,00,00,00,00\r\n",
         "error: line 4: entry 1: scancode 0xFFFF is no key (its high byte must be 00 or E0, or it is E11D)"},
        {"the key deleted after the value", std::string(kRegVersion5) + kRegLayoutKey + kSwapValue + "[-" + (kRegLayoutKey + 1),
         "error: line 5: the file deletes the key of \"Scancode Map\" after setting it (line 4): the registry editor leaves no value"},
        {"shorter than a header", kRegHead + "\"Scancode Map\"=hex:00,00,00,00\r\n",
         "error: line 4: \"Scancode Map\" is not a whole table (4 bytes, shorter than its 12-byte header)"},
        {"a key mapped twice",
         kRegHead + "\"Scancode Map\"=hex:00,00,00,00,00,00,00,00,03,00,00,00,1d,00,3a,00,\\\r\n"
                   "  ; the second entry maps Caps Lock again\r\n"
                   "  00,00,3a,00,00,00,00,00\r\n",
         "error: line 6: key CapsLock (0x003A) is mapped twice (first on line 4)"},
        {"a stray line", kRegHead + "Scancode Map=hex:00\r\n",
         "error: line 4: expected a [key] line, a \"value\"= line or a ; comment"},
        {"a key line left open", std::string(kRegVersion5) + "[HKEY_LOCAL_MACHINE\\SYSTEM\r\n",
         "error: line 3: key line without a closing ']'"},
        {"a value name left open", kRegHead + "\"Scancode Map=hex:00\r\n",
         "error: line 4: value name without a closing '\"'"},
        {"no equals sign", kRegHead + "\"Scancode Map\" hex:00\r\n",
         "error: line 4: expected '=' after the value name"},
    });
}

TEST(RemapFileReader, RegFile_LongerThanOneTable_IsRefusedAtTheLineThatGoesPast)
{
    std::string strFile = kRegHead + "\"Scancode Map\"=hex:00,\\\r\n";
    for (int nLine = 0; nLine < 205; ++nLine) // 20 bytes a line: past 4096 on line 209
        strFile += "  00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,\\\r\n";
    EXPECT_EQ("error: line 209: \"Scancode Map\" is longer than 4096 bytes", Read(Ansi(strFile)));
}

// ---- Text files --------------------------------------------------------------

TEST(RemapFileReader, TextFile_TakesNamesAndScancodes_InFileOrder)
{
    CRemapFileReader::EFormat format = CRemapFileReader::FORMAT_NONE;
    EXPECT_EQ("003A:001D E05B:0000 0046:E037 0029:0001",
              Read(Ansi("# Caps Lock is another Ctrl\r\n"
                        "CapsLock=LeftCtrl\r\n"
                        "\r\n"
                        "  leftwindows =  None   # sends nothing\r\n"
                        "\t0x46\t=\tE037\n"
                        "grave = 0x01\n"),
                   &format));
    EXPECT_EQ(CRemapFileReader::FORMAT_TEXT, format);
}

TEST(RemapFileReader, TextFile_Refusals_SayTheLineAndWhat)
{
    const std::string strSix = "# mappings\nA=B\n\nB=A\n# more\n\n"; // line 7 comes next
    ExpectEachAnsi({
        {"an unknown name", strSix + "CapsLok=LeftCtrl\n", "error: line 7: unknown key name 'CapsLok'"},
        {"an unknown produced key", strSix + "CapsLock=Hyper\n", "error: line 7: unknown key name 'Hyper'"},
        {"no equals sign", strSix + "CapsLock LeftCtrl\n", "error: line 7: expected FROM=TO"},
        {"nothing before the sign", strSix + "=LeftCtrl\n", "error: line 7: no key given"},
        {"two signs", strSix + "A=B=C\n", "error: line 7: unknown key name 'B=C'"},
        {"None as the physical key", strSix + "None=A\n",
         "error: line 7: None (0x0000) is no key and cannot be remapped"},
        {"a bad scancode", strSix + "0xE15B=A\n",
         "error: line 7: scancode '0xE15B' is no key (its high byte must be 00 or E0, or it is E11D)"},
        {"a key mapped twice", strSix + "a=Esc\n",
         "error: line 7: key A (0x001E) is mapped twice (first on line 2)"},
        {"a broken registry header", "REGEDIT 4\n", "error: line 1: expected FROM=TO"},
    });
}

TEST(RemapFileReader, MoreMappingsThanOneValueHolds_AreRefused)
{
    // 4096 bytes with 1021 entries and no room for the terminator: whole by
    // its count, but one mapping too many to write back. Physical codes with
    // other high bytes make that many distinct keys.
    Bytes value = ScancodeMapValue(1022, {});
    for (DWORD i = 1; i <= 1021; ++i)
        AppendDword(value, (i << 16) | 0x1D);
    ASSERT_EQ(4096u, value.size());
    Bytes file;
    CRegFileWriter::Write(value.data(), (DWORD)value.size(), &file);
    // Refused before its mappings are counted: no terminator. (With codes
    // that are keys and a terminator, no file reaches 1021 mappings.)
    EXPECT_EQ("error: line 4: \"Scancode Map\" is not a whole table (4096 bytes, its count of 1022 "
              "does not match its 1021 entries, the terminator included)",
              Read(file));
}

// ---- Any file ------------------------------------------------------------------

TEST(RemapFileReader, FilesInEachEncoding_ReadOrAreRefused_AsTheirRowSays)
{
    const struct
    {
        const char* pszWhat;
        Bytes file;
        std::string strExpected;
    } cases[] = {
        {"UTF-16", Utf16WithBom("CapsLock = LeftCtrl\r\n"), "003A:001D"},
        {"only comments", Ansi("# nothing remapped\n\n"), ""},
        {"non-ASCII text stands as question marks in messages", Utf16WithBom("Caps\xff=A"),
         "error: line 1: unknown key name 'Caps?'"},
        {"empty", Bytes(), "error: the file is empty"},
        {"half a UTF-16 character", Bytes{0xFF, 0xFE, 'A', 0, '='},
         "error: the file ends in the middle of a UTF-16 character"},
        {"UTF-16 big-endian", Bytes{0xFE, 0xFF, 0, 'A'},
         "error: the file is UTF-16 big-endian; save it as UTF-16LE, UTF-8 or ANSI"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.strExpected, Read(c.file)) << c.pszWhat;
}
