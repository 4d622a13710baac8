#include "program/tray_app.h"

#include <commctrl.h>

#include "program/registry_store.h"
#include "program/tray_dlg.h"

namespace marilo {

bool CTrayApp::InitInstance() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (NamedMutex::exists(L"Marilo")) return false;  // another copy runs: end silently
    mutex_ = NamedMutex::create(L"Marilo");
    if (mutex_.existedBefore()) {  // two copies started together: the later one ends
        mutex_.release();
        return false;
    }
    RegistryStore store = RegistryStore::forThisProgram();
    CTrayDlg dlg(store);
    dlg.runHiddenModal(nullptr);
    return false;
}

int CTrayApp::ExitInstance() {
    mutex_.release();
    return 0;
}

}  // namespace marilo
