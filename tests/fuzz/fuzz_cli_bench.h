// The console program over fakes, for the fuzz targets that drive it: an
// in-memory registry, a US keyboard, files in memory, captured streams, and
// the lost-key line the report formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_exit.h"
#include "cli/console_message_box_sink.h"
#include "cli/velloric_cli.h"
#include "framework/afx_message_box.h"
#include "tests/support/fake_byte_files.h"
#include "tests/support/fake_console.h"
#include "tests/support/fake_keyboard.h"
#include "tests/support/fake_registry.h"

// Fuzz bytes as strings, split at each NUL byte.
inline std::vector<std::string> SplitAtNul(const uint8_t* p, size_t n)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < n; ++i)
        if (p[i] == 0)
            parts.push_back(std::string());
        else
            parts.back() += (char)p[i];
    return parts;
}

class CFuzzStrings : public IStringSource
{
public:
    BOOL Load(UINT nID, std::string* pstr) override
    {
        *pstr = nID == 1015 ? "lost \"%s\" [0x%04X]\n" : nID == 1013 ? "\ndanger\n" : "";
        return !pstr->empty();
    }
};

struct CFuzzCliBench
{
    static const char* KeyPath() { return "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout"; }

    CFakeRegistry registry;
    CFakeKeyboard keyboard;
    CFakeByteFiles files;
    CCapturedConsole console;
    CSameText converter;
    CFuzzStrings strings;
    CConsoleMessageBoxSink boxes{console};
    CVelloricCli cli{registry, keyboard, files, console, converter};

    CFuzzCliBench()
    {
        AfxSetMessageBoxSink(&boxes);
        AfxSetStringSource(&strings);
    }
    ~CFuzzCliBench()
    {
        AfxSetMessageBoxSink(nullptr);
        AfxSetStringSource(nullptr);
    }
    void Put(const std::vector<BYTE>& bytes) { registry.Put(KeyPath(), "Scancode Map", REG_BINARY, bytes); }
    BOOL HasValue() const { return registry.HasValue(KeyPath(), "Scancode Map"); }
    std::vector<BYTE> Value() const { return registry.Get(KeyPath(), "Scancode Map").bytes; }
};
