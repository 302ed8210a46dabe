// Loading a logged QSO back into the entry fields, and edit mode around it.
#include "session/qso_restore.hpp"

#include <gtest/gtest.h>

#include "session/edit_mode.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

const Text kGeneral =
    "2016-07-23/11:29:31=XX1AAA              =059/0000/JN96  /N=059/0000=SSB=F=00001/00001=00002="
    "              =50 MHz =";
const Text kQrp = testing::qrp("XX1AAA", "7 MHz");
const Text kSkm =
    "2014-04-22/09:50:50=XX1AAA       =599/XX2BBB       =599=XX3CCC       =CW =IT/SK=00002=00001="
    "OPNAME        =7 MHz  =28=";
const Text kSwl = testing::swl("HA1AAA", "HA2BBB", "145 MHz", "KA");

// A single line in the log comes selected.
struct Fixture : testing::Unstarted {
    explicit Fixture(ContestType type, const std::vector<Text>& lines) : Unstarted(type, lines) {
        s.qso.edit_sorszam_text = "00000";
        s.qso.band_text = "145 MHz";
        if (lines.size() == 1) s.log_lista.select_only(0);
    }
};

TEST(RestoreFields, FieldsOutsideTheLayoutAreLeftAlone) {
    EXPECT_EQ(restore_fields(kGeneral, LineLayout::General).kapott_QRA_text, "JN96");
    EXPECT_EQ(restore_fields(kQrp, LineLayout::Qrp).kapott_QRA_text, "AA00AA");
    EXPECT_FALSE(restore_fields(kSwl, LineLayout::Swl).kapott_QRA_text);
    EXPECT_FALSE(restore_fields(kSkm, LineLayout::Skm).kapott_nev_text);
    // The QRP line gives the operator name and the own QTH back into the sent fields.
    EXPECT_EQ(restore_fields(kQrp, LineLayout::Qrp).kuldott_nev_text, "OPNAME");
    EXPECT_EQ(restore_fields(kQrp, LineLayout::Qrp).kuldott_sorszam_text, "BUDAPEST");
}

TEST(RestoreFields, LayoutCheckColumn) {
    struct Case {
        Text line;
        LineLayout layout;
        bool matches;
    };
    // The General, QRP and SKM checks refusing other lines are
    // Restore.LineOfAnotherLayoutLeavesEditModeAgain's.
    const Case cases[] = {
        {kGeneral, LineLayout::General, true}, {kQrp, LineLayout::Qrp, true},
        {kSkm, LineLayout::Skm, true},         {kSwl, LineLayout::Swl, true},
        {kSkm, LineLayout::Nmark, false},      {kGeneral, LineLayout::Swl, false},
        {"", LineLayout::Swl, false},
    };
    for (const Case& c : cases) EXPECT_EQ(layout_matches(c.line, c.layout), c.matches) << c.line;
}

TEST(RestoreFields, ShortLineGivesWhatItHas) {
    RestoredQso r = restore_fields(col(kQrp, 1, 60), LineLayout::Qrp);
    EXPECT_EQ(r.kapott_sorszam_text, "DEBR");
    EXPECT_EQ(r.edit_sorszam_text, "");
    EXPECT_EQ(r.country_marker, '-');
    EXPECT_EQ(r.band_field, "       ");
}

TEST(Restore, WithoutSelectionOnlyComplains) {
    Fixture f(ContestType::Iaru, {kGeneral, kGeneral});
    qso_sor_visszatoltes(f.s);
    EXPECT_EQ(f.fakes.ui.beeps, 1);
    EXPECT_EQ(f.fakes.ui.messages, std::vector<Text>{hu(u8"Nincs kijelölt QSO!")});
    EXPECT_FALSE(f.s.edit_mode);
    EXPECT_TRUE(f.s.real_time_check);
    EXPECT_EQ(f.s.qso.kapott_hivojel_text, "");
}

TEST(Restore, LineOfAnotherLayoutLeavesEditModeAgain) {
    const std::pair<ContestType, Text> cases[] = {
        {ContestType::Iaru, kQrp},
        {ContestType::HaQrp, kGeneral},
        {ContestType::SilentKeyMem, kGeneral},
        {ContestType::Ref, kSwl},
        {ContestType::Iaru, "2016-07-23/11:29:31=XX1AAA"},
    };
    for (const auto& [type, line] : cases) {
        Fixture f(type, {line});
        qso_sor_visszatoltes(f.s);
        EXPECT_EQ(f.fakes.ui.messages, std::vector<Text>{"Rossz a lista formatum!"}) << line;
        EXPECT_EQ(f.fakes.ui.beeps, 1);
        EXPECT_FALSE(f.s.edit_mode);
        EXPECT_TRUE(f.s.real_time_check);
        EXPECT_TRUE(f.s.automata_check);
        EXPECT_EQ(f.s.qso.kapott_hivojel_text, "");
    }
}

TEST(Restore, FillsTheFirstSelectedLineIntoTheEntryFields) {
    Fixture f(ContestType::Iaru, {kSwl, kGeneral, kSwl});
    f.s.log_lista.select(1, true);
    f.s.log_lista.select(2, true);
    qso_sor_visszatoltes(f.s);
    EXPECT_TRUE(f.fakes.ui.messages.empty());
    EXPECT_EQ(f.fakes.ui.focus_log, std::vector<std::string>{"kapott_hivojel_text"});
    EXPECT_TRUE(f.s.edit_mode);
    EXPECT_EQ(f.s.qso.kapott_hivojel_text, "XX1AAA");
    EXPECT_EQ(f.s.qso.edit_sorszam_text, "00002");
    EXPECT_EQ(f.s.current_band_index, 12);
    EXPECT_EQ(f.s.qso.band_text, "50 MHz ");
}

TEST(Restore, ModeAndSexSelection) {
    struct Case {
        Text mode_field, sex_field;
        int mode_index, sex_index;  // mode 5 and sex 2 were selected before
    };
    const Case cases[] = {
        {"CW ", "F", 2, 2},
        {"EL ", "N", 7, 1},
        {"...", ".", 0, 0},
        {"XYZ", "?", 5, 0},
    };
    for (const Case& c : cases) {
        Text line = kGeneral;
        line.replace(68, 3, c.mode_field);
        line.replace(57, 1, c.sex_field);
        Fixture f(ContestType::Iaru, {line});
        f.s.qso.mod_combo.set(5);
        f.s.qso.kapott_sex_combo.set(2);
        qso_sor_visszatoltes(f.s);
        EXPECT_EQ(f.s.qso.mod_combo.list_index, c.mode_index) << c.mode_field;
        EXPECT_EQ(f.s.qso.kapott_sex_combo.list_index, c.sex_index) << c.sex_field;
    }
}

TEST(Restore, UnknownBandKeepsTheCurrentBand) {
    Text line = kGeneral;
    line.replace(107, 7, "14025  ");  // a frequency in place of the band
    Fixture f(ContestType::Iaru, {line});
    f.s.current_band_index = 16;
    f.s.qso.band_text = "435 MHz";
    qso_sor_visszatoltes(f.s);
    EXPECT_TRUE(f.s.edit_mode);
    EXPECT_EQ(f.s.current_band_index, 16);
    EXPECT_EQ(f.s.qso.band_text, "435 MHz");
}

TEST(EditMode, HoldsAndGivesBackTheSwitches) {
    for (bool real_time : {true, false}) {
        for (bool lookup : {true, false}) {
            Fixture f(ContestType::Iaru, {kGeneral});
            f.s.real_time_check = real_time;
            f.s.automata_check = lookup;
            qso_sor_visszatoltes(f.s);
            EXPECT_FALSE(f.s.real_time_check);
            EXPECT_FALSE(f.s.automata_check);
            qso_sor_visszatoltes(f.s);  // restoring again while editing must not lose them
            f.s.view[Control::edit_sorszam_text].back = Color::Red;
            szerkesztes_mod_kikapcsolas(f.s);
            EXPECT_EQ(f.s.real_time_check, real_time);
            EXPECT_EQ(f.s.automata_check, lookup);
            EXPECT_FALSE(f.s.edit_mode);
            EXPECT_EQ(f.s.qso.edit_sorszam_text, "00000");
            EXPECT_EQ(f.s.view[Control::edit_sorszam_text].back, Color::Default);
            szerkesztes_mod_kikapcsolas(f.s);  // leaving when not editing changes no switch
            EXPECT_EQ(f.s.real_time_check, real_time);
        }
    }
}

}  // namespace
}  // namespace loxar
