#include "tests/support/MessageBoxScript.h"

#include "framework/MessageBox.h"

#include <gtest/gtest.h>

namespace {

int RefusingAnswer(UINT flags) {
    switch (flags & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_OK:
        return IDOK;
    default:
        return IDCANCEL;
    }
}

int Unexpected(HWND, const char* text, const char* caption, UINT flags) {
    ADD_FAILURE() << "unexpected message box: caption [" << caption << "] text [" << text << "]";
    return RefusingAnswer(flags);
}

} // namespace

CMessageBoxScript::CMessageBoxScript() {
    fw::SetMessageBoxHandler([this](HWND owner, const char* text, const char* caption, UINT flags) {
        return Answer(owner, text, caption, flags);
    });
}

CMessageBoxScript::~CMessageBoxScript() {
    FailOnUnexpectedMessageBoxes();
}

CMessageBoxScript& CMessageBoxScript::Then(int answer, std::function<void()> whileShown) {
    m_answers.push_back({answer, std::move(whileShown)});
    return *this;
}

int CMessageBoxScript::Answer(HWND owner, const char* text, const char* caption, UINT flags) {
    m_shown.push_back({owner, text, caption, flags});
    if (m_answers.empty()) return Unexpected(owner, text, caption, flags);
    const Step step = m_answers.front();
    m_answers.pop_front();
    if (step.whileShown) step.whileShown();
    return step.answer;
}

void FailOnUnexpectedMessageBoxes() {
    fw::SetMessageBoxHandler(&Unexpected);
}
