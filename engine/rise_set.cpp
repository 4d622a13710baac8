#include "engine/rise_set.h"

#include <cmath>
#include <cstdlib>

#include "calendar/date_time.h"
#include "engine/angles.h"
#include "engine/ephemeris.h"

namespace marilo {

namespace {

constexpr double kRefraction = 34.0 / 60;  // degrees, at the horizon
constexpr double kEarthRadiusKm = 6378.14;
constexpr double kSunRadiusKm = 695700;
constexpr double kMoonRadiusKm = 1737.4;
constexpr double kSiderealDegreesPerDay = 360.98564736629;

// Places over one date, in fractions s of the date (0 at 0:00, 1 at 24:00
// zone time), interpolated from five places 6 hours apart. Geocentric right
// ascension and declination are so smooth over a day that the quartic
// through them is good to far below an arc second, so the Moon's long series
// runs five times a date rather than at every step of the search.
class DayTrack {
public:
    DayTrack(ApparentPlace (*place)(double), double ttStart) {
        for (int i = 0; i < kNodes; ++i) {
            const ApparentPlace p = place(ttStart + i / (kNodes - 1.0));
            ra_[i] = p.rightAscension;
            dec_[i] = p.declination;
            distance_[i] = p.distanceKm;
            // Right ascension runs on through 360 so that it interpolates.
            if (i > 0) ra_[i] += 360 * std::round((ra_[i - 1] - ra_[i]) / 360);
        }
    }

    ApparentPlace at(double s) const {
        double w[kNodes];
        for (int i = 0; i < kNodes; ++i) {
            w[i] = 1;
            for (int j = 0; j < kNodes; ++j)
                if (j != i) w[i] *= (s - node(j)) / (node(i) - node(j));
        }
        ApparentPlace p{0, 0, 0};
        for (int i = 0; i < kNodes; ++i) {
            p.rightAscension += w[i] * ra_[i];
            p.declination += w[i] * dec_[i];
            p.distanceKm += w[i] * distance_[i];
        }
        return p;
    }

private:
    static constexpr int kNodes = 5;
    static double node(int i) { return i / (kNodes - 1.0); }
    double ra_[kNodes];
    double dec_[kNodes];
    double distance_[kNodes];
};

// The sky of one date at a site: altitude of a body's centre as seen from
// the Earth's centre, against the local horizon.
class DateSky {
public:
    DateSky(const Site& site, double utStart)
        : sinLat_(std::sin(site.latitude * kRadiansPerDegree)),
          cosLat_(std::cos(site.latitude * kRadiansPerDegree)),
          localSidereal0_(greenwichSiderealTime(utStart) + site.longitude) {}

    double geocentricAltitude(const ApparentPlace& p, double s) const {
        const double hourAngle = (localSidereal0_ + kSiderealDegreesPerDay * s - p.rightAscension) * kRadiansPerDegree;
        const double dec = p.declination * kRadiansPerDegree;
        return std::asin(sinLat_ * std::sin(dec) + cosLat_ * std::cos(dec) * std::cos(hourAngle)) / kRadiansPerDegree;
    }

private:
    double sinLat_, cosLat_, localSidereal0_;
};

// How far, in degrees, a body stands above the altitude that makes the
// event: the topocentric altitude of its centre (the geocentric one less the
// parallax, which at the horizon is the full horizontal parallax), raised by
// the semidiameter and the refraction for a limb on the horizon.
struct EventCurve {
    const DayTrack& track;
    const DateSky& sky;
    double bodyRadiusKm;
    bool upperLimb;  // rise and set; otherwise the centre at `centreTarget`
    double centreTarget;

    double operator()(double s) const {
        const ApparentPlace p = track.at(s);
        double h = sky.geocentricAltitude(p, s) - std::asin(kEarthRadiusKm / p.distanceKm) / kRadiansPerDegree;
        if (upperLimb) h += std::asin(bodyRadiusKm / p.distanceKm) / kRadiansPerDegree + kRefraction;
        return h - centreTarget;
    }
};

// Where f changes sign between a and b (f(a) and f(b) of opposite signs):
// regula falsi with the Illinois step, to a tenth of a second.
double refineRoot(const EventCurve& f, double a, double b, double fa, double fb) {
    constexpr double kTolerance = 0.1 / 86400;
    for (int i = 0; i < 60 && b - a > kTolerance; ++i) {
        const double c = std::fmin(std::fmax((a * fb - b * fa) / (fb - fa), a), b);
        const double fc = f(c);
        if (fc == 0) return c;
        if ((fc < 0) == (fa < 0)) {
            a = c, fa = fc;
            fb *= 0.5;
        } else {
            b = c, fb = fc;
            fa *= 0.5;
        }
    }
    return (a + b) / 2;
}

int32_t minuteOf(double s) {
    const int32_t m = static_cast<int32_t>(std::floor(s * 1440 + 0.5));
    return m > 1439 ? 1439 : m;
}

// The first rise (the curve passing from below 0 to 0 or above) and the
// first set of the date, from hourly samples.
struct RiseSet {
    int32_t rise = kNoEvent;
    int32_t set = kNoEvent;
};

constexpr int kSteps = 24;

RiseSet findRiseSet(const EventCurve& f) {
    RiseSet r;
    double s0 = 0, f0 = f(0);
    for (int k = 1; k <= kSteps && (r.rise == kNoEvent || r.set == kNoEvent); ++k) {
        const double s1 = static_cast<double>(k) / kSteps, f1 = f(s1);
        const bool rising = f0 < 0 && f1 >= 0, setting = f0 >= 0 && f1 < 0;
        if (rising && r.rise == kNoEvent) r.rise = minuteOf(refineRoot(f, s0, s1, f0, f1));
        if (setting && r.set == kNoEvent) r.set = minuteOf(refineRoot(f, s0, s1, f0, f1));
        s0 = s1, f0 = f1;
    }
    return r;
}

}  // namespace

Site siteOf(PortAddress port) {
    const PortRecord& r = port.record();
    return {degMinToDegrees(std::atof(r.latitudeText)), degMinToDegrees(std::atof(r.longitudeText)),
            port.zoneMeridian()};
}

SunMoonTimes sunMoonTimes(const Site& site, int year, int month, int day) {
    // 0:00 zone time of the date in Universal Time, and in Terrestrial Time.
    const double utStart = dayNumberOf(year, month, day) - site.zoneMeridian / 360;
    const double ttStart = utStart + deltaTSeconds(year + (month - 0.5) / 12) / 86400;
    const DateSky sky(site, utStart);

    const DayTrack sun(apparentSun, ttStart);
    const RiseSet light = findRiseSet({sun, sky, kSunRadiusKm, true, 0});
    const RiseSet twilight = findRiseSet({sun, sky, 0, false, -6});
    const DayTrack moon(apparentMoon, ttStart);
    const RiseSet moonlight = findRiseSet({moon, sky, kMoonRadiusKm, true, 0});

    SunMoonTimes t;
    t.civilDawn = twilight.rise;
    t.sunrise = light.rise;
    t.sunset = light.set;
    t.civilDusk = twilight.set;
    t.moonrise = moonlight.rise;
    t.moonset = moonlight.set;
    return t;
}

SunMoonTimes sunMoonTimes(PortAddress port, int year, int month, int day) {
    return sunMoonTimes(siteOf(port), year, month, day);
}

}  // namespace marilo
