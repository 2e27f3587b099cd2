// The document's parts that only tests reach: its store and its exit flow.
#pragma once

#include "model/velloric_doc.h"

class CVelloricDocTestAccess
{
public:
    static CScancodeMapStore& Store(CVelloricDoc& doc) { return doc.m_store; }
    static CExitFlow& ExitFlow(CVelloricDoc& doc) { return doc.m_exitFlow; }
};
