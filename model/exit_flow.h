// The document's exit half: confirm, write (or delete) the registry's list,
// offer and make the restart, and the discard question for leaving without
// writing. The document forwards its close check and exit operations here.
#pragma once

#include "platform/restart_service.h"
#include "model/scancode_map_store.h"
#include "model/velloric_host.h"

class CVelloricDoc;

class CExitFlow
{
public:
    enum EConfirmWrite
    {
        WRITE_GO_AHEAD,
        WRITE_DECLINED,    // the user cancelled at the lost-key warning
        WRITE_KEY_NOT_OPEN // the registry key could not be opened (message 1000 shown)
    };

    enum
    {
        ERROR_TEXT_CHARS = 100
    };

    CExitFlow(CVelloricDoc& doc, CScancodeMapStore& store, IRestartService& restart,
              IVelloricHost& host);

    // Steps of the close check before the framework's own: FALSE keeps the
    // window open. Nothing is written unless saving on exit with edits.
    BOOL AllowClose();

    EConfirmWrite ConfirmWrite();
    // TRUE when the registry now holds the list: written, or (empty list)
    // the value deleted or already absent. Failures are shown here.
    BOOL WriteRegistry();
    void RestartWindows();
    BOOL ConfirmDiscard();
    // TRUE when the list may be written: the registry's value is as it was
    // read, or the user chose to replace another program's change. Else
    // nothing is written and the window stays; on "reload" the registry's
    // list replaces the one on screen.
    BOOL ConfirmOverwrite();

private:
    CVelloricDoc& m_doc;
    CScancodeMapStore& m_store;
    IRestartService& m_restart;
    IVelloricHost& m_host;
};
