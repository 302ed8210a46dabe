// Re-evaluation of whole logs: the lines it rewrites, the columns it keeps, the totals after it.
#include "rules/reevaluation.hpp"

#include <gtest/gtest.h>

#include "rules/scoring.hpp"
#include "support/log_lines.hpp"

namespace loxar {
namespace {

using T = ContestType;
using testing::Contest;
using testing::line_of;
using testing::Q;

// Marker and points of a general or SKM line, "DX/--/00003".
Text scored(const Text& line) { return col(line, 75, 11); }

Q call_on(Text call, Text band = "145 MHz", Text dist = "--/--", Text pts = "0") {
    Q q;
    q.call = std::move(call);
    q.band = std::move(band);
    q.dist = std::move(dist);
    q.pts = std::move(pts);
    return q;
}

TEST(Reevaluation, CqBpPointsFromDistanceModeAndBand) {
    struct Case {
        const char* distance;
        int mode;
        const char* band;
        const char* points;
    };
    const Case cases[] = {
        {"123", 2, "435 MHz", "00738"},  // 123 × CW 3 × 70 cm 2
        {"123", 1, "145 MHz", "00246"},  // SSB 2
        {"100", 3, "1,3 GHz", "00300"},  // FM 1 × 23 cm 3
        {"100", 2, "10 GHz ", "01200"},
        {"100", 8, "2,3 GHz", "00400"},  // DIG has no mode multiplier
        {"0", 2, "435 MHz", "00000"},
    };
    for (const Case& c : cases) {
        Contest k(T::CqBp);
        Q q;
        q.dist = c.distance;
        q.pts = "1";
        q.mode = c.mode;
        q.band = c.band;
        const Text before = line_of(T::CqBp, q);
        k.log({before});
        log_ujraertekeles(k.s);
        const Text after = k.s.log_lista.at(0);
        EXPECT_EQ(col(after, 81, 5), c.points) << c.distance << " " << c.band;
        EXPECT_EQ(after.substr(0, 80), before.substr(0, 80)) << c.band;
        EXPECT_EQ(after.substr(85), before.substr(85)) << c.band;
    }
}

TEST(Reevaluation, CqBpPointsBeyondFiveDigitsAreCappedAndReported) {
    Contest k(T::CqBp);
    Q q;
    q.dist = "50000";
    q.band = "24 GHz ";
    k.log({line_of(T::CqBp, q)});
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(0)), "50000/99999");
    ASSERT_EQ(k.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(k.fakes.ui.messages[0], hu(u8"1 QSO pontszáma nem fér el öt számjegyen, 99999 lett."));
}

TEST(Reevaluation, RhObMultiplierPerCallsignAndMode) {
    Contest k(T::RhOb);
    auto qso = [](int mode, Text sent) {
        Q q;
        q.call = "HA5A";
        q.mode = mode;
        q.sent_nr = std::move(sent);
        return line_of(T::RhOb, q);
    };
    k.log({qso(2, "1"), qso(2, "2"), qso(1, "3")});
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(0)), "Multi/00001");
    EXPECT_EQ(scored(k.s.log_lista.at(1)), "None /00001");
    EXPECT_EQ(scored(k.s.log_lista.at(2)), "Multi/00001");
    EXPECT_EQ(k.s.ossz_pontszam_text, "6");
    EXPECT_EQ(k.s.qso_label, "N:003 Q:003 M:002");
}

TEST(Reevaluation, KeyListsTakeEveryKeyOfALongLog) {
    Contest k(T::RhOb);
    std::vector<Text> lines;
    for (int i = 0; i < 300; ++i) lines.push_back(line_of(T::RhOb, call_on("HA" + std::to_string(i) + "X")));
    k.log(lines);
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(299)), "Multi/00001");
    EXPECT_EQ(k.s.ossz_pontszam_text, "90000");

    k.choose(T::Ref);
    lines.clear();
    for (int i = 0; i < 200; ++i) {
        Q q = call_on("F5AB");
        q.nr = std::to_string(i + 1);
        lines.push_back(line_of(T::Ref, q));
    }
    k.log(lines);
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(199)), "Multi/00001");
    EXPECT_EQ(k.s.ossz_pontszam_text, "40000");
}

TEST(Reevaluation, HadxFirstQsoOfEachCountryInLogOrderIsTheMultiplier) {
    Contest k(T::Hadx);
    k.log({line_of(T::Hadx, call_on("HA5KDR", "145 MHz", "--/--", "9")),
           line_of(T::Hadx, call_on("DL1ABC", "145 MHz", "--/--", "9")),
           line_of(T::Hadx, call_on("DL2XYZ", "145 MHz", "DX/--", "9")),
           line_of(T::Hadx, call_on("DL1ABC", "7 MHz  ", "--/--", "9")),
           line_of(T::Hadx, call_on("JA1XYZ", "7 MHz  ", "--/--", "9"))});
    log_ujraertekeles(k.s);
    const std::vector<Text> expected = {"DX/--/00001", "DX/--/00003", "--/--/00003", "DX/--/00003",
                                        "DX/--/00005"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(scored(k.s.log_lista.at(i)), expected[i]) << i;
    EXPECT_EQ(k.s.ossz_pontszam_text, "60");  // 15 points × 4 multipliers
    EXPECT_EQ(k.s.qso_label, "5/4");
    // The entry goes on from the marks the last line left.
    EXPECT_TRUE(country_marked(k.s, 230, 5));
    EXPECT_FALSE(country_marked(k.s, 230, 3));
}

TEST(Reevaluation, FrequenciesInTheBandFieldCountByTheirBand) {
    Contest k(T::Hadx);
    auto at = [](Text freq) {
        Q q = call_on("DL1ABC");
        q.freq = std::move(freq);
        return line_of(T::Hadx, q);
    };
    k.log({at("14.025"), at("07.025"), at("14.030")});
    ASSERT_EQ(col(k.s.log_lista.at(0), 108, 7), "14025  ");
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(0)), "DX/--/00003");
    EXPECT_EQ(scored(k.s.log_lista.at(1)), "DX/--/00003");
    EXPECT_EQ(scored(k.s.log_lista.at(2)), "--/--/00003");
}

TEST(Reevaluation, RudxOblastsAndTheirCodes) {
    Contest k(T::RudxAll);
    auto qso = [](Text call, Text nr) {
        Q q = call_on(std::move(call), "14 MHz ");
        q.nr = std::move(nr);
        return line_of(T::RudxAll, q);
    };
    k.log({qso("UA3AAA", ""), qso("RA3BB", "XX"), qso("UA9AA", ""), qso("UA3JAA", "KK"),
           qso("HA5KDR", "12"), qso("OE1A", "7")});
    log_ujraertekeles(k.s);
    struct Row { const char* serial; const char* scored; };
    const Row rows[] = {
        {"MA  ", "DX/OB/00010"},
        {"MA  ", "--/--/00010"},  // the same oblast from another call area
        {"CB  ", "DX/OB/00010"},  // Asiatic Russia is another country
        {"KK  ", "--/--/00010"},  // no oblast in the table: the logged exchange stays
        {"0012", "DX/--/00002"},
        {"0007", "DX/--/00003"},
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
        Contest k(type);
        std::vector<Text> lines;
        for (const char* call : {"DL1ABC", "UA3AAA", "F5ABC", "DL1ABC", "HA5KDR/P", "JA1XYZ"}) {
            Q q = call_on(call, "14 MHz ", type == T::CqBp ? "00100" : "-----");
            q.nr = "HA5XX";
            lines.push_back(line_of(type, q, 'N'));
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
    Contest k(T::HaQrp);
    auto qso = [](Text call, Text name, Text qth, char marker) {
        Q q = call_on(std::move(call));
        q.name = std::move(name);
        q.nr = std::move(qth);
        return line_of(T::HaQrp, q, marker);
    };
    k.log({qso("DL1ABC", "JOE", "", '-'), qso("XX1AAA", "JOE", "PECS", 'N'), qso("DL2XYZ", "", "", 'N'),
           qso("HA5KDR", "ANN", "GYOR", '-')});
    log_ujraertekeles(k.s);
    const char* expected[] = {"1=N", "2=-", "1=-", "2=N"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(col(k.s.log_lista.at(i), 104, 3), expected[i]) << i;
    EXPECT_EQ(k.s.ossz_pontszam_text, "12");  // 6 points × 2 countries
    EXPECT_EQ(k.s.country_worked[230], 1);
    EXPECT_EQ(k.s.country_worked[0], 0);
}

TEST(Reevaluation, HskcCategoryPointsAndHomeCallsignKeys) {
    Contest k(T::Hskc);
    auto qso = [](Text call, Text nr) {
        Q q = call_on(std::move(call), "3,5 MHz", "-----");
        q.nr = std::move(nr);
        return line_of(T::Hskc, q);
    };
    k.log({qso("HA5KDR", "11A"), qso("OE/HA5KXX/P", "7B"), qso("HG3AB", "3")});
    log_ujraertekeles(k.s);
    EXPECT_EQ(scored(k.s.log_lista.at(0)), "Multi/00003");
    EXPECT_EQ(scored(k.s.log_lista.at(1)), "-----/00001");
    EXPECT_EQ(scored(k.s.log_lista.at(2)), "Multi/00000");
    EXPECT_EQ(k.s.sort_combo.items, (std::vector<Text>{"3A", "5K"}));
    EXPECT_EQ(k.s.ossz_pontszam_text, "0000008");
}

TEST(Reevaluation, RefExchangeAndBandKeys) {
    Contest k(T::Ref);
    auto qso = [](Text call, Text nr, Text band) {
        Q q = call_on(std::move(call), std::move(band), "-----");
        q.nr = std::move(nr);
        return line_of(T::Ref, q);
    };
    k.log({qso("F5ABC", "12", "14 MHz "), qso("F6XYZ", "012", "14 MHz "), qso("FY5AA", "12", "7 MHz  "),
           qso("DL1ABC", "AB", "14 MHz ")});
    log_ujraertekeles(k.s);
    const std::vector<Text> expected = {"Multi/00001", "-----/00001", "Multi/00003", "Multi/00000"};
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(scored(k.s.log_lista.at(i)), expected[i]) << i;
    EXPECT_EQ(k.s.qso_label, "4/5/3");
    EXPECT_EQ(k.s.ossz_pontszam_text, "15");
}

TEST(Reevaluation, SilentKeyMemKeepsItsLayout) {
    Contest k(T::SilentKeyMem);
    auto qso = [](Text call, Text remembered, Text zone) {
        Q q = call_on(std::move(call), "7 MHz  ", "--/--", "00000");
        q.nr = std::move(remembered);
        q.loc = std::move(zone);
        return line_of(T::SilentKeyMem, q);
    };
    k.log({qso("HA5KDR", "HA5XX", ""), qso("OE1A", "HA5XX", "28"), qso("K1ABC", "W1AW", "07"),
           qso("JA1XYZ", "", "")});
    log_ujraertekeles(k.s);
    struct Row { const char* scored; const char* zone; };
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

TEST(Reevaluation, NmarkFactorAndPoints) {
    Contest k(T::Nmark);
    k.log(std::vector<Text>(10, line_of(T::Nmark, call_on("HA5KDR", "3,5 MHz", "3", "2"))));
    log_ujraertekeles(k.s);
    EXPECT_EQ(col(k.s.log_lista.at(9), 104, 3), "2/1");
    EXPECT_EQ(k.s.ossz_pontszam_text, "20");
}

TEST(Reevaluation, TypesThatAreNotRewritten) {
    for (T type : {T::YlOm, T::CqwwVhf, T::Dx, T::Iaru, T::Exchange, T::Swl}) {
        Contest k(type);
        const std::vector<Text> lines = {line_of(type, call_on("DL1ABC", "145 MHz", "00010", "10")),
                                         "short line"};
        k.log(lines);
        log_ujraertekeles(k.s);
        const bool beeps = type == T::YlOm || type == T::CqwwVhf || type == T::Dx;
        EXPECT_EQ(k.lines(), lines);
        EXPECT_EQ(k.fakes.ui.beeps, beeps ? 1 : 0);
    }
}

TEST(Reevaluation, ShortAndForeignLinesAreLeftAlone) {
    Contest k(T::Hadx);
    const std::vector<Text> lines = {"", "2024-05-04/12:30:15=DL1ABC", line_of(T::Hadx, call_on("DL1ABC"))};
    k.log(lines);
    log_ujraertekeles(k.s);
    EXPECT_EQ(k.s.log_lista.at(0), lines[0]);
    EXPECT_EQ(k.s.log_lista.at(1), lines[1]);
    EXPECT_EQ(scored(k.s.log_lista.at(2)), "DX/--/00003");
    EXPECT_EQ(k.s.qth_label, "");
}

}  // namespace
}  // namespace loxar
