// Contest-type selection, rule files and the QSO multiplier as the operator sees them.
#include "session/contest_rules.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "model/file_io.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

struct Rules : testing::Started {
    void band(short index) {
        s.current_band_index = index;
        s.qso.band_text = band_name(index);
    }
    Text mode(int index) {
        s.qso.mod_combo.set(index);
        mod_szorzo_rutin(s);
        return s.szorzo_text;
    }
    void write_rule(const char* name, const Text& content) {
        ASSERT_TRUE(write_file_atomic(s.paths.rules_dir / name, content));
    }
};

TEST(Multiplier, CqBpBandTimesMode) {
    Rules r;
    r.choose(ContestType::CqBp);
    struct Case {
        short band;
        int mode;
        const char* multiplier;
        const char* report;
    };
    const Case cases[] = {
        {16, 2, "6", "599"},  // 70 cm CW: 2 x 3
        {19, 1, "8", "59"},   // 13 cm SSB: 4 x 2
        {14, 3, "1", "59"},   // 2 m FM
        {18, 2, "9", "599"},  // 23 cm CW: 3 x 3
        {22, 0, "4", "59"},   // 3 cm, no mode: the band alone
        {24, 1, "2", "59"},   // 47 GHz scores like the low bands
    };
    for (const auto& c : cases) {
        r.band(c.band);
        EXPECT_EQ(r.mode(c.mode), c.multiplier) << band_name(c.band);
        EXPECT_EQ(r.s.qso.kapott_riport_text, c.report);
        EXPECT_EQ(r.s.qso.kuldott_riport_text, c.report);
    }
}

TEST(Multiplier, IaruGivesOneForEveryMode) {
    Rules r;
    r.choose(ContestType::Iaru);
    for (int mode = 0; mode < 9; ++mode) EXPECT_EQ(r.mode(mode), "1") << mode;
}

TEST(Multiplier, TypesOutsideOneToSixKeepTheBandMultiplier) {
    Rules r;
    r.choose(ContestType::HaQrp);  // nothing has set the band multiplier yet
    EXPECT_EQ(r.s.szorzo_text, "1");
    EXPECT_EQ(r.mode(1), "0");
    r.choose(ContestType::CqBp);
    r.band(16);
    EXPECT_EQ(r.mode(2), "6");
    r.choose(ContestType::None);  // "..." leaves the value as it was
    EXPECT_EQ(r.s.rules.band_multiplier, 2);
}

TEST(Multiplier, OversizedRuleValueIsCappedWithAMessage) {
    Rules r;
    r.write_rule("CQBP.rule",
                 "#RULE\r\nSAV =1\r\nDXCC=1\r\nWWL =1\r\nFM  =1\r\nSSB =30000\r\nCW  =3\r\n#END");
    r.choose(ContestType::CqBp);
    r.band(16);
    EXPECT_EQ(r.mode(1), "32767");
    ASSERT_EQ(r.fakes.ui.messages.size(), 1u);
    EXPECT_NE(r.fakes.ui.messages[0].find(hu(u8"túl nagy")), Text::npos);
}

TEST(RuleFile, ProblemsAreReportedAndValuesStayUsable) {
    struct Case {
        const char* content;
        std::vector<const char8_t*> messages;
        short cw;
    };
    const Case cases[] = {
        {"#RULE\r\nSAV =1\r\nDXCC=1\r\nWWL =1\r\nFM  =1\r\nSSB =2\r\nCW  =7\r\n#END", {}, 7},
        {"#RULE\r\nSAV =1\r\nDXCC =1\r\nWWL =1\r\nFM  =1\r\nSSB =2\r\nCW  =7\r\n#END",
         {u8"Hiba a 2. sorban!"},
         7},
        {"#RULE\r\nSAV =1\r\nDXCC=1\r\nWWL =1\r\nFM  =1\r\nSSB =2\r\nCW  =x\r\n#END", {}, 0},
        {"#RULE\r\nSAV =1\r\nDXCC=1", {u8"Hiba a 3. sorban!", u8"Rossz a szabály formátuma!"}, 1},
        {"#RULE\r\nSAV =1\r\nDXCC=1\r\nWWL =1\r\nFM  =1\r\nSSB =2\r\nCW  =99999\r\n#END",
         {u8"Rossz a szabály formátuma!"},
         1},
        {"\x01\x02garbage", {u8"Hiba a 0. sorban!", u8"Rossz a szabály formátuma!"}, 1},
    };
    for (const auto& c : cases) {
        Rules r;
        r.write_rule("IARU.rule", c.content);
        r.choose(ContestType::Iaru);
        ASSERT_EQ(r.fakes.ui.messages.size(), c.messages.size()) << c.content;
        for (std::size_t i = 0; i < c.messages.size(); ++i)
            EXPECT_EQ(r.fakes.ui.messages[i], hu(c.messages[i]));
        EXPECT_EQ(r.s.rules.rule_values[kCw], c.cw) << c.content;
    }
}

TEST(RuleFile, MissingFileNamesItsPath) {
    Rules r;
    std::filesystem::remove(r.s.paths.rules_dir / "HADX.rule");
    r.choose(ContestType::Ref);  // REF shares the HADX rule file
    ASSERT_EQ(r.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(r.fakes.ui.messages[0], text_path(r.s.paths.rules_dir / "HADX.rule") + hu(u8" nem található!"));
    EXPECT_EQ(r.s.szorzo_text, "1");
}

TEST(ContestType, ChoosingTakesTheRuleFileAndDatabase) {
    Rules r;
    r.choose(ContestType::RhOb);
    EXPECT_EQ(r.s.rules.rule_file_name, "HAOB.rule");
    EXPECT_EQ(r.s.rules.database_name, "HAOB");
    r.choose(ContestType::Swl);  // no database
    EXPECT_EQ(r.s.rules.database_name, "");
}

TEST(ContestType, FieldLayouts) {
    Rules r;
    r.s.qso.qth_text = "BUDAPEST";
    r.s.qso.kezelo_text = "OPNAME";

    r.choose(ContestType::YlOm);
    EXPECT_EQ(r.s.view[Control::kapott_sorszam_cmd].caption, hu(u8"Kapott &Exch."));
    EXPECT_EQ(r.s.qso.kapott_QRA_text, "AA00AA");
    EXPECT_FALSE(r.s.view[Control::kapott_QRA_text].enabled);

    r.choose(ContestType::HaQrp);
    EXPECT_EQ(r.s.view[Control::kapott_sorszam_cmd].caption, hu(u8"Kapott &QTH"));
    EXPECT_EQ(r.s.qso.kuldott_sorszam_text, "BUDAPEST");
    EXPECT_EQ(r.s.qso.kuldott_nev_text, "OPNAME");
    EXPECT_EQ(r.s.qso.mod_combo.text(), "CW");
    EXPECT_FALSE(r.s.view[Control::kapott_QRA_text].visible);
    EXPECT_TRUE(r.s.view[Control::kapott_QRA_text].enabled);

    r.choose(ContestType::RhOb);
    EXPECT_EQ(r.s.current_band_index, 3);
    EXPECT_EQ(r.s.qso.band_text, "3,5 MHz");
    EXPECT_EQ(r.s.qso.frekvencia_text, "03.500");
    EXPECT_TRUE(r.s.view[Control::frekvencia_cmd].visible);
    EXPECT_FALSE(r.s.view[Control::tavolsag_szamolo_cmd].visible);

    r.choose(ContestType::Swl);
    EXPECT_EQ(r.s.view[Control::kapott_hivojel_cmd].caption, hu(u8"&Hallott álls."));
    EXPECT_TRUE(r.s.view[Control::csere_cmd].visible);
    EXPECT_FALSE(r.s.view[Control::ossz_pontszam_text].visible);
    EXPECT_FALSE(r.s.view[Control::iranyszog_text].visible);

    r.choose(ContestType::Iaru);  // what SWL hid and renamed comes back
    EXPECT_TRUE(r.s.view[Control::iranyszog_text].visible);
    EXPECT_FALSE(r.s.view[Control::csere_cmd].visible);
    EXPECT_EQ(r.s.view[Control::kapott_hivojel_cmd].caption, hu(u8"Kapott &Hivojel"));
}

TEST(Bands, SearchByTrimmedName) {
    EXPECT_EQ(sav_sorszam_kereso("145 MHz"), 14);
    EXPECT_EQ(sav_sorszam_kereso(" 7 MHz "), 5);
    EXPECT_EQ(sav_sorszam_kereso("1,3 GHz"), 18);
    EXPECT_EQ(sav_sorszam_kereso("99 MHz"), 0);
    EXPECT_EQ(sav_sorszam_kereso(""), 0);
}

}  // namespace
}  // namespace loxar
