// The document on a test bench: a fake registry, keyboard and restart step,
// the Japanese string set, scripted message boxes, a host that records what
// the document asks of the application, and a view that counts its updates
// (the lost-key check sees the document's list through CListKeyboard).
//
//   class ExitFlowTest : public CDocFixture {};
//   TEST_F(ExitFlowTest, ...) { PutRegistryList({{0x3A, 0x1D}}); doc.OnNewDocument(); ... }
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/velloric_doc.h"
#include "tests/support/doc_test_access.h"
#include "tests/support/fake_keyboard.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_restart_service.h"
#include "tests/support/scancode_map_bytes.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/velloric_strings.h"

// A view of the document that counts the updates it is sent.
class CFakeDocView : public IDocumentView
{
public:
    explicit CFakeDocView(CVelloricDoc& doc);
    ~CFakeDocView() override;

    void OnUpdate(IDocumentView* pSender, long lHint) override { ++m_nUpdates; }

    int m_nUpdates = 0;

private:
    CVelloricDoc& m_doc;
};

// The application as the document sees it. Records each call
// ("OnFileNew", "OnAppExit", "SetSaveOnExit(FALSE)") and what the close check
// answered on exit; "new" and "exit" reach the document as the frame would.
class CFakeHost : public IVelloricHost
{
public:
    void OnFileNew() override;
    void OnAppExit() override;
    BOOL GetSaveOnExit() override { return m_bSaveOnExit; }
    void SetSaveOnExit(BOOL bSaveOnExit) override;

    CVelloricDoc* m_pDoc = nullptr;
    BOOL m_bSaveOnExit = TRUE;
    std::vector<std::string> m_calls;
    std::vector<BOOL> m_closeResults;
};

// Starts each test as a fresh program run: nothing edited, the first new
// document still to read the registry.
class CDocFixture : public ::testing::Test
{
public:
    static constexpr char LAYOUT_KEY[] =
        "HKLM\\SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
    static constexpr char VALUE[] = "Scancode Map";
    // The Japanese set's closing paragraph for a lost Ctrl, Alt or Del.
    static constexpr char JA_DANGER[] =
        "\n！！！危険！！！\n\nCtrl または Alt または Del キーが失われ、\n"
        "NT にログインできなくなる可能性があります。";

    CFakeRegistry registry;
    CFakeKeyboard keyboard;
    CFakeRestartService restart;
    CFakeHost host;
    CFakeStrings strings;
    CScriptedMessageBoxes boxes{&strings};
    CVelloricDoc doc{registry, keyboard, restart, host};
    CFakeDocView view{doc};
    CExitFlow& exitFlow = CVelloricDocTestAccess::ExitFlow(doc);

    CDocFixture();

    // Puts a well-formed "Scancode Map" with these pairs into the fake registry.
    void PutRegistryList(const PairList& pairs);
    // The document's list as its walk gives it.
    PairList List();
    // How many registry calls so far begin with strPrefix ("SetValue", "QueryValue"...).
    int RegistryCalls(const std::string& strPrefix);
    // The "Scancode Map" bytes now in the fake registry.
    std::vector<BYTE> RegistryBytes();
};
