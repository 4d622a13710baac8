#include "engine/turning_points.h"

#include <cmath>

#include "engine/astronomy.h"

namespace marilo {

int gridSampleAtOrBefore(int minute) {
    const int k = minute >= 0 ? minute / kSampleStep : -((-minute + kSampleStep - 1) / kSampleStep);
    return k * kSampleStep;
}

double levelCurvature(const TideDay& day) {
    double sum = 0;
    for (int i = 0; i < kConstituentCount; ++i) {
        const double omega = day.speed[i] * kDegToRad / 60;
        sum += std::fabs(day.nodalF[i] * day.port.amplitude[i]) * omega * omega;
    }
    return sum;
}

// A point is passed on once it is clear that it is no half of a stand: when
// its successor is found, or earlier, when a sample after it lies so far from
// it that the successor cannot come within kStandLevel. Take a high water:
// until the next report the samples after it fall, so the successor's sample
// T1 lies at or below every sample seen before that report; and its refined
// level, on the parabola through T1..T3 at G in [-0.5, 0.5] with differences
// D0 <= 0 <= D1, exceeds L(T1) by at most 0.5 D1 + 0.375 |D2 - D1|, which is
// at most 0.875 h^2 max|L''| (D1 <= D1 - D0 and D2 - D1 are second
// differences). A sample that far and kStandLevel more below the high water
// settles it.
TurningPoints::TurningPoints(const TideDay& day, int firstSample)
    : day_(day),
      sample_(firstSample),
      margin_(kStandLevel + 0.875 * kSampleStep * kSampleStep * levelCurvature(day) + 1e-6) {}

bool TurningPoints::startAt(int minute, int end) {
    Turn raw{};
    do {
        if (!advance(raw, end)) return false;
    } while (raw.point.minute < minute);
    pending_ = raw;
    havePending_ = true;
    havePassed_ = false;
    return true;
}

bool TurningPoints::next(Turn& out, int end) {
    Turn raw{};
    for (;;) {
        if (!havePending_) {
            if (!advance(raw, end)) return false;
            // A difference of exactly zero makes the detector report one
            // turning point twice in a row; the first report stands.
            if (havePassed_ && raw.high == passedHigh_) continue;
            pending_ = raw;
            havePending_ = true;
            continue;
        }
        if (pending_.sample >= end) return false;
        const int reach = pending_.sample + kLookAhead;
        const bool turned = advance(raw, reach);
        if (!turned) {
            if (sample_ >= reach) return pass(out);  // no successor within reach
            const double away = pending_.high ? pending_.point.level - newest_ : newest_ - pending_.point.level;
            if (away >= margin_) return pass(out);
            continue;
        }
        if (raw.high == pending_.high) continue;
        if (std::fabs(raw.point.level - pending_.point.level) < kStandLevel) {
            havePending_ = false;
            continue;
        }
        pass(out);
        pending_ = raw;
        havePending_ = true;
        return true;
    }
}

// Takes samples up to `end` until one reports a turning point (true); with a
// point pending, takes one sample at most, so the caller sees each.
bool TurningPoints::advance(Turn& raw, int end) {
    while (sample_ < end) {
        const int m = sample_;
        sample_ += kSampleStep;
        newest_ = day_.levelAt(m / 60.0);
        double t = 0, level = 0;
        if (detector_.add(m, newest_, t, level)) {
            raw = {{t, level}, detector_.wasRising(), m};
            return true;
        }
        if (havePending_) return false;
    }
    return false;
}

bool TurningPoints::pass(Turn& out) {
    out = pending_;
    havePending_ = false;
    havePassed_ = true;
    passedHigh_ = pending_.high;
    return true;
}

}  // namespace marilo
