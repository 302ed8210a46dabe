// Azimuthal-equidistant projection on a sphere, and the great circle between two points.
#include "statistics/map_projection.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace loxar {

namespace {

constexpr double kRad = std::numbers::pi / 180;

double clamp_unit(double v) {
    return std::clamp(v, -1.0, 1.0);
}

// Longitude into [-180, 180).
double wrap_lon(double lon) {
    lon = std::fmod(lon + 180, 360);
    if (lon < 0) lon += 360;
    return lon - 180;
}

}  // namespace

MapProjection::MapProjection(GeoPoint centre)
    : centre_(centre), sin_lat0_(std::sin(centre.lat * kRad)), cos_lat0_(std::cos(centre.lat * kRad)) {}

MapXY MapProjection::forward(GeoPoint p) const {
    const double lat = p.lat * kRad, dlon = (p.lon - centre_.lon) * kRad;
    const double sin_lat = std::sin(lat), cos_lat = std::cos(lat), cos_dlon = std::cos(dlon);
    const double east = cos_lat * std::sin(dlon);
    const double north = cos_lat0_ * sin_lat - sin_lat0_ * cos_lat * cos_dlon;
    const double c = std::acos(clamp_unit(sin_lat0_ * sin_lat + cos_lat0_ * cos_lat * cos_dlon));
    const double s = std::sin(c);
    // At the centre the scale is 1; at the antipode every direction is the same point.
    if (s < 1e-12) {
        if (c < 1) return {};
        return {0, -std::numbers::pi * kEarthRadiusKm};
    }
    const double k = kEarthRadiusKm * c / s;
    return {k * east, k * north};
}

std::optional<GeoPoint> MapProjection::inverse(MapXY xy) const {
    const double rho = std::hypot(xy.x, xy.y);
    if (rho > std::numbers::pi * kEarthRadiusKm) return std::nullopt;
    if (rho < 1e-9) return centre_;
    const double c = rho / kEarthRadiusKm;
    const double sin_c = std::sin(c), cos_c = std::cos(c);
    const double lat = std::asin(clamp_unit(cos_c * sin_lat0_ + xy.y * sin_c * cos_lat0_ / rho));
    const double lon = std::atan2(xy.x * sin_c, rho * cos_lat0_ * cos_c - xy.y * sin_lat0_ * sin_c);
    return GeoPoint{lat / kRad, wrap_lon(centre_.lon + lon / kRad)};
}

GeoBox box_around(GeoPoint centre, double radius_km) {
    const double degrees = radius_km / (kEarthRadiusKm * kRad);  // of latitude
    const double south = centre.lat - degrees, north = centre.lat + degrees;
    if (south <= -90 || north >= 90) return {std::max(south, -90.0), -180, std::min(north, 90.0), 180};
    // The widest longitude span of the circle, at the latitude where it touches its meridians.
    const double span =
        std::asin(std::min(1.0, std::sin(degrees * kRad) / std::cos(centre.lat * kRad))) / kRad;
    const auto wrapped = [](double lon) { return lon > 180 ? lon - 360 : lon < -180 ? lon + 360 : lon; };
    return {south, wrapped(centre.lon - span), north, wrapped(centre.lon + span)};
}

double great_circle_km(GeoPoint a, GeoPoint b) {
    const double dlat = (b.lat - a.lat) * kRad, dlon = (b.lon - a.lon) * kRad;
    const double h = std::sin(dlat / 2) * std::sin(dlat / 2) + std::cos(a.lat * kRad) *
                                                                   std::cos(b.lat * kRad) *
                                                                   std::sin(dlon / 2) * std::sin(dlon / 2);
    return 2 * kEarthRadiusKm * std::asin(std::sqrt(clamp_unit(h)));
}

double initial_bearing_deg(GeoPoint a, GeoPoint b) {
    const double lat1 = a.lat * kRad, lat2 = b.lat * kRad, dlon = (b.lon - a.lon) * kRad;
    const double y = std::sin(dlon) * std::cos(lat2);
    const double x = std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dlon);
    if (std::fabs(x) < 1e-15 && std::fabs(y) < 1e-15) return 0;
    double deg = std::atan2(y, x) / kRad;
    if (deg < 0) deg += 360;
    return deg >= 360 ? 0 : deg;
}

}  // namespace loxar
