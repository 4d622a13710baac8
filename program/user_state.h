#pragma once
// The system's answer to whether the user is busy (a full-screen program, a
// presentation, quiet time), for the tray controller's alerts.

#include "app/interfaces.h"

namespace marilo {

class SystemUserState final : public UserStateSource {
public:
    // SHQueryUserNotificationState's state; 5 (accepts notifications) where
    // the system has no such call or it fails.
    int32_t userNotificationState() override;
};

}  // namespace marilo
