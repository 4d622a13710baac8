// The 30% and 70% stages of the day's turning points.

#include <algorithm>
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

// The first minutes at which the tide has covered a share of its way from one
// turning point's level to the next one's:
//     share(m) = (from - L(m)) / (from - to).
// Instead of trying every minute, the search tries every kStep-th and looks
// inside a step only where the share can exceed the threshold. Between two
// minutes a and b the share stays below its chord plus bend/2 (t - a)(b - t),
// bend bounding |share''| (the sum of f H omega^2 over the constituents,
// over |from - to|); where even the largest value of that bound stays at or
// below the threshold, no minute between them can pass it. Inside a step the
// search narrows the interval with the same bound, guessing the crossing
// from the chord, so it finds the very minute a walk of every minute would,
// whatever the level does in between.
class ShareSearch {
public:
    struct Minute {
        int minute;    // -1: none
        double share;  // there
    };

    ShareSearch(const TideDay& day, double curvature, double from, double to)
        : day_(day),
          from_(from),
          to_(to),
          bend_(curvature / std::fabs(from - to)),
          slack_(kLevelSlack / std::fabs(from - to)) {}

    // The expression a walk of every minute evaluates.
    Minute at(int m) const { return {m, (from_ - day_.levelAt(m / 60.0)) / (from_ - to_)}; }

    // The first minute in [start.minute, end) at which the share exceeds the
    // threshold.
    Minute firstAbove(Minute start, int end, double threshold) const {
        if (start.minute >= end) return {-1, 0};
        if (start.share > threshold) return start;
        for (Minute a = start; a.minute < end - 1;) {
            const Minute b = at(std::min(a.minute + kStep, end - 1));
            const Minute found = firstWithin(a, b, threshold);
            if (found.minute >= 0) return found;
            a = b;
        }
        return {-1, 0};
    }

private:
    static constexpr int kStep = 60;
    // Allowance for rounding in the evaluated level (cm), far above its size.
    static constexpr double kLevelSlack = 1e-9;

    // Whether the share may exceed the threshold somewhere strictly between
    // a and b.
    bool mayPass(Minute a, Minute b, double threshold) const {
        // The bound ra + s u + bend/2 u (span - u), u = t - a, is a concave
        // parabola: its largest value on [0, span] is at its vertex, clamped.
        const double span = b.minute - a.minute;
        const double s = (b.share - a.share) / span;
        double u = span * 0.5 + s / bend_;
        if (!(u > 0)) u = 0;
        if (u > span) u = span;
        const double bound = a.share + s * u + bend_ * 0.5 * u * (span - u);
        return !(bound + slack_ <= threshold);
    }

    // The first minute in (a, b] whose share exceeds the threshold; the
    // share at a does not.
    Minute firstWithin(Minute a, Minute b, double threshold) const {
        bool short1 = false, short2 = false;  // the last tries fell short of the crossing
        for (;;) {
            const bool passed = b.share > threshold;
            if (b.minute - a.minute == 1) return passed ? b : Minute{-1, 0};
            if (!passed && !mayPass(a, b, threshold)) return {-1, 0};
            // Where the share passes the threshold at b, try the last minute
            // the chord puts at or below it; when that falls short, the next
            // minute; when that does too, or where the share does not pass
            // at b, halve. (A share that is not a number halves too.)
            int m = a.minute + (b.minute - a.minute) / 2;
            if (passed && short1 && !short2) {
                m = a.minute + 1;
            } else if (passed && !short1) {
                const double chord = a.minute + (threshold - a.share) / (b.share - a.share) * (b.minute - a.minute);
                if (chord < a.minute + 1) {
                    m = a.minute + 1;
                } else if (chord < b.minute) {
                    m = static_cast<int>(chord);
                } else if (chord >= b.minute) {
                    m = b.minute - 1;
                }
            }
            const Minute mid = at(m);
            if (mid.share > threshold) {
                b = mid;
                short1 = short2 = false;
                continue;
            }
            const Minute found = firstWithin(a, mid, threshold);
            if (found.minute >= 0) return found;
            a = mid;
            short2 = short1;
            short1 = true;
        }
    }

    const TideDay& day_;
    double from_, to_, bend_, slack_;
};

}  // namespace

void TideDay::computeStages() {
    for (TideExtreme& x : extremes) {
        x.stage30Hour = kNoHour;
        x.stage70Hour = kNoHour;
    }
    const double curvature = levelCurvature(*this);
    // Each slot's stages are sought from the minute after it and after the
    // previous slot's 70% point; slot 4 has no following slot to measure
    // against, and nothing is sought from the first unclassified slot on.
    int from = 0;
    for (int e = 0; e < kExtremeSlots - 1; ++e) {
        TideExtreme& x = extremes[e];
        if (x.kind != kHighWater && x.kind != kLowWater) return;
        from = std::max(from, x.minutes() + 1);
        if (from >= kStageEnd) return;
        TurningPoint next;
        if (!nextTurningPoint(*this, e, next)) return;
        const ShareSearch share(*this, curvature, x.level, next.level);
        const ShareSearch::Minute m30 = share.firstAbove(share.at(from), kStageEnd, 0.3);
        if (m30.minute < 0) return;
        x.stage30Hour = m30.minute / 60;
        x.stage30Minute = m30.minute % 60;
        const ShareSearch::Minute m70 = share.firstAbove(m30, kStageEnd, 0.7);
        if (m70.minute < 0) return;
        x.stage70Hour = m70.minute / 60;
        x.stage70Minute = m70.minute % 60;
        from = m70.minute + 1;
    }
}

}  // namespace marilo
