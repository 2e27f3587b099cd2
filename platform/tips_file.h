// The tips file as the tip dialog uses it: the handful of C library
// operations on a file read with the text-mode rules (CR LF read as LF,
// Ctrl+Z ends the file) and positions that are true byte offsets, behind an
// interface so that tests and the fuzzer can feed it any bytes.
#pragma once

#include <memory>
#include <string>

#include "platform/platform_types.h"

class ITipsFile
{
public:
    virtual ~ITipsFile() {}
    // fgets: at most nSize - 1 bytes, up to and including a line feed, then a
    // terminating zero. FALSE when nothing was read (end of file or error).
    virtual BOOL ReadLine(char* pBuffer, int nSize) = 0;
    // fseek from the beginning; FALSE when it fails (a negative offset, say).
    virtual BOOL Seek(long lOffset) = 0;
    // The byte offset after the last line read, -1 when unknown.
    virtual long Tell() = 0;
    // ctime of the file's creation time (of its last write where the file
    // system records no creation), trailing white space removed; empty when
    // the file's status cannot be had.
    virtual std::string TimeStamp() = 0;
};

class ITipsFileSystem
{
public:
    virtual ~ITipsFileSystem() {}
    // The file open for reading; nullptr when it cannot be opened.
    virtual std::unique_ptr<ITipsFile> Open(const std::string& strPath) = 0;
};
