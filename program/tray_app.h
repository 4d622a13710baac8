#pragma once
// The application: refuses a second instance through the named mutex
// "Marilo", runs the hidden main window and releases the mutex at the end.

#include "platform/win_util.h"

namespace marilo {

class CTrayApp {
public:
    // False in every case, as there is no message pump of its own to run.
    bool InitInstance();
    int ExitInstance();

private:
    NamedMutex mutex_;
};

}  // namespace marilo
