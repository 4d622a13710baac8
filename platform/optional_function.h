#pragma once
// Functions of system libraries that older versions of Windows lack, looked
// up at run time so the program still starts there.

#include <windows.h>

namespace marilo {

// The function `name` of the system library `module` as a pointer of type
// Fn, or null where the system has no such library or function. A library
// not yet loaded is loaded and stays loaded for the run.
template <class Fn>
Fn optionalFunction(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    if (!m) m = LoadLibraryW(module);
    return m ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(m, name))) : nullptr;
}

}  // namespace marilo
