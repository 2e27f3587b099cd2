// What the document asks of the application: a fresh document for "remove
// all", closing the main window for "cancel", and the save-on-exit flag that
// tells the close check whether to write.
#pragma once

#include "platform/platform_types.h"

class IVelloricHost
{
public:
    virtual ~IVelloricHost() {}

    // The framework's new-document command: reuses the document, runs its
    // OnNewDocument again and re-initialises the view.
    virtual void OnFileNew() = 0;
    // Asks the main window to close; the close reaches the document's CanCloseFrame.
    virtual void OnAppExit() = 0;

    // m_bSaveOnExit: TRUE unless the user chose to leave without writing.
    virtual BOOL GetSaveOnExit() = 0;
    virtual void SetSaveOnExit(BOOL bSaveOnExit) = 0;
};
