#include "app/settings.h"

#include <cstdio>
#include <cstring>

namespace marilo {

namespace {

// BIN is read whole, up to this many records.
constexpr std::size_t kMaxStoredRules = 100000;

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void putLE32(uint8_t* p, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    p[0] = static_cast<uint8_t>(u);
    p[1] = static_cast<uint8_t>(u >> 8);
    p[2] = static_cast<uint8_t>(u >> 16);
    p[3] = static_cast<uint8_t>(u >> 24);
}

int32_t getLE32(const uint8_t* p) {
    const uint32_t u = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                       static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    return static_cast<int32_t>(u);
}

}  // namespace

int32_t graphScaleOf(bool isBig, int32_t graphSizeSet) {
    if (isBig) return graphSizeSet == 0 ? 2 : 3;
    return graphSizeSet == 1 ? 2 : 1;
}

uint32_t parseColorText(const char* text) {
    if (text == nullptr) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t') ++p;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && hexDigit(p[2]) >= 0) p += 2;
    uint64_t v = 0;
    for (int d; (d = hexDigit(*p)) >= 0; ++p) {
        v = v * 16 + static_cast<uint64_t>(d);
        if (v > 0xFFFFFFFFu) v = 0xFFFFFFFFu;  // saturates, as the runtime's conversion does
    }
    return static_cast<uint32_t>(v);
}

std::string formatColorText(uint32_t color) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned>(color));
    return buf;
}

std::vector<uint8_t> packRules(const RuleList& rules) {
    std::vector<uint8_t> out(static_cast<std::size_t>(rules.count()) * kStoredRuleSize);
    uint8_t* p = out.data();
    for (const DateColorRule& r : rules) {
        const int32_t fields[7] = {r.kind, r.weekday, r.dayOfMonth, r.nthOrLength, r.month, r.day, r.colorIndex};
        for (int32_t f : fields) {
            putLE32(p, f);
            p += 4;
        }
    }
    return out;
}

RuleList unpackRules(const uint8_t* bytes, std::size_t size, int32_t maxCount) {
    RuleList list;
    if (bytes == nullptr || maxCount <= 0) return list;
    std::size_t n = size / kStoredRuleSize;
    if (n > static_cast<std::size_t>(maxCount)) n = static_cast<std::size_t>(maxCount);
    std::vector<DateColorRule> rules(n);
    for (std::size_t i = 0; i < n; ++i) {
        const uint8_t* p = bytes + i * kStoredRuleSize;
        rules[i] = makeRule(getLE32(p), getLE32(p + 4), getLE32(p + 8), getLE32(p + 12), getLE32(p + 16),
                            getLE32(p + 20), getLE32(p + 24));
    }
    list.assign(rules.data(), static_cast<int32_t>(n));
    list.clearChanged();
    return list;
}

const SettingInfo* findSetting(const char* name) {
    for (const SettingInfo& f : kStoredSettings)
        if (std::strcmp(f.name, name) == 0) return &f;
    return nullptr;
}

ChangeMarks changesBetween(const AppSettings& before, const AppSettings& after) {
    ChangeMarks marks;
    for (const SettingInfo& f : kStoredSettings)
        if (f.get != nullptr && f.get(before) != f.get(after)) marks.raise(f.mark);
    return marks;
}

namespace {

bool isFlag(SettingType t) { return t == SettingType::Flag || t == SettingType::Switch; }

// Whether the store holds the value in any form, of the right type or not.
bool holds(SettingsStore& store, const char* name) {
    if (store.getInt(kSettingsSection, name, 0) == store.getInt(kSettingsSection, name, 1)) return true;
    if (store.getText(kSettingsSection, name, "0") == store.getText(kSettingsSection, name, "1")) return true;
    return !store.getBinary(kSettingsSection, name, 1).empty();
}

// A first start is one where nothing is stored (an IsVirgin that reads as
// set may stand alone): a value that cannot be read is never taken for one,
// so that it cannot replace the rules and IsXP the user has.
bool isFirstStart(SettingsStore& store) {
    const SettingInfo& virgin = *findSetting("IsVirgin");
    if (!flagFromStored(store.getInt(kSettingsSection, virgin.name, 1))) return false;
    for (const SettingInfo& f : kStoredSettings)
        if (&f != &virgin && holds(store, f.name)) return false;
    return !holds(store, kRulesValueName);
}

// The rows with no member of AppSettings: the port and the ports chosen last.
void writeControllerRow(SettingsStore& store, const SettingInfo& f, const ControllerSettings& c);

int64_t readRow(SettingsStore& store, const SettingInfo& f) {
    const int32_t def = static_cast<int32_t>(f.defaultValue);
    if (f.type == SettingType::Color) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%06x", static_cast<unsigned>(f.defaultValue));
        return parseColorText(store.getText(kSettingsSection, f.name, text).c_str());
    }
    const int32_t v = store.getInt(kSettingsSection, f.name, def);
    return isFlag(f.type) ? (flagFromStored(v) ? 1 : 0) : v;
}

void writeRow(SettingsStore& store, const SettingInfo& f, int64_t v) {
    if (f.type == SettingType::Color)
        store.putText(kSettingsSection, f.name, formatColorText(static_cast<uint32_t>(v)).c_str());
    else
        store.putInt(kSettingsSection, f.name, isFlag(f.type) ? (v == 1 ? 1 : 0) : static_cast<int32_t>(v));
}

void writeControllerRow(SettingsStore& store, const SettingInfo& f, const ControllerSettings& c) {
    if (f.type == SettingType::PortList) store.putText(kSettingsSection, f.name, c.recent.storedText().c_str());
    else writeRow(store, f, f.type == SettingType::PortGroup ? c.port.group() : c.port.index());
}

}  // namespace

bool LoadSettings(SettingsStore& store, ControllerSettings& out, bool isWindowsXp) {
    AppSettings& s = out.settings;
    const bool firstStart = isFirstStart(store);
    int32_t group = PortAddress().group(), index = PortAddress().index();
    for (const SettingInfo& f : kStoredSettings) {
        if (f.type == SettingType::PortList) {
            out.recent = RecentPorts::fromStoredText(store.getText(kSettingsSection, f.name, ""));
            continue;
        }
        const int64_t v = readRow(store, f);
        if (f.type == SettingType::PortGroup) group = static_cast<int32_t>(v);
        else if (f.type == SettingType::PortIndex) index = static_cast<int32_t>(v);
        else f.set(s, v);
    }
    // A port that is not in the table falls back to the default port.
    out.port = PortAddress::at(group, index).value_or(PortAddress());

    if (firstStart) s.IsXP = isWindowsXp;
    if (s.TrayIcon == kModeClockOnly) s.TrayClock = true;  // clock-only mode always shows the clock

    if (firstStart) {
        out.rules = DefaultRules();
    } else {
        // The complete records BIN holds are the rules, whatever RuleN says:
        // a RuleN that is negative, absurd or out of step with BIN neither
        // drops stored rules nor invents missing ones.
        const std::vector<uint8_t> bin =
            store.getBinary(kSettingsSection, kRulesValueName, kMaxStoredRules * kStoredRuleSize);
        out.rules = unpackRules(bin.data(), bin.size(), static_cast<int32_t>(kMaxStoredRules));
    }
    s.RuleN = out.rules.count();
    s.IsVirgin = false;
    if (firstStart) SaveSettings(store, out);
    return firstStart;
}

void SaveSettings(SettingsStore& store, const ControllerSettings& in) {
    // The count always describes the list that is written with it.
    AppSettings s = in.settings;
    s.RuleN = in.rules.count();
    for (const SettingInfo& f : kStoredSettings) {
        if (f.get != nullptr) writeRow(store, f, f.get(s));
        else writeControllerRow(store, f, in);
    }
    const std::vector<uint8_t> bin = packRules(in.rules);
    store.putBinary(kSettingsSection, kRulesValueName, bin.data(), bin.size());
}

void SavePort(SettingsStore& store, const ControllerSettings& in) {
    for (const SettingInfo& f : kStoredSettings)
        if (f.get == nullptr) writeControllerRow(store, f, in);
}

void SaveValue(SettingsStore& store, const ControllerSettings& in, const char* name) {
    const SettingInfo* f = findSetting(name);
    if (f == nullptr || f->type == SettingType::Count) return;  // RuleN goes with BIN
    if (f->get != nullptr) writeRow(store, *f, f->get(in.settings));
    else writeControllerRow(store, *f, in);
}

}  // namespace marilo
