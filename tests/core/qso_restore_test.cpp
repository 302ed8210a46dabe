// Loading a logged QSO back into the entry fields, and edit mode around it.
#include "core/qso_restore.hpp"

#include <gtest/gtest.h>

#include "core/edit_mode.hpp"
#include "core/session.hpp"
#include "support/fake_ports.hpp"

namespace loxar {
namespace {

using testing::FakePorts;

const Text kGeneral =
    "2016-07-23/11:29:31=XX1AAA              =059/0000/JN96  /N=059/0000=SSB=F=00001/00001=00002="
    "              =50 MHz =";
const Text kRudx =
    "2014-04-14/06:55:46=XX1AAA              =599/KA  /AA00AA/.=599/0001=CW =F=DX/OB/00010=00001="
    "              =28 MHz =";
const Text kQrp =
    "2014-03-19/10:34:48=XX1AAA          =599/HISNAME       /DEBRECEN             =599=CW =00001="
    "OPNAME    =2=N=7 MHz  =BUDAPEST";
const Text kSkm =
    "2014-04-22/09:50:50=XX1AAA       =599/XX2BBB       =599=XX3CCC       =CW =IT/SK=00002=00001="
    "OPNAME        =7 MHz  =28=";
const Text kSwl =
    "2024-05-04/12:30:15=145 MHz =CW =HA1AAA           /059/00012   =HA2BBB           /057/KA"
    "      =00001=";

struct Fixture {
    FakePorts fakes;
    Session s;
    explicit Fixture(ContestType type, const Text& line = {}) {
        s.ports = fakes.ports();
        s.qso = empty_qso_record();
        s.szabaly_combo.items = {contest_type_names().begin(), contest_type_names().end()};
        s.szabaly_combo.set(static_cast<int>(type));
        s.qso.edit_sorszam_text = "00000";
        s.qso.band_text = "145 MHz";
        if (!line.empty()) {
            s.log_lista.add(line);
            s.log_lista.select_only(0);
        }
    }
};

TEST(RestoreFields, ReadsEachLayoutsColumns) {
    RestoredQso g = restore_fields(kGeneral, LineLayout::General);
    EXPECT_EQ(g.log_ido, "2016-07-23/11:29:31");
    EXPECT_EQ(g.kapott_hivojel_text, "XX1AAA");
    EXPECT_EQ(g.kapott_riport_text, "059");
    EXPECT_EQ(g.kapott_sorszam_text, "0000");
    EXPECT_EQ(g.kapott_QRA_text, "JN96");
    EXPECT_EQ(g.kapott_nev_text, "");
    EXPECT_EQ(g.received_sex, 'N');
    EXPECT_EQ(g.tavolsag_text, "00001");
    EXPECT_EQ(g.pontszam_text, "00001");
    EXPECT_EQ(g.edit_sorszam_text, "00002");
    EXPECT_EQ(g.mode, "SSB");
    EXPECT_EQ(g.band_field, "50 MHz ");
    EXPECT_FALSE(g.country_marker);
    EXPECT_FALSE(g.hivojel_2_text);

    RestoredQso q = restore_fields(kQrp, LineLayout::Qrp);
    EXPECT_EQ(q.kapott_nev_text, "HISNAME");
    EXPECT_EQ(q.kapott_sorszam_text, "DEBRECEN");
    EXPECT_EQ(q.kapott_QRA_text, "AA00AA");
    EXPECT_EQ(q.kuldott_sorszam_text, "BUDAPEST");  // the own QTH comes back here
    EXPECT_EQ(q.kuldott_nev_text, "OPNAME");
    EXPECT_EQ(q.country_marker, 'N');
    EXPECT_EQ(q.mode, "CW");
    EXPECT_FALSE(q.tavolsag_text);
    EXPECT_FALSE(q.received_sex);

    RestoredQso k = restore_fields(kSkm, LineLayout::Skm);
    EXPECT_EQ(k.kapott_sorszam_text, "XX2BBB");
    EXPECT_EQ(k.kuldott_sorszam_text, "XX3CCC");
    EXPECT_EQ(k.kapott_QRA_text, "AA00AA");
    EXPECT_EQ(k.itu_zone, "28");
    EXPECT_EQ(k.tavolsag_text, "IT/SK");
    EXPECT_EQ(k.pontszam_text, "00002");
    EXPECT_FALSE(k.kapott_nev_text);

    RestoredQso w = restore_fields(kSwl, LineLayout::Swl);
    EXPECT_EQ(w.kapott_hivojel_text, "HA1AAA");
    EXPECT_EQ(w.hivojel_2_text, "HA2BBB");
    EXPECT_EQ(w.kapott_sorszam_text, "00012");
    EXPECT_EQ(w.kuldott_sorszam_text, "KA");
    EXPECT_EQ(w.edit_sorszam_text, "00001");
    EXPECT_EQ(w.band_field, "145 MHz");
    EXPECT_FALSE(w.kapott_QRA_text);  // SWL leaves the locator field alone
}

TEST(RestoreFields, LayoutCheckColumn) {
    struct Case {
        const char* name;
        Text line;
        LineLayout layout;
        bool matches;
    };
    const Case cases[] = {
        {"general", kGeneral, LineLayout::General, true},
        {"QRP", kQrp, LineLayout::Qrp, true},
        {"SKM", kSkm, LineLayout::Skm, true},
        {"SWL", kSwl, LineLayout::Swl, true},
        {"QRP line as general", kQrp, LineLayout::General, false},
        {"general line as QRP", kGeneral, LineLayout::Qrp, false},
        {"general line as SKM", kGeneral, LineLayout::Skm, false},
        {"SKM line as NMARK", kSkm, LineLayout::Nmark, false},
        {"general line as SWL", kGeneral, LineLayout::Swl, false},
        {"SWL line as general", kSwl, LineLayout::General, false},
        {"line ending before the check column", col(kGeneral, 1, 40), LineLayout::General, false},
        {"empty line", "", LineLayout::Swl, false},
    };
    for (const Case& c : cases) EXPECT_EQ(layout_matches(c.line, c.layout), c.matches) << c.name;
}

TEST(RestoreFields, ShortLineGivesWhatItHas) {
    RestoredQso r = restore_fields(col(kQrp, 1, 60), LineLayout::Qrp);
    EXPECT_EQ(r.kapott_hivojel_text, "XX1AAA");
    EXPECT_EQ(r.kapott_sorszam_text, "DEBR");
    EXPECT_EQ(r.edit_sorszam_text, "");
    EXPECT_EQ(r.country_marker, '-');
    EXPECT_EQ(r.band_field, "       ");
}

TEST(Restore, WithoutSelectionOnlyComplains) {
    Fixture f(ContestType::Iaru, kGeneral);
    f.s.log_lista.select(0, false);
    qso_sor_visszatoltes(f.s);
    EXPECT_EQ(f.fakes.ui.beeps, 1);
    EXPECT_EQ(f.fakes.ui.messages, std::vector<Text>{hu(u8"Nincs kijelölt QSO!")});
    EXPECT_EQ(f.s.edit_mode, 0);
    EXPECT_TRUE(f.s.real_time_check);
    EXPECT_EQ(f.s.qso.kapott_hivojel_text, "");
}

TEST(Restore, LineOfAnotherLayoutLeavesEditModeAgain) {
    struct Case {
        const char* name;
        ContestType selected;
        Text line;
    };
    const Case cases[] = {
        {"QRP line under IARU", ContestType::Iaru, kQrp},
        {"general line under HA-QRP", ContestType::HaQrp, kGeneral},
        {"general line under SKM", ContestType::SilentKeyMem, kGeneral},
        {"SWL line under REF", ContestType::Ref, kSwl},
        {"short line", ContestType::Iaru, "2016-07-23/11:29:31=XX1AAA"},
    };
    for (const Case& c : cases) {
        Fixture f(c.selected, c.line);
        f.s.real_time_check = true;
        f.s.automata_check = true;
        qso_sor_visszatoltes(f.s);
        EXPECT_EQ(f.fakes.ui.messages, std::vector<Text>{"Rossz a lista formatum!"}) << c.name;
        EXPECT_EQ(f.fakes.ui.beeps, 1) << c.name;
        EXPECT_EQ(f.s.edit_mode, 0) << c.name;
        EXPECT_TRUE(f.s.real_time_check) << c.name;
        EXPECT_TRUE(f.s.automata_check) << c.name;
        EXPECT_EQ(f.s.qso.kapott_hivojel_text, "") << c.name;
        EXPECT_EQ(f.s.qso.edit_sorszam_text, "00000") << c.name;
    }
}

TEST(Restore, FillsTheEntryFieldsAndSelectors) {
    Fixture f(ContestType::Iaru, kGeneral);
    f.s.qso.kapott_QRA_text = "JN00AA";
    qso_sor_visszatoltes(f.s);
    EXPECT_TRUE(f.fakes.ui.messages.empty());
    EXPECT_EQ(f.fakes.ui.focus_log, std::vector<std::string>{"kapott_hivojel_text"});
    EXPECT_EQ(f.s.edit_mode, 1);
    EXPECT_EQ(f.s.qso.log_ido, "2016-07-23/11:29:31");
    EXPECT_EQ(f.s.qso.kapott_hivojel_text, "XX1AAA");
    EXPECT_EQ(f.s.qso.kapott_QRA_text, "JN96");
    EXPECT_EQ(f.s.qso.edit_sorszam_text, "00002");
    EXPECT_EQ(f.s.qso.mod_combo.text(), "SSB");
    EXPECT_EQ(f.s.qso.kapott_sex_combo.list_index, 1);
    EXPECT_EQ(f.s.current_band_index, 12);
    EXPECT_EQ(f.s.qso.band_text, "50 MHz ");
}

TEST(Restore, ModeAndSexSelection) {
    struct Case {
        Text mode_field;
        Text sex_field;
        int mode_index;  // 5 was selected before
        int sex_index;
    };
    const Case cases[] = {
        {"CW ", "F", 2, 2}, {"EL ", "N", 7, 1}, {"...", ".", 0, 0}, {"XYZ", "?", 5, 0}, {"DIG", " ", 8, 0},
    };
    for (const Case& c : cases) {
        Text line = kGeneral;
        line.replace(68, 3, c.mode_field);
        line.replace(57, 1, c.sex_field);
        Fixture f(ContestType::Iaru, line);
        f.s.qso.mod_combo.set(5);
        f.s.qso.kapott_sex_combo.set(2);
        qso_sor_visszatoltes(f.s);
        EXPECT_EQ(f.s.qso.mod_combo.list_index, c.mode_index) << c.mode_field;
        EXPECT_EQ(f.s.qso.kapott_sex_combo.list_index, c.sex_index) << c.sex_field;
    }
}

TEST(Restore, UnknownBandKeepsTheCurrentBand) {
    Text line = kGeneral;
    line.replace(107, 7, "14025  ");  // a frequency instead of a band
    Fixture f(ContestType::Iaru, line);
    f.s.current_band_index = 16;
    f.s.qso.band_text = "435 MHz";
    qso_sor_visszatoltes(f.s);
    EXPECT_EQ(f.s.edit_mode, 1);
    EXPECT_EQ(f.s.current_band_index, 16);
    EXPECT_EQ(f.s.qso.band_text, "435 MHz");
}

TEST(Restore, LineCutShortStillRestoresWhatItHolds) {
    Fixture f(ContestType::Iaru, col(kRudx, 1, 70));
    qso_sor_visszatoltes(f.s);
    EXPECT_EQ(f.s.edit_mode, 1);
    EXPECT_EQ(f.s.qso.kapott_sorszam_text, "KA");
    EXPECT_EQ(f.s.qso.kuldott_sorszam_text, "0001");
    EXPECT_EQ(f.s.qso.kapott_nev_text, "");
    EXPECT_EQ(f.s.current_band_index, kDefaultBandIndex);
}

TEST(Restore, TakesTheFirstSelectedLine) {
    Fixture f(ContestType::Iaru);
    f.s.log_lista.add(kRudx);
    f.s.log_lista.add(kGeneral);
    f.s.log_lista.add(kRudx);
    f.s.log_lista.select(1, true);
    f.s.log_lista.select(2, true);
    qso_sor_visszatoltes(f.s);
    EXPECT_EQ(f.s.qso.edit_sorszam_text, "00002");
}

TEST(EditMode, HoldsAndGivesBackTheSwitches) {
    for (bool real_time : {true, false}) {
        for (bool lookup : {true, false}) {
            Fixture f(ContestType::Iaru, kGeneral);
            f.s.real_time_check = real_time;
            f.s.automata_check = lookup;
            qso_sor_visszatoltes(f.s);
            EXPECT_FALSE(f.s.real_time_check);
            EXPECT_FALSE(f.s.automata_check);
            // A second restore while editing must not lose the held values.
            qso_sor_visszatoltes(f.s);
            f.s.view["edit_sorszam_text"].back = Color::Red;
            szerkesztes_mod_kikapcsolas(f.s);
            EXPECT_EQ(f.s.real_time_check, real_time);
            EXPECT_EQ(f.s.automata_check, lookup);
            EXPECT_EQ(f.s.edit_mode, 0);
            EXPECT_EQ(f.s.qso.edit_sorszam_text, "00000");
            EXPECT_EQ(f.s.view["edit_sorszam_text"].back, Color::Default);
        }
    }
}

TEST(EditMode, LeavingWhenNotEditingKeepsTheSwitches) {
    Fixture f(ContestType::Iaru);
    f.s.real_time_check = true;
    f.s.automata_check = true;
    szerkesztes_mod_kikapcsolas(f.s);
    EXPECT_TRUE(f.s.real_time_check);
    EXPECT_TRUE(f.s.automata_check);
}

}  // namespace
}  // namespace loxar
