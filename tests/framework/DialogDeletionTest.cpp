// A dialog may be deleted by a handler of its own (the playlist editor's close button has the
// main window delete the editor while the button's handler runs): the framework must not touch
// the object once that handler returns.
#include "framework/Dialog.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>

constexpr UINT WM_DELETE_ME = WM_APP + 7;
template <> struct fw::Crack<WM_DELETE_ME> : fw::CrackNothing {}; // void OnDeleteMe()

namespace {

constexpr unsigned char kFreedPattern = 0xA5;

// A dialog whose memory, once deleted, is filled with a pattern and kept, so that a write into
// it afterwards shows.
class CSelfDeletingDlg : public fw::CModelessDialog {
public:
    CSelfDeletingDlg() : fw::CModelessDialog(IDD_PLAYER, nullptr) {}

    static void* operator new(size_t size) { return ::operator new(size); }
    static void operator delete(void* block, size_t size) {
        std::memset(block, kFreedPattern, size);
        s_freed = block;
        s_freedSize = size;
    }
    static void* s_freed;
    static size_t s_freedSize;

protected:
    const fw::MessageTable& GetMessageTable() const override {
        static const fw::MessageEntry messages[] = {
            {WM_DELETE_ME, &fw::Route<WM_DELETE_ME, &CSelfDeletingDlg::OnDeleteMe>},
        };
        static const fw::MessageTable table = {messages, fw::CountOf(messages), nullptr, 0, nullptr,
                                               0};
        return table;
    }
    // Escape: deleted from a message nested inside this one, as a close request to the owner
    // would delete it.
    void OnCancel() override { ::SendMessageA(Hwnd(), WM_DELETE_ME, 0, 0); }

private:
    void OnDeleteMe() {
        DestroyWindow();
        delete this;
    }
};
void* CSelfDeletingDlg::s_freed = nullptr;
size_t CSelfDeletingDlg::s_freedSize = 0;

TEST(DialogDeletion, NothingTouchesADialogDeletedInsideItsOwnHandler) {
    auto* dlg = new CSelfDeletingDlg;
    ASSERT_TRUE(dlg->Create(IDD_PLAYER, nullptr));
    HWND hwnd = dlg->Hwnd();
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(::IsWindow(hwnd));
    ASSERT_EQ(static_cast<void*>(dlg), CSelfDeletingDlg::s_freed);
    const auto* bytes = static_cast<const unsigned char*>(CSelfDeletingDlg::s_freed);
    size_t touched = 0;
    for (size_t i = 0; i < CSelfDeletingDlg::s_freedSize; ++i)
        touched += bytes[i] != kFreedPattern;
    EXPECT_EQ(0u, touched) << "bytes written after the delete";
    ::operator delete(CSelfDeletingDlg::s_freed);
}

} // namespace
