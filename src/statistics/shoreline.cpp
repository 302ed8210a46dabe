#include "statistics/shoreline.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "model/file_io.hpp"

namespace loxar {
namespace {

// The file is laid out in blocks of this size; a logical record never straddles two of them.
constexpr std::size_t kBlockBytes = 3072;
// A record ends in the byte that marks where its cell's data stop (0: they go on) and the 24-bit
// number of the record they go on in.
constexpr std::size_t kTrailerBytes = 4;

Failure not_wvs() {
    return fail(hu(u8"A partvonalfájl fejléce hibás: nem World Vector Shoreline fájl."));
}
Failure damaged() {
    return fail(hu(u8"A partvonalfájl sérült vagy csonka."));
}
Failure too_many_points() {
    return fail(hu(u8"A partvonalfájl túl részletes ehhez a térképhez (túl sok pont)."));
}

// The header: the record size, the coordinate unit and the cells the file covers, which are all of
// them in every file NGDC published. The records after it hold one bit per cell (the cell has
// data), then each cell's first record in cell order, then the records its data overflow into.
struct WvsFile {
    const unsigned char* bytes = nullptr;
    std::size_t size = 0;
    std::size_t record_bytes = 0;  // trailer included
    std::size_t per_block = 0;
    std::size_t records = 0;
    std::int64_t per_degree = 0;  // coordinate units: seconds, or tenths of them
    // Cell rows from 90°S and columns from 180°W; east may pass 360 when the area wraps.
    int south = 0, north = 180, west = 0, east = 360;
    std::size_t first_cell_record = 0;

    std::size_t data_bytes() const { return record_bytes - kTrailerBytes; }
    // Record n, counted from 1; nothing past the end of the file.
    const unsigned char* record(std::size_t n) const {
        if (n == 0 || n > records) return nullptr;
        return bytes + (n - 1) / per_block * kBlockBytes + (n - 1) % per_block * record_bytes;
    }
};

Result<WvsFile> read_header(std::string_view file_bytes) {
    WvsFile f;
    f.bytes = reinterpret_cast<const unsigned char*>(file_bytes.data());
    f.size = file_bytes.size();
    if (f.size < 14) return not_wvs();
    const unsigned char* b = f.bytes;
    const auto u16 = [b](std::size_t i) { return b[i] * 256 + b[i + 1]; };
    f.record_bytes = b[3];
    // The data are read two bytes at a time up to the trailer.
    if (f.record_bytes < kTrailerBytes + 4 || f.record_bytes % 2 != 0 || b[5] == 0) return not_wvs();
    f.per_degree = 3600 * std::int64_t{b[5]};
    int south = u16(6), north = u16(8), west = u16(10), east = u16(12);
    if (south + north + west + east != 0) {
        if (east < west) east += 360;
        if (south >= north || north > 180 || west >= 360 || west >= east || east > west + 360)
            return not_wvs();
        f.south = south;
        f.north = north;
        f.west = west;
        f.east = east;
    }
    f.per_block = kBlockBytes / f.record_bytes;
    f.records =
        f.size / kBlockBytes * f.per_block + std::min(f.per_block, f.size % kBlockBytes / f.record_bytes);
    const auto cells = static_cast<std::size_t>((f.north - f.south) * (f.east - f.west));
    // The cell bits start at the second record.
    if (f.record_bytes + (cells + 7) / 8 > f.size) return damaged();
    f.first_cell_record = (cells - 1) / (f.record_bytes * 8) + 3;
    return f;
}

// One cell's data as two-byte units, through its chain of records up to the end its last record
// marks. Every chain link spends one of `hops`, which the caller sets to the file's record count:
// a sound file follows each record once, so a chain that loops runs out instead of running on.
class CellCursor {
public:
    CellCursor(const WvsFile& f, const unsigned char* first, std::size_t& hops)
        : f_(f), rec_(first), hops_(hops) {}

    bool broken() const { return broken_; }
    bool at_end() const {
        const unsigned stop = rec_[f_.data_bytes()];
        return broken_ || pos_ >= f_.data_bytes() || (stop != 0 && pos_ + 1 >= stop);
    }
    // Only when !at_end().
    std::pair<int, int> take() {
        const std::pair<int, int> unit{rec_[pos_], rec_[pos_ + 1]};
        pos_ += 2;
        const unsigned char* trailer = rec_ + f_.data_bytes();
        if (pos_ == f_.data_bytes() && trailer[0] == 0) {
            const std::size_t next =
                std::size_t{trailer[1]} << 16 | std::size_t{trailer[2]} << 8 | trailer[3];
            rec_ = hops_ > 0 ? f_.record(next) : nullptr;
            if (!rec_) {
                broken_ = true;
                rec_ = trailer - f_.data_bytes();
                return unit;
            }
            --hops_;
            pos_ = 0;
        }
        return unit;
    }

private:
    const WvsFile& f_;
    const unsigned char* rec_;
    std::size_t& hops_;
    std::size_t pos_ = 0;
    bool broken_ = false;
};

struct Decoder {
    const WvsFile& f;
    std::vector<GeoLine>& lines;
    std::size_t hops;
    std::size_t points = 0;

    // A segment of a single point draws nothing.
    void drop_single_point() {
        if (!lines.empty() && lines.back().size() < 2) lines.pop_back();
    }

    Status add(std::int64_t lat_units, std::int64_t lon_units) {
        if (++points > kMaxShorelinePoints) return too_many_points();
        const double unit = static_cast<double>(f.per_degree);
        const double lat = static_cast<double>(lat_units) / unit - 90;
        double lon = static_cast<double>(lon_units) / unit - 180;
        // A point lies in its cell or just beside it; one far off is a damaged delta.
        if (lat < -91 || lat > 91 || lon < -181 || lon > 541) return damaged();
        if (lon > 180) lon -= 360;
        if (lon > 180) lon -= 360;
        lines.back().push_back({lat, lon});
        return {};
    }

    // Each segment starts with a header of three units: a continuation flag (the top bit), the
    // point count less one (the next 9 bits), and a position. A first header's position is the
    // offset from the cell's corner; a continuation header goes on with the segment before it and
    // carries two 19-bit offsets from its last point, biased by 2^18. The other points follow as
    // one unit each, a latitude and a longitude step biased by 128.
    Status cell(int row, int col, const unsigned char* first) {
        CellCursor cur(f, first, hops);
        std::int64_t lat = 0, lon = 0;
        bool open = false;
        while (!cur.at_end()) {
            const auto [h0, h1] = cur.take();
            if (cur.at_end()) return damaged();
            const auto [lat_hi, lat_lo] = cur.take();
            if (cur.at_end()) return damaged();
            const auto [lon_hi, lon_lo] = cur.take();
            const int count = (h0 & 0x7f) * 4 + (h1 >> 6) + 1;
            if (h0 & 0x80) {
                if (!open) return damaged();
                lat += ((h1 >> 3 & 7) << 16 | lat_hi << 8 | lat_lo) - (1 << 18);
                lon += ((h1 & 7) << 16 | lon_hi << 8 | lon_lo) - (1 << 18);
            } else {
                drop_single_point();
                lat = row * f.per_degree + (lat_hi << 8 | lat_lo);
                lon = col * f.per_degree + (lon_hi << 8 | lon_lo);
                lines.emplace_back().reserve(static_cast<std::size_t>(count));
                open = true;
            }
            if (Status s = add(lat, lon); !s) return s;
            for (int i = 1; i < count && !cur.at_end(); ++i) {
                const auto [dlat, dlon] = cur.take();
                lat += dlat - 128;
                lon += dlon - 128;
                if (Status s = add(lat, lon); !s) return s;
            }
        }
        if (cur.broken()) return damaged();
        if (open) drop_single_point();
        return {};
    }
};

// The rows of the cells that touch the box, as degrees of their south edge.
std::pair<int, int> lat_cells(GeoBox box) {
    if (!(box.south <= box.north)) return {0, -1};
    const int from = static_cast<int>(std::floor(std::clamp(box.south, -90.0, 89.0)));
    const int to = static_cast<int>(std::ceil(std::clamp(box.north, -89.0, 90.0))) - 1;
    return {from, std::max(from, to)};
}

// The columns of the cells that touch the box, as degrees of their west edge (-180..179).
std::vector<int> lon_cells(GeoBox box) {
    std::vector<int> cols;
    if (!std::isfinite(box.west) || !std::isfinite(box.east)) return cols;
    double span = box.east - box.west;
    if (span < 0) span += 360;
    int from = -180, to = 179;
    if (span >= 0 && span < 360) {
        double west = std::fmod(box.west + 180, 360.0);
        if (west < 0) west += 360;
        from = static_cast<int>(std::floor(west)) - 180;
        to = std::clamp(static_cast<int>(std::ceil(west + span)) - 181, from, from + 359);
    }
    for (int c = from; c <= to; ++c) cols.push_back(c >= 180 ? c - 360 : c);
    return cols;
}

}  // namespace

Result<std::vector<GeoLine>> wvs_shorelines(std::string_view file_bytes, GeoBox box) {
    Result<WvsFile> header = read_header(file_bytes);
    if (!header) return fail(header.message());
    const WvsFile& f = *header;
    std::vector<GeoLine> lines;
    Decoder decoder{f, lines, f.records};
    const auto [lat_from, lat_to] = lat_cells(box);
    const std::vector<int> cols = lon_cells(box);
    const int width = f.east - f.west;
    for (int lat = lat_from; lat <= lat_to; ++lat) {
        const int row = lat + 90;
        if (row < f.south || row >= f.north) continue;
        for (const int lon : cols) {
            int col = lon + 180;
            if (col < f.west) col += 360;
            if (col >= f.east) continue;
            const auto cell = static_cast<std::size_t>((row - f.south) * width + col - f.west);
            if (!(f.bytes[f.record_bytes + cell / 8] >> (7 - cell % 8) & 1)) continue;
            const unsigned char* first = f.record(f.first_cell_record + cell);
            if (!first) return damaged();
            if (Status s = decoder.cell(row, col, first); !s) return fail(s.message());
        }
    }
    return lines;
}

std::optional<std::filesystem::path> installed_shoreline_file() {
    std::error_code ec;
    if (const char* own = std::getenv("LOXAR_SHORELINE"); own && *own) {
        if (std::filesystem::is_regular_file(own, ec)) return std::filesystem::path(own);
        return std::nullopt;
    }
    // xtide-coastline installs wvs1.dat; xtide's other files go into the same folder. A screen map
    // of a continent wants 1:12 or 1:3 million; 1:43 million is too coarse, the full one too big.
    for (const char* dir : {"/usr/share/xtide-wvs", "/usr/local/share/xtide-wvs"}) {
        for (const char* name :
             {"wvs12.dat", "wvs3.dat", "wvs1.dat", "wvs43.dat", "wvs250k.dat", "wvsfull.dat"}) {
            const std::filesystem::path p = std::filesystem::path(dir) / name;
            if (std::filesystem::is_regular_file(p, ec)) return p;
        }
    }
    return std::nullopt;
}

Result<std::vector<GeoLine>> load_shorelines(const std::filesystem::path& file, GeoBox box) {
    const std::optional<Text> bytes = read_file(file);
    if (!bytes) return fail(hu(u8"A partvonalfájl nem olvasható: ") + text_path(file));
    return wvs_shorelines(*bytes, box);
}

}  // namespace loxar
