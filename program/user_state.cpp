#include "program/user_state.h"

#include <windows.h>

namespace marilo {

int32_t SystemUserState::userNotificationState() {
    constexpr int32_t kAccepts = 5;
    using QueryFn = HRESULT(WINAPI*)(int*);
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    if (!shell) shell = LoadLibraryW(L"shell32.dll");
    const auto query = shell ? reinterpret_cast<QueryFn>(reinterpret_cast<void (*)()>(
                                   GetProcAddress(shell, "SHQueryUserNotificationState")))
                             : nullptr;
    int state = kAccepts;
    if (!query || FAILED(query(&state))) return kAccepts;
    return state;
}

}  // namespace marilo
