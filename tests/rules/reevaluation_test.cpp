// Re-evaluation of whole logs: the lines it rewrites, the columns it keeps, the totals after it.
#include "session/reevaluation.hpp"

#include <gtest/gtest.h>

#include "rules/locator.hpp"
#include "session/scoring.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

using T = ContestType;
using testing::line_of;
using testing::Started;

// Marker and points of a general or SKM line, "DX/--/00003".
Text scored(const Text& line) {
    return col(line, 75, 11);
}

TEST(Reevaluation, CqBpPointsFromDistanceModeAndBand) {
    struct Case {
        const char* distance;
        int mode;
        const char* band;
        const char* points;
    };
    const Case cases[] = {
        {"123", 2, "435 MHz", "00738"},                                  // 123 × CW 3 × 70 cm 2
        {"123", 1, "145 MHz", "00246"},                                  // SSB 2
        {"100", 3, "1,3 GHz", "00300"},                                  // FM 1 × 23 cm 3
        {"100", 2, "10 GHz ", "01200"}, {"100", 8, "2,3 GHz", "00400"},  // DIG has no mode multiplier
        {"0", 2, "435 MHz", "00000"},
    };
    for (const Case& c : cases) {
        Started k(T::CqBp);
        const Text before =
            line_of(T::CqBp, {.mode = c.mode, .dist = c.distance, .pts = "1", .band = c.band});
        k.log({before});
        log_ujraertekeles(k.s);
        const Text after = k.s.log_lista.at(0);
        EXPECT_EQ(col(after, 81, 5), c.points) << c.distance << " " << c.band;
        EXPECT_EQ(after.substr(0, 80), before.substr(0, 80)) << c.band;
        EXPECT_EQ(after.substr(85), before.substr(85)) << c.band;
    }
}

TEST(Reevaluation, CqBpPointsBeyondFiveDigitsAreCappedAndReported) {
    Started k(T::CqBp);
    k.log({line_of(T::CqBp, {.dist = "50000", .band = "24 GHz "})});
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(0)), "50000/99999");
    ASSERT_EQ(k.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(k.fakes.ui.messages[0], hu(u8"1 QSO pontszáma nem fér el öt számjegyen, 99999 lett."));
}

TEST(Reevaluation, MarkersPointsAndTotalsByType) {
    auto rhob = [](int mode, Text sent) {
        return line_of(T::RhOb, {.call = "HA5A", .sent_nr = sent, .mode = mode});
    };
    auto at = [](Text freq) { return line_of(T::Hadx, {.call = "DL1ABC", .dist = "--/--", .freq = freq}); };
    auto hadx = [](Text call, Text band, Text dist = "--/--") {
        return line_of(T::Hadx, {.call = call, .dist = dist, .pts = "9", .band = band});
    };
    auto hskc = [](Text call, Text nr) {
        return line_of(T::Hskc, {.call = call, .nr = nr, .dist = "-----", .band = "3,5 MHz"});
    };
    auto ref = [](Text call, Text nr, Text band) {
        return line_of(T::Ref, {.call = call, .nr = nr, .dist = "-----", .band = band});
    };
    struct Case {
        const char* what;
        T type;
        std::vector<Text> lines, scored;
        Text total, label;  // empty: not checked
        std::vector<Text> keys = {};
        std::size_t at = 75, len = 11;  // the columns compared with `scored`
    };
    // clang-format off
    const Case cases[] = {
        {"RH-OB: a multiplier per callsign and mode", T::RhOb, {rhob(2, "1"), rhob(2, "2"), rhob(1, "3")},
         {"Multi/00001", "None /00001", "Multi/00001"}, "6", "N:003 Q:003 M:002"},
        {"HADX: the first QSO of each country and band in log order is the multiplier", T::Hadx,
         {hadx("HA5KDR", "145 MHz"), hadx("DL1ABC", "145 MHz"), hadx("DL2XYZ", "145 MHz", "DX/--"),
          hadx("DL1ABC", "7 MHz  "), hadx("JA1XYZ", "7 MHz  ")},
         {"DX/--/00001", "DX/--/00003", "--/--/00003", "DX/--/00003", "DX/--/00005"}, "60", "5/4"},
        {"HADX: a frequency in the band field counts by its band", T::Hadx,
         {at("14.025"), at("07.025"), at("14.030")}, {"DX/--/00003", "DX/--/00003", "--/--/00003"}, "", ""},
        {"HSKC: category points and home-callsign keys", T::Hskc,
         {hskc("HA5KDR", "11A"), hskc("OE/HA5KXX/P", "7B"), hskc("HG3AB", "3")},
         {"Multi/00003", "-----/00001", "Multi/00000"}, "0000008", "", {"3A", "5K"}},
        {"REF: exchange and band keys", T::Ref,
         {ref("F5ABC", "12", "14 MHz "), ref("F6XYZ", "012", "14 MHz "), ref("FY5AA", "12", "7 MHz  "),
          ref("DL1ABC", "AB", "14 MHz ")},
         {"Multi/00001", "-----/00001", "Multi/00003", "Multi/00000"}, "15", "4/5/3"},
        {"NMARK: factor and points", T::Nmark,
         std::vector<Text>(10, line_of(T::Nmark, {.dist = "3", .pts = "2", .band = "3,5 MHz"})),
         std::vector<Text>(10, "2/1"), "20", "", {}, 104, 3},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Started k(c.type);
        k.log(c.lines);
        log_ujraertekeles(k.s);
        for (std::size_t i = 0; i < c.scored.size(); ++i)
            EXPECT_EQ(col(k.s.log_lista.at(i), c.at, c.len), c.scored[i]) << i;
        if (!c.total.empty()) {
            EXPECT_EQ(k.s.ossz_pontszam_text, c.total);
        }
        if (!c.label.empty()) {
            EXPECT_EQ(k.s.qso_label, c.label);
        }
        if (!c.keys.empty()) {
            EXPECT_EQ(k.s.sort_combo.items, c.keys);
        }
    }
}

TEST(Reevaluation, KeyListsTakeEveryKeyOfALongLog) {
    Started k(T::RhOb);
    std::vector<Text> lines;
    for (int i = 0; i < 300; ++i) {
        lines.push_back(line_of(T::RhOb, {.call = "HA" + std::to_string(i) + "X", .dist = "--/--"}));
    }
    k.log(lines);
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(299)), "Multi/00001");
    EXPECT_EQ(k.s.ossz_pontszam_text, "90000");

    k.choose(T::Ref);
    lines.clear();
    for (int i = 0; i < 200; ++i) {
        lines.push_back(line_of(T::Ref, {.call = "F5AB", .nr = std::to_string(i + 1), .dist = "--/--"}));
    }
    k.log(lines);
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(199)), "Multi/00001");
    EXPECT_EQ(k.s.ossz_pontszam_text, "40000");
}

TEST(Reevaluation, RudxOblastsAndTheirCodes) {
    Started k(T::RudxAll);
    auto qso = [](Text call, Text nr) {
        return line_of(T::RudxAll, {.call = call, .nr = nr, .dist = "--/--", .band = "14 MHz "});
    };
    k.log({qso("UA3AAA", ""), qso("RA3BB", "XX"), qso("UA9AA", ""), qso("UA3JAA", "KK"), qso("HA5KDR", "12"),
           qso("OE1A", "7")});
    log_ujraertekeles(k.s);
    struct Row {
        const char* serial;
        const char* scored;
    };
    const Row rows[] = {
        {"MA  ", "DX/OB/00010"}, {"MA  ", "--/--/00010"},  // the same oblast from another call area
        {"CB  ", "DX/OB/00010"},                           // Asiatic Russia is another country
        {"KK  ", "--/--/00010"},  // no oblast in the table: the logged exchange stays
        {"0012", "DX/--/00002"}, {"0007", "DX/--/00003"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(col(k.s.log_lista.at(i), 46, 4), rows[i].serial) << i;
        EXPECT_EQ(scored(k.s.log_lista.at(i)), rows[i].scored) << i;
    }
    EXPECT_EQ(k.s.qso_label, "6/4/2");
    EXPECT_EQ(k.s.ossz_pontszam_text, "270");  // 45 points × (4 + 2)
}

TEST(Reevaluation, ReevaluatingTwiceGivesTheSameLines) {
    for (T type : {T::Hadx, T::RudxTwo, T::HaQrp, T::Hskc, T::SilentKeyMem, T::Ref, T::RhOb, T::CqBp}) {
        Started k(type);
        std::vector<Text> lines;
        for (const char* call : {"DL1ABC", "UA3AAA", "F5ABC", "DL1ABC", "HA5KDR/P", "JA1XYZ"}) {
            const Text dist = type == T::CqBp ? "00100" : "-----";
            lines.push_back(
                line_of(type, {.call = call, .nr = "HA5XX", .dist = dist, .band = "14 MHz "}, 'N'));
        }
        k.log(lines);
        log_ujraertekeles(k.s);
        const std::vector<Text> once = k.lines();
        const Text total = k.s.ossz_pontszam_text;
        log_ujraertekeles(k.s);
        EXPECT_EQ(k.lines(), once) << contest_type_names()[static_cast<int>(type)];
        EXPECT_EQ(k.s.ossz_pontszam_text, total);
    }
}

TEST(Reevaluation, HaQrpPointsAndNewCountryMarkers) {
    Started k(T::HaQrp);
    auto qso = [](Text call, Text name, Text qth, char marker) {
        return line_of(T::HaQrp, {.call = call, .nr = qth, .name = name, .dist = "--/--"}, marker);
    };
    k.log({qso("DL1ABC", "JOE", "", '-'), qso("XX1AAA", "JOE", "PECS", 'N'), qso("DL2XYZ", "", "", 'N'),
           qso("HA5KDR", "ANN", "GYOR", '-')});
    log_ujraertekeles(k.s);
    const char* expected[] = {"1=N", "2=-", "1=-", "2=N"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(col(k.s.log_lista.at(i), 104, 3), expected[i]) << i;
    EXPECT_EQ(k.s.ossz_pontszam_text, "12");  // 6 points × 2 countries
    EXPECT_EQ(k.s.score.country_worked[230], 1);
    EXPECT_EQ(k.s.score.country_worked[0], 0);
}

TEST(Reevaluation, SilentKeyMemKeepsItsLayout) {
    Started k(T::SilentKeyMem);
    auto qso = [](Text call, Text remembered, Text zone) {
        return line_of(T::SilentKeyMem, {.call = call,
                                         .nr = remembered,
                                         .loc = zone,
                                         .dist = "--/--",
                                         .pts = "00000",
                                         .band = "7 MHz  "});
    };
    k.log({qso("HA5KDR", "HA5XX", ""), qso("OE1A", "HA5XX", "28"), qso("K1ABC", "W1AW", "07"),
           qso("JA1XYZ", "", "")});
    log_ujraertekeles(k.s);
    struct Row {
        const char* scored;
        const char* zone;
    };
    const Row rows[] = {
        {"IT/SK=00002", "28"},
        {"--/--=00001", "28"},
        {"IT/SK=00006", "07"},
        {"IT/--=00005", "45"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Text& line = k.s.log_lista.at(i);
        EXPECT_EQ(scored(line), rows[i].scored) << i;
        EXPECT_EQ(col(line, 116, 2), rows[i].zone) << i;
        EXPECT_EQ(line.size(), 118u) << i;
    }
    EXPECT_EQ(k.s.sort_combo.items, (std::vector<Text>{"HA5XX7 MHz   ", "W1AW7 MHz   "}));
    EXPECT_EQ(k.s.qso_label, "4/3/2");
    EXPECT_TRUE(country_marked(k.s, 45, 5));
}

// A line as the import builds it: the general layout, columns 75-85 as given ("--/--/00001"
// where no distance is known yet).
Text imported(const Text& locator, const Text& band, const Text& scored = "--/--/00001") {
    Text line = testing::general("DL1ABC", 1, band, "11:29", "CW");
    line.replace(50, 6, locator);
    line.replace(74, 11, scored);
    return line;
}

TEST(Reevaluation, ImportedLinesGetWhatTheEntryWouldHaveWritten) {
    const long long km = static_cast<long long>(qrb_between("JN79AA", "JN97AA").distance);
    const Text d = zero_pad(km, 5);
    const struct {
        T type;
        Text line, scored;
    } cases[] = {
        {T::Iaru, imported("JN79AA", "145 MHz"), d + "/" + zero_pad(3 * km, 5)},  // CW 3
        {T::None, imported("JN79AA", "145 MHz"), d + "/" + zero_pad(3 * km, 5)},
        {T::Iaru, imported("AA00AA", "145 MHz"), "00000/00000"},                  // no locator, no distance
        {T::CqBp, imported("JN79AA", "435 MHz"), d + "/" + zero_pad(6 * km, 5)},  // × 70 cm 2
    };
    for (const auto& c : cases) {
        Started k(c.type, testing::kOwnData);
        k.s.rules.rule_values = {1, 1, 1, 1, 2, 3};
        // A line of another layout in the log is no line of these types: it stays as it is.
        k.log({c.line, testing::qrp("HA5A")});
        log_ujraertekeles(k.s);
        EXPECT_EQ(scored(k.s.log_lista.at(0)), c.scored) << c.line;
        EXPECT_EQ(k.s.log_lista.at(1), testing::qrp("HA5A"));
        EXPECT_EQ(k.fakes.ui.beeps, 0);
    }
}

TEST(Reevaluation, TypesThatAreNotRewritten) {
    for (T type : {T::YlOm, T::CqwwVhf, T::Dx, T::Iaru, T::Exchange, T::Swl}) {
        Started k(type);
        const std::vector<Text> lines = {line_of(type, {.call = "DL1ABC", .dist = "00010", .pts = "10"}),
                                         "short line"};
        k.log(lines);
        log_ujraertekeles(k.s);
        const bool beeps = type == T::YlOm || type == T::CqwwVhf || type == T::Dx;
        EXPECT_EQ(k.lines(), lines);
        EXPECT_EQ(k.fakes.ui.beeps, beeps ? 1 : 0);
    }
}

TEST(Reevaluation, ShortAndForeignLinesAreLeftAlone) {
    Started k(T::Hadx);
    const std::vector<Text> lines = {"", "2024-05-04/12:30:15=DL1ABC",
                                     line_of(T::Hadx, {.call = "DL1ABC", .dist = "--/--"})};
    k.log(lines);
    log_ujraertekeles(k.s);
    EXPECT_EQ(k.s.log_lista.at(0), lines[0]);
    EXPECT_EQ(k.s.log_lista.at(1), lines[1]);
    EXPECT_EQ(scored(k.s.log_lista.at(2)), "DX/--/00003");
    EXPECT_EQ(k.s.worked.qth_label, "");
}

}  // namespace
}  // namespace loxar
