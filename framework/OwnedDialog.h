// The owner of one modeless dialog and its window, as the main window owns its companions and
// the playlist editor: made and created together, destroyed and deleted together, nothing else.
#pragma once

#include "framework/Dialog.h"

#include <memory>
#include <utility>

namespace fw {

template <class TDialog> class COwnedDialog {
public:
    COwnedDialog() = default;
    ~COwnedDialog() { Destroy(); }
    COwnedDialog(const COwnedDialog&) = delete;
    COwnedDialog& operator=(const COwnedDialog&) = delete;

    // Keeps `dialog` once its window from `templateId` (owned by `owner`, may be null) exists;
    // false, with nothing kept, when the window could not be created.
    bool Create(std::unique_ptr<TDialog> dialog, UINT templateId, CDialog* owner) {
        Destroy();
        if (!dialog->Create(templateId, owner)) return false;
        m_pDialog = std::move(dialog);
        return true;
    }
    // Destroys the window and deletes the object. Cleared first: nothing reaches the dialog while
    // it goes, even when it goes from one of its own handlers.
    void Destroy() {
        const std::unique_ptr<TDialog> dialog = std::move(m_pDialog);
        if (dialog) dialog->DestroyWindow();
    }

    TDialog* Get() const { return m_pDialog.get(); }
    TDialog* operator->() const { return m_pDialog.get(); }
    explicit operator bool() const { return m_pDialog != nullptr; }
    // The window, or null when there is none.
    HWND Window() const { return m_pDialog ? m_pDialog->Hwnd() : nullptr; }

private:
    std::unique_ptr<TDialog> m_pDialog;
};

} // namespace fw
