#include "platform/win_util.h"

#include <shellapi.h>

#include <cstring>

#include "platform/text.h"

namespace marilo {

namespace {

HGLOBAL globalCopy(const void* data, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return nullptr;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, data, size);
    GlobalUnlock(block);
    return block;
}

void handOver(UINT format, HGLOBAL block) {
    if (block && !SetClipboardData(format, block)) GlobalFree(block);
}

}  // namespace

bool copyTextToClipboard(HWND owner, const std::string& cp932) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    handOver(CF_TEXT, globalCopy(cp932.c_str(), cp932.size() + 1));
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);
    handOver(CF_LOCALE, globalCopy(&japanese, sizeof japanese));
    const std::wstring wide = widen(cp932);
    handOver(CF_UNICODETEXT, globalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)));
    CloseClipboard();
    return true;
}

Icon loadIconResource(int id, int size) {
    return Icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

void shellOpen(HWND owner, const char* verb, const char* file, const char* parameters) {
    const std::wstring v = widen(verb ? verb : "");
    const std::wstring f = widen(file ? file : "");
    const std::wstring p = widen(parameters ? parameters : "");
    ShellExecuteW(owner, v.empty() ? nullptr : v.c_str(), f.c_str(), p.empty() ? nullptr : p.c_str(), nullptr,
                  SW_SHOWNORMAL);
}

bool NamedMutex::exists(const wchar_t* name) {
    HANDLE h = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, name);
    if (!h) return false;
    CloseHandle(h);
    return true;
}

NamedMutex NamedMutex::create(const wchar_t* name) {
    NamedMutex m;
    m.handle_ = KernelHandle(CreateMutexW(nullptr, FALSE, name));
    m.existedBefore_ = m.handle_ && GetLastError() == ERROR_ALREADY_EXISTS;
    return m;
}

}  // namespace marilo
