// Points and lines on the globe in degrees, as the map and its shorelines use them.
#pragma once

#include <vector>

namespace loxar {

// Degrees: north and east positive.
struct GeoPoint {
    double lat = 0;
    double lon = 0;
};

using GeoLine = std::vector<GeoPoint>;

// A latitude-longitude box in degrees; west may exceed east when the box crosses 180°.
struct GeoBox {
    double south = -90;
    double west = -180;
    double north = 90;
    double east = 180;
    bool operator==(const GeoBox&) const = default;
};

}  // namespace loxar
