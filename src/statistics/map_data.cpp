// The map's numbers, worked out once per log rather than once per paint.
#include "statistics/map_data.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "model/bands.hpp"
#include "model/log_fields.hpp"
#include "model/qso_line.hpp"
#include "rules/qso_rules.hpp"

namespace loxar {

namespace {

constexpr std::array kRingSteps{100.0,  250.0,  500.0,  1000.0,  1500.0,
                                2000.0, 3000.0, 5000.0, 10000.0, 20000.0};
// Grid lines bend in the projection: a point every half degree keeps them smooth at any zoom an
// operator uses.
constexpr double kGridStepDeg = 0.5;
constexpr int kOutlineSteps = 4;

bool in_range(char c, char lo, char hi) {
    return c >= lo && c <= hi;
}

// The square of a locator in capitals ("JN97"); empty when its first four characters are none.
Text square_of(std::string_view locator) {
    const Text l = upper_hu(trim(locator));
    if (l.size() < 4 || !in_range(l[0], 'A', 'R') || !in_range(l[1], 'A', 'R') || !in_range(l[2], '0', '9') ||
        !in_range(l[3], '0', '9')) {
        return {};
    }
    return l.substr(0, 4);
}

// The south-west corner of a square in degrees.
GeoPoint square_corner(std::string_view sq) {
    return {(sq[1] - 'A') * 10.0 - 90 + (sq[3] - '0'), (sq[0] - 'A') * 20.0 - 180 + (sq[2] - '0') * 2};
}

// `n` + 1 points from `a` to `b`, ends included.
void add_steps(GeoLine& line, GeoPoint a, GeoPoint b, int n) {
    for (int k = 0; k <= n; ++k) {
        const double t = static_cast<double>(k) / n;
        line.push_back({a.lat + (b.lat - a.lat) * t, a.lon + (b.lon - a.lon) * t});
    }
}

int steps_for(double degrees) {
    return std::max(1, static_cast<int>(std::ceil(degrees / kGridStepDeg)));
}

}  // namespace

std::vector<double> distance_rings(double farthest_km) {
    std::vector<double> rings;
    for (double r : kRingSteps) {
        rings.push_back(r);
        if (r >= farthest_km) break;
    }
    return rings;
}

std::optional<GeoPoint> locator_centre(std::string_view locator) {
    const Text l = upper_hu(trim(locator));
    if ((l.size() != 4 && l.size() != 6) || square_of(l).empty()) return std::nullopt;
    GeoPoint p = square_corner(l);
    if (l.size() == 4) return GeoPoint{p.lat + 0.5, p.lon + 1};
    if (!in_range(l[4], 'A', 'X') || !in_range(l[5], 'A', 'X')) return std::nullopt;
    return GeoPoint{p.lat + (l[5] - 'A' + 0.5) / 24, p.lon + (l[4] - 'A' + 0.5) / 12};
}

Text locator_at(GeoPoint p) {
    double lon = std::fmod(p.lon + 180, 360);
    if (lon < 0) lon += 360;
    const double lat = std::clamp(p.lat + 90, 0.0, 179.999999);
    const auto digit = [](double v) { return static_cast<int>(std::floor(v)); };
    Text t(6, ' ');
    t[0] = static_cast<char>('A' + digit(lon / 20));
    t[1] = static_cast<char>('A' + digit(lat / 10));
    t[2] = static_cast<char>('0' + digit(std::fmod(lon, 20) / 2));
    t[3] = static_cast<char>('0' + digit(std::fmod(lat, 10)));
    t[4] = static_cast<char>('A' + std::min(23, digit(std::fmod(lon, 2) * 12)));
    t[5] = static_cast<char>('A' + std::min(23, digit(std::fmod(lat, 1) * 24)));
    return t;
}

std::optional<GeoBox> square_box(std::string_view square) {
    if (square.size() != 4 || square_of(square) != square) return std::nullopt;
    const GeoPoint sw = square_corner(square);
    return GeoBox{sw.lat, sw.lon, sw.lat + 1, sw.lon + 2};
}

GeoLine box_outline(const GeoBox& box) {
    const GeoPoint sw{box.south, box.west}, se{box.south, box.east}, ne{box.north, box.east},
        nw{box.north, box.west};
    GeoLine line;
    for (auto [a, b] : {std::pair{sw, se}, {se, ne}, {ne, nw}, {nw, sw}}) {
        add_steps(line, a, b, kOutlineSteps);
        line.pop_back();  // the next side starts there
    }
    line.push_back(sw);
    return line;
}

Grid maidenhead_grid(const GeoBox& box, GridLevel level) {
    const double dlon = level == GridLevel::Fields ? 20 : 2, dlat = level == GridLevel::Fields ? 10 : 1;
    const double south = std::clamp(box.south, -90.0, 90.0), north = std::clamp(box.north, south, 90.0);
    const double west = box.west;
    double east = box.east < box.west ? box.east + 360 : box.east;
    east = std::min(east, west + 360);
    Grid g;
    for (auto i = static_cast<int>(std::ceil(west / dlon)); i * dlon <= east; ++i) {
        GeoLine line;
        add_steps(line, {south, i * dlon}, {north, i * dlon}, steps_for(north - south));
        g.lines.push_back(std::move(line));
    }
    for (auto j = static_cast<int>(std::ceil(south / dlat)); j * dlat <= north; ++j) {
        if (std::fabs(j * dlat) >= 90) continue;  // a pole is a point, not a line
        GeoLine line;
        add_steps(line, {j * dlat, west}, {j * dlat, east}, steps_for(east - west));
        g.lines.push_back(std::move(line));
    }
    const std::size_t letters = level == GridLevel::Fields ? 2 : 4;
    for (auto i = static_cast<int>(std::floor(west / dlon)); (i + 0.5) * dlon <= east; ++i) {
        const double lon = (i + 0.5) * dlon;
        if (lon < west) continue;
        for (auto j = static_cast<int>(std::floor(south / dlat)); (j + 0.5) * dlat <= north; ++j) {
            const double lat = (j + 0.5) * dlat;
            if (lat < south) continue;
            g.labels.push_back({locator_at({lat, lon}).substr(0, letters), {lat, lon}});
        }
    }
    return g;
}

MapData map_data(const std::vector<Text>& lines, LineLayout layout, std::string_view own_locator) {
    MapData m;
    m.centre = locator_centre(own_locator);
    if (!has_field(layout, Field::ReceivedLocator)) {
        m.rings = distance_rings(0);
        return m;
    }
    // Bands keyed by their table index first, so that they come in band-table order; a
    // frequency in kHz falls into its band's place.
    std::map<std::pair<int, Text>, std::size_t> band_of;
    std::vector<std::pair<int, Text>> line_band;
    line_band.reserve(lines.size());
    for (const Text& line : lines) {
        const Text f = field(line, layout, Field::Band);
        const int index = line_band_index(f);
        line_band.emplace_back(index, index > 0 ? trim(band_name(index)) : trim(f));
        band_of.emplace(line_band.back(), 0);
    }
    for (auto& [band, index] : band_of) {
        index = m.bands.size();
        m.bands.push_back(band.second);
    }
    std::map<Text, std::vector<long>> squares;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text locator = field_trimmed(lines[i], layout, Field::ReceivedLocator);
        if (locator == kNoLocator) continue;
        const std::size_t band = band_of[line_band[i]];
        if (const Text sq = square_of(locator); !sq.empty()) {
            auto& counts = squares[sq];
            counts.resize(m.bands.size());
            ++counts[band];
        }
        if (locator.size() != 6) continue;
        const std::optional<GeoPoint> at = locator_centre(locator);
        if (!at) continue;
        MapQso q{field_trimmed(lines[i], layout, Field::Call),
                 locator,
                 band,
                 *at,
                 qrb_between(locator, own_locator),
                 i};
        if (q.qrb.distance > 0 && (!m.odx || q.qrb.distance > m.qsos[*m.odx].qrb.distance))
            m.odx = m.qsos.size();
        m.qsos.push_back(std::move(q));
    }
    for (auto& [sq, counts] : squares) m.squares.push_back({sq, std::move(counts)});
    m.rings = distance_rings(m.odx ? m.qsos[*m.odx].qrb.distance : 0);
    return m;
}

}  // namespace loxar
