// velloric-cli.exe: the console program's entry. The real services, built
// once here and handed to the portable command logic.
#include <string>
#include <vector>

#include "cli/console_message_box_sink.h"
#include "platform/stdio_console.h"
#include "cli/velloric_cli.h"
#include "platform/win32/win32_text_converter.h"
#include "framework/afx_message_box.h"
#include "framework/win32/win32_message_boxes.h"
#include "platform/win32/win32_byte_files.h"
#include "platform/win32/win32_keyboard_services.h"
#include "platform/win32/win32_registry.h"

int main(int argc, char** argv)
{
    CWin32Registry registry;
    CWin32KeyboardServices keyboard;
    CWin32ByteFiles files;
    CStdioConsole console;
    CWin32TextConverter converter;

    // The framework's boxes and strings are process-wide, as in the program;
    // a console program shows no box: whatever would show one goes to stderr.
    CConsoleMessageBoxSink messageBoxes(console);
    CWin32StringSource strings;
    AfxSetMessageBoxSink(&messageBoxes);
    AfxSetStringSource(&strings);

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    CVelloricCli cli(registry, keyboard, files, console, converter);
    return cli.Run(args);
}
