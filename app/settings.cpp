#include "app/settings.h"

#include <cstdio>
#include <cstring>

namespace marilo {

namespace {

// The flag-like and plain integers, in the order they are loaded and saved.
enum class IntKind { Integer, Flag };

// Values of AppSettings that are stored as integers, in stored order.
struct IntField {
    const char* name;
    IntKind kind;
    int32_t AppSettings::*asInt;  // for 32-bit members
    bool AppSettings::*asBool;    // for 8-bit flags
};

const IntField kIntFields[] = {
    {"RuleN", IntKind::Integer, &AppSettings::RuleN, nullptr},
    {"TrayIcon", IntKind::Integer, &AppSettings::TrayIcon, nullptr},
    {"TrayClock", IntKind::Flag, nullptr, &AppSettings::TrayClock},
    {"PopCalMode", IntKind::Flag, nullptr, &AppSettings::PopCalMode},
    {"MousePop", IntKind::Integer, &AppSettings::MousePop, nullptr},
    {"IsXP", IntKind::Flag, nullptr, &AppSettings::IsXP},
    {"IsVirgin", IntKind::Flag, nullptr, &AppSettings::IsVirgin},
    {"Alert", IntKind::Flag, &AppSettings::Alert, nullptr},
    {"DN3", IntKind::Flag, &AppSettings::DN3, nullptr},
    {"DN7", IntKind::Flag, &AppSettings::DN7, nullptr},
    {"UP3", IntKind::Flag, &AppSettings::UP3, nullptr},
    {"UP7", IntKind::Flag, &AppSettings::UP7, nullptr},
    {"STP", IntKind::Flag, &AppSettings::STP, nullptr},
    {"PreTime", IntKind::Integer, &AppSettings::PreTime, nullptr},
    {"Snd", IntKind::Flag, &AppSettings::Snd, nullptr},
    {"IsFrame", IntKind::Flag, nullptr, &AppSettings::IsFrame},
    {"IsShadow", IntKind::Flag, nullptr, &AppSettings::IsShadow},
    {"IsTicks", IntKind::Flag, nullptr, &AppSettings::IsTicks},
    {"IsPlate", IntKind::Flag, nullptr, &AppSettings::IsPlate},
    {"GraphShowMode", IntKind::Integer, &AppSettings::GraphShowMode, nullptr},
    {"GraphSizeSet", IntKind::Integer, &AppSettings::GraphSizeSet, nullptr},
};

struct ColorField {
    const char* name;
    uint32_t AppSettings::*member;
};

const ColorField kColorFields[] = {
    {"ColFrame", &AppSettings::ColFrame}, {"ColPlate", &AppSettings::ColPlate}, {"ColShort", &AppSettings::ColShort},
    {"ColLong", &AppSettings::ColLong},   {"ColTicks", &AppSettings::ColTicks},
};

int32_t storedInt(const AppSettings& s, const IntField& f) {
    if (f.asBool != nullptr) return s.*f.asBool ? 1 : 0;
    if (f.kind == IntKind::Flag) return s.*f.asInt == 1 ? 1 : 0;
    return s.*f.asInt;
}

void loadInt(AppSettings& s, const IntField& f, int32_t v) {
    if (f.asBool != nullptr)
        s.*f.asBool = flagFromStored(v);
    else
        s.*f.asInt = f.kind == IntKind::Flag ? (flagFromStored(v) ? 1 : 0) : v;
}

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

void LoadSettings(SettingsStore& store, ControllerSettings& out, bool isWindowsXp) {
    const AppSettings defaults;
    const ControllerSettings controllerDefaults;
    AppSettings& s = out.settings;
    for (const IntField& f : kIntFields) loadInt(s, f, store.getInt(kSettingsSection, f.name, storedInt(defaults, f)));
    for (const ColorField& f : kColorFields) {
        char def[16];
        std::snprintf(def, sizeof def, "0x%06x", static_cast<unsigned>(defaults.*f.member));
        s.*f.member = parseColorText(store.getText(kSettingsSection, f.name, def).c_str());
    }
    s.YH = store.getInt(kSettingsSection, "YH", defaults.YH);
    s.YL = store.getInt(kSettingsSection, "YL", defaults.YL);
    s.YT = store.getInt(kSettingsSection, "YT", defaults.YT);
    // A port that is not in the table falls back to the default port.
    out.port = PortAddress::at(store.getInt(kSettingsSection, "Ken", controllerDefaults.port.group()),
                               store.getInt(kSettingsSection, "Port", controllerDefaults.port.index()))
                   .value_or(PortAddress());
    out.IsBig = flagFromStored(store.getInt(kSettingsSection, "IsBig", controllerDefaults.IsBig ? 1 : 0));
    s.ClockDirty = false;
    s.IconsDirty = false;

    out.GraphScale = graphScaleOf(out.IsBig, s.GraphSizeSet);
    if (s.IsVirgin) s.IsXP = isWindowsXp;
    if (s.TrayIcon == 8) s.TrayClock = true;  // clock-only mode always shows the clock

    if (s.IsVirgin) {
        out.rules = DefaultRules();
    } else {
        // Only complete records that were actually stored become rules; a
        // RuleN that is negative, absurd or larger than BIN shrinks to them.
        const std::size_t want = s.RuleN > 0 ? static_cast<std::size_t>(s.RuleN) * kStoredRuleSize : 0;
        const std::vector<uint8_t> bin = store.getBinary(kSettingsSection, kRulesValueName, want);
        out.rules = unpackRules(bin.data(), bin.size(), s.RuleN);
    }
    s.RuleN = out.rules.count();

    if (s.IsVirgin) {
        s.IsVirgin = false;
        SaveSettings(store, out);
    }
    out.soundOn = s.Snd != 0;
}

void SaveSettings(SettingsStore& store, const ControllerSettings& in) {
    // The count always describes the list that is written with it.
    AppSettings s = in.settings;
    s.RuleN = in.rules.count();
    for (const IntField& f : kIntFields) store.putInt(kSettingsSection, f.name, storedInt(s, f));
    for (const ColorField& f : kColorFields) store.putText(kSettingsSection, f.name, formatColorText(s.*f.member).c_str());
    store.putInt(kSettingsSection, "YH", s.YH);
    store.putInt(kSettingsSection, "YL", s.YL);
    store.putInt(kSettingsSection, "YT", s.YT);
    store.putInt(kSettingsSection, "Ken", in.port.group());
    store.putInt(kSettingsSection, "Port", in.port.index());
    store.putInt(kSettingsSection, "IsBig", in.IsBig ? 1 : 0);
    const std::vector<uint8_t> bin = packRules(in.rules);
    store.putBinary(kSettingsSection, kRulesValueName, bin.data(), bin.size());
}

}  // namespace marilo
