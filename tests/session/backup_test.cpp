// The per-band backup file, the log rebuilt from it, and the automatic save.
#include "session/backup.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/file_io.hpp"
#include "session/log_commands.hpp"
#include "session/log_file.hpp"
#include "session/qso_edit.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::general;
using testing::swl;

struct Home : testing::Started {
    Home() : Started(ContestType::None, testing::kOwnData) {}
};

TEST(Backup, TwoAddedAndTheFirstOverwrittenGiveThreeRecordsAndTwoLines) {
    Home h;
    EXPECT_EQ(backup_file_path(h.s), h.s.paths.backup_dir / "backup_145 MHz.dat");
    for (const Text& line : {general("XX1AAA", 1), general("XX2BBB", 2)}) {  // as adding does
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
    EXPECT_EQ(read_file(backup_file_path(h.s)), "HOZZAADAS  " + general("XX1AAA", 1) + "\r\nHOZZAADAS  " +
                                                    general("XX2BBB", 2) + "\r\nFELULIRAS  " + rewritten +
                                                    "\r\n");
    backup_helyreallitas(h.s);
    EXPECT_EQ(h.s.vegyes.backup_lista.items(), (std::vector<Text>{general("XX2BBB", 2), rewritten}));

    fs::remove_all(h.s.paths.backup_dir);
    EXPECT_FALSE(write_backup_record(h.s, kBackupAdded, rewritten));
    backup_helyreallitas(h.s);
    EXPECT_TRUE(h.s.vegyes.backup_lista.empty());
    EXPECT_EQ(h.fakes.ui.messages.back(), hu(u8"Nem találtam backup file-t!"));
}

TEST(Backup, RebuildingSkipsStrangeRecordsAndReplacesByNumber) {
    // Line 1's second station sent 00002, in the columns other layouts number in.
    const Text swl1 = swl("HA1AAA", "HA2BBB", "145 MHz", "00002");
    const Text swl2 = swl("HA3CCC", "HA4DDD", "145 MHz", "00007", 2);
    const Text swl2_new = swl("HA3CCX", "HA4DDD", "145 MHz", "00007", 2);
    const struct {
        Text file;
        std::vector<Text> log;
    } cases[] = {
        {"garbage\r\nHOZZAAD\r\n\r\n" + Text(300, '\0'), {}},
        {"HOZZAADAS  " + general("A1", 1) + "\r\nHOZZAADAS  " + general("A2", 2) + "\r\nFELULIRAS  " +
             general("A1X", 1) + "\r\nFELULIRAS  " + general("A1Y", 1),
         {general("A2", 2), general("A1Y", 1)}},
        // SWL lines are matched by their own number, not by the second station's serial.
        {"HOZZAADAS  " + swl1 + "\r\nHOZZAADAS  " + swl2 + "\r\nFELULIRAS  " + swl2_new, {swl1, swl2_new}},
    };
    for (const auto& c : cases) EXPECT_EQ(rebuild_from_backup(c.file).log, c.log) << c.file;
}

TEST(Backup, RebuildingKeepsAtMostALogAndOverwritesStayCheap) {
    // Empty records all carry the same (empty) number: one overwrite replaces every one of them.
    Text file;
    for (int i = 0; i < 150000; ++i) file += "HOZZAADAS  \r\n";
    BackupRebuild r = rebuild_from_backup(file);
    EXPECT_EQ(r.log.size(), kMaxLogQsos);
    EXPECT_EQ(r.left_out, 150000 - kMaxLogQsos);
    for (int i = 0; i < 100000; ++i) file += "FELULIRAS  \r\n";
    r = rebuild_from_backup(file + "FELULIRAS  " + Text(100000, 'X'));
    ASSERT_EQ(r.log.size(), 2u);
    EXPECT_EQ(r.log[1].size(), kMaxLogLineLength);
}

TEST(Backup, CopyingBackReplacesOrAppendsAndNumbersTheLog) {
    Home h;
    h.s.log_lista.add(general("CUR1", 1));
    h.fakes.ui.answers = {true};
    backup_cmd_Click(h.s, 0);  // nothing rebuilt: the log is not cleared for nothing
    EXPECT_EQ(h.s.log_lista.size(), 1u);
    EXPECT_TRUE(h.fakes.ui.questions.empty());

    for (const Text& l : {general("B1", 1), general("B2", 4)}) h.s.vegyes.backup_lista.add(l);
    h.fakes.ui.answers = {false};
    backup_cmd_Click(h.s, 0);
    // CUR1 is in no LOG file and the backup does not bring it back.
    const Text warned = hu(u8"Törlöm az aktuális LOG-ot. Folytatja?") + kCrLf + kCrLf +
                        hu(u8"Figyelem: 1 QSO nincs elmentve a LOG mappába, csak a munka- és "
                           u8"backup file-okban van meg.") +
                        kCrLf + hu(u8"Visszamásoláskor ezek a LOG-ból kikerülnek!");
    EXPECT_EQ(h.fakes.ui.questions.back(), warned);
    EXPECT_EQ(h.s.log_lista.items(), std::vector<Text>{general("CUR1", 1)});

    backup_cmd_Click(h.s, 1);
    EXPECT_EQ(h.s.log_lista.items(),
              (std::vector<Text>{general("CUR1", 1), general("B1", 2), general("B2", 3)}));
    EXPECT_EQ(h.s.qso.log_sorszam_text, "00004");
    EXPECT_TRUE(h.s.log_changed);

    h.fakes.ui.answers = {true};
    backup_cmd_Click(h.s, 0);
    EXPECT_EQ(h.fakes.ui.questions.back(), warned);  // B1 and B2 come back with the backup
    EXPECT_EQ(h.s.log_lista.items(), (std::vector<Text>{general("B1", 1), general("B2", 2)}));
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
        h.s.log_lista.add(general("A1", 1));
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
        const auto expected =
            c.file ? std::vector<fs::path>{fs::path("home") / "LOG" / c.file} : std::vector<fs::path>{};
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
