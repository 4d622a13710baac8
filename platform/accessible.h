#pragma once
// Accessible objects for windows that draw their own content: a window
// answers WM_GETOBJECT for its client area with an object whose children are
// the things it draws (the days of a month, the graph's readout), each with
// a name, a place and a role, and tells screen readers when the focus moves
// or a name changes. What the children are comes from the window through
// AccessibleContent; the object holds no more than a pointer to it, cut
// when the window goes, so a reader holding the object on gets errors rather
// than a dangling window.

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace marilo {

// IID_IAccessible, spelt out: MinGW's import library hands out another value.
inline constexpr GUID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// What a window tells of its drawn content. Children are numbered 1..count.
class AccessibleContent {
public:
    virtual ~AccessibleContent() = default;
    virtual std::wstring accessibleName() = 0;  // of the whole client area
    virtual long childCount() = 0;
    virtual std::wstring childName(long child) = 0;
    // The child's rectangle in client coordinates.
    virtual RECT childRect(long child) = 0;
    // The child with the keyboard focus, or 0.
    virtual long focusedChild() = 0;
    virtual long childRole() { return ROLE_SYSTEM_CELL; }
};

class ContentAccessible;

// The window's side: the object made on the first request, kept until the
// window goes. Answer WM_GETOBJECT with answer(); call detach() on
// WM_DESTROY.
class AccessibleObject {
public:
    AccessibleObject() = default;
    ~AccessibleObject() { detach(); }
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // The result for WM_GETOBJECT: the object for OBJID_CLIENT, 0 (the
    // system's own answer) for anything else or when it cannot be made.
    LRESULT answer(HWND hwnd, WPARAM wp, LPARAM lp, AccessibleContent& content);
    void detach();

private:
    ContentAccessible* object_ = nullptr;  // one reference held
};

// Tell screen readers that child `child` (0 the whole client area) took the
// focus, or that its name changed.
void notifyFocus(HWND hwnd, long child);
void notifyNameChange(HWND hwnd, long child);

// Initialises COM for the thread for its lifetime (accessible objects are
// handed out through it); harmless when the thread has it already.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (ok_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool ok_;
};

}  // namespace marilo
