// Editing, overwriting and deleting logged QSOs.
#include "session/qso_edit.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/file_io.hpp"
#include "session/backup.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::swl;

// A started window with own data and `lines` QSOs XX1AA, XX2AA ...
struct Home : testing::Started {
    explicit Home(int lines, ContestType type = ContestType::None) : Started(type, testing::kOwnData) {
        log(testing::numbered(lines));
    }
    fs::path save_file() const { return s.paths.system_dir / "tmp_log_145 MHz.save"; }
    Text calls_and_numbers() const {
        Text t;
        for (const Text& l : s.log_lista.items()) t += trim(col(l, 21, 20)) + ":" + col(l, 87, 5) + " ";
        return t;
    }
};

TEST(Edit, RestoreSwitchesRealTimeOffAndLeavingGivesItBack) {
    Home h(2);
    h.s.real_time_check = true;
    h.s.log_lista.select_only(1);
    log_lista_DblClick(h.s);
    EXPECT_TRUE(h.s.edit_mode);
    EXPECT_FALSE(h.s.real_time_check);
    EXPECT_EQ(h.s.qso.edit_sorszam_text, "00002");

    edit_sorszam_text_KeyPress(h.s);
    EXPECT_EQ(h.fakes.ui.beeps, 1);
    edit_sorszam_text_GotFocus(h.s);
    EXPECT_FALSE(h.s.edit_mode);
    EXPECT_TRUE(h.s.real_time_check);
    EXPECT_EQ(h.s.qso.edit_sorszam_text, "00000");

    h.s.real_time_check = false;  // outside edit mode a click on the field changes nothing
    edit_sorszam_text_GotFocus(h.s);
    EXPECT_FALSE(h.s.real_time_check);
}

TEST(Edit, OverwritingMovesTheQsoToTheEndKeepingItsNumber) {
    Home h(3);
    h.s.log_lista.select_only(1);
    edit_cmd_Click(h.s);
    h.s.qso.kapott_hivojel_text = "XX9ZZ";
    h.fakes.ui.answers = {true};
    log_felulir_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.questions.back(), hu(u8"Felulírja a(z) 00002 sorszámu QSO-t?"));
    EXPECT_EQ(h.calls_and_numbers(), "XX1AA:00001 XX3AA:00003 XX9ZZ:00002 ");
    const Text rewritten = h.s.log_lista.at(2);
    EXPECT_FALSE(h.s.edit_mode);
    EXPECT_TRUE(h.s.log_changed);
    EXPECT_EQ(read_file(backup_file_path(h.s)), "FELULIRAS  " + rewritten + "\r\n");
    EXPECT_TRUE(read_file(h.save_file()).value_or("").ends_with(rewritten + "\r\nEnd\r\n"));

    // A later deletion numbers the list by position again.
    h.s.log_lista.select_only(0);
    h.fakes.ui.answers = {true};
    QSO_torol_cmd_Click(h.s);
    EXPECT_EQ(h.calls_and_numbers(), "XX3AA:00001 XX9ZZ:00002 ");
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00003");
}

TEST(Edit, NoAnswerFailedCheckOrNoSelectionChangeNothing) {
    Home h(3);
    QSO_torol_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nincs kijelölt QSO!"));
    EXPECT_TRUE(h.fakes.ui.questions.empty());

    h.s.log_lista.select_only(1);
    edit_cmd_Click(h.s);
    h.s.qso.kapott_hivojel_text = "XX9ZZ";
    const std::vector<Text> before = h.s.log_lista.items();
    h.fakes.ui.answers = {false};
    log_felulir_cmd_Click(h.s);
    h.s.qso.mod_combo.set(0);
    log_felulir_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Üzemmód hiba\r\n"));
    h.s.qso.mod_combo.set(1);
    h.s.qso.edit_sorszam_text = "00042";
    log_felulir_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nincs kijelölt QSO!"));
    h.fakes.ui.answers = {false};
    QSO_torol_cmd_Click(h.s);
    EXPECT_EQ(h.fakes.ui.questions.back(), hu(u8"Törli a kijelölt QSO-t?"));

    EXPECT_EQ(h.s.log_lista.items(), before);
    EXPECT_TRUE(h.s.edit_mode);
    EXPECT_FALSE(fs::exists(backup_file_path(h.s)));
}

TEST(Edit, ShiftDeleteRemovesEverySelectedLine) {
    const struct { long current, selected_after; } cases[] = {{1, 1}, {3, 2}, {4, 2}};
    for (const auto& c : cases) {
        Home h(5);
        h.s.log_lista.select(1, true);
        h.s.log_lista.select(3, true);
        h.s.log_lista.list_index = c.current;
        log_lista_shift_delete(h.s);
        EXPECT_TRUE(h.fakes.ui.questions.empty());
        EXPECT_EQ(h.calls_and_numbers(), "XX1AA:00001 XX3AA:00002 XX5AA:00003 ");
        EXPECT_EQ(h.s.log_lista.first_selected(), c.selected_after) << c.current;
        EXPECT_EQ(h.s.qso.log_sorszam_text, "00004");
        EXPECT_TRUE(h.s.log_changed);
        EXPECT_TRUE(fs::exists(h.save_file()));
    }
}

TEST(Edit, DeletingWhileEditingEndsEditingAndTheLastQsoTakesTheWorkingSave) {
    Home h(2);
    h.s.real_time_check = true;
    h.s.log_lista.select_only(1);
    edit_cmd_Click(h.s);
    h.s.log_lista.select_only(0);
    log_lista_shift_delete(h.s);  // the edited QSO is renumbered: editing must not go on
    EXPECT_FALSE(h.s.edit_mode);
    EXPECT_TRUE(h.s.real_time_check);

    std::ofstream(h.save_file()) << "stale";
    h.s.log_lista.select_only(0);
    h.fakes.ui.answers = {true};
    QSO_torol_cmd_Click(h.s);
    EXPECT_TRUE(h.s.log_lista.empty());
    EXPECT_FALSE(fs::exists(h.save_file()));
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00001");
}

// A deletion that cannot rewrite the band's working save says so instead of passing in silence.
TEST(Edit, ADeleteWhoseWorkingSaveCannotBeWrittenTellsTheOperator) {
    Home h(2);
    fs::create_directories(h.save_file() / "in the way");
    h.s.log_lista.select_only(0);
    log_lista_shift_delete(h.s);
    ASSERT_EQ(h.fakes.ui.notices.size(), 1u);
    EXPECT_EQ(h.fakes.ui.notices[0], hu(u8"Nem sikerült menteni: ") + text_path(h.save_file()));
}

TEST(Edit, SwlQsoIsFoundByItsOwnNumber) {
    // Line 1's second station sent 00002, in the columns other layouts number in.
    const Text swl1 = swl("HA1AAA", "HA2BBB", "145 MHz", "00002");
    Home h(0, ContestType::Swl);
    h.log({swl1, swl("HA3CCC", "HA4DDD", "145 MHz", "00007", 2)});
    h.s.log_lista.select_only(1);
    edit_cmd_Click(h.s);
    h.s.qso.kapott_hivojel_text = "HA3CCX";
    h.s.log_lista.select(1, false);
    h.fakes.ui.answers = {true};
    log_felulir_cmd_Click(h.s);
    ASSERT_EQ(h.s.log_lista.size(), 2u);
    EXPECT_EQ(h.s.log_lista.at(0), swl1);
    EXPECT_EQ(col(h.s.log_lista.at(1), 34, 6), "HA3CCX");
}

TEST(Edit, RhobOverwriteCatchesTheClockUp) {
    Home h(1, ContestType::RhOb);
    h.s.ido_eltolas_combo.set(1);
    h.s.real_time_check = true;
    h.s.log_lista.select_only(0);
    edit_cmd_Click(h.s);
    h.fakes.ui.answers = {true};
    log_felulir_cmd_Click(h.s);
    EXPECT_TRUE(h.fakes.ui.messages.empty());
    EXPECT_EQ(col(h.s.log_lista.at(0), 1, 19), "2016-07-23/11:29:31");  // the QSO keeps its time
    EXPECT_EQ(h.s.qso.log_ido, "2024-05-04/11:30:15");  // the fake clock's 12:30:15, offset -1
}

TEST(LogList, CapitalMShowsTheLogMenu) {
    Home h(0);
    h.s.view[Control::log_menu_keret].visible = false;
    log_lista_KeyPress(h.s, 'm');
    EXPECT_FALSE(h.s.view[Control::log_menu_keret].visible);
    log_lista_KeyPress(h.s, 'M');
    EXPECT_TRUE(h.s.view[Control::log_menu_keret].visible);
}

}  // namespace
}  // namespace loxar
