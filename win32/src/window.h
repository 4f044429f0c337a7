// Window and window-class records and the window tree shared by the window-manager sources.
#pragma once

#include <windows.h>

#include "handles.h"
#include "region.h"
#include "win32_test_control.h"

#include <memory>
#include <string>
#include <vector>

namespace win32 {

struct WindowClass {
    ATOM atom = 0;
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    bool system = false;
    std::vector<unsigned char> classExtra;
};

// State of the system controls that the platform keeps in its own extra bytes.
struct ControlState {
    UINT buttonState = 0;  // BST_ check mark bits, BST_PUSHED, BST_FOCUS
    HFONT font = nullptr;
    std::vector<std::string> items;
    int current = -1;
    HWND comboEdit = nullptr;
    HWND comboList = nullptr;
    bool capture = false;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> cls;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    std::string text;
    HWND parent = nullptr;  // the desktop for top-level windows
    HWND owner = nullptr;
    std::vector<HWND> children;  // z-order: the first is GW_CHILD
    WNDPROC proc = nullptr;
    std::vector<unsigned char> extra;
    DWORD thread = 0;

    RECT rect{};    // window rectangle in the parent's client coordinates
    RECT client{};  // client rectangle in window coordinates

    std::vector<std::pair<ATOM, HANDLE>> properties;

    Region update;  // client coordinates
    bool updateErase = false;
    bool frameDirty = false;
    bool ncActive = false;
    std::vector<Win32TestInvalidation> invalidations;

    // The DWLP_DLGPROC slot holds a procedure that reads back as a handle (a dialog's slots).
    bool dialogSlots = false;

    ControlState control;
    bool destroying = false;
    bool dead = false;
};

struct WindowManager {
    HandleTable<Window> windows{0x00010000};
    std::vector<std::shared_ptr<WindowClass>> classes;  // system classes first
    HWND desktop = nullptr;
    HWND focus = nullptr;
    HWND active = nullptr;
    ATOM nextClassAtom = 0xC000;
};

WindowManager& wm();
Window* findWindow(HWND hwnd);
std::shared_ptr<Window> shareWindow(HWND hwnd);
Window* desktopWindow();
void resetWindowManager();

// Geometry of a window in screen coordinates: its top-left corner and its client origin.
POINT windowOrigin(const Window& w);
POINT clientOrigin(const Window& w);
bool isVisible(const Window& w);  // WS_VISIBLE on the window and every ancestor

// Window classes
std::shared_ptr<WindowClass> findClass(LPCSTR name, HINSTANCE instance);
void registerSystemClasses();

// Non-client geometry and default frame painting
RECT defaultClientRect(const Window& w, const RECT& windowRectInParent);
void paintDefaultFrame(HWND hwnd);

// Update region changes made by the stand-in itself (not recorded as caller invalidations).
void invalidateInternal(Window& w, const RECT* clientRect, bool erase);
// The visible children under a client rectangle of w take their share of it, and so on down while
// a window does not clip its children (allChildren: whatever the styles). A share that reaches a
// child's frame marks the frame for repainting.
void invalidateChildren(Window& w, const RECT& clientRect, bool erase, bool allChildren);

// System control procedures
LRESULT CALLBACK buttonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK editProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK listBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK comboBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK staticProc(HWND, UINT, WPARAM, LPARAM);

// Hooks
LRESULT callCbtHooks(int code, WPARAM wParam, LPARAM lParam);
void resetHooks();

// Caret
void caretWindowDestroyed(HWND hwnd);
void caretPaintHide(HWND hwnd);
// The edit control's own caret, created shown on focus; not counted as a caller's call.
void caretCreateShown(HWND hwnd);
void caretPaintShow(HWND hwnd);
void resetCaret();

// Atoms
void resetAtoms();
void resetPostedMessages();

}  // namespace win32
