// The registry's value is outside data: whatever another program left there,
// or writes while the console program reads it, must read without harm. The
// first byte picks the command and whether the value changes between calls;
// the rest is the value (or the value and what it becomes).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/scancode_map_codec.h"
#include "model/scancode_map_value.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_cli_bench.h"
#include "tests/fuzz/fuzz_options.h"

namespace
{
const char* const s_commands[] = {
    "list", "list --json", "set F1=F2 F2=F1", "remove CapsLock F1", "export out.reg",
    "set CapsLock=LeftCtrl --force", "remove LeftCtrl --force", "set Esc=Esc --dry-run",
};

std::vector<std::string> Args(const char* pszCommand)
{
    std::vector<std::string> args;
    std::string str(pszCommand);
    for (size_t pos = 0; pos <= str.size();)
    {
        size_t end = str.find(' ', pos);
        if (end == std::string::npos)
            end = str.size();
        args.push_back(str.substr(pos, end - pos));
        pos = end + 1;
    }
    return args;
}
} // namespace

VELLORIC_FUZZ_OPTIONS("fuzz_cli_value")

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    BYTE bMode = pData[0];
    std::vector<BYTE> value(pData + 1, pData + nSize);
    std::vector<BYTE> later;
    BOOL bChanges = (bMode & 0x08) != 0;
    if (bChanges)
    {
        later.assign(value.begin() + value.size() / 2, value.end());
        value.resize(value.size() / 2);
    }
    CFuzzCliBench bench;
    if ((bMode & 0x10) == 0)
        bench.Put(value);
    if (bChanges)
        // Between the length and the bytes, or between this run's read and its write.
        bench.registry.ChangeBefore((bMode & 0x20) != 0 ? "CloseKey" : "QueryValue",
                                    1 + ((bMode >> 6) & 3), CFuzzCliBench::KeyPath(),
                                    "Scancode Map", later);
    const char* pszCommand = s_commands[bMode & 7];
    int nExit = bench.cli.Run(Args(pszCommand));
    FUZZ_CHECK(nExit == CLI_DONE || nExit == CLI_FAILED);
    FUZZ_CHECK(bench.console.m_strErr.empty() || bench.console.m_strErr.back() == '\n');

    // What a writing command leaves is a whole table, or no value at all, unless
    // the other writer's change came after the command's own write.
    std::string strCommand(pszCommand);
    BOOL bWrites = strCommand.compare(0, 4, "set") == 0 || strCommand.compare(0, 6, "remove") == 0;
    if (bWrites && nExit == CLI_DONE && bench.HasValue() && strCommand.find("--dry-run") == std::string::npos &&
        bench.console.m_strOut.find("Nothing to change") == std::string::npos)
    {
        std::vector<BYTE> written = bench.Value();
        FUZZ_CHECK((bChanges && written == later) ||
                   CScancodeMapValue::OutcomeOf(written.data(), (DWORD)written.size()) ==
                       CScancodeMapValue::READ_WHOLE);
    }
    // An export is made, or not, and what it holds import writes back as the
    // very bytes exported (unless the other writer changed them meanwhile).
    if (strCommand.compare(0, 6, "export") == 0)
    {
        FUZZ_CHECK((nExit == CLI_DONE) == (bench.files.m_files.count("out.reg") == 1));
        if (nExit == CLI_DONE && !bChanges)
        {
            CFuzzCliBench again;
            again.files.m_files = bench.files.m_files;
            FUZZ_CHECK(again.cli.Run({"import", "out.reg", "--force"}) == CLI_DONE);
            FUZZ_CHECK(again.Value() == value);
        }
    }
    return 0;
}
