// The console program's command line comes from users and scripts: any
// arguments (split at NUL bytes) parse or are refused with one line, and the
// whole program then ends with one of its three exit codes, touching the
// registry only for a command that writes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_cli_bench.h"
#include "tests/fuzz/fuzz_options.h"
#include "tests/support/scancode_map_bytes.h"

VELLORIC_FUZZ_OPTIONS("fuzz_cli_arguments")

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    std::vector<std::string> args;
    if (nSize > 0)
        args = SplitAtNul(pData, nSize);

    CCliArguments parsed;
    BOOL bParsed = parsed.Parse(args);
    if (!bParsed)
    {
        FUZZ_CHECK(!parsed.GetError().empty());
    }
    else
    {
        FUZZ_CHECK(parsed.GetCommand() != CCliArguments::CMD_NONE);
        // Help and the version end the parse at once, whatever options came before.
        BOOL bAnswersAtOnce = parsed.GetCommand() == CCliArguments::CMD_HELP ||
                              parsed.GetCommand() == CCliArguments::CMD_VERSION;
        FUZZ_CHECK(bAnswersAtOnce || !parsed.IsDryRun() || parsed.IsWriting());
        FUZZ_CHECK(bAnswersAtOnce || !parsed.IsJson() || parsed.GetCommand() == CCliArguments::CMD_LIST ||
                   parsed.GetCommand() == CCliArguments::CMD_KEYS);
    }

    CFuzzCliBench bench;
    std::vector<BYTE> table = ScancodeMapBytes({{0x003A, 0x001D}, {0x001D, 0x003A}});
    bench.Put(table);
    bench.files.m_files["keys.txt"] = std::vector<BYTE>{'F', '1', '=', 'F', '2'};
    int nExit = bench.cli.Run(args);
    FUZZ_CHECK(nExit == CLI_DONE || nExit == CLI_FAILED || nExit == CLI_USAGE);
    // Wrong usage is told before anything is done (a bad key is found after parsing).
    FUZZ_CHECK(bParsed || nExit == CLI_USAGE);
    if (nExit == CLI_USAGE)
        FUZZ_CHECK(bench.console.m_strOut.empty() && bench.HasValue() && bench.Value() == table);
    if (!bParsed || !parsed.IsWriting() || parsed.IsDryRun())
        FUZZ_CHECK(bench.HasValue() && bench.Value() == table);
    return 0;
}
