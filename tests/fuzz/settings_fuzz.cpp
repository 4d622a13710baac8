// Fuzz target: settings loaded from an arbitrary store and an arbitrary BIN.
//
// The input decides, for every stored name, whether the value is absent, an
// integer, a text or bytes, and what it holds; the remaining bytes are BIN.
// Loading must stay within what was stored, keep RuleN and the list in step
// and select a port of the table; saving and loading again must give back
// exactly what was loaded; the loaded rules must colour and describe dates
// without fault, and period rules must answer as the day-by-day walk.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/memory_store.h"
#include "app/settings.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using namespace marilo;
using marilo::fuzz::check;

bool sameSettings(const ControllerSettings& a, const ControllerSettings& b) {
    for (const SettingInfo& f : kStoredSettings)
        if (f.get != nullptr && f.get(a.settings) != f.get(b.settings)) return false;
    return a.port == b.port && packRules(a.rules) == packRules(b.rules);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    MemoryStore store;
    for (const SettingInfo& f : kStoredSettings) {
        const char* name = f.name;
        switch (in.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:  // absent
            break;
        case 1:  // a small integer: the values the program means
            store.putInt(kSettingsSection, name, in.ConsumeIntegralInRange<int32_t>(-2, 12));
            break;
        case 2:
            store.putInt(kSettingsSection, name, in.ConsumeIntegral<int32_t>());
            break;
        case 3:
            store.putText(kSettingsSection, name, in.ConsumeRandomLengthString(24).c_str());
            break;
        default: {
            const std::vector<uint8_t> b = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 16));
            store.putBinary(kSettingsSection, name, b.data(), b.size());
            break;
        }
        }
    }
    const bool xp = in.ConsumeBool();
    const bool binAsText = in.ConsumeIntegralInRange<int>(0, 15) == 0;
    const std::vector<uint8_t> bin = in.ConsumeRemainingBytes<uint8_t>();
    if (binAsText)
        store.putText(kSettingsSection, kRulesValueName, std::string(bin.begin(), bin.end()).c_str());
    else
        store.putBinary(kSettingsSection, kRulesValueName, bin.data(), bin.size());

    ControllerSettings loaded;
    LoadSettings(store, loaded, xp);
    const AppSettings& s = loaded.settings;
    check(loaded.rules.count() == s.RuleN, "RuleN counts the list");
    check(s.RuleN >= 0, "RuleN not negative");
    check(s.IsVirgin == false, "first start cleared");
    check(loaded.graphScale() >= 1 && loaded.graphScale() <= 3, "graph scale 1..3");
    check(s.TrayIcon != 8 || s.TrayClock, "clock-only mode shows the clock");
    const MemoryStore::Value* stored = store.find(kSettingsSection, kRulesValueName);
    check(stored != nullptr, "BIN present after loading or first start");
    check(static_cast<size_t>(s.RuleN) * kStoredRuleSize <= stored->bytes.size() || stored->type != MemoryStore::Type::Binary,
          "no rule from bytes that were not stored");

    // Nothing is lost: what loads saves back and loads the same.
    MemoryStore saved;
    SaveSettings(saved, loaded);
    ControllerSettings reloaded;
    LoadSettings(saved, reloaded, !xp);
    check(sameSettings(loaded, reloaded), "save and load give back what was loaded");
    check(saved.find(kSettingsSection, kRulesValueName)->bytes.size() == static_cast<size_t>(s.RuleN) * kStoredRuleSize,
          "BIN holds RuleN records");

    // The loaded rules colour dates and describe themselves safely.
    static const int kDates[][3] = {{2024, 2, 29}, {2026, 12, 31}, {2019, 5, 1}, {1970, 1, 1}, {2100, 3, 1}};
    for (const auto& d : kDates) {
        const DateTime date(d[0], d[1], d[2]);
        for (int32_t year : {2024, 2026, INT32_MAX, INT32_MIN}) (void)loaded.rules.colorForDate(date, year);
    }
    // Period rules of modest size are checked against the day-by-day walk
    // they stand for: anchored in the current year, month carried into the
    // years, day into the months, only month and day compared.
    int compared = 0;
    for (const DateColorRule& r : loaded.rules) {
        if (r.kind != Period || r.nthOrLength > 800 || r.month < -30 || r.month > 30 || r.day < -400 ||
            r.day > 400)
            continue;
        if (++compared > 3) break;
        for (const auto& d : kDates) {
            for (int32_t year : {2024, 2026}) {
                DateTime walker(2000, 1, 1);
                walker.setDate(year, r.month, r.day);
                bool walked = false;
                for (int32_t i = 0; i < r.nthOrLength && !walked; ++i) {
                    walked = d[1] == walker.month && d[2] == walker.day;
                    walker.nextDay();
                }
                check(periodCovers(year, r.month, r.day, r.nthOrLength, d[1], d[2]) == walked,
                      "period answer equals the walk");
            }
        }
    }

    RuleList texts;
    texts.assign(loaded.rules);
    texts.describeAll();
    for (const DateColorRule& r : texts) check(std::memchr(r.text, '\0', sizeof r.text) != nullptr, "text terminated");
    return 0;
}
