#pragma once
// Every user choice that persists between runs, how it is loaded and saved,
// and the stored form of the date colour rules.
//
// Stored under section "Setting" of the application's profile key: integers
// as REG_DWORD, colours as REG_SZ hexadecimal text, the rules as the
// REG_BINARY value "BIN" of RuleN x 28 bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "alerts/alert_scheduler.h"
#include "app/display_modes.h"
#include "app/interfaces.h"
#include "app/recent_ports.h"
#include "calendar/color_rules.h"
#include "engine/port_address.h"

namespace marilo {

// How a stored value is kept and what a stored value must be to be taken.
enum class SettingType : uint8_t {
    Count,      // RuleN: REG_DWORD, the number of records in BIN (read from BIN itself)
    Integer,    // REG_DWORD, taken as stored; its users guard the range
    Flag,       // REG_DWORD 0/1 into a bool; set only by a stored 1
    Switch,     // REG_DWORD 0/1 kept as a 32-bit 0 or 1; set only by a stored 1
    Color,      // REG_SZ hexadecimal text of a 0x00BBGGRR colour
    PortGroup,  // REG_DWORD Ken; with PortIndex, a port of the table or the default port
    PortIndex,  // REG_DWORD Port
    PortList,   // REG_SZ command IDs separated by commas: the ports chosen last
};

// What a changed value obliges the tray to rebuild after the settings dialog.
enum class ChangeMark : uint8_t { None, Clock, Icons };

// Every stored value once, in the order it is loaded and saved:
// X(name, type, default, lowest, highest, change mark, alert switch).
// The name is both the member of AppSettings and the registry name; lowest
// and highest bound the values the settings pages offer (a stored value
// outside them is kept as it is); the alert switch is the AlertChoice member
// the value turns on, or nullptr. BIN, the rule list, follows them.
#define MARILO_STORED_SETTINGS(X)                                                                            \
    X(RuleN, Count, 3, 0, INT32_MAX, None, nullptr)                                                          \
    X(TrayIcon, Integer, kModeMoon, kModeAppIcon, kModeMoon, Icons, nullptr) /* display mode */              \
    X(TrayClock, Flag, true, 0, 1, Clock, nullptr) /* the clock icon */                                      \
    X(PopCalMode, Flag, true, 0, 1, None, nullptr) /* the menu opens on today */                             \
    X(MousePop, Integer, 0, 0, 2, None, nullptr) /* 0 right, 1 left, 2 both */                               \
    X(IsXP, Flag, true, 0, 1, None, nullptr) /* multi-icon modes reversed */                                 \
    X(IsVirgin, Flag, true, 0, 1, None, nullptr) /* first-start marker */                                    \
    X(Alert, Switch, 1, 0, 1, None, nullptr)                                                                 \
    X(DN3, Switch, 0, 0, 1, None, &AlertChoice::fall30)                                                      \
    X(DN7, Switch, 0, 0, 1, None, &AlertChoice::fall70)                                                      \
    X(UP3, Switch, 0, 0, 1, None, &AlertChoice::rise30)                                                      \
    X(UP7, Switch, 0, 0, 1, None, &AlertChoice::rise70)                                                      \
    X(STP, Switch, 1, 0, 1, None, &AlertChoice::slack)                                                       \
    X(PreTime, Integer, 0, 0, 6, None, nullptr) /* alert lead index */                                       \
    X(Snd, Switch, 1, 0, 1, None, nullptr) /* alerts play the sound */                                       \
    X(IsFrame, Flag, true, 0, 1, Clock, nullptr) /* clock: the rim */                                        \
    X(IsShadow, Flag, true, 0, 1, Clock, nullptr) /* the dial's shadow */                                    \
    X(IsTicks, Flag, true, 0, 1, Clock, nullptr) /* the hour marks */                                        \
    X(IsPlate, Flag, true, 0, 1, Clock, nullptr) /* the dial */                                              \
    X(GraphShowMode, Integer, kGraphShowTimeAndLevel, kGraphShowNone, kGraphShowTimeAndLevel, None, nullptr) \
    X(GraphSizeSet, Integer, 0, 0, 2, None, nullptr) /* the size toggle's pair */                            \
    X(ColFrame, Color, 0x000000, 0, 0xffffff, Clock, nullptr) /* clock colours */                            \
    X(ColPlate, Color, 0xffffff, 0, 0xffffff, Clock, nullptr)                                                \
    X(ColShort, Color, 0x0000ff, 0, 0xffffff, Clock, nullptr)                                                \
    X(ColLong, Color, 0x000000, 0, 0xffffff, Clock, nullptr)                                                 \
    X(ColTicks, Color, 0x808080, 0, 0xffffff, Clock, nullptr)                                                \
    X(YH, Integer, 180, INT32_MIN, INT32_MAX, None, nullptr) /* graph axis, cm */                            \
    X(YL, Integer, -20, INT32_MIN, INT32_MAX, None, nullptr)                                                 \
    X(YT, Integer, 50, INT32_MIN, INT32_MAX, None, nullptr) /* tick spacing */                               \
    X(Ken, PortGroup, 22, 0, 80, None, nullptr) /* the selected port */                                      \
    X(Port, PortIndex, 13, 0, 99, None, nullptr)                                                             \
    X(IsBig, Flag, true, 0, 1, None, nullptr) /* the graph's larger size */                                  \
    X(QuietBusy, Switch, 1, 0, 1, None, nullptr) /* alerts wait while the user is busy */                    \
    X(RecentPorts, PortList, 0, 0, 0, None, nullptr) /* ports chosen last */                                 \
    X(GraphDays, Integer, 1, 1, 4, None, nullptr) /* days the graph window shows */

template <SettingType> struct SettingValue { using type = int32_t; };
template <> struct SettingValue<SettingType::Flag> { using type = bool; };
template <> struct SettingValue<SettingType::Color> { using type = uint32_t; };

// Ken and Port are kept by the controller as a PortAddress, and the ports
// chosen last as a RecentPorts, so AppSettings has no member for them.
#define MARILO_MEMBER_OF(name, kind, def) SettingValue<SettingType::kind>::type name = def;
#define MARILO_MEMBER_Count MARILO_MEMBER_OF
#define MARILO_MEMBER_Integer MARILO_MEMBER_OF
#define MARILO_MEMBER_Flag MARILO_MEMBER_OF
#define MARILO_MEMBER_Switch MARILO_MEMBER_OF
#define MARILO_MEMBER_Color MARILO_MEMBER_OF
#define MARILO_MEMBER_PortGroup(name, kind, def)
#define MARILO_MEMBER_PortIndex(name, kind, def)
#define MARILO_MEMBER_PortList(name, kind, def)
#define MARILO_ACCESS_OF(name, kind)                                        \
    [](const AppSettings& s) { return static_cast<int64_t>(s.name); },      \
        [](AppSettings& s, int64_t v) { s.name = static_cast<SettingValue<SettingType::kind>::type>(v); }
#define MARILO_ACCESS_Count MARILO_ACCESS_OF
#define MARILO_ACCESS_Integer MARILO_ACCESS_OF
#define MARILO_ACCESS_Flag MARILO_ACCESS_OF
#define MARILO_ACCESS_Switch MARILO_ACCESS_OF
#define MARILO_ACCESS_Color MARILO_ACCESS_OF
#define MARILO_ACCESS_PortGroup(name, kind) nullptr, nullptr
#define MARILO_ACCESS_PortIndex(name, kind) nullptr, nullptr
#define MARILO_ACCESS_PortList(name, kind) nullptr, nullptr

// The record shared by the tray controller and the settings dialog (which
// edits a copy and hands it back): one member per stored value, named as
// stored, initialised with its default. The dialog leaves IsBig as it is.
struct AppSettings {
#define MARILO_MEMBER(name, kind, def, lo, hi, mark, alert) MARILO_MEMBER_##kind(name, kind, def)
    MARILO_STORED_SETTINGS(MARILO_MEMBER)
#undef MARILO_MEMBER
};

// One row of the declaration, for walking it. `get` and `set` reach the
// member of AppSettings (none for Ken and Port).
struct SettingInfo {
    const char* name;
    SettingType type;
    int64_t defaultValue;
    int64_t lowest, highest;
    ChangeMark mark;
    bool AlertChoice::*alertSwitch;
    int64_t (*get)(const AppSettings&);
    void (*set)(AppSettings&, int64_t);
};

inline constexpr SettingInfo kStoredSettings[] = {
#define MARILO_INFO(name, kind, def, lo, hi, mark, alert)                                \
    {#name, SettingType::kind, static_cast<int64_t>(def), lo, hi, ChangeMark::mark, alert, \
     MARILO_ACCESS_##kind(name, kind)},
    MARILO_STORED_SETTINGS(MARILO_INFO)
#undef MARILO_INFO
};

#undef MARILO_MEMBER_OF
#undef MARILO_MEMBER_Count
#undef MARILO_MEMBER_Integer
#undef MARILO_MEMBER_Flag
#undef MARILO_MEMBER_Switch
#undef MARILO_MEMBER_Color
#undef MARILO_MEMBER_PortGroup
#undef MARILO_MEMBER_PortIndex
#undef MARILO_MEMBER_PortList
#undef MARILO_ACCESS_OF
#undef MARILO_ACCESS_Count
#undef MARILO_ACCESS_Integer
#undef MARILO_ACCESS_Flag
#undef MARILO_ACCESS_Switch
#undef MARILO_ACCESS_Color
#undef MARILO_ACCESS_PortGroup
#undef MARILO_ACCESS_PortIndex
#undef MARILO_ACCESS_PortList

// The row of a stored name, or nullptr.
const SettingInfo* findSetting(const char* name);

// The two change marks the settings dialog hands back with its copy: not
// stored, acted on and forgotten by the tray.
struct ChangeMarks {
    bool ClockDirty = false;  // the clock icon must be rebuilt
    bool IconsDirty = false;  // the date icons must be rebuilt
    void raise(ChangeMark m) {
        if (m == ChangeMark::Clock) ClockDirty = true;
        if (m == ChangeMark::Icons) ClockDirty = IconsDirty = true;
    }
};

// The marks raised by the values that differ between `before` and `after`.
ChangeMarks changesBetween(const AppSettings& before, const AppSettings& after);

// The events and the lead the alert scheduler is to announce.
inline AlertChoice alertChoiceOf(const AppSettings& s) {
    AlertChoice c;
    for (const SettingInfo& f : kStoredSettings)
        if (f.alertSwitch != nullptr) c.*f.alertSwitch = f.get(s) != 0;
    c.lead = s.PreTime;
    return c;
}

// Graph magnification 1..3 for the size toggle's state and GraphSizeSet:
// 0 toggles 1<->2, 1 toggles 2<->3, 2 toggles 1<->3.
int32_t graphScaleOf(bool isBig, int32_t graphSizeSet);

// What the tray controller keeps beside AppSettings: the selected port and
// the rule list (whose count is settings.RuleN).
struct ControllerSettings {
    AppSettings settings;
    PortAddress port;  // the selected port, stored as Ken (group) and Port (index)
    RecentPorts recent;  // the ports chosen last, the selected one first
    RuleList rules;

    // The graph's magnification, from the size toggle and its pair.
    int32_t graphScale() const { return graphScaleOf(settings.IsBig, settings.GraphSizeSet); }
};

constexpr const char* kSettingsSection = "Setting";
constexpr const char* kRulesValueName = "BIN";

// A stored flag is set only when the stored integer is exactly 1.
inline bool flagFromStored(int32_t v) { return v == 1; }

// Colour text read base 16, with or without "0x", up to the first character
// that is not a hexadecimal digit; "" or "zz" reads as 0.
uint32_t parseColorText(const char* text);
// Lower-case hexadecimal without prefix or leading zeros: "ff", "808080", "0".
std::string formatColorText(uint32_t color);

// The stored form of a rule list: the seven integer fields of each rule,
// little-endian, back to back.
std::vector<uint8_t> packRules(const RuleList& rules);
// The complete 28-byte records of `bytes`, at most `maxCount` of them (none
// when maxCount <= 0); texts empty.
RuleList unpackRules(const uint8_t* bytes, std::size_t size, int32_t maxCount);

// Loads everything in the stored order. `isWindowsXp` is the result of the
// system's version test, used for IsXP on the first start. A first start is
// one with nothing stored: the default rules are installed and everything
// is saved at once, with IsVirgin cleared. Otherwise the rules are the
// complete records BIN holds, and RuleN their number. True on a first start.
bool LoadSettings(SettingsStore& store, ControllerSettings& out, bool isWindowsXp);

// Writes every stored value, then BIN.
void SaveSettings(SettingsStore& store, const ControllerSettings& in);

// Writes the selected port (Ken, Port) and the ports chosen last alone: a
// port chosen from the menu is kept at once, so that it survives an end
// without Exit.
void SavePort(SettingsStore& store, const ControllerSettings& in);

// Writes the one stored value of that name (a choice kept the moment it is
// made, such as the graph window's days); nothing for a name not declared.
void SaveValue(SettingsStore& store, const ControllerSettings& in, const char* name);

}  // namespace marilo
