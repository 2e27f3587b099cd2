// The framework's message box and string loading. Every box carries the
// application name (string 57344) as caption, and an OK, OK/Cancel, Yes/No or
// Yes/No/Cancel box given without an icon gets the exclamation icon.
#pragma once

#include <string>

#include "framework/message_box_sink.h"
#include "framework/string_source.h"

#define AFX_IDS_APP_TITLE 57344u
#define AFX_IDP_FAILED_TO_CREATE_DOC 61700u // the document, its frame or its view could not be made

UINT AfxAdjustMessageBoxType(UINT nType);
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

// String nID, or the empty text when the resource has none.
std::string AfxLoadString(UINT nID);
// Field nField (from 0) of string nID, whose fields are separated by "\n": a
// command's status prompt is field 0 and its tool tip field 1; the document
// string's window title is field 0. Empty when the string has fewer fields.
std::string AfxLoadStringField(UINT nID, int nField);
// String nID with every "%1" replaced by psz1 (and "%2" by psz2).
void AfxFormatString1(std::string& rString, UINT nID, const char* psz1);
void AfxFormatString2(std::string& rString, UINT nID, const char* psz1, const char* psz2);

// Both return the previous one, so a test can put it back.
IMessageBoxSink* AfxSetMessageBoxSink(IMessageBoxSink* pSink);
IStringSource* AfxSetStringSource(IStringSource* pSource);
