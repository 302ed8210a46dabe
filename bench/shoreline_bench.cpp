// The map's coastlines: the installed World Vector Shoreline file read and decoded for the box
// of the map of 3000 km around JN97 (47.5°N 19°E): 27° of latitude each way, and the 42.5° of
// longitude that 3000 km reach at the centre's latitude.
#include <cstdio>

#include "bench.hpp"
#include "statistics/shoreline.hpp"

namespace {

using namespace loxar;

std::filesystem::path file;

loxar::bench::Register load{
    {"shorelines: load a box of +-3000 km around JN97", 100.0,
     [] {
         if (auto found = installed_shoreline_file()) {
             file = *found;
         } else {
             std::printf(
                 "shorelines: no shoreline file installed (xtide-coastline), "
                 "the figure below times a failed open\n");
         }
     },
     [] {
         Result<std::vector<GeoLine>> lines = load_shorelines(file, GeoBox{20.5, -23.5, 74.5, 61.5});
         loxar::bench::keep(&lines);
     }}};

}  // namespace
