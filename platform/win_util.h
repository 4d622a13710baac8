#pragma once
// Small services of the Windows user interface and shell.

#include <string>

#include "platform/handle.h"

namespace marilo {

// Puts cp932 text on the clipboard for the given window, both as ANSI text
// (code page 932, with its locale) and as UTF-16 so every program pastes it
// correctly. The clipboard owns the blocks afterwards.
bool copyTextToClipboard(HWND owner, const std::string& cp932);

// An icon resource at the given size; released by its owner.
Icon loadIconResource(int id, int size);

// Opens a file, program or URL with the shell (verb, parameters: cp932).
void shellOpen(HWND owner, const char* verb, const char* file, const char* parameters);

// The instance marker: a named mutex held for the life of the process.
class NamedMutex {
public:
    // True when a mutex of this name exists already (another copy runs).
    static bool exists(const wchar_t* name);
    // Creates the mutex, not initially owned; empty on failure.
    static NamedMutex create(const wchar_t* name);
    explicit operator bool() const { return static_cast<bool>(handle_); }
    // True when the name was taken between exists() and create(): another
    // copy started at the same moment and holds the marker.
    bool existedBefore() const { return existedBefore_; }
    void release() { handle_.reset(); }

private:
    KernelHandle handle_;
    bool existedBefore_ = false;
};

}  // namespace marilo
