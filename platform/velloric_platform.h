// The platform services the application hands to its document and view:
// the real ones in velloric.exe, fakes in tests.
#pragma once

#include "app/shell_services.h"
#include "app/system_info.h"
#include "model/keyboard_services.h"
#include "model/registry.h"
#include "model/restart_service.h"

struct CVelloricPlatform
{
    IRegistry& registry;
    IKeyboardServices& keyboard;
    IRestartService& restart;
    ISystemInfo& system;
    IShellServices& shell;
};
