#pragma once
// A page of the settings dialog: a child dialog inside its tab control that
// shows part of the dialog's model and writes its controls back to it.

#include "platform/window.h"
#include "settings_ui/settings_pages.h"

namespace marilo {

class SettingsPage : public Dialog {
public:
    SettingsPage(int templateId, SettingsModel& model) : Dialog(templateId), model_(model) {}
    // The page's controls into the model, before it is confirmed.
    virtual void read() {}

protected:
    SettingsModel& model_;
};

}  // namespace marilo
