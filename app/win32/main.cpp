// The program's entry: the real platform services, built once here and
// handed down from the application object.
#include <string>
#include <vector>

#include "app/win32/velloric_app.h"
#include "framework/afx_message_box.h"
#include "framework/win32/win32_message_boxes.h"
#include "platform/win32/win32_services.h"
#include "res/resource.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CWin32Services services;
    // AfxMessageBox and AfxLoadString are free functions called from every
    // layer, as the framework's are: their sinks are set once for the process.
    CWin32MessageBoxSink messageBoxes(IDS_MORE_LINES);
    CWin32StringSource strings;
    AfxSetMessageBoxSink(&messageBoxes);
    AfxSetStringSource(&strings);

    CVelloricApp app(services.Platform());
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i)
        args.push_back(__argv[i]);
    app.SetArguments(args);
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.Run();
}
