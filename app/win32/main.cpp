#include <cstdlib>
#include <string>
#include <vector>

#include "app/framework/afx_message_box.h"
#include "app/framework/win32/win32_keyboard_services.h"
#include "app/framework/win32/win32_message_boxes.h"
#include "app/framework/win32/win32_registry.h"
#include "app/win32/velloric_app.h"
#include "app/win32/win32_restart_service.h"
#include "app/win32/win32_shell_services.h"
#include "app/win32/win32_system_info.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWin32Registry registry;
    CWin32KeyboardServices keyboard;
    CWin32RestartService restart;
    CWin32SystemInfo system;
    CWin32ShellServices shell;
    CWin32MessageBoxSink messageBoxes;
    CWin32StringSource strings;
    AfxSetMessageBoxSink(&messageBoxes);
    AfxSetStringSource(&strings);

    CVelloricApp app(CVelloricPlatform{registry, keyboard, restart, system, shell});
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.push_back(__argv[i]);
    app.SetArguments(args);
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.Run();
}
