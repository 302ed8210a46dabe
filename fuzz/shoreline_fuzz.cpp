// A World Vector Shoreline file decoded over the whole world, a small box and one across 180°.
// Seeds: a crafted file of four cells, and four real cells of wvs1.dat (public domain, NGDC, as
// Debian's xtide-coastline installs it) repacked as a file of their own.
#include "fuzz_home.hpp"
#include "statistics/shoreline.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const std::string_view bytes = fuzz::input(data, size);
    for (const GeoBox box : {GeoBox{}, GeoBox{45.2, 13.2, 46.4, 14.6}, GeoBox{-10, 170, 10, -170}}) {
        const Result<std::vector<GeoLine>> lines = wvs_shorelines(bytes, box);
        std::size_t points = 0;
        if (lines) {
            for (const GeoLine& line : *lines) points += line.size();
        }
        // The cap holds for any file.
        if (points > kMaxShorelinePoints) __builtin_trap();
    }
    return 0;
}
