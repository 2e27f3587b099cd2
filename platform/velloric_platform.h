// Every service the program asks of the system, built once by main.cpp (or
// a test) and handed down from the application to whatever needs one.
#pragma once

#include "platform/byte_files.h"
#include "platform/file_dialogs.h"
#include "platform/font_chooser.h"
#include "platform/keyboard_services.h"
#include "platform/registry.h"
#include "platform/restart_service.h"
#include "platform/secret_store.h"
#include "platform/shell_services.h"
#include "platform/sound_player.h"
#include "platform/system_info.h"
#include "platform/tips_file.h"
#include "platform/user_name_source.h"

struct CVelloricPlatform
{
    IRegistry& registry;
    IKeyboardServices& keyboard;
    IRestartService& restart;
    ISystemInfo& system;
    IShellServices& shell;
    IFontChooser& fontChooser;
    ISoundPlayer& soundPlayer;
    IUserNameSource& userName;
    ITipsFileSystem& tipsFiles;
    IFileDialogs& fileDialogs;
    IByteFiles& files;
    ISecretStore& secrets;
};
