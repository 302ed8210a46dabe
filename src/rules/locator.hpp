// Maidenhead (QRA) locators: check, conversion, distance, bearing and their display fields.
#pragma once

#include <optional>
#include <string_view>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

// The program's own constants: the kilometres of a logged QSO depend on them bit for bit.
inline constexpr double kQrbPi = 3.141592653589;
inline constexpr double kQrbTwoPi = 6.283185307178;
inline constexpr int kArcCosSteps = 100000;
inline constexpr double kKmPerDegreeBase = 111.1451;
inline constexpr double kKmPerDegreeSwing = 0.56;
inline constexpr double kMinDistanceForBearing = 5;
inline constexpr double kOwnSquareDistance = 5;
inline constexpr double kNoBearing = 999;  // the bearing mark of a missing or unusable locator

// A point on the globe in radians.
struct Coords {
    double lon = 0;
    double lat = 0;
};

// Distance in whole kilometres and bearing in radians [0, 2π), or kNoBearing.
struct Qrb {
    double distance = 0;
    double bearing = kNoBearing;
};

// Whether the received locator of this contest type is checked at all.
bool locator_checked(ContestType t);
// The entry check of a trimmed locator: capitals only; 4 or more characters judged by the first
// four, the subsquare letters only when there are exactly 6.
bool locator_format_ok(std::string_view trimmed);

// Six characters after upper-casing and trimming, each in its range; nothing otherwise.
std::optional<Coords> locator_to_coords(std::string_view locator);

// Distance (by the step search of the arc-cosine) and bearing from `own` towards `partner`.
Qrb qrb_transform(Coords partner, Coords own);
// Distance and bearing between the received locator field and the own locator field.
Qrb qrb_between(std::string_view received, std::string_view own);

// "00000" at least; all digits of a longer number.
Text distance_field(double distance);
Text points_field(int multiplier, double distance);
// Whole degrees in plain digits; empty for a missing bearing.
Text bearing_field(double bearing);

// Coordinates and results of the last distance and bearing computation (session/qrb).
struct QrbValues {
    Coords locator_coords;  // the last conversion
    Coords partner_coords;
    Coords own_coords;
    double qrb_distance = 0;          // whole kilometres
    double qrb_bearing = kNoBearing;  // radians
};

}  // namespace loxar
