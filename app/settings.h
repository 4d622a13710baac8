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

#include "app/interfaces.h"
#include "calendar/color_rules.h"
#include "engine/port_address.h"

namespace marilo {

// The record shared by the tray controller and the settings dialog (which
// edits a copy and hands it back). Members carry their stored names;
// initialisers are the defaults used when nothing is stored.
struct AppSettings {
    bool PopCalMode = true;      // opening the popup menu returns to today
    int32_t TrayIcon = 9;        // tray icon display mode 0..9
    bool TrayClock = true;       // show the clock icon
    int32_t RuleN = 3;           // number of date colour rules
    int32_t MousePop = 0;        // click that opens the menu: 0 right, 1 left, 2 both
    bool IsXP = true;            // multi-icon modes in reverse order
    bool IsVirgin = true;        // first-start marker
    int32_t YH = 180;            // graph level axis, upper bound, cm
    int32_t YL = -20;            // lower bound, cm
    int32_t YT = 50;             // tick spacing, cm
    uint32_t ColPlate = 0xffffff;  // clock colours, 0x00BBGGRR
    uint32_t ColLong = 0x000000;
    uint32_t ColShort = 0x0000ff;
    uint32_t ColFrame = 0x000000;
    uint32_t ColTicks = 0x808080;
    bool IsFrame = true;         // clock: draw the rim
    bool IsShadow = true;        //        the dial's drop shadow
    bool IsTicks = true;         //        the hour marks
    bool IsPlate = true;         //        the dial
    bool ClockDirty = false;     // not stored: the clock icon must be rebuilt
    bool IconsDirty = false;     // not stored: the date icons must be rebuilt
    int32_t GraphShowMode = 4;   // graph marks at high and low water, 0..4
    int32_t GraphSizeSet = 0;    // pair of magnifications the size toggle uses, 0..2
    int32_t Alert = 1;           // tidal alerts on (0 or 1)
    int32_t Snd = 1;             // alerts play the sound
    int32_t STP = 1;             // alert at slack water
    int32_t UP3 = 0;             // alert at 上げ３分
    int32_t UP7 = 0;             // alert at 上げ７分
    int32_t DN3 = 0;             // alert at 下げ３分
    int32_t DN7 = 0;             // alert at 下げ７分
    int32_t PreTime = 0;         // alert lead time index 0..6
};

// What the tray controller keeps beside AppSettings: the selected port, the
// graph size toggle and its magnification, the rule list (whose count is
// settings.RuleN) and the alert window's copy of Snd.
struct ControllerSettings {
    AppSettings settings;
    PortAddress port;        // the selected port, stored as Ken (group) and Port (index)
    bool IsBig = true;       // graph at its larger magnification
    int32_t GraphScale = 2;  // not stored: derived from IsBig and GraphSizeSet
    RuleList rules;
    bool soundOn = true;     // the alert window's copy of Snd
};

constexpr const char* kSettingsSection = "Setting";
constexpr const char* kRulesValueName = "BIN";

// Graph magnification 1..3 for the size toggle's state and GraphSizeSet:
// 0 toggles 1<->2, 1 toggles 2<->3, 2 toggles 1<->3.
int32_t graphScaleOf(bool isBig, int32_t graphSizeSet);

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
// system's version test, used for IsXP on the first start. On the first
// start (IsVirgin) the default rules are installed and everything is saved
// at once, with IsVirgin cleared.
void LoadSettings(SettingsStore& store, ControllerSettings& out, bool isWindowsXp);

// Writes every stored value, then BIN.
void SaveSettings(SettingsStore& store, const ControllerSettings& in);

}  // namespace marilo
