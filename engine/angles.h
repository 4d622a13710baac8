#pragma once
// π and the factors between degrees and radians, in one place. Angles are
// degrees everywhere; the trigonometric functions take radians.

namespace marilo {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kPi / 180;
constexpr double kDegreesPerRadian = 180 / kPi;

// The harmonic method's own factor, π / 180 written to 15 significant
// digits: the tide's arguments, nodal corrections, moon age and levels are
// converted with it, so their results stay those of the published method to
// the last bit. It differs from kRadiansPerDegree by one unit in the last
// place.
constexpr double kDegToRad = 0.0174532925199433;

}  // namespace marilo
