// The 30% and 70% stages of the day's turning points.

#include <cmath>

#include "engine/tide_day.h"
#include "engine/turning_points.h"

namespace marilo {

bool nextTurningPoint(const TideDay& day, int slot, TurningPoint& next) {
    if (slot < 0 || slot >= kExtremeSlots || day.extremes[slot].empty()) return false;
    if (slot + 1 < kExtremeSlots && !day.extremes[slot + 1].empty()) {
        const TideExtreme& x = day.extremes[slot + 1];
        next = {static_cast<double>(x.minutes()), x.level};
        return true;
    }
    // The next one lies past the day's window: carry the scan on from this
    // slot. The slot was detected at a sample 30 to 51 minutes after it;
    // started at least three samples before that, the scan meets the slot
    // itself (earlier points may come first and are passed over), and from
    // it on drops stands as the day's scan did.
    const int at = day.extremes[slot].minutes();
    TurningPoints after(day, gridSampleAtOrBefore(at - 30));
    Turn self{}, following{};
    if (!after.startAt(at, at + 60 + kSampleStep) || !after.next(self, after.sample())) return false;
    if (!after.next(following, self.sample + kLookAhead)) return false;
    next = following.point;
    return true;
}

namespace {

// Stage times are sought up to 30:00.
constexpr int kStageEnd = 1800;

}  // namespace

void TideDay::computeStages() {
    for (TideExtreme& x : extremes) {
        x.stage30Hour = kNoHour;
        x.stage70Hour = kNoHour;
    }
    int e = 0;
    TurningPoint next;
    bool haveNext = false;
    for (int m = 0; m < kStageEnd && e < kExtremeSlots - 1; ++m) {
        TideExtreme& x = extremes[e];
        if (m <= x.minutes()) continue;
        if (x.kind != kHighWater && x.kind != kLowWater) break;  // no further progress possible
        if (!haveNext && !nextTurningPoint(*this, e, next)) break;
        haveNext = true;
        const double r = (x.level - levelAt(m / 60.0)) / (x.level - next.level);
        if (x.stage30Hour == kNoHour && r > 0.3) {
            x.stage30Hour = m / 60;
            x.stage30Minute = m % 60;
        }
        if (r > 0.7) {
            x.stage70Hour = m / 60;
            x.stage70Minute = m % 60;
            ++e;
            haveNext = false;
        }
    }
}

}  // namespace marilo
