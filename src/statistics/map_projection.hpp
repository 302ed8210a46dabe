// The map's projection: azimuthal equidistant around the own station, so that every straight
// line from the centre is a beam heading and every circle around it one distance.
#pragma once

#include <optional>

#include "statistics/geo.hpp"

namespace loxar {

// The mean radius of the Earth; the program's own kilometres differ from it by a few tenths of a
// per cent, which no map shows.
inline constexpr double kEarthRadiusKm = 6371.0;

// Kilometres east (x) and north (y) of the centre on the map plane.
struct MapXY {
    double x = 0;
    double y = 0;
};

class MapProjection {
public:
    explicit MapProjection(GeoPoint centre);
    GeoPoint centre() const { return centre_; }
    // Every point of the globe has a place; the antipode lies on the rim, πR from the centre.
    MapXY forward(GeoPoint p) const;
    // Nothing beyond the rim.
    std::optional<GeoPoint> inverse(MapXY xy) const;

private:
    GeoPoint centre_;
    double sin_lat0_ = 0;
    double cos_lat0_ = 1;
};

// A latitude-longitude box that holds every point within `radius_km` of `centre`; all longitudes
// when the circle reaches a pole.
GeoBox box_around(GeoPoint centre, double radius_km);

// Great-circle distance in kilometres.
double great_circle_km(GeoPoint a, GeoPoint b);
// Initial bearing from `a` towards `b` in degrees, [0, 360), clockwise from north; 0 for one point.
double initial_bearing_deg(GeoPoint a, GeoPoint b);

}  // namespace loxar
