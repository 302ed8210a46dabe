// Editing, overwriting and deleting logged QSOs.
#include "core/qso_edit.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/backup.hpp"
#include "core/file_io.hpp"
#include "core/startup.hpp"
#include "rules/contest_rules.hpp"
#include "support/fake_ports.hpp"
#include "support/temp_home.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;

const Text kTemplate =
    "2016-07-23/11:29:31=XX1AAA              =059/0001/JN96  /.=059/0001=SSB=F=00001/00001=00001="
    "              =145 MHz=";

Text qso(const Text& call, int number) {
    Text l = kTemplate;
    l.replace(20, 20, pad_cut(call, 20));
    l.replace(86, 5, zero_pad(number, 5));
    return l;
}

struct Home {
    testing::FakePorts fakes;
    testing::TempHome home;
    Session s;
    explicit Home(int lines = 0) {
        fakes.serial.available = true;
        s.ports = fakes.ports();
        EXPECT_FALSE(Form_Load(s, home.path()).has_value());
        s.station.hivojel_text = "HA5XX";
        s.station.QRA_text = "JN97AA";
        s.qso.kezelo_text = "OPNAME";
        s.qso.sex_combo.set(2);
        for (int n = 1; n <= lines; ++n) s.log_lista.add(qso("XX" + std::to_string(n) + "AA", n));
        fakes.ui.messages.clear();
    }
    void choose(ContestType t) {
        s.szabaly_combo.set(static_cast<int>(t));
        szabaly_combo_Click(s);
        fakes.ui.messages.clear();
    }
    fs::path save_file() const { return s.paths.system_dir / "tmp_log_145 MHz.save"; }
    std::vector<Text> numbers() const {
        std::vector<Text> n;
        for (const Text& l : s.log_lista.items()) n.push_back(col(l, 87, 5));
        return n;
    }
};

TEST(Edit, RestoreSwitchesRealTimeOffAndLeavingGivesItBack) {
    Home h(2);
    h.s.real_time_check = true;
    h.s.automata_check = true;
    h.s.log_lista.select_only(1);
    log_lista_DblClick(h.s);
    EXPECT_EQ(h.s.edit_mode, 1);
    EXPECT_FALSE(h.s.real_time_check);
    EXPECT_FALSE(h.s.automata_check);
    EXPECT_EQ(h.s.qso.edit_sorszam_text, "00002");
    EXPECT_EQ(h.s.qso.kapott_hivojel_text, "XX2AA");

    edit_sorszam_text_KeyPress(h.s);
    EXPECT_EQ(h.fakes.ui.beeps, 1);
    EXPECT_EQ(h.s.edit_mode, 1);

    edit_sorszam_text_GotFocus(h.s);
    EXPECT_EQ(h.s.edit_mode, 0);
    EXPECT_TRUE(h.s.real_time_check);
    EXPECT_TRUE(h.s.automata_check);
    EXPECT_EQ(h.s.qso.edit_sorszam_text, "00000");

    // Outside edit mode a click on the field changes nothing.
    h.s.real_time_check = false;
    edit_sorszam_text_GotFocus(h.s);
    EXPECT_FALSE(h.s.real_time_check);
}

TEST(Edit, OverwritingMovesTheQsoToTheEndKeepingItsNumber) {
    Home h(3);
    h.s.log_changed = 0;
    h.s.log_lista.select_only(1);
    edit_cmd_Click(h.s);
    h.s.qso.kapott_hivojel_text = "XX9ZZ";
    h.fakes.ui.answers = {true};
    log_felulir_cmd_Click(h.s);

    EXPECT_EQ(h.fakes.ui.questions.back(), hu(u8"Felulírja a(z) 00002 sorszámu QSO-t?"));
    ASSERT_EQ(h.s.log_lista.size(), 3u);
    EXPECT_EQ(h.s.log_lista.at(0), qso("XX1AA", 1));
    EXPECT_EQ(h.s.log_lista.at(1), qso("XX3AA", 3));
    const Text rewritten = h.s.log_lista.at(2);
    EXPECT_EQ(col(rewritten, 21, 20), pad_cut("XX9ZZ", 20));
    EXPECT_EQ(col(rewritten, 87, 5), "00002");
    EXPECT_EQ(col(rewritten, 1, 19), "2016-07-23/11:29:31");
    EXPECT_EQ(h.s.log_lista.first_selected(), 2);
    EXPECT_EQ(h.s.edit_mode, 0);
    EXPECT_EQ(h.s.log_changed, 1);
    EXPECT_EQ(h.fakes.ui.focus_log.back(), "kapott_hivojel_text");
    EXPECT_EQ(read_file(backup_file_path(h.s)), "FELULIRAS  " + rewritten + "\r\n");
    const auto saved = read_file(h.save_file());
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->ends_with(rewritten + "\r\nEnd\r\n"));

    // A later deletion numbers the list by position again.
    h.s.log_lista.select_only(0);
    h.fakes.ui.answers = {true};
    QSO_torol_cmd_Click(h.s);
    EXPECT_EQ(h.numbers(), (std::vector<Text>{"00001", "00002"}));
    EXPECT_EQ(col(h.s.log_lista.at(0), 21, 5), "XX3AA");
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00003");
}

TEST(Edit, NoOrFailedChecksChangeNothing) {
    Home h(3);
    h.s.log_lista.select_only(1);
    edit_cmd_Click(h.s);
    h.s.qso.kapott_hivojel_text = "XX9ZZ";
    const std::vector<Text> before = h.s.log_lista.items();

    h.fakes.ui.answers = {false};
    log_felulir_cmd_Click(h.s);
    EXPECT_EQ(h.s.log_lista.items(), before);
    EXPECT_EQ(h.s.edit_mode, 1);

    h.s.qso.mod_combo.set(0);  // "Üzemmód hiba"
    log_felulir_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Üzemmód hiba\r\n"));
    EXPECT_EQ(h.s.log_lista.items(), before);
    EXPECT_EQ(h.s.edit_mode, 1);
    EXPECT_FALSE(fs::exists(backup_file_path(h.s)));

    h.s.log_lista.select_only(0);
    h.fakes.ui.answers = {false};
    QSO_torol_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.questions.back(), hu(u8"Törli a kijelölt QSO-t?"));
    EXPECT_EQ(h.s.log_lista.items(), before);
}

TEST(Edit, NothingSelectedOrNumberGone) {
    Home h(2);
    QSO_torol_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nincs kijelölt QSO!"));
    EXPECT_TRUE(h.fakes.ui.questions.empty());

    h.s.log_lista.select_only(0);
    edit_cmd_Click(h.s);
    h.s.qso.edit_sorszam_text = "00042";
    h.s.log_lista.select(0, false);
    log_felulir_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nincs kijelölt QSO!"));
    EXPECT_EQ(h.s.log_lista.size(), 2u);
    EXPECT_EQ(h.fakes.ui.beeps, 2);
}

TEST(Edit, ShiftDeleteRemovesEverySelectedLine) {
    const struct {
        long current;       // current row before
        long selected_after;
    } cases[] = {{1, 1}, {4, 2}, {3, 2}, {0, 0}};
    for (const auto& c : cases) {
        Home h(5);
        h.s.log_lista.select(1, true);
        h.s.log_lista.select(3, true);
        h.s.log_lista.list_index = c.current;
        log_lista_shift_delete(h.s);
        EXPECT_TRUE(h.fakes.ui.questions.empty());
        ASSERT_EQ(h.s.log_lista.size(), 3u);
        EXPECT_EQ(h.numbers(), (std::vector<Text>{"00001", "00002", "00003"}));
        EXPECT_EQ(col(h.s.log_lista.at(1), 21, 5), "XX3AA");
        EXPECT_EQ(col(h.s.log_lista.at(2), 21, 5), "XX5AA");
        EXPECT_EQ(h.s.log_lista.first_selected(), c.selected_after) << c.current;
        EXPECT_EQ(h.s.qso.log_sorszam_text, "00004");
        EXPECT_EQ(h.s.log_changed, 1);
        EXPECT_TRUE(fs::exists(h.save_file()));
    }
}

TEST(Edit, DeletingTheLastQsoDropsTheWorkingSave) {
    Home h(1);
    h.s.log_lista.select_only(0);
    h.fakes.ui.answers = {true};
    QSO_torol_cmd_Click(h.s);  // writes nothing: the list is empty
    std::ofstream(h.save_file()) << "stale";
    h.s.log_lista.add(qso("XX1AA", 1));
    h.s.log_lista.select_only(0);
    log_lista_shift_delete(h.s);
    EXPECT_TRUE(h.s.log_lista.empty());
    EXPECT_FALSE(fs::exists(h.save_file()));
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00001");
}

TEST(Edit, DeletingWhileEditingEndsEditing) {
    Home h(3);
    h.s.real_time_check = true;
    h.s.log_lista.select_only(2);
    edit_cmd_Click(h.s);
    h.s.log_lista.select_only(0);
    log_lista_shift_delete(h.s);
    EXPECT_EQ(h.s.edit_mode, 0);
    EXPECT_TRUE(h.s.real_time_check);
    EXPECT_EQ(h.s.qso.edit_sorszam_text, "00000");
}

TEST(Edit, SwlQsoIsFoundByItsOwnNumber) {
    // Line 1's second station sent serial 00002, in the columns other layouts number in.
    const Text swl1 =
        "2024-05-04/12:30:15=145 MHz =CW =HA1AAA           /059/00012   =HA2BBB           /057/00002"
        "   =00001=";
    const Text swl2 =
        "2024-05-04/12:31:15=145 MHz =CW =HA3CCC           /059/00013   =HA4DDD           /057/00007"
        "   =00002=";
    Home h;
    h.choose(ContestType::Swl);
    h.s.log_lista.add(swl1);
    h.s.log_lista.add(swl2);
    h.s.log_lista.select_only(1);
    edit_cmd_Click(h.s);
    ASSERT_EQ(h.s.qso.edit_sorszam_text, "00002");
    h.s.qso.kapott_hivojel_text = "HA3CCX";
    h.s.log_lista.select(1, false);
    h.fakes.ui.answers = {true};
    log_felulir_cmd_Click(h.s);
    ASSERT_EQ(h.s.log_lista.size(), 2u);
    EXPECT_EQ(h.s.log_lista.at(0), swl1);
    EXPECT_EQ(col(h.s.log_lista.at(1), 34, 6), "HA3CCX");
}

TEST(Edit, RhobOverwriteCatchesTheClockUp) {
    Home h;
    h.choose(ContestType::RhOb);
    h.s.ido_eltolas_combo.set(1);
    h.s.real_time_check = true;
    h.s.log_lista.add(qso("XX1AA", 1));
    h.s.log_lista.select_only(0);
    edit_cmd_Click(h.s);
    h.s.qso.kapott_sorszam_text = "5";
    h.fakes.ui.answers = {true};
    log_felulir_cmd_Click(h.s);
    EXPECT_TRUE(h.fakes.ui.messages.empty());
    ASSERT_EQ(h.s.log_lista.size(), 1u);
    EXPECT_EQ(col(h.s.log_lista.at(0), 1, 19), "2016-07-23/11:29:31");  // the QSO keeps its time
    EXPECT_EQ(h.s.qso.log_ido, "2024-05-04/11:30:15");  // the fake clock's 12:30:15, offset -1
    EXPECT_EQ(h.s.edit_mode, 0);
}

TEST(LogList, CapitalMShowsTheLogMenu) {
    Home h;
    h.s.view["log_menu_keret"].visible = false;
    log_lista_KeyPress(h.s, 'm');
    EXPECT_FALSE(h.s.view["log_menu_keret"].visible);
    log_lista_KeyPress(h.s, 'M');
    EXPECT_TRUE(h.s.view["log_menu_keret"].visible);
}

}  // namespace
}  // namespace loxar
