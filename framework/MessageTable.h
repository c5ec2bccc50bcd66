// Per-class message tables.
//
// A window class lists the messages it handles as a plain array, one line per message:
//
//     {WM_PAINT,   &Route<WM_PAINT,   &CPlayerDlg::OnPaint>},        // void OnPaint()
//     {WM_TIMER,   &Route<WM_TIMER,   &CPlayerDlg::OnTimer>},        // void OnTimer(UINT_PTR id)
//
// Each Route instantiation is an ordinary function that unpacks wParam/lParam for its message
// (the Crack<> specialisations below are the only place where that happens) and calls the
// handler with typed arguments. A handler with the wrong signature does not compile.
#pragma once

#include <windows.h>
#include <shellapi.h> // HDROP

#include <cstddef>

namespace fw {

class CDialog;

using MessageThunk = LRESULT (*)(CDialog& self, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    UINT message;
    MessageThunk thunk;
};

// A control's command (WM_COMMAND with a control id and a notification code such as BN_CLICKED).
using CommandThunk = void (*)(CDialog& self);
struct CommandEntry {
    UINT id;
    UINT code;
    CommandThunk thunk;
};

// A control's WM_NOTIFY (control id and notification code); the handler sets the result.
using NotifyThunk = void (*)(CDialog& self, NMHDR* header, LRESULT* result);
struct NotifyEntry {
    UINT id;
    UINT code;
    NotifyThunk thunk;
};

// A class's three tables; any of them may be empty (null pointer, count 0).
struct MessageTable {
    const MessageEntry* messages;
    size_t messageCount;
    const CommandEntry* commands;
    size_t commandCount;
    const NotifyEntry* notifies;
    size_t notifyCount;
};

template <class T, size_t N> constexpr size_t CountOf(const T (&)[N]) {
    return N;
}

namespace detail {
template <class M> struct MemberOf;
template <class C, class F> struct MemberOf<F C::*> { using Class = C; };
} // namespace detail

// Unpacks one message's parameters. Handler signatures, by message:
template <UINT Msg> struct Crack;

template <> struct Crack<WM_CREATE> { // LRESULT OnCreate(CREATESTRUCTA* create): -1 fails it
    template <class T>
    static LRESULT Call(T& self, LRESULT (T::*h)(CREATESTRUCTA*), WPARAM, LPARAM l) {
        return (self.*h)(reinterpret_cast<CREATESTRUCTA*>(l));
    }
};

// void OnX(): a message whose parameters carry nothing
struct CrackNothing {
    template <class T> static LRESULT Call(T& self, void (T::*h)(), WPARAM, LPARAM) {
        (self.*h)();
        return 0;
    }
};
template <> struct Crack<WM_DESTROY> : CrackNothing {};
template <> struct Crack<WM_PAINT> : CrackNothing {};

template <> struct Crack<WM_QUERYDRAGICON> { // HCURSOR OnQueryDragIcon()
    template <class T> static LRESULT Call(T& self, HCURSOR (T::*h)(), WPARAM, LPARAM) {
        return reinterpret_cast<LRESULT>((self.*h)());
    }
};

// void OnXButtonY(UINT flags, POINT point): point in client coordinates
struct CrackMouse {
    template <class T> static LRESULT Call(T& self, void (T::*h)(UINT, POINT), WPARAM w, LPARAM l) {
        POINT pt = {static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
        (self.*h)(static_cast<UINT>(w), pt);
        return 0;
    }
};
template <> struct Crack<WM_LBUTTONDOWN> : CrackMouse {};
template <> struct Crack<WM_LBUTTONUP> : CrackMouse {};
template <> struct Crack<WM_MOUSEMOVE> : CrackMouse {};
template <> struct Crack<WM_LBUTTONDBLCLK> : CrackMouse {};
template <> struct Crack<WM_RBUTTONUP> : CrackMouse {};

template <> struct Crack<WM_MOVE> { // void OnMove(int x, int y): client area's new top-left
    template <class T> static LRESULT Call(T& self, void (T::*h)(int, int), WPARAM, LPARAM l) {
        (self.*h)(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
        return 0;
    }
};

template <> struct Crack<WM_WINDOWPOSCHANGED> { // void OnWindowPosChanged(const WINDOWPOS* pos)
    template <class T>
    static LRESULT Call(T& self, void (T::*h)(const WINDOWPOS*), WPARAM, LPARAM l) {
        (self.*h)(reinterpret_cast<const WINDOWPOS*>(l));
        return 0;
    }
};

template <> struct Crack<WM_ACTIVATE> { // void OnActivate(UINT state, HWND other, BOOL minimized)
    template <class T>
    static LRESULT Call(T& self, void (T::*h)(UINT, HWND, BOOL), WPARAM w, LPARAM l) {
        (self.*h)(LOWORD(w), reinterpret_cast<HWND>(l), HIWORD(w) != 0);
        return 0;
    }
};

template <> struct Crack<WM_TIMER> { // void OnTimer(UINT_PTR id)
    template <class T> static LRESULT Call(T& self, void (T::*h)(UINT_PTR), WPARAM w, LPARAM) {
        (self.*h)(static_cast<UINT_PTR>(w));
        return 0;
    }
};

template <> struct Crack<WM_DROPFILES> { // void OnDropFiles(HDROP drop)
    template <class T> static LRESULT Call(T& self, void (T::*h)(HDROP), WPARAM w, LPARAM) {
        (self.*h)(reinterpret_cast<HDROP>(w));
        return 0;
    }
};

template <> struct Crack<WM_SHOWWINDOW> { // void OnShowWindow(BOOL show, UINT status)
    template <class T> static LRESULT Call(T& self, void (T::*h)(BOOL, UINT), WPARAM w, LPARAM l) {
        (self.*h)(static_cast<BOOL>(w), static_cast<UINT>(l));
        return 0;
    }
};

template <> struct Crack<WM_HOTKEY> { // void OnHotKey(int id, UINT modifiers, UINT virtualKey)
    template <class T>
    static LRESULT Call(T& self, void (T::*h)(int, UINT, UINT), WPARAM w, LPARAM l) {
        (self.*h)(static_cast<int>(w), LOWORD(l), HIWORD(l));
        return 0;
    }
};

template <> struct Crack<WM_KEYDOWN> { // void OnKeyDown(UINT virtualKey): repeats included
    template <class T> static LRESULT Call(T& self, void (T::*h)(UINT), WPARAM w, LPARAM) {
        (self.*h)(static_cast<UINT>(w));
        return 0;
    }
};

template <> struct Crack<WM_SETFOCUS> { // void OnSetFocus(HWND lost)
    template <class T> static LRESULT Call(T& self, void (T::*h)(HWND), WPARAM w, LPARAM) {
        (self.*h)(reinterpret_cast<HWND>(w));
        return 0;
    }
};

template <> struct Crack<WM_GETDLGCODE> { // UINT OnGetDlgCode(): the DLGC_* keys wanted
    template <class T> static LRESULT Call(T& self, UINT (T::*h)(), WPARAM, LPARAM) {
        return static_cast<LRESULT>((self.*h)());
    }
};

template <> struct Crack<WM_MOUSEWHEEL> { // void OnMouseWheel(int delta): WHEEL_DELTA a notch up
    template <class T> static LRESULT Call(T& self, void (T::*h)(int), WPARAM w, LPARAM) {
        (self.*h)(GET_WHEEL_DELTA_WPARAM(w));
        return 0;
    }
};

template <> struct Crack<WM_COPYDATA> { // BOOL OnCopyData(HWND sender, COPYDATASTRUCT* data)
    template <class T>
    static LRESULT Call(T& self, BOOL (T::*h)(HWND, COPYDATASTRUCT*), WPARAM w, LPARAM l) {
        return (self.*h)(reinterpret_cast<HWND>(w), reinterpret_cast<COPYDATASTRUCT*>(l));
    }
};

// The table entry for one message: Route<WM_X, &Class::OnX>. The program's own messages have
// their Crack<> beside the message table of the window that receives them.
template <UINT Msg, auto Handler> LRESULT Route(CDialog& self, WPARAM w, LPARAM l) {
    using T = typename detail::MemberOf<decltype(Handler)>::Class;
    return Crack<Msg>::Call(static_cast<T&>(self), Handler, w, l);
}

// The table entry for a command: RouteCommand<&Class::OnAdd>, handler void OnAdd().
template <auto Handler> void RouteCommand(CDialog& self) {
    using T = typename detail::MemberOf<decltype(Handler)>::Class;
    (static_cast<T&>(self).*Handler)();
}

// The table entry for a notification: RouteNotify<&Class::OnX>,
// handler void OnX(NMHDR* header, LRESULT* result).
template <auto Handler> void RouteNotify(CDialog& self, NMHDR* header, LRESULT* result) {
    using T = typename detail::MemberOf<decltype(Handler)>::Class;
    (static_cast<T&>(self).*Handler)(header, result);
}

} // namespace fw
