// The console program's exit codes.
#pragma once

enum ECliExit
{
    CLI_DONE = 0,   // done, or nothing to do
    CLI_FAILED = 1, // refused (lost keys, a bad file, a table not read whole) or failed
    CLI_USAGE = 2   // wrong usage: unknown command or option, a bad key argument
};
