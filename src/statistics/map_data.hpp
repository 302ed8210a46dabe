// What the map of the worked stations shows, from the log lines and the own locator: one dot per
// QSO, the worked squares per band, the ODX, the distance rings and the Maidenhead grid.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/contest_types.hpp"
#include "rules/locator.hpp"
#include "statistics/geo.hpp"
#include "text/text.hpp"

namespace loxar {

// A QSO whose locator names a subsquare.
struct MapQso {
    Text call;           // trimmed
    Text locator;        // as logged, trimmed
    std::size_t band{};  // index into MapData::bands
    GeoPoint at;         // the middle of its subsquare
    Qrb qrb;             // as the entry computes it, so the map's figures are the log's
    std::size_t line{};  // index of its log line
};

// A worked square ("JN97") and its QSOs on each band of MapData::bands.
struct WorkedSquare {
    Text square;
    std::vector<long> per_band;
};

struct MapData {
    std::optional<GeoPoint> centre;  // the own locator's middle; nothing when it names no square
    std::vector<Text> bands;         // the bands of the log, in band-table order
    std::vector<MapQso> qsos;
    std::vector<WorkedSquare> squares;  // in text order
    std::optional<std::size_t> odx;     // into qsos: the longest distance, the earliest of equals
    std::vector<double> rings;          // km, from the nearest out
};

// Lines of a layout without a received locator give no dots and no squares.
MapData map_data(const std::vector<Text>& lines, LineLayout layout, std::string_view own_locator);

// The rings 100, 250, 500, 1000 km and on, up to the first one that reaches `farthest_km`.
std::vector<double> distance_rings(double farthest_km);

// The middle of a square (4 characters) or subsquare (6); nothing for anything else.
std::optional<GeoPoint> locator_centre(std::string_view locator);
// The 6-character locator of a point.
Text locator_at(GeoPoint p);
// The box of a square ("JN97", capitals); nothing for anything else.
std::optional<GeoBox> square_box(std::string_view square);
// The border of a small box (a square or a part of one) as a closed line, each side in a few
// steps so that it bends with the projection.
GeoLine box_outline(const GeoBox& box);

// The Maidenhead grid inside a box: fields (20° × 10°) or squares (2° × 1°).
enum class GridLevel { Fields, Squares };
struct GridLabel {
    Text text;  // "JN" or "JN97"
    GeoPoint at;
};
struct Grid {
    std::vector<GeoLine> lines;  // meridians and parallels, in steps short enough to bend
    std::vector<GridLabel> labels;
};
Grid maidenhead_grid(const GeoBox& box, GridLevel level);

}  // namespace loxar
