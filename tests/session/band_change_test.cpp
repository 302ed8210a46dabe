// The band buttons with their per-band working files, and the band change of the whole log.
#include "session/band_change.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/file_io.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::general;
using testing::qrp;
using testing::swl;

struct Station : testing::Started {
    explicit Station(ContestType type) : Started(type) {
        s.sheet.tx_PBand = "2m";  // as a loaded log's header sets it for band 14
    }
    void expect_band(int index, const char* text, const char* wavelength) {
        EXPECT_EQ(s.current_band_index, index);
        EXPECT_EQ(s.qso.band_text, text);
        EXPECT_EQ(s.sheet.tx_PBand, wavelength);
    }
};

TEST(BandButtons, PerBandLogGoesToItsWorkingFileAndComesBack) {
    Station st(ContestType::Iaru);
    std::vector<Text> lines;
    for (long i = 1; i <= 12; ++i) lines.push_back(general("HA" + std::to_string(i) + "AA", i));
    st.log(lines);

    freki_up_cmd_Click(st.s);
    st.expect_band(15, "220 MHz", "1.25m");
    EXPECT_TRUE(st.s.log_lista.empty());
    EXPECT_EQ(st.s.qso.log_sorszam_text, "00001");
    EXPECT_EQ(st.s.qso.kuldott_sorszam_text, "1");
    const std::vector<Text> file = split_lines(read_file(st.system_file("tmp_log_145 MHz.dat")).value_or(""));
    ASSERT_EQ(file.size(), 15u);
    EXPECT_EQ(file.front(), "Log records:");
    EXPECT_EQ(std::vector<Text>(file.begin() + 2, file.end() - 1), lines);
    EXPECT_EQ(file.back(), "End");

    // Leaving an empty band writes no file for it.
    freki_up_cmd_Click(st.s);
    EXPECT_FALSE(fs::exists(st.system_file("tmp_log_220 MHz.dat")));
    freki_down_cmd_Click(st.s);
    freki_down_cmd_Click(st.s);
    st.expect_band(14, "145 MHz", "2m");
    ASSERT_EQ(st.s.log_lista.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(col(st.s.log_lista.at(i), 21, 20), col(lines[i], 21, 20));
        EXPECT_EQ(col(st.s.log_lista.at(i), 87, 5), zero_pad(static_cast<long>(i) + 1, 5));
        EXPECT_EQ(col(st.s.log_lista.at(i), 108, 7), "145 MHz");
    }
    EXPECT_EQ(st.s.qso.log_sorszam_text, "00013");
    EXPECT_TRUE(st.fakes.ui.messages.empty());
}

TEST(BandButtons, UnwritableWorkingFileKeepsTheLogAndTheBand) {
    Station st(ContestType::CqBp);
    st.log({general("HA5AAA"), general("HA5BBB", 2)});
    // A folder in the file's place makes the save fail.
    fs::create_directories(st.system_file("tmp_log_145 MHz.dat"));
    freki_up_cmd_Click(st.s);
    EXPECT_EQ(st.s.log_lista.size(), 2u);
    st.expect_band(14, "145 MHz", "2m");
    ASSERT_EQ(st.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(st.fakes.ui.messages[0].rfind(hu(u8"Nem sikerült menteni: "), 0), 0u);
    EXPECT_EQ(st.fakes.ui.beeps, 1);
}

TEST(BandButtons, CommonLogAndTheFixedRhObBand) {
    struct Case {
        ContestType type;
        short start;
        bool up;
        int band;
        const char* text;
        const char* wavelength;
    };
    const Case cases[] = {
        {ContestType::Hadx, 14, true, 15, "220 MHz", "1.25m"},
        {ContestType::Nmark, 5, false, 4, "5,5 MHz", "60m"},
        {ContestType::YlOm, 28, true, 28, "248 GHz", "1,3mm"},
        {ContestType::Ref, 0, false, 0, "---    ", "---"},
        {ContestType::RhOb, 14, true, 3, "3,5 MHz", "80m"},
        {ContestType::RhOb, 14, false, 3, "3,5 MHz", "80m"},
    };
    for (const Case& c : cases) {
        Station st(c.type);
        st.s.current_band_index = c.start;
        st.s.qso.band_text = band_name(c.start);
        st.log({general("HA5AAA")});
        c.up ? freki_up_cmd_Click(st.s) : freki_down_cmd_Click(st.s);
        st.expect_band(c.band, c.text, c.wavelength);
        EXPECT_EQ(st.s.log_lista.items(), std::vector<Text>{general("HA5AAA")});
        EXPECT_FALSE(fs::exists(st.system_file("tmp_log_145 MHz.dat")));
    }
}

TEST(BandButtons, MultiplierFollowsTheBandBothWays) {
    Station st(ContestType::CqBp);
    st.s.current_band_index = 15;
    st.s.qso.band_text = band_name(15);
    st.s.qso.mod_combo.set(2);  // CW: 3 by the default rule file
    mod_szorzo_rutin(st.s);
    EXPECT_EQ(st.s.szorzo_text, "3");
    freki_up_cmd_Click(st.s);  // 435 MHz scores 2
    EXPECT_EQ(st.s.szorzo_text, "6");
    freki_down_cmd_Click(st.s);
    EXPECT_EQ(st.s.szorzo_text, "3");
}

TEST(BandButtons, SwitchingThePerBandLogEndsEditing) {
    Station st(ContestType::Iaru);
    st.log({general("HA5AAA")});
    st.s.edit_mode = true;
    st.s.qso.edit_sorszam_text = "00001";
    freki_up_cmd_Click(st.s);
    EXPECT_FALSE(st.s.edit_mode);
    EXPECT_EQ(st.s.qso.edit_sorszam_text, "00000");
}

TEST(WholeLogBand, StartNeedsConfirmationAndALog) {
    Station no(ContestType::Iaru);
    no.log({general("HA5AAA")});
    no.fakes.ui.answers = {false};
    savvaltas_cmd_Click(no.s);
    EXPECT_EQ(no.fakes.ui.questions, std::vector<Text>{hu(u8"Csinált másolatot?")});
    EXPECT_EQ(no.s.panel, Panel::Log);
    EXPECT_EQ(no.s.panel_mode, PanelTask::None);

    Station empty(ContestType::Iaru);
    empty.fakes.ui.answers = {true};
    savvaltas_cmd_Click(empty.s);
    EXPECT_EQ(empty.fakes.ui.messages, std::vector<Text>{hu(u8"Üres a LOG lista!")});
    EXPECT_EQ(empty.s.panel_mode, PanelTask::None);
}

TEST(WholeLogBand, ChangeEveryLineThenConfirm) {
    Station st(ContestType::Iaru);
    const std::vector<Text> before = {general("HA5AAA"), general("HA5BBB", 2, "14025"), general("HA5CCC", 3)};
    st.log(before);
    st.s.log_lista.select_only(0);
    st.fakes.ui.answers = {true};
    savvaltas_cmd_Click(st.s);

    EXPECT_EQ(st.s.panel, Panel::Vegyes);
    EXPECT_EQ(st.s.panel_mode, PanelTask::BandChange);
    EXPECT_EQ(st.s.vegyes.vegyes_valaszto, 1);
    EXPECT_EQ(st.s.vegyes.vegyes_label, hu(u8"Új sáv"));
    EXPECT_EQ(st.s.view[Control::vegyes_cmd_0].caption, hu(u8"Váltás"));
    EXPECT_EQ(st.s.view[Control::vegyes_cmd_1].caption, hu(u8"Kész"));
    EXPECT_FALSE(st.s.view[Control::vegyes_cmd_2].visible);
    ASSERT_EQ(st.s.vegyes.vegyes_combo.size(), 32);
    EXPECT_EQ(st.s.vegyes.vegyes_combo.items[5], "7 MHz  ");
    EXPECT_EQ(st.s.vegyes.vegyes_combo.items[31], "");
    EXPECT_EQ(st.s.vegyes.vegyes_combo.list_index, 14);
    EXPECT_EQ(st.s.vegyes.vegyes_lista[1].items(), before);

    st.s.vegyes.vegyes_combo.set(16);
    savvaltas_valtas_Click(st.s);
    // Every line, not only the selected one; a frequency in the band field is overwritten too.
    const std::vector<Text> after = {general("HA5AAA", 1, "435 MHz"), general("HA5BBB", 2, "435 MHz"),
                                     general("HA5CCC", 3, "435 MHz")};
    EXPECT_EQ(st.s.vegyes.vegyes_lista[1].items(), after);
    // Leaving the panel now would keep the log: nothing is final before "Kész".
    EXPECT_EQ(st.s.log_lista.items(), before);
    st.expect_band(14, "145 MHz", "2m");

    savvaltas_kesz_Click(st.s);
    EXPECT_EQ(st.s.log_lista.items(), after);
    st.expect_band(16, "435 MHz", "70cm");
    EXPECT_EQ(st.s.log_lista.first_selected(), 2);
    EXPECT_TRUE(st.s.log_changed);
    const std::vector<Text> saved =
        split_lines(read_file(st.system_file("tmp_log_435 MHz.save")).value_or(""));
    ASSERT_EQ(saved.size(), 6u);
    EXPECT_EQ(saved[2], after[0]);
    EXPECT_TRUE(st.fakes.ui.messages.empty());
}

TEST(WholeLogBand, EveryLineIsCheckedBeforeAnyIsChanged) {
    struct Case {
        ContestType type;
        std::vector<Text> lines;
        std::vector<Text> changed;  // empty: "Rossz a formátum!"
    };
    const Case cases[] = {
        {ContestType::Iaru, {general("HA5AAA"), qrp("HA5BBB"), general("HA5CCC")}, {}},
        {ContestType::Iaru, {general("HA5AAA"), general("HA5BBB").substr(0, 110)}, {}},
        {ContestType::HaQrp, {qrp("HA5AAA")}, {qrp("HA5AAA", "7 MHz")}},
        {ContestType::Dx, {general("HA5AAA")}, {}},
        // A listener's line keeps its band in columns 21-28.
        {ContestType::Swl, {swl()}, {swl("HA1AAA", "HA2BBB", "7 MHz")}},
    };
    for (const Case& c : cases) {
        Station st(c.type);
        st.log(c.lines);
        st.fakes.ui.answers = {true};
        savvaltas_cmd_Click(st.s);
        st.s.vegyes.vegyes_combo.set(5);
        savvaltas_valtas_Click(st.s);
        if (c.changed.empty()) {
            EXPECT_EQ(st.fakes.ui.messages, std::vector<Text>{hu(u8"Rossz a formátum!")});
            EXPECT_EQ(st.s.vegyes.vegyes_lista[1].items(), c.lines);
        } else {
            EXPECT_TRUE(st.fakes.ui.messages.empty());
            EXPECT_EQ(st.s.vegyes.vegyes_lista[1].items(), c.changed);
        }
    }
}

TEST(WholeLogBand, AnEmptyTableEntryIsNoBand) {
    Station st(ContestType::Iaru);
    st.log({general("HA5AAA")});
    st.fakes.ui.answers = {true};
    savvaltas_cmd_Click(st.s);
    st.s.vegyes.vegyes_combo.set(30);
    savvaltas_valtas_Click(st.s);
    savvaltas_kesz_Click(st.s);
    EXPECT_EQ(st.s.vegyes.vegyes_lista[1].items(), std::vector<Text>{general("HA5AAA")});
    st.expect_band(14, "145 MHz", "2m");
    EXPECT_EQ(st.fakes.ui.messages, std::vector<Text>(2, hu(u8"Válasszon sávot!")));
}

}  // namespace
}  // namespace loxar
