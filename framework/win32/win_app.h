// The application object: start-up (InitInstance), the message loop, the
// profile, the document template and the application-level commands.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/cmd_target.h"
#include "framework/command_line_info.h"
#include "framework/profile.h"
#include "platform/registry.h"

class CFrameWnd;
class CSingleDocTemplate;

// The framework's own commands: new document, and exit through the main window's close.
enum
{
    AFX_ID_FILE_NEW = 57600,
    AFX_ID_APP_EXIT = 57665
};

class CWinApp : public CCmdTarget
{
public:
    explicit CWinApp(IRegistry& registry);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run();
    // The process's exit code when InitInstance ended the program: nonzero
    // once a failure has been reported to the user.
    int ExitInstance() const { return m_nExitCode; }

    // The arguments after the program name, as the command line gave them.
    void SetArguments(const std::vector<std::string>& args) { m_args = args; }
    const std::vector<std::string>& GetArguments() const { return m_args; }

    const std::string& GetAppName();
    void SetRegistryKey(const char* pszCompany);
    void LoadStdProfileSettings();
    void Enable3dControls();
    void AddDocTemplate(CSingleDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& info) { info.ParseArguments(m_args); }
    // The new-document command: documents have no file form, so nothing on
    // the command line names one to open.
    BOOL ProcessShellCommand();

    void OnFileNew();
    void OnAppExit();

    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    CProfile& GetProfile() { return m_profile; }
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    HWND GetMainWindowHandle() const;

    CFrameWnd* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;

private:
    CProfile m_profile;
    std::vector<std::string> m_args;
    std::string m_strAppName;
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
};

CWinApp* AfxGetApp();
// The owner of a modal dialog or message box: the main window, or the modal
// popup that has disabled it, so the new one is modal to what the user works
// with; without a main window, the active window.
HWND AfxGetModalOwner();
