// The map's numbers: the projection, the QSOs' dots, squares per band, the ODX, rings and grid.
#include "statistics/map_data.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "statistics/map_projection.hpp"
#include "support/sample_lines.hpp"

namespace loxar {
namespace {

constexpr double kQuarter = std::numbers::pi / 2 * kEarthRadiusKm;
constexpr double kDegreeKm = kQuarter / 90;

TEST(MapProjection, KnownPoints) {
    struct Case {
        GeoPoint centre, p;
        double x, y;
    };
    const Case cases[] = {
        {{47.4, 19.0}, {47.4, 19.0}, 0, 0},        // the centre itself
        {{0, 0}, {10, 0}, 0, 10 * kDegreeKm},      // due north
        {{0, 0}, {0, 90}, kQuarter, 0},            // a quarter round the equator, due east
        {{0, 170}, {0, -170}, 20 * kDegreeKm, 0},  // east across the date line
        {{90, 0}, {0, 90}, kQuarter, 0},           // from the pole every meridian runs south
    };
    for (const Case& c : cases) {
        const MapXY xy = MapProjection(c.centre).forward(c.p);
        EXPECT_NEAR(xy.x, c.x, 1e-6) << c.p.lat << " " << c.p.lon;
        EXPECT_NEAR(xy.y, c.y, 1e-6) << c.p.lat << " " << c.p.lon;
    }
    EXPECT_FALSE(MapProjection({47, 19}).inverse({kQuarter * 2.01, 0}));  // beyond the rim
}

TEST(MapProjection, DistanceAndBearingFromTheCentreAndBack) {
    // On this map a point lies as far from the middle as the great circle says, in the direction
    // of the beam heading, and the inverse finds it again.
    const GeoPoint centre{47.44, 18.96};
    const GeoPoint points[] = {{51.5, -0.1},   {60.2, 24.9},  {35.9, 14.5},
                               {-33.9, 151.2}, {40.7, -74.0}, {47.44, 19.5}};
    const MapProjection proj(centre);
    for (const GeoPoint& p : points) {
        const MapXY xy = proj.forward(p);
        EXPECT_NEAR(std::hypot(xy.x, xy.y), great_circle_km(centre, p), 1e-6) << p.lat << " " << p.lon;
        const double heading = std::fmod(std::atan2(xy.x, xy.y) * 180 / std::numbers::pi + 360, 360);
        EXPECT_NEAR(heading, initial_bearing_deg(centre, p), 1e-9) << p.lat << " " << p.lon;
        const std::optional<GeoPoint> back = proj.inverse(xy);
        ASSERT_TRUE(back);
        EXPECT_NEAR(back->lat, p.lat, 1e-9);
        EXPECT_NEAR(back->lon, p.lon, 1e-9);
    }
    EXPECT_NEAR(great_circle_km({0, 0}, {0, 90}), kQuarter, 1e-6);
    EXPECT_NEAR(initial_bearing_deg({0, 0}, {0, 90}), 90, 1e-9);
    EXPECT_NEAR(initial_bearing_deg({10, 0}, {0, 0}), 180, 1e-9);
}

TEST(MapData, LocatorsSquaresAndGrid) {
    const std::optional<GeoPoint> c = locator_centre("jn97");
    ASSERT_TRUE(c);
    EXPECT_DOUBLE_EQ(c->lat, 47.5);
    EXPECT_DOUBLE_EQ(c->lon, 19);
    for (const char* loc : {"JN97KK", "AA00AA", "RR99XX", "IO91WM"}) {
        const std::optional<GeoPoint> p = locator_centre(loc);
        ASSERT_TRUE(p) << loc;
        EXPECT_EQ(locator_at(*p), loc);
    }
    for (const char* bad : {"", "JN9", "JN97K", "JN97KY", "SN97"}) EXPECT_FALSE(locator_centre(bad)) << bad;

    const Grid g = maidenhead_grid({46.2, 17.5, 48.4, 20.5}, GridLevel::Squares);
    EXPECT_EQ(g.lines.size(), 2u + 2u);  // meridians 18° and 20°, parallels 47° and 48°
    std::vector<Text> labels;
    for (const GridLabel& l : g.labels) labels.push_back(l.text);
    EXPECT_EQ(labels, (std::vector<Text>{"JN96", "JN97"}));
    // A field box across the date line holds the 180° meridian.
    const Grid fields = maidenhead_grid({-5, 175, 5, -175}, GridLevel::Fields);
    EXPECT_EQ(fields.lines.size(), 2u);  // 180° and the equator
}

TEST(MapData, RingsReachTheFarthestQso) {
    struct Case {
        double farthest;
        std::size_t rings;
        double last;
    };
    for (const Case& c :
         {Case{0, 1, 100}, {100, 1, 100}, {101, 2, 250}, {1428, 5, 1500}, {60000, 10, 20000}}) {
        const std::vector<double> r = distance_rings(c.farthest);
        EXPECT_EQ(r.size(), c.rings) << c.farthest;
        EXPECT_EQ(r.back(), c.last) << c.farthest;
    }
}

Text qso(const Text& call, const Text& loc, const Text& band = "145 MHz", const Text& freq = "00.000") {
    return testing::line_of(ContestType::Iaru, {.call = call, .loc = loc, .band = band, .freq = freq});
}

TEST(MapData, DotsSquaresPerBandAndOdx) {
    const std::vector<Text> lines = {
        qso("HA1AA", "JN97MM"),
        qso("OE2BB", "JN88AA"),
        qso("OE3CC", "JN88AB", "435 MHz"),
        qso("S51DD", "JN96"),  // a square, but no subsquare to put a dot on
        qso("HA6EE", ""),      // written as the missing-locator placeholder
        qso("G4FF", "IO91WM"),
        qso("G4GG", "IO91WM", "435 MHz"),             // as far as G4FF: the earlier one is the ODX
        qso("HA9HH", "JN97LL", "145 MHz", "03.550"),  // a frequency in kHz: its band's place
    };
    const MapData m = map_data(lines, LineLayout::General, "JN97KK");
    ASSERT_TRUE(m.centre);
    EXPECT_EQ(m.bands, (std::vector<Text>{"3,5 MHz", "145 MHz", "435 MHz"}));
    ASSERT_EQ(m.qsos.size(), 6u);
    EXPECT_EQ(m.qsos[0].call, "HA1AA");
    EXPECT_EQ(m.qsos[0].qrb.distance, qrb_between("JN97MM", "JN97KK").distance);
    EXPECT_EQ(m.qsos[3].line, 5u);
    EXPECT_EQ(m.qsos[5].band, 0u);
    std::vector<std::pair<Text, std::vector<long>>> squares;
    for (const WorkedSquare& s : m.squares) squares.emplace_back(s.square, s.per_band);
    EXPECT_EQ(squares,
              (std::vector<std::pair<Text, std::vector<long>>>{
                  {"IO91", {0, 1, 1}}, {"JN88", {0, 1, 1}}, {"JN96", {0, 1, 0}}, {"JN97", {1, 1, 0}}}));
    ASSERT_TRUE(m.odx);
    EXPECT_EQ(m.qsos[*m.odx].call, "G4FF");
    EXPECT_EQ(m.rings.back(), 1500);

    // No locator column in the layout; an own locator that names no square.
    EXPECT_TRUE(map_data({testing::qrp("HA1AA")}, LineLayout::Qrp, "JN97KK").qsos.empty());
    const MapData lost = map_data(lines, LineLayout::General, "");
    EXPECT_FALSE(lost.centre);
    EXPECT_FALSE(lost.odx);
}

}  // namespace
}  // namespace loxar
