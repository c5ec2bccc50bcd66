// Answers the program's message boxes in a test and keeps what they said.
//
// While an object lives, every message box goes to it: it records owner, text, caption and
// flags, and answers with the next scripted answer. A box with no answer left fails the test
// and is answered IDCANCEL (or IDNO / IDOK where the box has no cancel button).
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct CShownMessageBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};

class CMessageBoxScript {
public:
    CMessageBoxScript();
    ~CMessageBoxScript();
    CMessageBoxScript(const CMessageBoxScript&) = delete;
    CMessageBoxScript& operator=(const CMessageBoxScript&) = delete;

    // Queues the answer to the next box (IDYES, IDNO, IDOK...). `whileShown`, if given, runs
    // before the box is answered, as what happens in the box's message loop (a nested box
    // shown meanwhile takes the next answer).
    CMessageBoxScript& Then(int answer, std::function<void()> whileShown = nullptr);

    const std::vector<CShownMessageBox>& Shown() const { return m_shown; }

private:
    int Answer(HWND owner, const char* text, const char* caption, UINT flags);

    struct Step {
        int answer;
        std::function<void()> whileShown;
    };
    std::deque<Step> m_answers;
    std::vector<CShownMessageBox> m_shown;
};

// Installed by the Wine tests' main: any message box that no script expects fails the test.
void FailOnUnexpectedMessageBoxes();
