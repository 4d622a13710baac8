#pragma once
// The turning points of a day's level function as the 20-minute scan finds
// them, with the stands of the tide taken out. Used by the daily solution to
// fill its slots and by the stage search to carry the scan past the day's
// window; nothing outside the engine needs it.

#include "engine/tide_day.h"

namespace marilo {

// The scan samples the level every 20 minutes on one grid, the multiples of
// 20 minutes from 0:00, so a scan started anywhere on it, and the next day's
// scan (1440 is a multiple of 20), meet the same turning points.
constexpr int kSampleStep = 20;
// How far past a turning point its successor is looked for.
constexpr int kLookAhead = 1440;
// Two adjacent turning points closer than this in level (cm) are a stand of
// the tide, not a high and a low water.
constexpr double kStandLevel = 1.0;

struct Turn {
    TurningPoint point;
    bool high = false;  // the level rose into it
    int sample = 0;     // minute of the sample at which it was detected
};

// The last sample of the grid at or before a minute.
int gridSampleAtOrBefore(int minute);

// Bound of |L''| over all time, cm per minute squared: the sum of f H omega^2
// over the constituents.
double levelCurvature(const TideDay& day);

// The turning points the detector meets on the sample grid from a given
// sample on, with the stands taken out: two adjacent ones less than
// kStandLevel apart in level are dropped together, and the points after them
// close up. The detector's report depends on its last four samples only, so
// a scan started anywhere on the grid reports what the day's scan reports
// from its fourth sample on.
class TurningPoints {
public:
    TurningPoints(const TideDay& day, int firstSample);

    // Scans on to the first turning point at or after `minute`, detected
    // before sample `end`, and makes it the first of the sequence: what came
    // before it is not looked at.
    bool startAt(int minute, int end);

    // The next kept turning point detected before sample `end`; samples past
    // `end` are read only to make sure it is no half of a stand.
    bool next(Turn& out, int end);

    // The next sample to be taken.
    int sample() const { return sample_; }

private:
    bool advance(Turn& raw, int end);
    bool pass(Turn& out);

    const TideDay& day_;
    ExtremeDetector detector_;
    int sample_;
    double margin_;
    double newest_ = 0;  // level of the last sample taken
    Turn pending_{};
    bool havePending_ = false;
    bool havePassed_ = false;
    bool passedHigh_ = false;
};

}  // namespace marilo
