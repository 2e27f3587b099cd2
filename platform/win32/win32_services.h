// Every real service of the platform record, made together: the program's
// entry and the tools that run the program in-process build their record here.
#pragma once

#include "platform/stdio_tips_file.h"
#include "platform/velloric_platform.h"
#include "platform/win32/win32_byte_files.h"
#include "platform/win32/win32_file_dialogs.h"
#include "platform/win32/win32_font_chooser.h"
#include "platform/win32/win32_keyboard_services.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_restart_service.h"
#include "platform/win32/win32_secret_store.h"
#include "platform/win32/win32_shell_services.h"
#include "platform/win32/win32_sound_player.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_user_name_source.h"

class CWin32Services
{
public:
    // The record of these services; pRestart, when given, stands in for the
    // real restart (a tool must never restart the machine it runs on).
    CVelloricPlatform Platform(IRestartService* pRestart = nullptr)
    {
        return CVelloricPlatform{m_registry,    m_keyboard,    pRestart ? *pRestart : m_restart,
                                 m_system,      m_shell,       m_fontChooser,
                                 m_soundPlayer, m_userName,    m_tipsFiles,
                                 m_fileDialogs, m_files,       m_secrets};
    }

private:
    CWin32Registry m_registry;
    CWin32KeyboardServices m_keyboard;
    CWin32RestartService m_restart;
    CWin32SystemInfo m_system;
    CWin32ShellServices m_shell;
    CWin32FontChooser m_fontChooser;
    CWin32SoundPlayer m_soundPlayer;
    CWin32UserNameSource m_userName;
    CStdioTipsFileSystem m_tipsFiles;
    CWin32FileDialogs m_fileDialogs;
    CWin32ByteFiles m_files;
    CWin32SecretStore m_secrets;
};
