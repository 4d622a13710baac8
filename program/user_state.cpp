#include "program/user_state.h"

#include <windows.h>

#include "platform/optional_function.h"

namespace marilo {

int32_t SystemUserState::userNotificationState() {
    constexpr int32_t kAccepts = 5;
    using QueryFn = HRESULT(WINAPI*)(int*);
    const auto query = optionalFunction<QueryFn>(L"shell32.dll", "SHQueryUserNotificationState");
    int state = kAccepts;
    if (!query || FAILED(query(&state))) return kAccepts;
    return state;
}

}  // namespace marilo
