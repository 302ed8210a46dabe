// Coastlines for the map of the worked stations, from the World Vector Shoreline in the compressed
// files of NGDC's Global Relief Data CD-ROM (wvs1.dat and its coarser and finer siblings), as
// Debian's xtide-coastline installs them. The data holds sea coasts only, no lakes. The map works
// without them, so a missing or damaged file only costs the coastlines.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "statistics/geo.hpp"
#include "text/result.hpp"

namespace loxar {

// The most points one decoding returns (16 bytes each): the whole world of wvs1.dat has about
// 1.6 million, so a box beyond this is a finer file than a screen map needs.
inline constexpr std::size_t kMaxShorelinePoints = 2'000'000;

// The shoreline segments of every one-degree cell that touches `box` (longitudes -180..180), in
// degrees. Whole cells come back, so a segment may reach up to a degree beyond the box.
Result<std::vector<GeoLine>> wvs_shorelines(std::string_view file_bytes, GeoBox box);

// The shoreline file to use: LOXAR_SHORELINE when it is set (nothing when it names no file), or
// else the WVS file that suits a continent's map best of those in the folder xtide-coastline
// installs into (1:12 million first, then 1:3 and 1:1 million, the package's own).
std::optional<std::filesystem::path> installed_shoreline_file();

// wvs_shorelines of a file.
Result<std::vector<GeoLine>> load_shorelines(const std::filesystem::path& file, GeoBox box);

}  // namespace loxar
