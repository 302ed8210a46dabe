// Locator check, conversion, distance and bearing against values worked out apart from this code.
#include "rules/locator.hpp"

#include <gtest/gtest.h>

#include <random>

namespace loxar {
namespace {

// Expected fields come from a separate Python 3 rendering of the same method (conversion with the
// 24 + 1/48 and 12 + 1/24 divisors, K = (111.1451 + 0.56 sin(φo + φp − π/2)) · 180/π, the folded
// cosine, the 100000-step arc-cosine search, atan bearing with the D = 0 rule), run by hand once;
// Python floats and math.sin/cos are the same doubles and C library as here.
struct QrbCase {
    const char* own;
    const char* partner;
    const char* distance;
    const char* bearing;  // empty: no bearing
    const char* why;
};
const QrbCase kQrbCases[] = {
    {"JN97AA", "JN97AB", "00004", "0", "same square, next subsquare: under 5 km, bearing 0"},
    {"KQ01AA", "KQ01BA", "00003", "0", "a few km apart in the far north"},
    {"AR09AA", "AR09BA", "00000", "0", "next subsquare at the pole"},
    {"KQ01AA", "KQ01CA", "00006", "90", "just past the 5 km bearing limit, east"},
    {"KQ01CA", "KQ01AA", "00006", "270", "and back west"},
    {"JN97MA", "JO97MA", "01112", "0", "due north"},
    {"JN97MM", "KN08AA", "00093", "53", "a typical VHF QSO"},
    {"JN97MM", "KP20LE", "01461", "13", "north-east"},
    {"JN97MM", "JM78SD", "01079", "197", "south: negative denominator"},
    {"JN97KR", "IO91WM", "01428", "294", "west-north-west"},
    {"JN97KR", "FN31PR", "06827", "302", "across the Atlantic"},
    {"JN97MM", "PM95TQ", "09034", "45", "long path, just under a quarter circle"},
    {"RH92AA", "AH12AA", "00421", "91", "across the antimeridian"},
    {"RJ90AA", "AJ00AA", "00221", "90", "antimeridian on the equator: D = 0"},
    {"JJ00AA", "KJ00AA", "02211", "90", "D = 0, partner east"},
    {"JJ00AA", "IJ00AA", "02211", "270", "D = 0, partner west"},
    {"JJ00AA", "NJ50AA", "09952", "90", "exactly a quarter circle: the last search step"},
    {"JN97MM", "RF80LQ", "01980", "172", "beyond a quarter circle: cosine folded"},
    {"JN97MM", "BL11BH", "07638", "341", "beyond a quarter circle, north-west"},
    {"JN97MM", "FF46PW", "07346", "214", "beyond a quarter circle, south-west"},
    {"AA00AA", "RR99XX", "00004", "0", "pole to pole folds to a few km"},
    {"RR73TU", "AA00AB", "00686", "180", "towards the south pole, folded"},
    {"JN97MM", "JN97MM", "00005", "0", "identical locators: 5 km without conversion"},
    {"JN97AA", "jn97ab", "00004", "0", "the converter takes lower case"},
    {"JN97MM", "JN97", "00000", "", "4 characters: no distance, no bearing"},
    {"JN97MM", "AA00AA", "00000", "", "the missing-locator placeholder"},
    {"JN97", "JN97MM", "00000", "", "own locator does not convert"},
};

TEST(Locator, DistanceAndBearingFields) {
    for (const auto& c : kQrbCases) {
        const Qrb r = qrb_between(c.partner, c.own);
        EXPECT_EQ(distance_field(r.distance), c.distance) << c.own << " " << c.partner << ": " << c.why;
        EXPECT_EQ(bearing_field(r.bearing), c.bearing) << c.own << " " << c.partner << ": " << c.why;
    }
}

TEST(Locator, BearingInRadians) {
    // From the same Python run; the field rounds, so the angle itself is checked once.
    const Qrb r = qrb_between("KN08AA", "JN97MM");
    EXPECT_NEAR(r.bearing, 0.9261490648634123, 1e-12);
    EXPECT_EQ(qrb_between("JN97MM", "JN97MM").bearing, 0.0);
    EXPECT_EQ(qrb_between("JN97", "JN97MM").bearing, kNoBearing);
}

TEST(Locator, Fields) {
    EXPECT_EQ(points_field(1, 5), "00005");
    EXPECT_EQ(points_field(3, 93), "00279");
    EXPECT_EQ(points_field(0, 9034), "00000");
    EXPECT_EQ(points_field(32767, 9034), "296017078");  // five digits is a minimum, not a cut
    EXPECT_EQ(points_field(12, 9952), "119424");
    EXPECT_EQ(distance_field(0), "00000");
}

TEST(Locator, ConversionOfCorners) {
    // The point of a locator: field corner + square + subsquare scaled by the odd divisors.
    auto origin = locator_to_coords("JJ00AA");
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->lon, 0.0);
    EXPECT_EQ(origin->lat, 0.0);
    auto lower = locator_to_coords(" jj00aa ");
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->lon, 0.0);
    auto last = locator_to_coords("RR99XX");
    ASSERT_TRUE(last);
    EXPECT_NEAR(last->lon * 180 / kQrbPi, 180 - 2 + 23 / (12 + 1 / 24.0), 1e-9);
    EXPECT_NEAR(last->lat * 180 / kQrbPi, 90 - 1 + 23 / (24 + 1 / 48.0), 1e-9);
}

TEST(Locator, ConverterRefusesWhatIsNotALocator) {
    for (const char* bad : {"", "JN97", "JN97A", "JN97AAA", "SN97AA", "JS97AA", "JNA7AA", "JN9AAA", "JN97YA",
                            "JN97AY", "J N97A", "\xC1N97AA", "JN97\xE1\xE1"}) {
        EXPECT_FALSE(locator_to_coords(bad)) << bad;
    }
}

TEST(Locator, AnyTextConvertsOrIsRefusedWithoutHarm) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> len(0, 9), byte(0, 255), pick(0, 4);
    const char near[] = "AaRrXx09 ";
    for (int n = 0; n < 20000; ++n) {
        Text t;
        for (int i = len(rng); i > 0; --i) {
            t += pick(rng) == 0 ? static_cast<char>(byte(rng)) : near[byte(rng) % (sizeof near - 1)];
        }
        auto c = locator_to_coords(t);
        if (c) {
            EXPECT_EQ(trim(t).size(), 6u) << t;
            const Qrb r = qrb_between(upper_hu(trim(t)), "JN97MM");
            EXPECT_GE(r.distance, 0) << t;
            EXPECT_TRUE(r.bearing == kNoBearing || (r.bearing >= 0 && r.bearing < kQrbTwoPi)) << t;
        }
    }
}

TEST(Locator, EntryFormatCheck) {
    struct Case {
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {"JN97AA", true},  {"JN97", true},    {"JN97A", true},   {"JN97AAZZ", true}, {"RR99XX", true},
        {"jn97aa", false}, {"JN97aa", false}, {"Jn97AA", false}, {"JN9", false},     {"", false},
        {"SN97AA", false}, {"JN97AY", false}, {"JN-1AA", false}, {"JN.5AA", false},  {"JN 5AA", false},
        {"JNAAAA", false}, {"JN97A1", false},
    };
    for (const auto& c : cases) EXPECT_EQ(locator_format_ok(c.text), c.ok) << c.text;
}

}  // namespace
}  // namespace loxar
