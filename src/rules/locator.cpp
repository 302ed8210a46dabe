// Locator arithmetic: the program's own kilometres-per-degree factor and arc-cosine search.
#include "rules/locator.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "model/contest_profile.hpp"
#include "model/qso_line.hpp"

namespace loxar {

namespace {

bool in_range(char c, char lo, char hi) {
    return c >= lo && c <= hi;
}

// The cosines of the search's angles, worked out once: the angles never change, and calling the
// maths library 100001 times per distance cost 0.6 ms, and up to 20 ms right after the window
// painted (the library's vector code runs slowly in the state the painting leaves behind), on
// a QSO add that has 20 ms in all.
const std::vector<double>& search_cosines() {
    static const std::vector<double> table = [] {
        std::vector<double> t(kArcCosSteps + 1);
        for (int i = 0; i <= kArcCosSteps; ++i) {
            t[static_cast<std::size_t>(i)] = std::cos((kQrbPi / 2) * i / kArcCosSteps);
        }
        return t;
    }();
    return table;
}

// The step whose cosine lies nearest to `c` (0 <= c <= 1), the lower one of two equally near.
// The cosines fall strictly with the step, so the nearest is one of the two around the first
// step at or below `c`: a bisection finds the step a walk through all of them would, and the map
// works out a whole log's distances at once.
int nearest_step(double c) {
    const std::vector<double>& cosines = search_cosines();
    const auto first_below = std::lower_bound(cosines.begin(), cosines.end(), c, std::greater<>());
    auto best = first_below == cosines.end() ? first_below - 1 : first_below;
    if (best != cosines.begin() && std::fabs(c - *(best - 1)) <= std::fabs(c - *best)) --best;
    return static_cast<int>(best - cosines.begin());
}

}  // namespace

bool locator_checked(ContestType t) {
    return contest_profile(t).locator_checked;
}

bool locator_format_ok(std::string_view s) {
    if (s.size() < 4) return false;
    // The square must be two digits: a sign, blank or decimal point there is no locator.
    if (!in_range(s[2], '0', '9') || !in_range(s[3], '0', '9')) return false;
    if (!in_range(s[0], 'A', 'R') || !in_range(s[1], 'A', 'R')) return false;
    if (s.size() == 6 && (!in_range(s[4], 'A', 'X') || !in_range(s[5], 'A', 'X'))) return false;
    return true;
}

std::optional<Coords> locator_to_coords(std::string_view locator) {
    const Text l = upper_hu(trim(locator));
    if (l.size() != 6) return std::nullopt;
    if (!in_range(l[0], 'A', 'R') || !in_range(l[1], 'A', 'R')) return std::nullopt;
    if (!in_range(l[2], '0', '9') || !in_range(l[3], '0', '9')) return std::nullopt;
    if (!in_range(l[4], 'A', 'X') || !in_range(l[5], 'A', 'X')) return std::nullopt;
    // The subsquare divisors are not 24 and 12, so the point lies a little off the corner; logged
    // kilometres were always computed this way.
    const double lat_deg = (l[1] - 'A') * 10 - 90 + (l[3] - '0') + (l[5] - 'A') / (24.0 + 1.0 / 48.0);
    const double lon_deg = (l[0] - 'A') * 20 - 180 + (l[2] - '0') * 2 + (l[4] - 'A') / (12.0 + 1.0 / 24.0);
    return Coords{lon_deg * kQrbPi / 180, lat_deg * kQrbPi / 180};
}

Qrb qrb_transform(Coords partner, Coords own) {
    const double pp = partner.lat, lp = partner.lon, po = own.lat, lo = own.lon;
    const double km_per_rad =
        (kKmPerDegreeBase + kKmPerDegreeSwing * std::sin(po + pp - kQrbPi / 2)) * (180 / kQrbPi);
    double c = std::sin(pp) * std::sin(po) + std::cos(po) * std::cos(pp) * std::cos(lp - lo);
    // Beyond a quarter circle the search range ends, so the cosine is folded back into it.
    if (c < 0) c = -c;

    // The arc-cosine by search, not by the library: the whole kilometres of every logged QSO come
    // from this resolution. Ties keep the lower step.
    const int best_step = nearest_step(c);

    Qrb r;
    r.distance = std::floor((kQrbPi / 2) * best_step / kArcCosSteps * km_per_rad);
    if (r.distance < kMinDistanceForBearing) {
        r.bearing = 0;
        return r;
    }
    const double n = std::cos(po) * std::sin(lp - lo) * std::cos(pp);
    const double d = std::sin(pp) - std::sin(po) * c;
    if (d == 0) {
        // Due east or west on the great circle; both zero only for coinciding points.
        r.bearing = n > 0 ? kQrbPi / 2 : n < 0 ? 3 * kQrbPi / 2 : 0;
        return r;
    }
    double b = std::atan(n / d);
    if (d < 0) b -= kQrbPi;
    if (b < 0) b += kQrbTwoPi;
    r.bearing = b;
    return r;
}

Qrb qrb_between(std::string_view received, std::string_view own) {
    if (received.size() != 6 || received == kNoLocator) return {};
    if (received == own) return Qrb{kOwnSquareDistance, 0};
    auto partner = locator_to_coords(received);
    if (!partner) return {};
    auto mine = locator_to_coords(own);
    if (!mine) return {};
    return qrb_transform(*partner, *mine);
}

Text distance_field(double distance) {
    return zero_pad(static_cast<long long>(distance), 5);
}

Text points_field(int multiplier, double distance) {
    return zero_pad(static_cast<long long>(multiplier) * static_cast<long long>(distance), 5);
}

Text bearing_field(double bearing) {
    if (bearing == kNoBearing) return {};
    return std::to_string(static_cast<long long>(bearing * 360 / kQrbTwoPi + 0.5));
}

}  // namespace loxar
