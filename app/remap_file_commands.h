// File > Import... and File > Export...: the key table on screen from and to
// a file. Import takes a .reg file (as the registry editor or Export writes
// it) or a text file of FROM=TO lines, and puts its table in place of the one
// on screen, which then counts as edited: nothing reaches the registry before
// save and exit. Export writes the table on screen, edited or not, as a .reg
// file with the bytes save and exit would write.
#pragma once

#include "model/velloric_doc.h"
#include "platform/byte_files.h"
#include "platform/file_dialogs.h"

class CRemapFileCommands
{
public:
    CRemapFileCommands(IFileDialogs& dialogs, IByteFiles& files, HWND hOwner)
        : m_dialogs(dialogs), m_files(files), m_hOwner(hOwner)
    {
    }

    // FALSE when the user cancelled, or the file did not read (reported with
    // its line; the table on screen stays as it was).
    BOOL Import(CVelloricDoc& doc);
    // FALSE when the user cancelled or the file could not be written (reported).
    BOOL Export(CVelloricDoc& doc);

private:
    IFileDialogs& m_dialogs;
    IByteFiles& m_files;
    HWND m_hOwner;
};
