// Totals, the points and markers of the QSO being entered, and the claimed score of the reports.
#include "session/scoring.hpp"

#include <gtest/gtest.h>

#include "rules/claimed_score.hpp"
#include "rules/log_total.hpp"
#include "session/country_table.hpp"
#include "session/numbering.hpp"
#include "session/reevaluation.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

using T = ContestType;
using testing::line_of;
using testing::Started;

// A line of `type` carrying a marker or distance and points.
Text scored(T type, Text dist, Text pts) {
    return line_of(type, {.dist = dist, .pts = pts});
}

// An RH-OB line as the re-evaluation leaves it (the entry writes a numeric distance there).
Text rhob_line(const Text& call, const Text& sent_nr, const Text& marker) {
    const Text line = line_of(T::RhOb, {.call = call, .sent_nr = sent_nr});
    return *rewrite_scored_line(line, std::nullopt, marker, "00001");
}

TEST(Total, ByContestType) {
    auto yl = [](int own, int received) { return line_of(T::YlOm, {.sex = received, .own_sex = own}); };
    auto hskc = [](Text nr, Text marker) { return line_of(T::Hskc, {.nr = nr, .dist = marker}); };
    auto qrp = [](Text name, Text qth, char marker) {
        return line_of(T::HaQrp, {.nr = qth, .name = name}, marker);
    };
    struct Case {
        const char* what;
        T type;
        std::vector<Text> lines;
        Text total, counter, info;
        Text summary = "", entry_points = "";  // empty: not checked
    };
    // clang-format off
    const Case cases[] = {
        {"YL-OM: two F-F and one N-F", T::YlOm, {yl(2, 2), yl(2, 2), yl(1, 2)}, "7", "",
         "N-N:0  N-F:1  F-N:0  F-F:2"},
        {"HADX without a DX marker", T::Hadx, {scored(T::Hadx, "--/--", "3"), scored(T::Hadx, "--/--", "5")},
         "0", "2/0", ""},
        {"HADX", T::Hadx,
         {scored(T::Hadx, "DX/--", "3"), scored(T::Hadx, "--/--", "5"), scored(T::Hadx, "DX/--", "1")},
         "18", "3/2", ""},
        {"RUDX: DX/OB counts in both", T::RudxAll,
         {scored(T::RudxAll, "DX/OB", "10"), scored(T::RudxAll, "--/OB", "10"),
          scored(T::RudxAll, "DX/--", "3")},
         "92", "3/2/2", ""},
        {"HSKC empty", T::Hskc, {}, "0000000", "0/0/0/0", ""},
        {"HSKC", T::Hskc, {hskc("11A", "Multi"), hskc("7B", "-----"), hskc("3", "Multi")},
         "0000008", "3/1/1/2", "", "QSO:3    DXCC:0    SCORES:4    TOTAL:0000008", "4"},
        {"SILENT KEY MEM", T::SilentKeyMem,
         {scored(T::SilentKeyMem, "IT/SK", "00004"), scored(T::SilentKeyMem, "--/SK", "00006"),
          scored(T::SilentKeyMem, "IT/--", "00001")},
         "44", "3/2/2", "", "QSO:3    ITU:2    SKC:2    SCORES:11    TOTAL:44"},
        {"NMARK: ten QSOs of factor 2 and 1 point", T::Nmark,
         std::vector<Text>(10, scored(T::Nmark, "2", "1")), "20", "", ""},
        {"REF", T::Ref,
         {scored(T::Ref, "Multi", "3"), scored(T::Ref, "-----", "1"), scored(T::Ref, "Multi", "1")},
         "10", "3/5/2", ""},
        {"RH-OB", T::RhOb,
         {rhob_line("HA5A", "1", "Multi"), rhob_line("HA5A", "2", "None "), rhob_line("HA5B", "7", "Multi")},
         "6", "N:007 Q:003 M:002", ""},
        {"RH-OB: a sent number that is no number", T::RhOb,
         {rhob_line("HA5A", "3", "Multi"), rhob_line("HA5B", "x", "None ")}, "2", "N:003 Q:002 M:001", "", "",
         "2"},
        {"HA-QRP", T::HaQrp, {qrp("JOE", "PECS", 'N'), qrp("", "PECS", '-'), qrp("ANN", "GYOR", 'N')},
         "10", "3/2", "", "QSO:3    DXCC:2    SCORES:5    TOTAL:10", "5"},
        {"IARU: the sum of the points", T::Iaru,
         {scored(T::Iaru, "100", "100"), scored(T::Iaru, "250", "250")}, "350", "", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        Started k(c.type);
        k.log(c.lines);
        ossz_pontszam_szamolas(k.s);
        EXPECT_EQ(k.s.ossz_pontszam_text, c.total) << c.what;
        EXPECT_EQ(k.s.qso_label, c.counter) << c.what;
        EXPECT_EQ(k.s.worked.qth_label, c.info) << c.what;
        if (!c.summary.empty()) {
            EXPECT_EQ(k.s.score.score_summary, c.summary) << c.what;
        }
        if (!c.entry_points.empty()) {
            EXPECT_EQ(k.s.qso.pontszam_text, c.entry_points) << c.what;
        }
    }
}

TEST(Total, LinesThatAreNotNumbersAreSkippedAndDxLogsGetNone) {
    Started k(T::Iaru);
    Text bad = scored(T::Iaru, "100", "100");
    bad.replace(80, 5, "12x45");
    k.log({bad, scored(T::Iaru, "7", "7"), "short"});
    ossz_pontszam_szamolas(k.s);
    EXPECT_EQ(k.s.ossz_pontszam_text, "7");

    k.choose(T::Dx);
    k.s.ossz_pontszam_text = "123";
    ossz_pontszam_szamolas(k.s);
    EXPECT_EQ(k.s.ossz_pontszam_text, "123");
}

// What the entry's country lookup leaves for the prefill.
void found(Session& s, const Text& call) {
    s.qso.kapott_hivojel_text = call;
    const StationCountry c = country_of_record(dxcc_kereses(s, call));
    s.worked.current_country_index = static_cast<short>(c.country_index);
    s.worked.current_continent = c.continent;
    s.worked.current_country_name = c.country_name;
}

TEST(Prefill, HadxPointsAndMarker) {
    Started k(T::Hadx);
    Session& s = k.s;
    s.qso.mod_combo.set(2);
    struct Case {
        const char* call;
        const char* points;
        const char* marker;
    };
    const Case cases[] = {
        {"HA5KDR", "1", "DX/--"},
        {"DL1ABC", "3", "DX/--"},
        {"JA1XYZ", "5", "DX/--"},
        {"XX1AAA", "5", "--/--"},  // no country known: no multiplier
    };
    for (const Case& c : cases) {
        found(s, c.call);
        multiplier_prefill(s);
        EXPECT_EQ(s.qso.pontszam_text, c.points) << c.call;
        EXPECT_EQ(s.qso.tavolsag_text, c.marker) << c.call;
    }
    mark_country(s, 239, s.current_band_index);
    found(s, "HG7T");
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.tavolsag_text, "--/--");
    s.current_band_index = 7;  // the same country on another band is new again
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.tavolsag_text, "DX/--");
    s.qso.mod_combo.set(0);
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.tavolsag_text, "--/--");
}

TEST(Prefill, RudxOblastCodeAndMarker) {
    Started k(T::RudxAll);
    Session& s = k.s;
    s.qso.mod_combo.set(2);
    found(s, "UA3AAA");
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.pontszam_text, "10");
    EXPECT_EQ(s.qso.kapott_sorszam_text, "MA");
    EXPECT_EQ(s.worked.current_oblast_name, "Moscow (city)");
    EXPECT_EQ(s.worked.current_oblast_index, oblast_index("MA"));
    EXPECT_EQ(s.qso.tavolsag_text, "DX/OB");

    mark_oblast(s, s.worked.current_oblast_index, s.current_band_index);
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.tavolsag_text, "DX/--");
    mark_country(s, s.worked.current_country_index, s.current_band_index);
    found(s, "RA3BB");  // another call area of the same oblast
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.tavolsag_text, "--/--");

    struct Case {
        const char* call;
        const char* points;
    };
    for (const Case& c : {Case{"HA5KDR", "2"}, Case{"HG7T", "2"}, Case{"OE1A", "3"}, Case{"JA1XYZ", "5"}}) {
        s.qso.kapott_sorszam_text = "12";
        found(s, c.call);
        multiplier_prefill(s);
        EXPECT_EQ(s.qso.pontszam_text, c.points) << c.call;
        EXPECT_EQ(s.qso.kapott_sorszam_text, "12") << c.call;
    }
}

TEST(Prefill, HskcKeyOfTheHomeCallsign) {
    struct Case {
        const char* home;
        const char* key;
    };
    for (const Case& c : {Case{"HA5KDR", "5K"}, Case{"HG100X", "0X"}, Case{"HA55", "55"}, Case{"3A2AB", "2A"},
                          Case{"X", "X"}, Case{"", ""}}) {
        EXPECT_EQ(hskc_key(c.home), c.key) << c.home;
    }
    Started k(T::Hskc);
    Session& s = k.s;
    s.qso.kapott_hivojel_text = "OE/HA5KDR/P";
    multiplier_prefill(s);
    EXPECT_EQ(s.worked.held_multiplier_key, "5K");
    EXPECT_EQ(s.qso.tavolsag_text, "Multi");
    add_multiplier_key(s, s.worked.held_multiplier_key);
    s.qso.kapott_hivojel_text = "HA5KXX";
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.tavolsag_text, "-----");
}

TEST(Prefill, RefAndNmarkPoints) {
    Started k(T::Ref);
    Session& s = k.s;
    struct Case {
        const char* call;
        const char* points;
    };
    for (const Case& c : {Case{"F5ABC", "1"}, Case{"FY5AA", "3"}, Case{"TK5X", "1"}, Case{"DL1ABC", "0"}}) {
        found(s, c.call);
        multiplier_prefill(s);
        EXPECT_EQ(s.qso.pontszam_text, c.points) << c.call;
    }
    k.choose(T::Nmark);
    multiplier_prefill(s);
    EXPECT_EQ(s.qso.tavolsag_text, "2");
    EXPECT_EQ(s.qso.pontszam_text, "1");
}

TEST(Prefill, SilentKeyMemEvaluation) {
    Started k(T::SilentKeyMem);
    Session& s = k.s;
    s.qso.mod_combo.set(2);
    struct Case {
        const char* call;
        const char* zone_typed;
        const char* remembered;
        const char* result;
        const char* points;
        const char* zone;
    };
    const Case cases[] = {
        {"HA5KDR", "", "", "IT/--", "00001", "28"},
        {"HA5KDR", "", "HA5XX", "IT/SK", "00002", "28"},
        {"OE1A", "", "123", "IT/--", "00001", "28"},   // only digits: no remembered callsign
        {"JA1XYZ", "", "HG", "IT/--", "00005", "45"},  // only letters
        {"K1ABC", "", "", "--/--", "00005", ""},       // several zones: the operator's field
        {"K1ABC", "07", "", "IT/--", "00005", "07"},
        {"UA3AAA", "", "", "IT/--", "00003", "29"},  // the oblast's zone
    };
    for (const Case& c : cases) {
        s.qso.kapott_hivojel_text = c.call;
        s.qso.kapott_QRA_text = c.zone_typed;
        s.qso.kapott_sorszam_text = c.remembered;
        Text result;
        SKM_ertekeles(s, result);
        EXPECT_EQ(result, c.result) << c.call << " " << c.remembered;
        EXPECT_EQ(s.qso.pontszam_text, c.points) << c.call << " " << c.remembered;
        EXPECT_EQ(s.qso.kapott_QRA_text, c.zone) << c.call;
    }
    EXPECT_NE(s.worked.qth_label.find("Moscow (city)"), Text::npos);

    // Adding the QSO marks its zone and keeps its remembered-callsign key.
    s.qso.kapott_hivojel_text = "HA5KDR";
    s.qso.kapott_sorszam_text = "HA5XX";
    Text result;
    SKM_ertekeles(s, result);
    EXPECT_EQ(s.worked.held_multiplier_key, "HA5XX145 MHz ");
    mark_country(s, skm_zone_key(s.qso.kapott_QRA_text), s.current_band_index);
    add_multiplier_key(s, s.worked.held_multiplier_key);
    SKM_ertekeles(s, result);
    EXPECT_EQ(result, "--/--");
    EXPECT_EQ(s.qso.pontszam_text, "00001");
    EXPECT_EQ(s.worked.held_multiplier_key, "");

    s.qso.mod_combo.set(0);
    SKM_ertekeles(s, result);
    EXPECT_EQ(result, "--/--");
}

TEST(Marks, OutsideTheTablesNothingIsMarked) {
    Session s;
    mark_country(s, 1001, 3);
    mark_country(s, 5, 29);
    mark_oblast(s, -1, 0);
    EXPECT_FALSE(country_marked(s, 1001, 3));
    EXPECT_FALSE(country_marked(s, 5, 29));
    mark_country(s, 1000, 28);
    mark_oblast(s, 676, 0);
    EXPECT_TRUE(country_marked(s, 1000, 28));
    EXPECT_TRUE(oblast_marked(s, 676, 0));
    EXPECT_FALSE(oblast_marked(s, 1000, 28));
    szorzo_jelek_torlese(s);
    EXPECT_FALSE(country_marked(s, 1000, 28));
    EXPECT_FALSE(oblast_marked(s, 676, 0));
}

TEST(ClaimedScore, Total) {
    struct Case {
        const char* what;
        Text points, qso_mul;
        std::vector<Text> others;
        std::optional<long long> total;
    };
    const Case cases[] = {
        {"QSO multiplier empty", "100", "", {"2", "3", "4"}, 0},
        {"all multipliers", "100", "2", {"3", "4", "5"}, 12000},
        {"others left empty are skipped", "100", "2", {"", "x", "3"}, 600},
        {"points not a number", "abc", "2", {}, 0},
        {"beyond 64 bits", "9000000000", "9000000000", {}, std::nullopt},
        {"a multiplier beyond 64 bits", "1", "1", {"99999999999999999999"}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(claimed_total(c.points, c.qso_mul, c.others), c.total) << c.what;
    }
}

TEST(ClaimedScore, SquaresByTheirFirstFourCharactersAndBestDx) {
    auto at = [](Text loc, Text dist) { return line_of(T::Iaru, {.loc = loc, .dist = dist}); };
    const std::vector<Text> lines = {at("JN97MM", "100"), at("JN97AA", "250"), at("KN08AA", "250"),
                                     at("JN96XX", "0")};
    const DistinctValues d = distinct_squares(lines, {0, 0, 0, 1});
    EXPECT_EQ(d.sorted, (std::vector<Text>{"JN97", "KN08"}));
    EXPECT_EQ(d.new_flags, (std::vector<char>{1, 0, 1, 0}));
    EXPECT_EQ(best_dx_line(lines), 1u);  // the earlier of two equal distances
    EXPECT_EQ(best_dx_line({at("JN97MM", "0")}), std::nullopt);
}

TEST(ClaimedScore, EdiResultFields) {
    Started k(T::Iaru);
    Session& s = k.s;
    auto qso = [](Text call, Text loc, Text dist, Text num, Text sent) {
        return line_of(T::Iaru,
                       {.call = call, .loc = loc, .sent_nr = sent, .dist = dist, .pts = dist, .num = num});
    };
    k.log({qso("HA5KDR", "JN97MM", "93", "00001", "1"), qso("OE1XYZ", "JN88AA", "250", "00002", "2"),
           qso("DL1ABC", "JN88BB", "250", "00003", "3")});
    ossz_pontszam_szamolas(s);
    s.sheet.tx_CQSOMul = "1";
    s.sheet.tx_CWWLMul = "2";
    s.sheet.tx_CDXCMul = "";
    s.sheet.tx_CExcsMul = "3";
    edi_calculate_rutin(s);
    EXPECT_EQ(s.sheet.tx_QSORecords, "3");
    EXPECT_EQ(s.sheet.tx_CQSOs, "3");
    EXPECT_EQ(s.sheet.tx_CWWLs, "2");
    EXPECT_EQ(s.score.edi_wwl_combo.items, (std::vector<Text>{"JN88", "JN97"}));
    EXPECT_EQ(s.score.edi_wwl_combo.list_index, 0);
    EXPECT_EQ(s.score.new_square_flags, (std::vector<char>{1, 1, 0}));
    EXPECT_EQ(s.sheet.tx_CDXCs, "3");
    EXPECT_EQ(s.sheet.tx_CExcs, "1");  // general lines end before the exchange columns
    EXPECT_EQ(s.sheet.tx_CODXC, "OE1XYZ");
    EXPECT_EQ(s.sheet.tx_CODXWWL, "JN88AA");
    EXPECT_EQ(s.sheet.tx_CODXDis, "250");
    EXPECT_EQ(s.sheet.tx_CQSOP, "593");
    EXPECT_EQ(s.sheet.tx_CToSc, "3558");

    s.sheet.tx_CQSOMul = "";
    pontszam_osszeszamlalas(s);
    EXPECT_EQ(s.sheet.tx_CToSc, "0");

    s.sheet.tx_CQSOMul = "90000000000000000";
    pontszam_osszeszamlalas(s);
    EXPECT_EQ(s.sheet.tx_CToSc, "");
    EXPECT_EQ(k.fakes.ui.messages.back(), hu(u8"A pontszám túl nagy, a szorzókat ellenőrizze!"));
}

TEST(Recount, CqwwVhfOnlyRenumbersAndSaysWhen) {
    Started k(T::CqwwVhf);
    k.log({line_of(T::CqwwVhf, {.num = "00007"}), line_of(T::CqwwVhf, {.num = "00003"})});
    k.s.qso_label = "2/2";
    ujraszamolas_cmd_Click(k.s);
    EXPECT_EQ(k.s.qso_label, "");
    EXPECT_EQ(col(k.s.log_lista.at(0), 87, 5), "00001");
    EXPECT_EQ(col(k.s.log_lista.at(1), 87, 5), "00002");
    EXPECT_EQ(k.s.qso.log_sorszam_text, "00003");
    EXPECT_EQ(k.fakes.ui.messages,
              (std::vector<Text>{hu(u8"A jegyzőkönyv készítésnél kerül kiértékelésre!")}));
}

}  // namespace
}  // namespace loxar
