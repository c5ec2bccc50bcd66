#include "companions/MiniDlg.h"

#include "companions/MiniShape.h"
#include "companions/Topmost.h"
#include "framework/PopupMenu.h"
#include "framework/RunRegion.h"
#include "res/Messages.h"
#include "res/resource.h"

CMiniDlg::CMiniDlg(HWND mainWnd, HMENU popupMenu)
    : fw::CModelessDialog(IDD_MINI, nullptr), m_hMainWnd(mainWnd), m_pPopupMenu(popupMenu) {}

const fw::MessageTable& CMiniDlg::GetMessageTable() const {
    using D = CMiniDlg;
    static const fw::MessageEntry messages[] = {
        {WM_CREATE, &fw::Route<WM_CREATE, &D::OnCreate>},
        {WM_LBUTTONDOWN, &fw::Route<WM_LBUTTONDOWN, &D::OnLButtonDown>},
        {WM_MOUSEMOVE, &fw::Route<WM_MOUSEMOVE, &D::OnMouseMove>},
        {WM_LBUTTONUP, &fw::Route<WM_LBUTTONUP, &D::OnLButtonUp>},
        {WM_LBUTTONDBLCLK, &fw::Route<WM_LBUTTONDBLCLK, &D::OnLButtonDblClk>},
        {WM_RBUTTONUP, &fw::Route<WM_RBUTTONUP, &D::OnRButtonUp>},
        {WM_SHOWWINDOW, &fw::Route<WM_SHOWWINDOW, &D::OnShowWindow>},
        {WM_DESTROY, &fw::Route<WM_DESTROY, &D::OnDestroy>},
        {WM_ACTIVATE, &fw::Route<WM_ACTIVATE, &D::OnActivate>},
        {WM_SETFOCUS, &fw::Route<WM_SETFOCUS, &D::OnSetFocus>},
        {WM_GETDLGCODE, &fw::Route<WM_GETDLGCODE, &D::OnGetDlgCode>},
        {WM_KEYDOWN, &fw::Route<WM_KEYDOWN, &D::OnKeyDown>},
    };
    static const fw::MessageTable table = {messages, fw::CountOf(messages), nullptr, 0, nullptr, 0};
    return table;
}

BOOL CMiniDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    // The template's size in dialog units depends on the font the system finds for it (70 x 109
    // under Wine's substitute): the window is the figure's bitmap, so that the mini window's
    // bottom-right corner, where it meets the player's, is the figure's feet.
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, mini::kWidth, mini::kHeight,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

LRESULT CMiniDlg::OnCreate(CREATESTRUCTA*) {
    fw::ApplyRunRegion(Hwnd(), mini::FigureRuns());
    return Default();
}

void CMiniDlg::OnDestroy() {
    // The picture loaded the figure from the template; taken back, it is ours to delete (the
    // control would otherwise leave it behind, or delete it itself: never both).
    if (HWND picture = ::GetWindow(Hwnd(), GW_CHILD)) {
        const LRESULT figure = ::SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, 0);
        if (figure) ::DeleteObject(reinterpret_cast<HGDIOBJ>(figure));
    }
    Default();
}

HWND CMiniDlg::TopLevelParent() const {
    return m_hMainWnd && ::IsWindow(m_hMainWnd) ? m_hMainWnd : nullptr;
}

BOOL CMiniDlg::IsTopmostChecked() const {
    if (!m_pPopupMenu) return FALSE;
    const UINT state = ::GetMenuState(m_pPopupMenu, ID_TOPMOST, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

void CMiniDlg::OnLButtonDown(UINT, POINT point) {
    m_drag.Press(Hwnd(), point);
}

void CMiniDlg::OnMouseMove(UINT nFlags, POINT) {
    m_drag.MouseMove(Hwnd(), nFlags);
}

void CMiniDlg::OnLButtonUp(UINT, POINT) {
    m_drag.Release();
}

void CMiniDlg::OnLButtonDblClk(UINT, POINT) {
    HWND parent = TopLevelParent();
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    // The main window is up, and active, before this one goes: hiding the active window would
    // hand the activation to another program's, which Wine then raises above the main window.
    if (parent) ::SendMessageA(parent, WM_MINI_RESTORE, rect.right, rect.bottom);
    ::ShowWindow(Hwnd(), SW_HIDE);
}

void CMiniDlg::OnRButtonUp(UINT, POINT point) {
    if (m_pPopupMenu) {
        HWND parent = TopLevelParent();
        POINT screen = point;
        ::ClientToScreen(Hwnd(), &screen);
        const UINT id =
            fw::TrackPopupMenuCommand(m_pPopupMenu, TPM_RIGHTBUTTON, screen.x, screen.y, Hwnd());
        if (id == ID_TOPMOST) {
            // Put into effect here at once; the main window takes it when it comes back, and
            // saves it with its next save.
            const BOOL topmost = !IsTopmostChecked();
            ::CheckMenuItem(m_pPopupMenu, ID_TOPMOST,
                            MF_BYCOMMAND | (topmost ? MF_CHECKED : MF_UNCHECKED));
            ApplyTopmost(Hwnd(), topmost);
        } else if (parent) {
            ::SendMessageA(parent, WM_MINI_COMMAND, id, 0);
        }
    }
    Default();
}

void CMiniDlg::OnShowWindow(BOOL bShow, UINT) {
    Default();
    // ApplyTopmost shows the window again through its Z-order call, which raises no second
    // show notification.
    if (bShow) ApplyTopmost(Hwnd(), IsTopmostChecked());
}

// The dialog would hand the keyboard on to its first control, the figure's picture, which lets
// the arrow keys move the focus: the window keeps the keys itself.
void CMiniDlg::OnActivate(UINT state, HWND, BOOL) {
    Default();
    if (state != WA_INACTIVE) ::SetFocus(Hwnd());
}

void CMiniDlg::OnSetFocus(HWND) {
    // Not passed on: the dialog's own handling moves the focus to the picture.
}

UINT CMiniDlg::OnGetDlgCode() {
    // The arrow keys come here instead of moving the focus.
    return DLGC_WANTARROWS;
}

void CMiniDlg::OnKeyDown(UINT virtualKey) {
    // The main window knows what each key does.
    if (HWND parent = TopLevelParent())
        ::SendMessageA(parent, WM_MINI_KEY, virtualKey, ::GetKeyState(VK_SHIFT) < 0 ? 1 : 0);
}
