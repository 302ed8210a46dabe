// World Vector Shoreline files: a crafted one decoded exactly, cut to a box and broken in every
// part; the installed one where it belongs.
#include "statistics/shoreline.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace loxar {
namespace {

// 16-byte records: 12 data bytes, the end-of-data byte, the 24-bit next record.
std::string record(std::initializer_list<int> data, int end, int next = 0) {
    std::string r(16, '\0');
    std::size_t i = 0;
    for (const int b : data) r[i++] = static_cast<char>(b);
    r[12] = static_cast<char>(end);
    r[13] = static_cast<char>(next >> 16);
    r[14] = static_cast<char>(next >> 8);
    r[15] = static_cast<char>(next);
    return r;
}

// The four cells 45..47°N, 13..15°E (rows 135..137, columns 193..195 of the world's cells):
// 45°N 13°E holds one segment of four points that goes on in record 7 with a continuation
// header; 46°N 14°E a single point, dropped, and a two-point segment whose step is in record 8.
std::string crafted() {
    std::string header(16, '\0');
    const std::pair<std::size_t, int> fields[] = {{3, 16},  {4, 5},    {5, 1},   {7, 135},
                                                  {9, 137}, {11, 193}, {13, 195}};
    for (const auto& [byte, value] : fields) header[byte] = static_cast<char>(value);
    const std::string records[] = {
        header,
        record({0x90}, 0),  // the cell bits: cells 0 and 3
        // 45N 13E: 2340" and 2772" from the corner, then three steps
        record({0x00, 0xc0, 0x09, 0x24, 0x0a, 0xd4, 138, 148, 123, 128, 128, 98}, 0, 7),
        record({}, 0),
        record({}, 0),
        // 46N 14E: one point, then a segment of two
        record({0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x40, 0x02, 0x00, 0x03, 0x00}, 0, 8),
        // the continuation: -1000" and +2000", then a step
        record({0x80, 0x5c, 0xfc, 0x18, 0x07, 0xd0, 128, 138}, 9),
        record({129, 127}, 3),
    };
    std::string bytes;
    for (const std::string& r : records) bytes += r;
    return bytes;
}

GeoPoint at(int lat, int lon, int lat_seconds, int lon_seconds) {
    return {lat + lat_seconds / 3600.0, lon + lon_seconds / 3600.0};
}

void expect_line(const GeoLine& got, const GeoLine& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].lat, want[i].lat, 1e-9) << i;
        EXPECT_NEAR(got[i].lon, want[i].lon, 1e-9) << i;
    }
}

TEST(Shoreline, DecodesCellsAndKeepsThoseOfTheBox) {
    const Result<std::vector<GeoLine>> all = wvs_shorelines(crafted(), GeoBox{});
    ASSERT_TRUE(all.ok()) << all.message();
    ASSERT_EQ(all->size(), 2u);
    expect_line((*all)[0], {at(45, 13, 2340, 2772), at(45, 13, 2350, 2792), at(45, 13, 2345, 2792),
                            at(45, 13, 2345, 2762), at(45, 13, 1345, 4762), at(45, 13, 1345, 4772)});
    expect_line((*all)[1], {at(46, 14, 512, 768), at(46, 14, 513, 767)});

    struct Case {
        GeoBox box;
        std::size_t lines;
        double first_lat;
    };
    for (const Case& c :
         {Case{{46.2, 14.2, 46.8, 14.8}, 1, 46.14}, Case{{45.1, 13.1, 45.2, 13.2}, 1, 45.65},
          Case{{44.0, 170.0, 47.0, -170.0}, 0, 0}, Case{{45.5, 12.5, 46.5, 14.5}, 2, 45.65}}) {
        const Result<std::vector<GeoLine>> lines = wvs_shorelines(crafted(), c.box);
        ASSERT_TRUE(lines.ok());
        ASSERT_EQ(lines->size(), c.lines) << c.box.south << " " << c.box.west;
        if (c.lines > 0) {
            EXPECT_NEAR(lines->front().front().lat, c.first_lat, 0.01);
        }
    }
}

TEST(Shoreline, MalformedFilesGiveAMessage) {
    const auto changed = [](std::initializer_list<std::pair<std::size_t, int>> bytes_at) {
        std::string bytes = crafted();
        for (const auto& [byte, value] : bytes_at) bytes[byte] = static_cast<char>(value);
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
        bool header;
    };
    const Case cases[] = {
        {"empty", "", true},
        {"short", crafted().substr(0, 10), true},
        {"odd record size", changed({{3, 15}}), true},
        {"no coordinate unit", changed({{5, 0}}), true},
        {"north past the pole", changed({{8, 3}}), true},
        {"bits cut off", crafted().substr(0, 16), false},
        {"overflow record cut off", crafted().substr(0, 6 * 16), false},
        {"chain loops", changed({{6 * 16 + 12, 0}, {6 * 16 + 15, 7}}), false},  // record 7 goes on in itself
        {"continuation first", changed({{2 * 16, 0x80}}), false},
        {"step past the pole", changed({{6 * 16 + 1, 0x7c}}), false},
    };
    for (const Case& c : cases) {
        const Result<std::vector<GeoLine>> lines = wvs_shorelines(c.bytes, GeoBox{});
        ASSERT_FALSE(lines.ok()) << c.what;
        EXPECT_EQ(lines.message().find(hu(u8"fejléce")) != Text::npos, c.header) << c.what;
    }
}

// Trieste and Ancona lie on the coast; the middle of Hungary has none (the data holds no lakes,
// so Balaton's eastern end in the box brings none either).
TEST(Shoreline, InstalledFileDrawsTheAdriatic) {
    const std::optional<std::filesystem::path> file = installed_shoreline_file();
    if (!file) GTEST_SKIP() << "no World Vector Shoreline file installed (xtide-coastline)";
    const Result<std::vector<GeoLine>> adriatic = load_shorelines(*file, {40, 12, 46, 20});
    ASSERT_TRUE(adriatic.ok()) << adriatic.message();
    for (const GeoPoint place : {GeoPoint{45.65, 13.77}, GeoPoint{43.62, 13.52}}) {
        double nearest = 999;
        for (const GeoLine& line : *adriatic) {
            for (const GeoPoint& p : line)
                nearest = std::min(nearest, std::hypot(p.lat - place.lat, p.lon - place.lon));
        }
        EXPECT_LT(nearest, 0.2) << place.lat << " " << place.lon;
    }
    const Result<std::vector<GeoLine>> hungary = load_shorelines(*file, {46.5, 18, 47.5, 20});
    ASSERT_TRUE(hungary.ok());
    EXPECT_TRUE(hungary->empty());
}

}  // namespace
}  // namespace loxar
