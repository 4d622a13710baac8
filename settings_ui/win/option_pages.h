#pragma once
// The アイコン, メニュー and グラフ pages: radios, check boxes and lists
// bound to the dialog's model, with their enabling rules.

#include "settings_ui/win/settings_page.h"

namespace marilo {

class CIconPage final : public SettingsPage {
public:
    explicit CIconPage(SettingsModel& model);
    void read() override;

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void showEnabling();
};

class CMenuPage final : public SettingsPage {
public:
    explicit CMenuPage(SettingsModel& model);
    void read() override;
    // The refused field gets the focus.
    void focusField(AxisField field);

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

class CGraphPage final : public SettingsPage {
public:
    explicit CGraphPage(SettingsModel& model);
    void read() override;

protected:
    std::optional<INT_PTR> handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void showEnabling();
};

}  // namespace marilo
