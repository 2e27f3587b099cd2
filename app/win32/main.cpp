// The program's entry: the real platform services, built once here and
// handed down from the application object.
#include <string>
#include <vector>

#include "app/win32/velloric_app.h"
#include "framework/afx_message_box.h"
#include "framework/win32/win32_message_boxes.h"
#include "platform/stdio_tips_file.h"
#include "platform/win32/win32_font_chooser.h"
#include "platform/win32/win32_keyboard_services.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_restart_service.h"
#include "platform/win32/win32_shell_services.h"
#include "platform/win32/win32_sound_player.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_user_name_source.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWin32Registry registry;
    CWin32KeyboardServices keyboard;
    CWin32RestartService restart;
    CWin32SystemInfo system;
    CWin32ShellServices shell;
    CWin32FontChooser fontChooser;
    CWin32SoundPlayer soundPlayer;
    CWin32UserNameSource userName;
    CStdioTipsFileSystem tipsFiles;

    // AfxMessageBox and AfxLoadString are free functions called from every
    // layer, as the framework's are: their sinks are set once for the process.
    CWin32MessageBoxSink messageBoxes;
    CWin32StringSource strings;
    AfxSetMessageBoxSink(&messageBoxes);
    AfxSetStringSource(&strings);

    CVelloricApp app(CVelloricPlatform{registry, keyboard, restart, system, shell, fontChooser,
                                       soundPlayer, userName, tipsFiles});
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.push_back(__argv[i]);
    app.SetArguments(args);
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.Run();
}
