// A start after a crash, a kill or a power cut: the log and the window come back as they were.
#include "session/recovery.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "model/file_io.hpp"
#include "session/lifecycle.hpp"
#include "session/log_file.hpp"
#include "session/window_state.hpp"
#include "support/started_session.hpp"

namespace loxar {
namespace {

namespace fs = std::filesystem;
using testing::general;
using testing::Home;

const Text kHeader = "HA5XX,JN97AA,OPNAME,2,14,1 ,,1,BUDAPEST,1,,0";

void write_aged(const fs::path& p, const Text& bytes, int minutes_ago) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    fs::last_write_time(p, fs::file_time_type::clock::now() - std::chrono::minutes(minutes_ago));
}

void write_log(const fs::path& p, const std::vector<Text>& lines, int minutes_ago) {
    write_aged(p, log_file_text(kHeader, lines), minutes_ago);
}

// The log file of `lines` as outside damage leaves it: cut off in the middle of `lines[cut]`.
Text cut_log(const std::vector<Text>& lines, std::size_t cut) {
    Text t = log_file_text(kHeader, lines);
    t.resize(t.find(lines[cut]) + lines[cut].size() / 2);
    return t;
}

std::vector<Text> leading(const std::vector<Text>& lines, std::size_t n) {
    return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(CrashRecovery, TheNewestOfWorkingLogSaveAndBackupWins) {
    const Text a = general("XX1AA", 1), b = general("XX2BB", 2, "145 MHz", "11:40"),
               c = general("XX3CC", 3, "145 MHz", "11:50");
    struct Case {
        const char* what;
        int tmp_age, save_age, backup_age;  // minutes; -1: no such file
        std::vector<Text> backup;
        std::size_t qsos;
        const char* told;  // the file the message names; nullptr: no message
    };
    // clang-format off
    const Case cases[] = {
        {"STOP was last: nothing to restore", 1, 5, 6, {a, b}, 1, nullptr},
        {"killed after a QSO: the .save is newer", 5, 1, 2, {a, b}, 2, "tmp_log_145 MHz.save"},
        {"killed between backup and .save", 5, 2, 1, {a, b, c}, 3, "backup_145 MHz.dat"},
        {"power cut inside a backup record", 5, 2, 1, {a, b, c, "2024-05-04/12:00:00=XX4"}, 3,
         "backup_145 MHz.dat"},
        {"no working log at all", -1, 1, 2, {a, b}, 2, "tmp_log_145 MHz.save"},
    };
    // clang-format on
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Home h;
        if (k.tmp_age >= 0) write_log(h.system_file("tmp_log.dat"), {a}, k.tmp_age);
        write_log(h.system_file("tmp_log_145 MHz.save"), {a, b}, k.save_age);
        const fs::path backup = h.home.path() / "BACKUP" / "backup_145 MHz.dat";
        write_log(backup, {}, 0);
        Text records;
        for (const Text& l : k.backup) records += "HOZZAADAS  " + l + "\r\n";
        if (records.find("=XX4") != Text::npos) records.resize(records.size() - 2);  // no line end
        std::ofstream(backup, std::ios::binary) << records;
        fs::last_write_time(backup, fs::file_time_type::clock::now() - std::chrono::minutes(k.backup_age));

        h.start();
        EXPECT_EQ(h.s.log_lista.size(), k.qsos);
        EXPECT_EQ(h.s.qso.log_sorszam_text, zero_pad(static_cast<long>(k.qsos) + 1, 5));
        EXPECT_EQ(h.fakes.ui.focus_log.back(), "kapott_hivojel_text");
        if (!k.told) {
            EXPECT_TRUE(h.fakes.ui.messages.empty());
            continue;
        }
        ASSERT_EQ(h.fakes.ui.messages.size(), 1u);
        EXPECT_NE(h.fakes.ui.messages[0].find(k.told), Text::npos) << h.fakes.ui.messages[0];
        EXPECT_TRUE(h.s.log_changed);
        EXPECT_EQ(h.s.szabaly_combo.list_index, 1);  // the contest type of the restored header
        // The restored log is saved at once, so a second crash loses nothing either.
        EXPECT_EQ(split_lines(*read_file(h.system_file("tmp_log_145 MHz.save"))).size(), k.qsos + 3);
    }
}

TEST(CrashRecovery, DamagedFilesGiveWayToTheMostCompleteLog) {
    const std::vector<Text> log = testing::numbered(14);
    struct Case {
        const char* what;
        std::vector<Text> tmp_log;
        Text save;
        std::vector<Text> backup;  // written 3 minutes ago; empty: no backup file
        std::size_t qsos;          // the first ones of `log`
        std::vector<Text> told;
    };
    // clang-format off
    const Case cases[] = {
        {"a .save cut in half: the working log and the backup give all", leading(log, 12), cut_log(log, 7), log,
         14, {hu(u8"12 QSO a(z) tmp_log.dat file-ból"), hu(u8"2 QSO a(z) backup_145 MHz.dat file-ból")}},
        {"the cut-off last line of the .save is no QSO", leading(log, 1), cut_log(leading(log, 3), 2), {},
         2, {hu(u8"2 QSO a(z) tmp_log_145 MHz.save file-ból")}},
        {"a whole .save with fewer QSOs: deleted ones stay deleted", leading(log, 3),
         log_file_text(kHeader, leading(log, 2)), leading(log, 3),
         2, {hu(u8"2 QSO a(z) tmp_log_145 MHz.save file-ból")}},
    };
    // clang-format on
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Home h;
        write_log(h.system_file("tmp_log.dat"), k.tmp_log, 10);
        write_aged(h.system_file("tmp_log_145 MHz.save"), k.save, 1);
        Text records;
        for (const Text& l : k.backup) records += "HOZZAADAS  " + l + "\r\n";
        const fs::path backup = h.home.path() / "BACKUP" / "backup_145 MHz.dat";
        if (!records.empty()) write_aged(backup, records, 3);

        h.start();
        EXPECT_EQ(h.lines(), leading(log, k.qsos));
        ASSERT_EQ(h.fakes.ui.messages.size(), 1u);
        for (const Text& t : k.told) {
            EXPECT_NE(h.fakes.ui.messages[0].find(t), Text::npos) << h.fakes.ui.messages[0];
        }
    }
}

TEST(WindowState, ComesBackAfterAnyRestartAndIgnoresDamage) {
    Home first;
    first.start();
    Session& s = first.s;
    s.szabaly_combo.set(2);  // YL-OM
    szabaly_combo_Click(s);
    s.qso.mod_combo.set(2);
    s.station.hivojel_text = "HA5XX";
    s.station.QRA_text = "JN97AA";
    s.qso.kezelo_text = "OPNAME";
    s.qso.qth_text = "BUDA\r\nPEST";
    s.auto_torles_check = true;
    ablak_allapot_mentes(s);  // what the clock tick does whenever something changed
    const Text written = *read_file(first.system_file(kWindowStateFile));
    EXPECT_NE(written.find("qth=BUDA  PEST\r\n"), Text::npos);  // one line, whatever was typed

    Home second;
    fs::create_directories(second.system_file(""));
    std::ofstream(second.system_file(kWindowStateFile), std::ios::binary)
        << written + "sav=99\r\nmod=abc\r\n";
    second.start();
    EXPECT_EQ(second.s.contest(), ContestType::YlOm);
    EXPECT_EQ(second.s.qso.mod_combo.text(), "CW");
    EXPECT_EQ(second.s.station.hivojel_text, "HA5XX");
    EXPECT_EQ(second.s.qso.kezelo_text, "OPNAME");
    EXPECT_EQ(second.s.qso.band_text, "145 MHz");
    EXPECT_TRUE(second.s.auto_torles_check);
}

TEST(NewContest, WarnsOnlyAboutQsosNoLogFileHolds) {
    testing::Started st;
    st.s.log_lista.add(general("XX1AA", 1));
    st.s.log_lista.add(general("XX2BB", 2, "145 MHz", "11:40"));
    st.fakes.ui.answers = {false};
    uj_lista_cmd_Click(st.s);
    EXPECT_NE(st.fakes.ui.questions.back().find(hu(u8"Figyelem: 2 QSO nincs elmentve")), Text::npos);

    ASSERT_TRUE(log_mentes(st.s, st.s.paths.log_dir / "verseny.log"));
    st.fakes.ui.answers = {false};
    uj_lista_cmd_Click(st.s);
    EXPECT_EQ(st.fakes.ui.questions.back().find(hu(u8"Figyelem")), Text::npos);
}

TEST(Signal, SavesLikeStopWithoutAskingAnything) {
    testing::Started st;
    st.s.log_lista.add(general("XX1AA", 1));
    st.s.log_changed = true;
    EXPECT_TRUE(save_on_signal(st.s));
    EXPECT_TRUE(st.fakes.ui.questions.empty());
    EXPECT_TRUE(st.fakes.ui.messages.empty());
    EXPECT_FALSE(st.s.log_changed);
    EXPECT_NE(read_file(st.s.paths.tmp_log())->find(general("XX1AA", 1)), Text::npos);
    EXPECT_TRUE(fs::exists(st.system_file("sajat_adat.txt")));
}

}  // namespace
}  // namespace loxar
