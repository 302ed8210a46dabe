// The per-band backup file, the log rebuilt from it, and the automatic save.
#include "core/backup.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_io.hpp"
#include "core/log_commands.hpp"
#include "core/qso_edit.hpp"
#include "core/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/temp_home.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;

Text qso(const Text& call, int number) {
    return "2016-07-23/11:29:31=" + pad_cut(call, 20) +
           "=059/0001/JN96  /.=059/0001=SSB=F=00001/00001=" + zero_pad(number, 5) +
           "=              =145 MHz=";
}

const Text kSwl1 =  // its second station sent 00002, in the columns other layouts number in
    "2024-05-04/12:30:15=145 MHz =CW =HA1AAA           /059/00012   =HA2BBB           /057/00002"
    "   =00001=";
const Text kSwl2 =
    "2024-05-04/12:31:15=145 MHz =CW =HA3CCC           /059/00013   =HA4DDD           /057/00007"
    "   =00002=";

struct Home {
    testing::FakePorts fakes;
    testing::TempHome home;
    Session s;
    Home() {
        fakes.serial.available = true;
        s.ports = fakes.ports();
        EXPECT_FALSE(Form_Load(s, home.path()).has_value());
        fakes.ui.messages.clear();
        s.station.hivojel_text = "HA5XX";
        s.station.QRA_text = "JN97AA";
        s.qso.kezelo_text = "OPNAME";
        s.qso.sex_combo.set(2);
    }
};

TEST(Backup, TwoAddedAndTheFirstOverwrittenGiveThreeRecordsAndTwoLines) {
    Home h;
    EXPECT_EQ(backup_file_path(h.s), h.s.paths.backup_dir / "backup_145 MHz.dat");
    for (const Text& line : {qso("XX1AAA", 1), qso("XX2BBB", 2)}) {  // as adding does
        h.s.log_lista.add(line);
        ASSERT_TRUE(write_backup_record(h.s, kBackupAdded, line));
    }
    h.s.log_lista.select_only(0);
    edit_cmd_Click(h.s);
    h.s.qso.kapott_hivojel_text = "XX9ZZZ";
    h.fakes.ui.answers = {true};
    log_felulir_cmd_Click(h.s);
    const Text rewritten = h.s.log_lista.at(1);
    EXPECT_EQ(col(rewritten, 21, 6), "XX9ZZZ");
    EXPECT_EQ(read_file(backup_file_path(h.s)),
              "HOZZAADAS  " + qso("XX1AAA", 1) + "\r\nHOZZAADAS  " + qso("XX2BBB", 2) +
                  "\r\nFELULIRAS  " + rewritten + "\r\n");
    backup_helyreallitas(h.s);
    EXPECT_EQ(h.s.backup_lista.items(), (std::vector<Text>{qso("XX2BBB", 2), rewritten}));

    fs::remove_all(h.s.paths.backup_dir);
    EXPECT_FALSE(write_backup_record(h.s, kBackupAdded, rewritten));
    backup_helyreallitas(h.s);
    EXPECT_TRUE(h.s.backup_lista.empty());
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nem találtam backup file-t!"));
}

TEST(Backup, RebuildingSkipsStrangeRecordsAndReplacesByNumber) {
    const Text swl2_new = "2024-05-04/12:31:15=145 MHz =CW =HA3CCX" + kSwl2.substr(39);
    const struct {
        Text file;
        std::vector<Text> log;
    } cases[] = {
        {"garbage\r\nHOZZAAD\r\n\r\n" + Text(300, '\0'), {}},
        {"HOZZAADAS  " + qso("A1", 1) + "\r\nHOZZAADAS  " + qso("A2", 2) + "\r\nFELULIRAS  " +
             qso("A1X", 1) + "\r\nFELULIRAS  " + qso("A1Y", 1),
         {qso("A2", 2), qso("A1Y", 1)}},
        // SWL lines are matched by their own number, not by the second station's serial.
        {"HOZZAADAS  " + kSwl1 + "\r\nHOZZAADAS  " + kSwl2 + "\r\nFELULIRAS  " + swl2_new,
         {kSwl1, swl2_new}},
    };
    for (const auto& c : cases) EXPECT_EQ(rebuild_from_backup(c.file), c.log) << c.file;
}

TEST(Backup, CopyingBackReplacesOrAppendsAndNumbersTheLog) {
    Home h;
    h.s.log_lista.add(qso("CUR1", 1));
    h.fakes.ui.answers = {true};
    backup_cmd_Click(h.s, 0);  // nothing rebuilt: the log is not cleared for nothing
    EXPECT_EQ(h.s.log_lista.size(), 1u);
    EXPECT_TRUE(h.fakes.ui.questions.empty());

    for (const Text& l : {qso("B1", 1), qso("B2", 4)}) h.s.backup_lista.add(l);
    h.fakes.ui.answers = {false};
    backup_cmd_Click(h.s, 0);
    EXPECT_EQ(h.fakes.ui.questions.back(), hu(u8"Törlöm az aktuális LOG-ot. Folytatja?"));
    EXPECT_EQ(h.s.log_lista.items(), std::vector<Text>{qso("CUR1", 1)});

    backup_cmd_Click(h.s, 1);
    EXPECT_EQ(h.s.log_lista.items(),
              (std::vector<Text>{qso("CUR1", 1), qso("B1", 2), qso("B2", 3)}));
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00004");
    EXPECT_EQ(h.s.log_changed, 1);

    h.fakes.ui.answers = {true};
    backup_cmd_Click(h.s, 0);
    EXPECT_EQ(h.s.log_lista.items(), (std::vector<Text>{qso("B1", 1), qso("B2", 2)}));
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00003");
    EXPECT_TRUE(fs::exists(h.s.paths.system_dir / "tmp_log_145 MHz.save"));
}

TEST(AutoSave, FileByTheSelectorAlwaysInsideLog) {
    const struct {
        int item;
        const char* contest;
        const char* band;
        const char* file;  // below LOG; nullptr: no file
    } cases[] = {
        {0, "VHF", "145 MHz", nullptr},
        {1, "VHF", "145 MHz", "VHF.log"},
        {2, "VHF", "145 MHz", "VHF_145 MHz.log"},
        {2, " VHF ", "7 MHz  ", "VHF_7 MHz  .log"},
        {1, "../evil", "145 MHz", ".._evil.log"},
        {2, "../../x", "145 MHz", ".._.._x_145 MHz.log"},
        {1, "/tmp/abs", "145 MHz", "_tmp_abs.log"},
        {1, "a\\..\\b", "145 MHz", "a_.._b.log"},
    };
    for (const auto& c : cases) {
        Home h;
        h.s.log_lista.add(qso("A1", 1));
        h.s.auto_mentes_combo.set(c.item);
        h.s.station.verseny_neve_text = c.contest;
        h.s.qso.band_text = c.band;
        auto_log_mentes(h.s);
        // Every file below the test's own root, the home's parent included, but the start's.
        const fs::path root = h.home.path().parent_path();
        std::vector<fs::path> written;
        for (const auto& e : fs::recursive_directory_iterator(root)) {
            if (!e.is_regular_file()) continue;
            const fs::path rel = fs::relative(e.path(), root);
            const std::vector<fs::path> parts(rel.begin(), rel.end());
            if (parts.size() > 2 && (parts[1] == "SYSTEM" || parts[1] == "SZABALYOK")) continue;
            written.push_back(rel);
        }
        const auto expected = c.file ? std::vector<fs::path>{fs::path("home") / "LOG" / c.file}
                                     : std::vector<fs::path>{};
        EXPECT_EQ(written, expected) << c.contest;
    }
}

TEST(AutoSave, ChoosingItWithoutAContestNameIsRefused) {
    Home h;
    h.s.station.verseny_neve_text = "  ";
    h.s.auto_mentes_combo.set(2);
    auto_mentes_combo_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages, std::vector<Text>{hu(u8"Adja meg előbb a verseny nevét!")});
    EXPECT_EQ(h.fakes.ui.focus_log.back(), "verseny_neve_text");
    EXPECT_EQ(h.s.auto_mentes_combo.list_index, 0);

    h.s.station.verseny_neve_text = "VHF";
    h.s.auto_mentes_combo.set(1);
    auto_mentes_combo_Click(h.s);
    EXPECT_EQ(h.fakes.ui.messages.size(), 1u);
    EXPECT_EQ(h.s.auto_mentes_combo.list_index, 1);
}

}  // namespace
}  // namespace loxar
