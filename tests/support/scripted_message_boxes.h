// Answers the framework's message boxes in tests: records every box (text,
// caption, final type) and returns the scripted buttons in order. Installs
// itself for its lifetime, together with a string table when one is given.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "framework/afx_message_box.h"

class CFakeStrings : public IStringSource
{
public:
    std::map<UINT, std::string> m_strings;
    BOOL Load(UINT nID, std::string* pstr) override;
};

class CScriptedMessageBoxes : public IMessageBoxSink
{
public:
    struct Shown
    {
        std::string strText;
        std::string strCaption;
        UINT nType;
    };

    explicit CScriptedMessageBoxes(IStringSource* pStrings = nullptr);
    ~CScriptedMessageBoxes() override;

    // Buttons to press, in order; once they run out every box gets m_nDefault.
    void Answer(std::initializer_list<int> answers);
    int Show(const char* pszText, const char* pszCaption, UINT nType) override;

    std::vector<Shown> m_shown;
    std::deque<int> m_answers;
    int m_nDefault = IDOK;

private:
    IMessageBoxSink* m_pOldSink;
    IStringSource* m_pOldStrings;
    BOOL m_bStrings;
};
